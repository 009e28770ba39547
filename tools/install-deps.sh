#!/usr/bin/env bash
# Installs the Debian 12 packages Lectorum needs to build, run, test and package (icons are
# rendered with rsvg-convert; the desktop files validated; the package checked on a virtual
# screen). Does nothing when they are all present; needs root (or sudo) otherwise.
set -euo pipefail
packages=(
    build-essential cmake pkg-config
    qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libqt6sql6-odbc qt6-qpa-plugins
    libgl-dev libxkbcommon-dev
    libsqlite3-dev unixodbc unixodbc-dev odbc-postgresql postgresql-15
    poppler-utils sqlite3 xauth fonts-dejavu-core python3
    librsvg2-bin desktop-file-utils appstream dpkg-dev file xvfb x11-utils
    libquazip1-qt6-dev catdoc
    libsword-dev sword-text-web sword-text-kjv sword-text-sparv
    libhunspell-dev hunspell-en-us hunspell-es
    qt6-translations-l10n
    qt6-charts-dev qt6-svg-dev libqt6opengl6-dev
    qt6-l10n-tools qt6-tools-dev
    libtag1-dev
    # The published site's readers in the tests: the feed, the pages' markup, the pages run.
    python3-feedparser tidy chromium
)
missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi
echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
