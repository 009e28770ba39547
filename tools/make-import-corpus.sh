#!/usr/bin/env bash
# Writes the import's test corpus (tests/data/import) from the project's own source outlines
# (tests/data/import/sources): LibreOffice Writer saves grace.fodt as .docx, .odt, .doc and
# .rtf; pandoc writes hope.md as .docx, .odt and .rtf. Installs both from Debian when they
# are missing (needs root or sudo then). The outlines expected from each file are written by
# hand beside it (NAME.EXT.expected) and are not touched here. CI does not run this: the
# files it writes are committed.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
corpus="$here/tests/data/import"
sources="$corpus/sources"

need=()
command -v soffice >/dev/null || need+=(libreoffice-writer-nogui)
command -v pandoc >/dev/null || need+=(pandoc)
if [ ${#need[@]} -gt 0 ]; then
    SUDO=""
    if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
    export DEBIAN_FRONTEND=noninteractive
    $SUDO apt-get install -y -qq --no-install-recommends "${need[@]}"
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# A private profile: the user's own LibreOffice settings and running copy stay out of it.
profile="file://$work/profile"
for format in docx odt doc rtf; do
    soffice -env:UserInstallation="$profile" --headless --convert-to "$format" \
        --outdir "$work" "$sources/grace.fodt" >/dev/null
    cp "$work/grace.$format" "$corpus/grace-writer.$format"
done
for format in docx odt rtf; do
    pandoc --standalone --from markdown --to "$format" -o "$corpus/hope-pandoc.$format" \
        "$sources/hope.md"
done
echo "Wrote:"
ls -1 "$corpus" | grep -v '\.expected$' | grep -v '^sources$'
