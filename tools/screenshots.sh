#!/usr/bin/env bash
# Takes the user guide's pictures (docs/images/*.png) of the program itself: the demonstration
# library opened from a private copy, on a virtual screen of 1366×768 (Xvfb), each window the
# guide shows opened in turn and the screen written to a PNG. Fails when a window did not open
# or a picture came out blank. Pass another folder to write the pictures elsewhere (CI does, so
# that the committed pictures change only when someone commits new ones).
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
cd "$ROOT"
output="$(realpath -m "${1:-docs/images}")"
tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2 --target lectorum-screenshots lectorum-mkdb delivered-files
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/config" "$work/data" "$work/library" "$work/runtime"
chmod 700 "$work/runtime"
cp build/bin/lectorum-demo.mdb "$work/library/"
cp build/bin/Lectorum*.hlp "$work/library/" 2>/dev/null || true
# shellcheck source=tools/common/demo-settings.sh
source tools/common/demo-settings.sh
write_demo_settings "$work/config" "$work/library" lectorum-demo.mdb
HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" \
    XDG_RUNTIME_DIR="$work/runtime" \
    xvfb-run -a -s "-screen 0 1366x768x24 -dpi 96" build/bin/lectorum-screenshots "$output"
HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" \
    XDG_RUNTIME_DIR="$work/runtime" LANGUAGE=es \
    xvfb-run -a -s "-screen 0 1366x768x24 -dpi 96" build/bin/lectorum-screenshots "$output"
ls "$output"/*.png | wc -l | xargs echo "screenshots: pictures written to $output:"
