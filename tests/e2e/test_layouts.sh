#!/usr/bin/env bash
# Layouts: a layout file dropped into the player's folder is offered after
# ours (its name marked as the player's) and dealt, while a damaged one
# beside it is left out with its line; once the file is gone, the game saved
# on it is refused; five of our newer designs and a generated layout are
# dealt and drawn.
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
