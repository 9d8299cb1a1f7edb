#!/usr/bin/env bash
# A player's life with the game: the first start asks for a name, typed with
# a correction; closing and starting again finds the same player, board,
# clock and score. (A game won by hints is played by test_analyst.sh.)
source "$(dirname "$0")/lib.sh" "$@"

NO_PLAYER=1 prepare_work run
config 'LastPlayer: DefaultNoNameYet'
# First start: no player file, the new-player panel takes the first name.
play
grep -qxF "Missing player file: Assets/Players/players_demo.dat" "$WORK/log.txt" || fail "a player file was found"
screenshot panel
# Typed through the X test extension: events sent to the window carry no
# Shift state, and a letter sent twice looks to SDL like a held key.
xdotool mousemove --window "$WID" 500 200 type --delay 120 'Ann Lex'
xdotool key BackSpace sleep 0.3 type --delay 120 'e'
screenshot typed
xdotool key Return
wait_for_log "Added player: Ann Lee" 20 || fail "the typed player was not added"
xdotool mousemove --window "$WID" $((WIN_W / 2)) $((WIN_H - 8))
wait_change MenuNewPlayer panel dealt || fail "the new-player panel did not close"
pass "the first player, Ann Lee, was named in the new-player panel"

# A pair taken by a hint, then closed and started again.
xdotool key h sleep 0.3 key Return
wait_change all dealt moved 400 || fail "H and Return took no pair"
quit
grep -qxF "LastPlayer: Ann Lee" "$WORK/jadeloom_demo.cfg" || fail "the configuration forgot the player"
grep -qxF "	Name: Ann Lee" "$PLAYERS" || fail "the player file lacks the player"
board_of > "$OUT/board1.txt"
time1=$(saved Time)
(( $(grep -c ' 1000 false$' "$OUT/board1.txt") == 2 )) || fail "the saved game does not hold the pair taken"
play
screenshot resumed
(( $(changed all moved resumed) < 20000 )) || fail "the board on the screen is not the one left"
quit
board_of > "$OUT/board2.txt"
cmp -s "$OUT/board1.txt" "$OUT/board2.txt" || fail "the board or score changed across the restart"
(( $(saved Time) >= time1 )) || fail "the clock went back from $time1 to $(saved Time)"
grep -qxF "	Name: Ann Lee" "$PLAYERS" && grep -qxF "LastPlayer: Ann Lee" "$WORK/jadeloom_demo.cfg" \
  || fail "the player was not current again"
pass "the next start found Ann Lee's board, score and clock ($time1 s, then $(saved Time) s)"

