#!/usr/bin/env bash
# Builds Lectorum and runs it on the delivered database (build/bin/lectorum.mdb).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2
exec build/bin/lectorum
