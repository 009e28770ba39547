#!/usr/bin/env bash
# Builds Lectorum and makes its Debian package, build/lectorum_<version>_<arch>.deb, with
# CPack: the programs in /usr/bin, the help file and the empty and demonstration libraries in
# /usr/share/lectorum, the menu entry, software-centre description, icons and manual pages.
# Install it with: apt-get install ./build/lectorum_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2
cd build
rm -f lectorum_*.deb
cpack -G DEB
ls lectorum_*.deb
