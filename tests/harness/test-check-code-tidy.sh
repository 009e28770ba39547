#!/usr/bin/env bash
# tools/check-code.sh tidy checks the sources changed in the last commits and those including
# a header changed there, names what it checked and what it skipped for time, and fails on a
# file clang-tidy fails. Run in a small repository of its own with a clang-tidy that only
# records the file it was given (and fails on bad.cpp).
#   test-check-code-tidy.sh <source folder>
set -uo pipefail
SRC="$(cd "$1" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

repo="$work/repo"
mkdir -p "$repo/tools" "$repo/src" "$repo/build" "$work/stubs"
cp "$SRC/tools/check-code.sh" "$repo/tools/"
cat >"$work/stubs/clang-tidy" <<'STUB'
#!/bin/sh
for last; do :; done
echo "$last" >>"$TIDY_CALLS"
case "$last" in *bad.cpp) exit 1 ;; esac
exit 0
STUB
chmod +x "$work/stubs/clang-tidy"
cd "$repo" || exit 1
git init -q && git config user.email t@example.org && git config user.name test
for name in old inc plain new bad; do echo "int $name() { return 0; }" >"src/$name.cpp"; done
echo '#include "shared.h"' >>src/inc.cpp
echo 'int shared();' >src/shared.h
python3 - "$repo" <<'PY'
import json, sys
root = sys.argv[1]
json.dump([{"directory": root, "file": f"{root}/src/{n}.cpp", "command": f"c++ -c src/{n}.cpp"}
           for n in ("old", "inc", "plain", "new", "bad")],
          open(f"{root}/build/compile_commands.json", "w"))
PY
echo build >.gitignore
git add -A && git commit -qm start
for n in 1 2 3; do echo "$n" >notes.txt && git add -A && git commit -qm "filler $n"; done
echo '// changed' >>src/new.cpp && echo '// changed' >>src/shared.h
git add -A && git commit -qm change

run() { TIDY_CALLS="$work/calls" PATH="$work/stubs:$PATH" TIDY_COMMITS=3 tools/check-code.sh tidy build; }
: >"$work/calls"
out="$(run 2>&1)" || fail "the check failed: $out"
[ "$(sort "$work/calls" | tr '\n' ' ')" = "src/inc.cpp src/new.cpp " ] \
    || fail "checked $(tr '\n' ' ' <"$work/calls") instead of src/inc.cpp src/new.cpp"
grep -q "checked 2 files" <<<"$out" || fail "the files checked are not counted: $out"
grep -q "    src/inc.cpp" <<<"$out" || fail "the files checked are not named: $out"

: >"$work/calls"
out="$(TIDY_BUDGET_SECONDS=0 run 2>&1)" || fail "a check out of time failed: $out"
[ ! -s "$work/calls" ] || fail "clang-tidy ran past the budget"
grep -q "skipped for time (budget 0 s): 2 files" <<<"$out" || fail "skipped files not said: $out"

echo '// changed' >>src/bad.cpp && git add -A && git commit -qm bad
out="$(run 2>&1)" && fail "a failing file passed: $out"
grep -q "failed on 1 files" <<<"$out" && grep -q "    src/bad.cpp" <<<"$out" \
    || fail "the failing file is not named: $out"

[ "$failures" -eq 0 ] && echo "PASS"
exit "$failures"
