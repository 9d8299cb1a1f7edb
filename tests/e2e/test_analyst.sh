#!/usr/bin/env bash
# The analyst as a player meets it: whole deals of two layouts played by
# Hint and Return alone end on the won panel, whose OK deals again, with the
# statistics and the trophy in the player's file; a board made lost shows the
# dead-end warning, which the one undo it names takes away.
source "$(dirname "$0")/lib.sh" "$@"

prepare_work run

# hint_game NAME LAYOUT TITLE PAIRS: a fresh deal of LAYOUT played by H and
# Return only, a few rounds more than it has pairs; the player's statistics
# must count the layout won once. The last game also takes OK on the won
# panel (its new deal is then the player's saved game).
hint_game() {
  config "LastLayout: $2\n"
  play
  local round
  for round in $(seq 1 $(($4 + 3))); do
    xdotool key h sleep 0.15 key Return sleep 0.25
  done
  sleep 2
  screenshot "$1_won"
  [[ -n "${5:-}" ]] && { click GameWonOK; sleep 2; }
  quit
  local stats
  stats=$(sed -n '/<Layouts>/,/<\/Layouts>/p' "$PLAYERS" | tr -d '\t' | tr '\n' ' ')
  [[ "$stats" =~ "<Layouts> Name: $3 Time: "[0-9]+" Score: "[1-9][0-9]*" Completed: 1 " ]] \
    || fail "$1 was not won by Hint and Return alone: $stats"
  grep -qxF "		Assets/Rewards/luckycat.obj" "$PLAYERS" || fail "no trophy after winning $1"
  sed -n '/<TileSets>/,/<\/TileSets>/p' "$PLAYERS" | grep -qxF "		Grade: A" || fail "no tile set statistics"
  [[ -z "${5:-}" ]] || (( $(sed -n '/<TileStates0>/,/<\/TileStates>/p' "$PLAYERS" | grep -c ' 1002 true$') == $4 * 2 )) \
    || fail "OK on the won panel did not deal $1 again"
  pass "$1 won by Hint and Return alone${5:+; OK dealt it again}"
}
hint_game pyramid Assets/Layouts/pyramid.lyt Pyramid 56
hint_game turtle Assets/Layouts/turtle_demo.lyt Turtle 72 ok

# A lost board with moves left: Red on Green beside Green on Red, the two
# lone Red taken (the second snapshot), and free pairs of East and West.
tiles= states=
for t in "Green 0 0 0" "Red 0 0 1" "Red 4 0 0" "Green 4 0 1" "Red 8 0 0" "Red 12 0 0" \
         "East 16 0 0" "East 20 0 0" "West 24 0 0" "West 28 0 0"; do
  tiles+="$t"$'\n'
  states+="$t 1002 true"$'\n'
done
{ printf '<Save>\nTime: 100\nNumHint: 0\nNumShuffle: 0\nNumUndo: 0\nRandomSeed: 42\n'
  printf 'Layout: Assets/Layouts/turtle_demo.lyt\nTileSet: Assets/Tiles/Standard/standard_tiles_demo.tls\n'
  printf 'Difficulty: Advanced\n<Score>\n2000\n</Score>\n<Tiles>\n%s</Tiles>\n<TileStates0>\n%s</TileStates>\n' \
    "$tiles" "$states"
  printf '<TileStates1>\nRed 8 0 0 1000 false\nRed 12 0 0 1000 false\n</TileStates>\n</Save>\n'; } > "$OUT/save.txt"
awk -v f="$OUT/save.txt" '/<Save>/ { while ((getline l < f) > 0) print l; skip = 1; next }
  /<\/Save>/ { skip = 0; next } !skip' "$PLAYERS" > "$OUT/players.new" && mv "$OUT/players.new" "$PLAYERS"
config
play
sleep 3
screenshot dead_end
click UndoButton
wait_change DeadEndText dead_end undone 200 || fail "the undo left the dead-end line"
(( $(changed MovesText dead_end undone) > 100 )) || fail "the moves label kept its warning"
quit
pass "a lost board showed the dead-end warning; the undo it named took it away"
