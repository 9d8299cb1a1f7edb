#!/usr/bin/env bash
# Layouts: a layout file dropped into the player's folder is offered after
# ours (its name marked as the player's) and dealt, while a damaged one
# beside it is left out with its line; once the file is gone, the game saved
# on it is refused; five of our newer designs and a generated layout are
# dealt and drawn. A deal chosen by its number in the chooser is shown in
# play, saved and dealt again by the next start; a generated layout chosen
# by its number is dealt, kept under a typed name and offered again by the
# next start as the player's.
source "$(dirname "$0")/lib.sh" "$@"

prepare_work run
[[ -d "$WORK/layouts" && ! -L "$WORK/layouts" ]] || fail "the working directory has no layouts folder of the player's own"
{ printf 'Name: Kite\nGridX: 12\nGridY: 8\nGridZ: 3\nTileCoordinates:\n'
  for y in 0 2 4 6; do for x in 0 2 4 6 8 10; do printf 'Tile %d %d 0\n' "$x" "$y"; done; done
  for y in 2 4; do for x in 2 4 6 8; do printf 'Tile %d %d 1\n' "$x" "$y"; done; done
  printf 'Tile 5 3 2\nTile 3 3 2\n'; } > "$WORK/layouts/kite.lyt"
printf 'Name: Broken\nGridX: 4\nGridY: 2\nGridZ: 1\nTileCoordinates:\nTile 0 0 0\nTile 2 0 0\nTile 4 0 0\n' \
  > "$WORK/layouts/broken.lyt"
config 'LastLayout: layouts/kite.lyt\n'
play
(( $(log_count "Loaded layout file: layouts/kite.lyt") >= 1 )) || fail "the player's layout was not read"
(( $(log_count "Player layout left out (3 positions, an even number from 2 to 144 is needed): layouts/broken.lyt") == 1 )) \
  || fail "the damaged layout was not left out with one line"
grep -q "No known layout in config" "$WORK/log.txt" && fail "the player's layout was not offered"
screenshot kite
(( $(colours kite) > 1000 )) || fail "the player's layout was not drawn"
pass "a layout dropped into the player's folder is offered and dealt; a damaged one is left out"

# The chooser shows it, named as the player's.
click MenuButton
wait_change all kite menu_closed 200000 || fail "the menu did not close its doors"
click DoorLayouts
wait_change all menu_closed chooser || fail "the layouts chooser did not open"
quit
grep -qxF "LastLayout: layouts/kite.lyt" "$WORK/jadeloom_demo.cfg" || fail "the player's layout was not kept as the last one"

# The player's file gone, the game saved on it is refused and a new one dealt.
rm "$WORK/layouts/kite.lyt"
play
(( $(log_count "Saved game of an unknown layout: layouts/kite.lyt") == 1 )) || fail "the saved game on a lost layout was not refused"
(( $(log_count "No known layout in config, using Assets/Layouts/turtle_demo.lyt") == 1 )) || fail "no fallback layout"
quit
pass "a saved game whose layout file has gone is refused and the Turtle dealt"

# The player without a saved game, so that each start deals the layout the
# settings name instead of resuming the last board.
fresh_player() {
  printf '<Player>\n\tName: Tester\n\tFreeTiles: false\n\t<Rewards>\n\t</Rewards>\n\t<Save>\n\t</Save>\n</Player>' \
    > "$PLAYERS"
}
for name in meadow temple trellis archipelago spire Generated/144/1; do
  fresh_player
  entry="Assets/Layouts/$name.lyt"
  [[ "$name" == Generated/* ]] && entry=$name
  config "LastLayout: $entry\n"
  play
  grep -q "No known layout in config" "$WORK/log.txt" && fail "$name is not offered"
  (( $(log_count "Loaded layout file: $entry") + $(log_count "Generated layout: $entry") >= 1 )) || fail "$name was not read"
  name=${name//\//_}
  sleep 1
  screenshot "$name"
  (( $(colours "$name") > 1000 )) || fail "$name was not drawn"
  quit
done
pass "five of our newer layouts and a generated one are dealt and drawn"

# open_chooser PREV NAME: the layouts chooser opened from the main menu over
# the board shot as PREV, shot as NAME.
open_chooser() {
  click MenuButton
  wait_change all "$1" "$1_doors" 200000 || fail "the menu did not close its doors"
  click DoorLayouts
  wait_change all "$1_doors" "$2" || fail "the layouts chooser did not open"
}

fresh_player
config
play
sleep 1
screenshot deal42
open_chooser deal42 chooser42
step DealNext chooser42 chooser43 20
step DealNext chooser43 chooser44 20
step LayoutSelect chooser44 dealt44
(( $(changed all deal42 dealt44) > 2000 )) || fail "deal 44 is the standard deal"
(( $(changed DealText deal42 dealt44) > 20 )) || fail "the deal number in play did not change"
quit
[[ "$(saved RandomSeed)" == 44 ]] || fail "the saved game names deal $(saved RandomSeed), not 44"
play
sleep 1
screenshot resumed44
(( $(changed all dealt44 resumed44) < 1500 )) || fail "the board of deal 44 did not come back"
(( $(changed DealText dealt44 resumed44) < 5 )) || fail "the deal number was not shown again"
quit
[[ "$(saved RandomSeed)" == 44 ]] || fail "the resumed game is saved as deal $(saved RandomSeed), not 44"
pass "a deal chosen by number is shown in play, saved, and resumed by the next start"

play
sleep 1
screenshot before_generated
open_chooser before_generated generated_1
step LayoutPrev generated_1 generated_144_1
step LayoutNumberNext generated_144_1 generated_144_2 20
step LayoutSelect generated_144_2 generated_dealt
(( $(log_count "Generated layout: Generated/144/2") >= 1 )) || fail "Generated/144/2 was not dealt"
open_chooser generated_dealt generated_again
step LayoutKeep generated_again keep_panel
xdotool type --delay 80 'Crane'
xdotool key Return
wait_for_log "Kept layout: layouts/Crane.lyt" 30 || fail "the layout was not kept"
grep -qxF "Name: Crane" "$WORK/layouts/Crane.lyt" || fail "the kept file does not carry its name"
wait_change all keep_panel kept 2000 || fail "the keep panel did not close"
quit
grep -qxF "LastLayout: Generated/144/2" "$WORK/jadeloom_demo.cfg" || fail "the generated layout was not kept as the last one"
play
(( $(log_count "Loaded layout file: layouts/Crane.lyt") >= 1 )) || fail "the kept layout was not read at the start"
grep -q "left out.*Crane" "$WORK/log.txt" && fail "the kept layout was left out"
(( $(log_count "Saved game of an unknown layout: Generated/144/2") == 0 )) || fail "the game on Generated/144/2 was refused"
sleep 1
screenshot generated_resumed
(( $(changed all generated_dealt generated_resumed) < 1500 )) || fail "the generated board did not come back"
open_chooser generated_resumed restarted_1
step LayoutPrev restarted_1 restarted_2
step LayoutPrev restarted_2 restarted_3
step LayoutPrev restarted_3 restarted_crane
step LayoutSelect restarted_crane crane_dealt
quit
grep -qxF "LastLayout: layouts/Crane.lyt" "$WORK/jadeloom_demo.cfg" || fail "the kept layout was not dealt"
pass "a generated layout chosen by number is dealt, kept under a typed name and offered after a restart"
