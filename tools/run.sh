#!/usr/bin/env bash
# Builds Lectorum and runs it on the demonstration library (build/bin/lectorum-demo.mdb), with
# a private settings folder under build/run-home, so a first look shows a populated library
# and never touches the user's own settings or library. It builds only what the program needs
# to run: the program, lectorum-mkdb and the delivered files it makes (the libraries and the
# help file); the test programs are built by tools/test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2 --target lectorum lectorum-mkdb delivered-files
home="$PWD/build/run-home"
mkdir -p "$home/config" "$home/data"
# shellcheck source=tools/common/demo-settings.sh
source tools/common/demo-settings.sh
write_demo_settings "$home/config" "$PWD/build/bin" lectorum-demo.mdb
XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" exec build/bin/lectorum
