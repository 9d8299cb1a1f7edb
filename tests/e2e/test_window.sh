#!/usr/bin/env bash
# The window opens (its size from the settings is the window-manager test's),
# is resized and moved, goes full screen and back with the
# board still drawn, closes cleanly on the close request (and on the end of
# the session), and the configuration written at exit holds the window's last
# size and place. Start-up ends with exit code 1 without the rewards file
# (the settings file's absence is the command-line test's); any other asset
# missing or broken leaves the game running.
source "$(dirname "$0")/lib.sh" "$@"

INTRO=1 prepare_work run
printf 'WindowSize: 800 600\nWindowPos: 0 0\nDifficulty: Advanced\nVolume: 4' > "$WORK/jadeloom_demo.cfg"
start_game
find_window
grep -qxF "SDL initialized properly" "$WORK/log.txt" || fail "no SDL line"
# The intro plays to its end first; input during it and the loading after
# it is not for the game.
wait_for_log "Closed video intro.avi" 60 || fail "the intro did not end"
grep -qxF "Intro skipped by user" "$WORK/log.txt" && fail "the intro was skipped"
sleep 1
pass "the window opened after the intro"

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
wait_for_log "Toggle Fullscreen" 20 2
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
pass "close request saves the window's size and place"

# The end of the user's session is a close request too.
start_game
find_window
end_game HUP
[[ "$GAME_CODE" == 0 ]] || fail "exit code $GAME_CODE after SIGHUP"
grep -qxF "Exit ok" "$WORK/log.txt" || fail "no Exit ok after SIGHUP"
pass "SIGHUP saves and exits cleanly"

# detach PATH: the linked directories above PATH become directories of the
# run's own, so that PATH can be removed or replaced leaving the source alone.
detach() {
  local cur=$WORK part target parts
  IFS=/ read -ra parts <<<"$(dirname "$1")"
  for part in "${parts[@]}"; do
    cur=$cur/$part
    [[ -L "$cur" ]] || continue
    target=$(readlink -f "$cur")
    rm "$cur" && mkdir "$cur" && ln -s "$target"/* "$cur/"
  done
  rm -f "$WORK/$1"
}

prepare_work no_rewards
detach Assets/Rewards/luckycat.cfg
code=0
(cd "$WORK" && timeout 60 "$GAME") || code=$?
[[ "$code" == 1 ]] || fail "exit code $code without the rewards file"
[[ "$(tail -n 2 "$WORK/log.txt")" == $'Could not open Assets/Rewards/luckycat.cfg\nFailed to load config file' ]] \
  || fail "no rewards-file failure at the end of the log"
pass "missing rewards file ends start-up with exit code 1"

# Every other kind of asset missing, then broken (text files garbled, the
# others cut short): the game plays on, takes input and closes cleanly.
for how in missing broken; do
  prepare_work "$how"
  config 'PlayMusic: true\nLastLayout: Assets/Layouts/arch.lyt\n'
  files="Assets/Menu/menu.cfg Assets/Menu/font.cfg Assets/Menu/menu.anim Assets/Scenes/Bedroom/floor.png
    Assets/Rewards/luckycat.obj Assets/Tiles/tile.anim Assets/Sounds/click.wav Assets/Sounds/sakura.ogg logo.png"
  [[ "$how" == broken ]] && files+=" Assets/Layouts/arch.lyt Assets/Tiles/tile.obj"
  for f in $files; do
    whole=$(readlink -f "$WORK/$f")
    detach "$f"
    [[ "$how" == missing ]] && continue
    case "$f" in
      *.png|*.wav|*.ogg) head -c 300 "$whole" > "$WORK/$f" ;;
      *) rev "$whole" > "$WORK/$f" ;;
    esac
  done
  play
  xdotool key h Return mousemove --window "$WID" 300 300 click 1 click 3 key Escape space
  screenshot "$how"
  quit
done
for line in "Missing menu config file Assets/Menu/menu.cfg" "Missing font config file Assets/Menu/font.cfg" \
    "Unable to load animation file: Assets/Menu/menu.anim" "Unable to load animation file: Assets/Tiles/tile.anim" \
    "Missing texture file: Assets/Scenes/Bedroom/floor.png" "Missing model file Assets/Rewards/luckycat.obj" \
    "Missing texture file: logo.png" "Failed to load sound file: Assets/Sounds/click.wav" \
    "Could not open Ogg stream: Assets/Sounds/sakura.ogg"; do
  grep -q "^$line" "$OUT/missing/log.txt" || fail "no line \"$line\" for a missing file"
done
grep -qxF "Layout without a grid size refused: Assets/Layouts/arch.lyt" "$OUT/broken/log.txt" || fail "broken layout taken"
pass "with assets missing or broken the game runs, logs them and closes cleanly"
