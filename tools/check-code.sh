#!/usr/bin/env bash
# The code checks CI runs besides the tests; each failure fails the run.
#   tools/check-code.sh format       every C++ file is formatted as .clang-format says
#   tools/check-code.sh tidy BUILD   .clang-tidy passes on the C++ sources the last commit
#                                    changed (BUILD holds compile_commands.json)
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
cd "$ROOT"
case "${1:-}" in
format)
    git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
    echo "check-code: formatting clean"
    ;;
tidy)
    build="${2:?the build folder with compile_commands.json}"
    # A shallow clone lacks the parent commit: it is fetched when the origin can be reached.
    # Checking every source instead would take clang-tidy most of an hour on two cores, so
    # without the parent nothing is checked, and the run says so.
    if ! git rev-parse -q --verify HEAD~1 >/dev/null; then
        git fetch -q --deepen=1 2>/dev/null || true
    fi
    if ! git rev-parse -q --verify HEAD~1 >/dev/null; then
        echo "check-code: the last commit's parent is not in this clone; clang-tidy skipped"
        exit 0
    fi
    mapfile -t files < <(git diff --name-only --diff-filter=AM HEAD~1 HEAD -- '*.cpp')
    if [ ${#files[@]} -eq 0 ]; then
        echo "check-code: no C++ source changed"
        exit 0
    fi
    # clang cannot read GCC's precompiled headers, so clang-tidy gets the compile commands
    # without them: each source is parsed with the includes it names itself.
    database=$(mktemp -d)
    trap 'rm -rf "$database"' EXIT
    python3 - "$build/compile_commands.json" "$database/compile_commands.json" <<'PY'
import json, shlex, sys
entries = json.load(open(sys.argv[1]))
for entry in entries:
    args = entry.pop("arguments", None) or shlex.split(entry.pop("command"))
    kept = []
    for arg in args:
        if arg == "-Winvalid-pch":
            continue
        if kept[-1:] == ["-include"] and arg.endswith("cmake_pch.hxx"):
            kept.pop()
            continue
        kept.append(arg)
    entry["arguments"] = kept
json.dump(entries, open(sys.argv[2], "w"), indent=1)
PY
    printf '%s\0' "${files[@]}" \
        | xargs -0 -n 4 -P 2 clang-tidy -p "$database" --quiet --warnings-as-errors='*'
    echo "check-code: clang-tidy clean on ${#files[@]} files"
    ;;
*)
    echo "usage: $0 format | tidy BUILD" >&2
    exit 2
    ;;
esac
