#!/usr/bin/env bash
# The panels keep the board and the game answering: a parked tile stays
# under the closed doors; a click on a panel's blank part never reaches the
# board; the no-moves panel's New Game and Undo close it; the new-player
# panel survives a minimise and restore; the statistics panel opens from its
# door.
source "$(dirname "$0")/lib.sh" "$@"

# Four free pairs and an East parked in the one slot of "Normal" (or, for
# the picture to compare with, cleared).
parked_board() {
  local tiles states
  tiles=$'Red 0 0 0\nRed 4 0 0\nGreen 8 0 0\nGreen 12 0 0\nEast 16 0 0\n'
  states=$'Red 0 0 0 1002 true\nRed 4 0 0 1002 true\nGreen 8 0 0 1002 true\nGreen 12 0 0 1002 true\n'
  states+="East 16 0 0 $1 false"$'\n'
  DIFFICULTY=Normal resume "$tiles" "$states"
}

# The parked tile shows in its slot in play, lit as the board's tiles are,
# and not on the closed doors.
for state in 1005 1000; do
  prepare_work "slot$state"
  config
  parked_board "$state"
  play
  sleep 1
  screenshot "play$state"
  click MenuButton
  wait_change all "play$state" "menu$state" 200000 || fail "the doors did not close"
  quit
done
(( $(changed Slot1 play1005 play1000) > 300 )) || fail "the parked tile does not show in its slot"
# Lit like the board's tiles, not washed out to white.
IFS='x+' read -r w h x y <<<"$(box Slot1)"
white=$(/usr/bin/python3 -c "
from PIL import Image; import numpy as np
a = np.asarray(Image.open('$OUT/play1005.png').convert('RGB'))[$y:$y + $h, $x:$x + $w]
print(int((a > 245).all(axis=2).sum()))")
(( white < 100 )) || fail "the parked tile is washed out: $white white pixels"
(( $(changed Slot1 menu1005 menu1000) < 50 )) || fail "the parked tile shows on the closed doors"
pass "a parked tile shows in its slot in play and stays under the closed doors"

# Thirty-two free Reds spread over the board: any two tiles a click reaches
# make a pair. Clicks on the blank parts of the options panel reach none.
prepare_work blank
config
tiles= states=
for y in 0 4 8 12; do
  for x in 0 4 8 12 16 20 24 28; do
    tiles+="Red $x $y 0"$'\n'
    states+="Red $x $y 0 1002 true"$'\n'
  done
done
resume "$tiles" "$states"
play
sleep 1
screenshot blank_before
click OptionsButton
wait_change all blank_before options 2000 || fail "the options did not open"
IFS='x+' read -r w h x y <<<"$(box OptionsPanel)"
# The panel's frame and the blank right of its check boxes and labels.
for p in "0.75 0.3" "0.8 0.45" "0.5 0.96" "0.1 0.96" "0.9 0.96" "0.03 0.5" "0.97 0.5" "0.3 0.2"; do
  read -r fx fy <<<"$p"
  xdotool mousemove --window "$WID" "$(awk -v a="$x" -v b="$w" -v f="$fx" 'BEGIN { printf "%d", a + b * f }')" \
    "$(awk -v a="$y" -v b="$h" -v f="$fy" 'BEGIN { printf "%d", a + b * f }')" sleep 0.2 click 1 sleep 0.3
done
click OptionsPanelClose
wait_change OptionsPanel options blank_after 2000 || fail "the options did not close"
quit
(( $(changed all blank_before blank_after) < 500 )) || fail "clicks on the panel reached the board"
[[ -z "$(sed -n '/<TileStates1>/p' "$PLAYERS")" && "$(sed -n '/<Score>/,/<\/Score>/p' "$PLAYERS" | wc -l)" == 2 ]] \
  || fail "a pair was taken through the panel"
pass "clicks on the options panel's blank parts leave the board, its tiles and score as they were"

# No move left: the panel's New Game deals afresh and its Undo takes the
# last pair back, each closing the panel.
stuck() {
  resume $'East 0 0 0\nWest 2 0 0\nEast 4 0 0\nWest 6 0 0\nRed 10 0 0\nRed 14 0 0\n' \
    $'East 0 0 0 1002 true\nWest 2 0 0 1002 true\nEast 4 0 0 1002 true\nWest 6 0 0 1002 true\nRed 10 0 0 1002 true\nRed 14 0 0 1002 true\n' \
    $'Red 10 0 0 1000 false\nRed 14 0 0 1000 false\n' $'2500\n'
}
prepare_work nomoves
config
for button in NoMovesNewGame NoMovesUndo; do
  stuck
  play
  sleep 1
  screenshot "stuck_$button"
  click "$button"
  wait_change NoMovesPanel "stuck_$button" "after_$button" 20000 || fail "$button did not close the panel"
  quit
done
(( $(sed -n '/<TileStates0>/,/<\/TileStates>/p' "$PLAYERS" | grep -c ' 1002 true$') == 6 )) \
  || fail "Undo on the no-moves panel did not give the pair back"
[[ "$(saved NumUndo)" == 1 ]] || fail "the no-moves panel's undo was not counted"
pass "the no-moves panel's New Game and Undo close it"

# The statistics panel from its door: the player's records per layout and
# per tile set.
prepare_work stats
config
printf '<Player>\n\tName: Tester\n\tFreeTiles: false\n\t<Rewards>\n\t</Rewards>\n\t<Save>\n\t</Save>\n%s\n</Player>' \
  "$(printf '\t<Layouts>\n\t\tName: %s\n\t\tTime: %s\n\t\tScore: %s\n\t\tCompleted: %s\n\t\tHints: 0\n\t\tShuffles: 1\n\t\tUndos: 2\n\t</Layouts>\n' \
      Turtle 512 14000 3 Pyramid 733 9800 1)$(printf '\n\t<TileSets>\n\t\tName: Standard\n\t\tGrade: A\n\t\tTime: 512\n\t\tScore: 14000\n\t\tCompleted: 4\n\t\tHints: 0\n\t\tShuffles: 1\n\t\tUndos: 2\n\t</TileSets>')" \
  > "$PLAYERS"
play
sleep 1
screenshot stats_play
step MenuButton stats_play stats_menu 200000
step DoorStatistics stats_menu statistics 20000
(( $(changed StatsPanel stats_menu statistics) > 50000 )) || fail "the statistics panel did not open"
step StatsPanelClose statistics stats_closed 20000
quit
pass "the statistics panel opens from its door with the player's records, and closes"

# The new-player panel of a first start, minimised and restored (a window
# manager iconifies): the name is added and play answers.
HOME="$OUT/home" openbox --sm-disable >/dev/null 2>&1 &
WM_PID=$!
trap 'kill $WM_PID 2>/dev/null; cleanup' EXIT
NO_PLAYER=1 prepare_work minimised
config 'LastPlayer: DefaultNoNameYet'
play
sleep 1
xdotool windowminimize --sync "$WID" || fail "the window was not minimised"
sleep 1
xdotool windowactivate --sync "$WID" 2>/dev/null || xdotool windowmap --sync "$WID"
sleep 1
xdotool mousemove --window "$WID" 500 200 type --delay 120 'Cy'
xdotool key Return
wait_for_log "Added player: Cy" 20 || fail "the name was not added after the restore"
xdotool mousemove --window "$WID" $((WIN_W / 2)) $((WIN_H - 8)) sleep 1
screenshot restored
xdotool key h sleep 0.3 key Return
wait_change all restored restored_moved 400 || fail "play did not answer after the restore"
pass "minimised and restored with the new-player panel open, a name is added and a pair cleared"
quit
