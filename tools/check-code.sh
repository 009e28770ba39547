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
    # A shallow clone has no parent commit: then every source is checked.
    if git rev-parse -q --verify HEAD~1 >/dev/null; then
        mapfile -t files < <(git diff --name-only --diff-filter=AM HEAD~1 HEAD -- '*.cpp')
    else
        mapfile -t files < <(git ls-files '*.cpp')
    fi
    if [ ${#files[@]} -eq 0 ]; then
        echo "check-code: no C++ source changed"
        exit 0
    fi
    printf '%s\0' "${files[@]}" \
        | xargs -0 -n 4 -P 2 clang-tidy -p "$build" --quiet --warnings-as-errors='*'
    echo "check-code: clang-tidy clean on ${#files[@]} files"
    ;;
*)
    echo "usage: $0 format | tidy BUILD" >&2
    exit 2
    ;;
esac
