#!/usr/bin/env bash
# tools/run.sh builds what the program needs to run and nothing else: the program, the
# library maker and the delivered files, never the test programs or benchmarks. It is run in a
# copy of the source folder with a cmake that records its arguments and a program that only
# prints its settings folder.
#   test-run-sh-targets.sh <source folder>
set -uo pipefail
SRC="$(cd "$1" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

mkdir -p "$work/tree/tools" "$work/stubs"
cp "$SRC/tools/run.sh" "$work/tree/tools/run.sh"
mkdir -p "$work/tree/tools/common"
cp "$SRC/tools/common/demo-settings.sh" "$work/tree/tools/common/"
printf '#!/bin/sh\nexit 0\n' >"$work/tree/tools/install-deps.sh"
cat >"$work/stubs/cmake" <<'STUB'
#!/bin/sh
echo "$*" >>"$CMAKE_CALLS"
mkdir -p build/bin
printf '#!/bin/sh\necho "ran with $XDG_CONFIG_HOME"\n' >build/bin/lectorum
chmod +x build/bin/lectorum
STUB
chmod +x "$work/tree/tools/install-deps.sh" "$work/stubs/cmake"

out="$(cd "$work" && CMAKE_CALLS="$work/calls" PATH="$work/stubs:$PATH" tree/tools/run.sh 2>&1)" \
    || fail "tools/run.sh failed: $out"
build="$(grep -- '--build' "$work/calls")"
[ -n "$build" ] || fail "tools/run.sh did not build"
for target in lectorum lectorum-mkdb delivered-files; do
    grep -qE -- "--target( [^ ]+)* $target( |$)" <<<"$build" || fail "$target is not built: $build"
done
grep -q -- '--target' <<<"$build" || fail "run.sh builds every target: $build"
grep -qE 'tst_|bench|all' <<<"$build" && fail "run.sh builds more than the program: $build"
grep -q "ran with $work/tree/build/run-home/config" <<<"$out" || fail "the program did not start: $out"

[ "$failures" -eq 0 ] && echo "PASS"
exit "$failures"
