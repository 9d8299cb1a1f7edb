#!/usr/bin/env bash
# The installed game: `cmake --install` lays out the program, its data, a
# launcher and a desktop entry; the launcher starts the game from any
# directory with its writable files in the player's own working directory.
source "$(dirname "$0")/lib.sh" "$@"

build=$(dirname "$GAME")
prefix="$OUT/prefix"
cmake --install "$build" --prefix "$prefix" >"$OUT/install.log" || fail "cmake --install"
for f in bin/jadeloom share/applications/jadeloom.desktop share/icons/hicolor/256x256/apps/jadeloom.png \
         share/jadeloom/Assets/Layouts/turtle_demo.lyt share/jadeloom/config/jadeloom_demo.cfg \
         share/metainfo/org.jadeloom.jadeloom.metainfo.xml share/man/man6/jadeloom.6.gz \
         share/doc/jadeloom/copyright share/doc/jadeloom/changelog.gz; do
  [[ -e "$prefix/$f" ]] || fail "not installed: $f"
done
grep -qx 'Exec=jadeloom' "$prefix/share/applications/jadeloom.desktop" || fail "desktop entry runs something else"
for size in 16 32 48 64 128 256; do
  identify -format '%wx%h' "$prefix/share/icons/hicolor/${size}x$size/apps/jadeloom.png" 2>/dev/null |
    grep -qx "${size}x$size" || fail "no $size-pixel icon"
done
pass "installed under $prefix"

# Every file that names the version names the project's.
version=$(sed -n 's/^project(jadeloom VERSION \([0-9.]*\).*/\1/p' "$SRC/CMakeLists.txt")
gzip -dc "$prefix/share/man/man6/jadeloom.6.gz" | grep -q "^\.TH JADELOOM 6 [0-9-]* \"Jadeloom $version\"" ||
  fail "the manual page is not of version $version"
grep -q "<release version=\"$version\" date=\"[0-9-]*\"" "$prefix/share/metainfo/org.jadeloom.jadeloom.metainfo.xml" ||
  fail "no AppStream release $version"
gzip -dc "$prefix/share/doc/jadeloom/changelog.gz" | head -n 1 | grep -q "^jadeloom ($version)" ||
  fail "the change log does not begin with $version"
# The desktop validators, where installed (CI has them).
if command -v appstreamcli >/dev/null && command -v desktop-file-validate >/dev/null && command -v mandoc >/dev/null; then
  appstreamcli validate --no-net "$prefix/share/metainfo/org.jadeloom.jadeloom.metainfo.xml" >"$OUT/appstream.txt" 2>&1 ||
    { cat "$OUT/appstream.txt"; fail "appstreamcli validate"; }
  desktop-file-validate "$prefix/share/applications/jadeloom.desktop" || fail "desktop-file-validate"
  gzip -dc "$prefix/share/man/man6/jadeloom.6.gz" | mandoc -T lint -W warning || fail "mandoc -T lint"
  pass "the metadata, desktop entry and manual page validate"
fi

# Help is answered at once: no working directory is made for it.
export XDG_DATA_HOME="$OUT/home"
"$prefix/bin/jadeloom" --help | grep -q '^Usage: jadeloom' || fail "the launcher's --help"
[[ ! -e "$XDG_DATA_HOME" ]] || fail "--help made a working directory"

# Started from an unrelated directory, with a home of its own.
WORK="$XDG_DATA_HOME/jadeloom"
mkdir -p "$OUT/elsewhere"
(cd "$OUT/elsewhere" && exec "$prefix/bin/jadeloom") &
GAME_PID=$!
find_window
end_game TERM
(( GAME_CODE == 0 )) || fail "exit code $GAME_CODE"
grep -qxF "Exit ok" "$WORK/log.txt" || fail "no clean exit in the working directory's log"
[[ -f "$WORK/jadeloom_demo.cfg" && ! -L "$WORK/jadeloom_demo.cfg" ]] || fail "no configuration of the player's own"
[[ -z "$(ls -A "$OUT/elsewhere")" ]] || fail "the game wrote into the directory it was started from"
pass "the installed game runs from any directory and writes only to $WORK"
