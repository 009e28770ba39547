#!/usr/bin/env bash
# Checks the Debian package that tools/package.sh made, on this machine (CI runs it; it needs
# root or sudo): installs build/lectorum_*.deb with apt-get, starts the installed program on a
# virtual screen with a fresh home folder, waits for its main window to come up on a new,
# empty library, closes it, removes the package, and checks that the user's library is still
# there. Prints the package's file list.
set -euo pipefail
cd "$(dirname "$0")/.."
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
deb=$(ls build/lectorum_*.deb)
echo "== $deb"
dpkg-deb --field "$deb" Package Version Depends Recommends
dpkg-deb --contents "$deb"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get install -y -qq "./$deb" >/dev/null
test -x /usr/bin/lectorum && test -f /usr/share/lectorum/lectorum.mdb
# The help in each language beside the English one.
test -f /usr/share/lectorum/Lectorum.hlp && test -f /usr/share/lectorum/Lectorum.es.hlp

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT

# The program under a virtual X server: the splash stays seven seconds, then the main window.
cat > "$home/start.sh" <<'INNER'
#!/usr/bin/env bash
set -euo pipefail
cd "$HOME"
/usr/bin/lectorum >"$HOME/lectorum.log" 2>&1 &
program=$!
for _ in $(seq 1 60); do
    if xwininfo -root -tree | grep -q '"Lectorum Sermon Outlines"'; then
        echo "main window up after the splash"
        # The desktop entry's StartupWMClass must match the window's class.
        wm_class=$(xprop -name "Lectorum Sermon Outlines" WM_CLASS)
        echo "$wm_class"
        wanted=$(sed -n 's/^StartupWMClass=//p' /usr/share/applications/org.lectorum.Lectorum.desktop)
        case "$wm_class" in
            *"\"$wanted\""*) ;;
            *) echo "the window class does not match StartupWMClass=$wanted" >&2; kill "$program"; exit 1 ;;
        esac
        kill "$program"; wait "$program" 2>/dev/null || true
        exit 0
    fi
    if ! kill -0 "$program" 2>/dev/null; then break; fi
    sleep 1
done
echo "the main window did not come up" >&2
cat "$HOME/lectorum.log" >&2
kill "$program" 2>/dev/null || true
exit 1
INNER
chmod +x "$home/start.sh"
env -i HOME="$home" PATH=/usr/bin:/bin LANG=C.UTF-8 xvfb-run -a "$home/start.sh"

library="$home/.local/share/lectorum/lectorum.mdb"
test -f "$library" || { echo "no library in $library" >&2; exit 1; }
grep -q "DBPath=$home/.local/share/lectorum/" "$home/.config/lectorum/lectorum.ini"
sermons=$(sqlite3 "$library" 'SELECT COUNT(*) FROM tblSermons')
books=$(sqlite3 "$library" 'SELECT COUNT(*) FROM tblBibleBooks')
echo "new library: $sermons sermons, $books books of the Bible"
[ "$sermons" = 0 ] && [ "$books" = 66 ]

$SUDO apt-get remove -y -qq lectorum >/dev/null
test ! -e /usr/bin/lectorum
test -f "$library" || { echo "removing the package took the user's library" >&2; exit 1; }
echo "package removed; the user's library is still there"
