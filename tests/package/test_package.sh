#!/usr/bin/env bash
# The Debian package on this machine: built, checked by the Debian and
# desktop validators, installed with apt-get, the installed game started
# from an unrelated directory on a virtual display, and removed again with
# nothing left behind. Installs into /usr, so it runs as root on a machine
# meant for it (CI), never as part of `ctest`.
# Usage: test_package.sh SOURCE_DIR OUT_DIR
set -uo pipefail
SRC=$(cd "$1" && pwd)
OUT=$2
rm -rf "$OUT"
mkdir -p "$OUT"
export DEBIAN_FRONTEND=noninteractive

fail() { echo "FAIL: $*"; exit 1; }
pass() { echo "ok: $*"; }
[[ $(id -u) -eq 0 ]] || fail "installing a package needs root"
dpkg-query -W -f='${Status}' jadeloom 2>/dev/null | grep -q 'install ok' &&
  fail "jadeloom is installed already; this test would replace it"

deb=$(timeout 1800 bash "$SRC/scripts/package.sh" "$SRC/build-package" | tail -n 1)
[[ -f "$deb" ]] || fail "no package built"
pass "built $(basename "$deb")"

# Validators: each must be silent about errors and warnings.
lintian --fail-on error,warning "$deb" >"$OUT/lintian.txt" 2>&1 || { cat "$OUT/lintian.txt"; fail "lintian"; }
dpkg-deb -x "$deb" "$OUT/root"
appstreamcli validate --no-net "$OUT/root/usr/share/metainfo/org.jadeloom.jadeloom.metainfo.xml" ||
  fail "appstreamcli validate"
desktop-file-validate "$OUT/root/usr/share/applications/jadeloom.desktop" || fail "desktop-file-validate"
gzip -dc "$OUT/root/usr/share/man/man6/jadeloom.6.gz" >"$OUT/jadeloom.6"
mandoc -T lint -W warning "$OUT/jadeloom.6" || fail "mandoc -T lint"
pass "lintian, appstreamcli, desktop-file-validate and mandoc find nothing"

# Computed from the program's libraries, plus libGL, which SDL opens itself,
# and the movie's decoder, which the game opens itself.
depends=$(dpkg-deb -f "$deb" Depends)
names=$(tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/[ (].*//')
for lib in libgl1 libsdl1.2debian libsdl-image1.2 libopenal1 libvorbisfile3 libavformat59 libavcodec59 \
    libswscale6 libavutil57 libglu1-mesa; do
  grep -qx "$lib" <<<"$names" || fail "the dependencies miss $lib: $depends"
done
echo "Package size: $(stat -c %s "$deb") bytes; installed size: $(dpkg-deb -f "$deb" Installed-Size) KiB"

removed=
remove() {
  [[ -n "$removed" ]] && return
  removed=1
  timeout 600 apt-get purge -y -q jadeloom >"$OUT/purge.log" 2>&1
}
trap 'stop_virtual_display 2>/dev/null; remove' EXIT
timeout 900 apt-get install -y -q --no-install-recommends "$deb" >"$OUT/install.log" 2>&1 ||
  { tail -n 20 "$OUT/install.log"; fail "apt-get install"; }
for f in /usr/games/jadeloom /usr/libexec/jadeloom/jadeloom /usr/share/applications/jadeloom.desktop \
         /usr/share/metainfo/org.jadeloom.jadeloom.metainfo.xml /usr/share/man/man6/jadeloom.6.gz \
         /usr/share/doc/jadeloom/copyright /usr/share/jadeloom/Assets/Layouts/turtle_demo.lyt; do
  [[ -e "$f" ]] || fail "not installed: $f"
done
for size in 16 32 48 64 128 256; do
  identify -format '%wx%h' /usr/share/icons/hicolor/${size}x$size/apps/jadeloom.png 2>/dev/null |
    grep -qx "${size}x$size" || fail "no $size-pixel icon"
done
grep -qx 'Exec=jadeloom' /usr/share/applications/jadeloom.desktop || fail "the desktop entry runs something else"
pass "installed with apt-get"

# Every file that names the version names the project's.
version=$(sed -n 's/^project(jadeloom VERSION \([0-9.]*\).*/\1/p' "$SRC/CMakeLists.txt")
[[ "$(cd / && /usr/games/jadeloom --version)" == "Jadeloom $version" ]] || fail "the installed --version"
grep -q "^\.TH JADELOOM 6 [0-9-]* \"Jadeloom $version\"" "$OUT/jadeloom.6" || fail "the manual page is not of $version"
grep -q "<release version=\"$version\" date=\"[0-9-]*\"" /usr/share/metainfo/org.jadeloom.jadeloom.metainfo.xml ||
  fail "no AppStream release $version"
gzip -dc /usr/share/doc/jadeloom/changelog.gz | head -n 1 | grep -q "^jadeloom ($version)" ||
  fail "the change log does not begin with $version"

# The installed game, started from another directory with a home of its own;
# its help is answered without making a working directory.
source "$SRC/scripts/virtual-display.sh"
start_virtual_display 1280x800x24 || fail "no virtual display"
export HOME="$OUT/home" XDG_DATA_HOME="$OUT/data"
(cd / && /usr/games/jadeloom --help) | grep -q '^Usage: jadeloom' || fail "the installed --help"
[[ ! -e "$XDG_DATA_HOME" ]] || fail "--help made a working directory"
mkdir -p "$HOME" "$OUT/elsewhere"
work="$XDG_DATA_HOME/jadeloom"
(cd "$OUT/elsewhere" && exec /usr/games/jadeloom) >"$OUT/game.out" 2>&1 &
pid=$!
for _ in $(seq 1 1800); do
  grep -qxF "First frame drawn" "$work/log.txt" 2>/dev/null && break
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
grep -qxF "First frame drawn" "$work/log.txt" 2>/dev/null || { kill -KILL "$pid"; cat "$work/log.txt"; fail "no frame drawn"; }
sleep 2
import -window root "$OUT/installed.png" || fail "screenshot"
colours=$(convert "$OUT/installed.png" -format '%k' info:)
((colours > 2000)) || fail "the screen shows $colours colours, no scene"
kill -TERM "$pid"
code=0
timeout 60 tail --pid="$pid" -f /dev/null || kill -KILL "$pid"
wait "$pid" || code=$?
((code == 0)) || fail "exit code $code after the close request"
tail -n 1 "$work/log.txt" | grep -qxF "Exit ok" || fail "no Exit ok in $work/log.txt"
[[ -f "$work/jadeloom_demo.cfg" && -f "$work/Assets/Players/players_demo.dat" ]] ||
  fail "the player's files are not under $work"
[[ -z "$(ls -A "$OUT/elsewhere")" ]] || fail "the game wrote into the directory it was started from"
stop_virtual_display
pass "the installed game draws its scene and keeps its files in $work"

remove
dpkg-query -W -f='${Status}' jadeloom 2>/dev/null | grep -q 'installed' && fail "still installed after purge"
for f in /usr/games/jadeloom /usr/libexec/jadeloom /usr/share/jadeloom /usr/share/doc/jadeloom; do
  [[ ! -e "$f" ]] || fail "left behind after purge: $f"
done
[[ -f "$work/jadeloom_demo.cfg" ]] || fail "removing the package took the player's files"
pass "purged cleanly; the player's own files stay theirs"
