#!/usr/bin/env bash
# The window opens, is resized and moved, closes cleanly on the close
# request (and on the end of the session), and the configuration written at
# exit holds the window's last size and place.
source "$(dirname "$0")/lib.sh" "$@"

prepare_work run
printf 'WindowSize: 800 600\nWindowPos: 0 0\nDifficulty: Advanced\nVolume: 4' > "$WORK/jadeloom_demo.cfg"
start_game
find_window
wait_for_log "Rendering Engine initialized" || fail "renderer did not start"
grep -qxF "SDL initialized properly" "$WORK/log.txt" || fail "no SDL line"
# The intro plays to its end first; input during it and the loading after
# it is not for the game.
wait_for_log "Closed video intro.avi" 60 || fail "the intro did not end"
grep -qxF "Intro skipped by user" "$WORK/log.txt" && fail "the intro was skipped"
sleep 1
screenshot opened
geometry=$(xwininfo -id "$WID" | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w "x" h}')
[[ "$geometry" == 800x600 ]] || fail "window is $geometry, not 800x600"
pass "window opened at 800x600"

xdotool windowsize --sync "$WID" 1024 700
xdotool windowmove --sync "$WID" 50 60
wait_for_log "Window resize finished" 20 || fail "resize not handled"
sleep 2
screenshot resized
(( $(colours resized) > 2000 )) || fail "the resized window shows no scene"
pass "resized to 1024x700, the scene redrawn"

# Full screen and back: every texture is made anew from its kept pixels.
xdotool mousemove --window "$WID" 500 350
xdotool key --window "$WID" f
wait_for_log "Toggle Fullscreen" 20 || fail "F did not switch to full screen"
sleep 3
screenshot fullscreen
(( $(colours fullscreen) > 2000 )) || fail "full screen shows no textured scene"
WID=$(xdotool search --onlyvisible --name '^Jadeloom$' | head -n 1)
xdotool mousemove --window "$WID" 500 350
xdotool key --window "$WID" f
for _ in $(seq 1 100); do
  [[ $(grep -c -xF "Toggle Fullscreen" "$WORK/log.txt") -ge 2 ]] && break
  sleep 0.1
done
sleep 3
WID=$(xdotool search --onlyvisible --name '^Jadeloom$' | head -n 1)
geometry=$(xwininfo -id "$WID" | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w "x" h}')
[[ "$geometry" == 1024x700 ]] || fail "back from full screen at $geometry, not 1024x700"
screenshot windowed
(( $(colours windowed) > 2000 )) || fail "textures lost after leaving full screen"
pass "full screen and back keep the textures and the windowed size"
end_game TERM
[[ "$GAME_CODE" == 0 ]] || fail "exit code $GAME_CODE after the close request"
tail -n 1 "$WORK/log.txt" | grep -qxF "Exit ok" || fail "no Exit ok"
cfg=$(cat "$WORK/jadeloom_demo.cfg")
expected=$'WindowSize: 1024 700\nWindowPos: 50 60\nFullscreen: false\nMaximized: false\nHighlightColor: 0 0 0 0\nLastPlayer: DefaultNoNameYet\nDifficulty: Advanced\nLastLayout: Assets/Layouts/turtle_demo.lyt\nTileSet: Assets/Tiles/Standard/standard_tiles_demo.tls\nPlayMusic: false\nVolume: 4'
[[ "$cfg" == "$expected" ]] || fail "configuration written as: $cfg"
[[ "$(tail -c 1 "$WORK/jadeloom_demo.cfg")" == 4 ]] || fail "newline after the last value"
pass "close request saves the window's size and place"

# The end of the user's session is a close request too.
start_game
find_window
wait_for_log "Rendering Engine initialized" || fail "second start"
end_game HUP
[[ "$GAME_CODE" == 0 ]] || fail "exit code $GAME_CODE after SIGHUP"
grep -qxF "Exit ok" "$WORK/log.txt" || fail "no Exit ok after SIGHUP"
pass "SIGHUP saves and exits cleanly"

# No configuration file: start-up fails with exit code 1.
prepare_work missing
rm -f "$WORK/jadeloom_demo.cfg"
code=0
(cd "$WORK" && timeout 60 "$GAME") || code=$?
[[ "$code" == 1 ]] || fail "exit code $code without a configuration file"
grep -qxF "jadeloom.cfg is missing" "$WORK/log.txt" || fail "missing-file line"
tail -n 1 "$WORK/log.txt" | grep -qxF "Failed to load config file" || fail "failure line"
pass "missing configuration ends start-up with exit code 1"
