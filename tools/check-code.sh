#!/usr/bin/env bash
# The code checks CI runs besides the tests; each failure fails the run.
#   tools/check-code.sh format       every C++ file is formatted as .clang-format says
#   tools/check-code.sh tidy BUILD   .clang-tidy passes on the C++ sources changed in the
#                                    last 20 commits and those including a header changed
#                                    there, within 10 minutes (BUILD holds
#                                    compile_commands.json; TIDY_COMMITS, TIDY_BUDGET_SECONDS)
#   tools/check-code.sh translations BUILD
#                                    the translation files hold every text of the code, as
#                                    lupdate (the build target lectorum_settings_lupdate)
#                                    would write them, so a new English text cannot slip past
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
    # Which sources: every .cpp changed in the last $TIDY_COMMITS commits, and every .cpp
    # that includes a header changed in them (by its #include line), newest changes first.
    # They are checked two at a time until $TIDY_BUDGET_SECONDS have passed (all of the tree
    # would take clang-tidy most of an hour on two cores); the rest is named as skipped.
    commits="${TIDY_COMMITS:-20}"
    budget="${TIDY_BUDGET_SECONDS:-600}"
    # A shallow clone lacks the older commits: they are fetched when the origin can be reached.
    if ! git rev-parse -q --verify "HEAD~$commits" >/dev/null; then
        git fetch -q --deepen="$commits" 2>/dev/null || true
    fi
    depth=$(git rev-list --count HEAD)
    [ "$depth" -gt "$commits" ] || commits=$((depth - 1))
    if [ "$commits" -lt 1 ]; then
        echo "check-code: no earlier commit in this clone; clang-tidy skipped"
        exit 0
    fi
    mapfile -t files < <(
        {
            git log --format= --name-only --diff-filter=AM "HEAD~$commits..HEAD" -- '*.cpp'
            git log --format= --name-only --diff-filter=AM "HEAD~$commits..HEAD" -- '*.h' \
                | while read -r header; do
                    [ -e "$header" ] || continue
                    git grep -l -F "#include \"$(basename "$header")\"" -- '*.cpp' || true
                done
        } | awk 'NF && !seen[$0]++' | while read -r file; do [ -e "$file" ] && echo "$file"; done)
    # Only what the build compiles (not the fuzz targets of a build without them).
    mapfile -t files < <(python3 - "$build/compile_commands.json" "${files[@]}" <<'PY'
import json, os, sys
built = {os.path.realpath(e["file"]) for e in json.load(open(sys.argv[1]))}
for name in sys.argv[2:]:
    if os.path.realpath(name) in built:
        print(name)
PY
    )
    if [ ${#files[@]} -eq 0 ]; then
        echo "check-code: no C++ source changed in the last $commits commits"
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
    started=$SECONDS
    checked=()
    skipped=()
    failed=()
    declare -A running=()
    # Waits for one of the running checks and notes its result.
    collect() {
        local pid
        wait -n -p pid "${!running[@]}" && true
        local status=$?
        if [ "$status" -ne 0 ]; then failed+=("${running[$pid]}"); fi
        unset "running[$pid]"
    }
    for file in "${files[@]}"; do
        while [ ${#running[@]} -ge 2 ]; do collect; done
        if [ $((SECONDS - started)) -ge "$budget" ]; then
            skipped+=("$file")
            continue
        fi
        clang-tidy -p "$database" --quiet --warnings-as-errors='*' "$file" &
        running[$!]="$file"
        checked+=("$file")
    done
    while [ ${#running[@]} -gt 0 ]; do collect; done
    echo "check-code: clang-tidy checked ${#checked[@]} files in $((SECONDS - started)) s" \
        "(changed in the last $commits commits, or including a header changed there):"
    printf '    %s\n' "${checked[@]}"
    if [ ${#skipped[@]} -gt 0 ]; then
        echo "check-code: skipped for time (budget ${budget} s): ${#skipped[@]} files"
        printf '    %s\n' "${skipped[@]}"
    fi
    if [ ${#failed[@]} -gt 0 ]; then
        echo "check-code: clang-tidy failed on ${#failed[@]} files:"
        printf '    %s\n' "${failed[@]}"
        exit 1
    fi
    echo "check-code: clang-tidy clean"
    ;;
translations)
    build="${2:?usage: $0 translations BUILD}"
    saved=$(mktemp -d)
    cp translations/*.ts "$saved/"
    cmake --build "$build" --target lectorum_settings_lupdate >/dev/null
    stale=()
    for file in translations/*.ts; do
        if ! cmp -s "$file" "$saved/$(basename "$file")"; then
            stale+=("$file")
            diff -u "$saved/$(basename "$file")" "$file" | head -40 || true
        fi
    done
    # Another language's file translates every text (the English one gives only the plural
    # forms, so its other texts stay unfinished).
    for file in translations/*.ts; do
        if [ "$file" != translations/lectorum_en.ts ] && grep -q 'type="unfinished"' "$file"; then
            stale+=("$file")
            grep -c 'type="unfinished"' "$file" | sed "s|^|untranslated texts in $file: |"
        fi
    done
    # The files are left as they were: the check only reports.
    cp "$saved"/*.ts translations/
    rm -rf "$saved"
    if [ ${#stale[@]} -gt 0 ]; then
        echo "check-code: texts of the code missing from, gone from or untranslated in" \
            "${stale[*]}: run the build target lectorum_settings_lupdate, translate, and" \
            "commit the files"
        exit 1
    fi
    echo "check-code: translation files up to date"
    ;;
*)
    echo "usage: $0 format | tidy BUILD | translations BUILD" >&2
    exit 2
    ;;
esac
