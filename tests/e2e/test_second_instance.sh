#!/usr/bin/env bash
# One game per working directory: a second start while the first runs says
# so and exits 1, leaving the settings, the player file and the first game's
# log alone; the lock ends with the first game, however it ends.
source "$(dirname "$0")/lib.sh" "$@"

prepare_work second
config
play
cp "$WORK/jadeloom_demo.cfg" "$OUT/cfg.before"
cp "$PLAYERS" "$OUT/players.before"
cp "$WORK/log.txt" "$OUT/log.before"

code=0
(cd "$WORK" && exec timeout 30 "$GAME") >"$OUT/stdout" 2>"$OUT/stderr" || code=$?
[[ "$code" == 1 ]] || fail "the second start: exit code $code"
grep -qxF "jadeloom: Jadeloom is already running in this directory (process $GAME_PID); this start changes nothing" \
  "$OUT/stderr" || fail "the second start said: $(cat "$OUT/stderr")"
[[ ! -s "$OUT/stdout" ]] || fail "the second start wrote to standard output"
cmp -s "$OUT/cfg.before" "$WORK/jadeloom_demo.cfg" || fail "the second start changed the settings"
cmp -s "$OUT/players.before" "$PLAYERS" || fail "the second start changed the player file"
cmp -s "$OUT/log.before" <(head -c "$(stat -c %s "$OUT/log.before")" "$WORK/log.txt") ||
  fail "the second start rewrote the first game's log"
tail -n 1 "$WORK/log.txt" | grep -q "^Jadeloom is already running in this directory" ||
  fail "the refusal is not at the end of the log"
kill -0 "$GAME_PID" 2>/dev/null || fail "the first game ended"
pass "a second start is refused and touches nothing"

# Help is no game: it answers while the first game runs.
(cd "$WORK" && timeout 30 "$GAME" --version >/dev/null 2>&1) || fail "--version refused while a game runs"

quit
grep -q "^Jadeloom is already running" "$WORK/log.txt" || fail "the first game wrote over the refusal line"
pass "the first game ends normally, its log whole"

# A game killed outright leaves no lock behind.
play
end_game KILL
play
quit
pass "the lock ends with the process, however it ends"
