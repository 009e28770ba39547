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
mkdir -p "$home/config/lectorum" "$home/data"
# The settings a first run writes, pointed at the demonstration library.
cat > "$home/config/lectorum/lectorum.ini" <<INI
[AppEnv]
StatusBar=-1
Toolbar=-1

[DataSource]
DataLoc=Local

[Local]
AccessSecure=0
DBName=lectorum-demo.mdb
DBPath="$PWD/build/bin/"
DBServer=0
DSN=

[Server]
DBName=lectorum
DBServer=-1
DSN=

[UserInfo]
UID=
INI
XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" exec build/bin/lectorum
