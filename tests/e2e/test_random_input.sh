#!/usr/bin/env bash
# The game always answers: a flood of random input (clicks, drags with and
# without modifiers, the wheel, the keys of play including F, and window
# resizes) is followed by the close request, and the game still ends at once
# with exit code 0 and writes its settings. A random click may choose Exit
# from the main menu; that ending must be clean too, and the game is started
# again for the rest of the input.
# RANDOM_INPUT_SEED chooses the input (default 1); RANDOM_INPUT_COUNT how
# many inputs are sent (default 1600).
source "$(dirname "$0")/lib.sh" "$@"
SEED=${RANDOM_INPUT_SEED:-1}
COUNT=${RANDOM_INPUT_COUNT:-1600}

# Writes the xdotool command lines, a few inputs per line; each input
# counts once, a drag (press, moves, release) as one.
cat > "$OUT/inputs.py" <<'PY'
import random, sys

seed, count, wid = int(sys.argv[1]), int(sys.argv[2]), "@W"
rng = random.Random(seed)
keys = ["h", "u", "f", "Return", "space", "w", "a", "s", "d", "q", "e",
        "Up", "Down", "Left", "Right", "Escape", "shift+Left", "ctrl+z"]
modifiers = ["", "", "ctrl", "alt", "shift"]

def pos():
    return rng.randrange(5, 795), rng.randrange(5, 595)

line, sent = [], 0
while sent < count:
    r = rng.random()
    if r < 0.30:
        x, y = pos()
        line.append(f"mousemove --window {wid} {x} {y} click {rng.choice([1, 1, 1, 2, 3])}")
    elif r < 0.50:
        mod, button = rng.choice(modifiers), rng.choice([1, 3, 3, 2])
        x, y = pos()
        steps = [f"mousemove --window {wid} {x} {y}"]
        if mod:
            steps.append(f"keydown {mod}")
        steps.append(f"mousedown {button}")
        for _ in range(rng.randrange(2, 6)):
            x, y = pos()
            steps.append(f"mousemove --window {wid} {x} {y}")
        steps.append(f"mouseup {button}")
        if mod:
            steps.append(f"keyup {mod}")
        line.append(" ".join(steps))
    elif r < 0.60:
        mod = rng.choice(["", "", "shift"])
        wheel = f"click --repeat {rng.randrange(1, 4)} {rng.choice([4, 5])}"
        line.append(f"keydown {mod} {wheel} keyup {mod}" if mod else wheel)
    elif r < 0.95:
        key = "f" if rng.random() < 0.08 else rng.choice(keys)
        line.append(f"key {key}")
    else:
        line.append(f"windowsize {wid} {rng.randrange(400, 1200)} {rng.randrange(300, 780)}")
    sent += 1
    if len(line) == 10 or sent == count:
        print(" ".join(line))
        line = []
PY

prepare_work run
rm -f "$WORK/intro.avi"
printf 'WindowSize: 800 600\nWindowPos: 0 0\nVolume: 4' > "$WORK/jadeloom_demo.cfg"

# start_and_settle: starts the game and waits for its board; the settings,
# read at start-up, are removed so that the close request must write them.
start_and_settle() {
  start_game
  find_window
  wait_for_log "Level initialized" 60 || fail "the board was not set up"
  sleep 1
  rm -f "$WORK/jadeloom_demo.cfg"
  xdotool mousemove --window "$WID" 400 300
}

# A game that ended without the close request must have been asked to by
# the player (the menu's Exit): exit code 0, "Exit ok" last, settings kept.
check_own_exit() {
  local sent=$1 code=0
  wait "$GAME_PID" || code=$?
  GAME_PID=
  [[ "$code" == 0 ]] || fail "the game ended by itself with exit code $code after about $sent inputs"
  tail -n 1 "$WORK/log.txt" | grep -qxF "Exit ok" || fail "the game ended by itself without Exit ok after about $sent inputs"
  [[ -f "$WORK/jadeloom_demo.cfg" ]] || fail "settings not written at the player's exit"
  echo "the player's Exit ended the game cleanly after about $sent inputs; started again"
  own_exits=$((own_exits + 1))
  cp "$WORK/log.txt" "$OUT/log_exit_$own_exits.txt"
  start_and_settle
}

start_and_settle
started=$(date +%s)
lines=0
own_exits=0
while read -r line; do
  kill -0 "$GAME_PID" 2>/dev/null || check_own_exit $((lines * 10))
  # Keys and buttons go to the window under the pointer.
  timeout 20 xdotool ${line//@W/$WID} >/dev/null 2>&1
  lines=$((lines + 1))
done < <(/usr/bin/python3 "$OUT/inputs.py" "$SEED" "$COUNT")
echo "sent $COUNT inputs (seed $SEED) in $(( $(date +%s) - started )) s"
sleep 1
kill -0 "$GAME_PID" 2>/dev/null || check_own_exit "$COUNT"
screenshot after_input

end_started=$(date +%s%N)
kill -TERM "$GAME_PID"
for _ in $(seq 1 300); do
  kill -0 "$GAME_PID" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$GAME_PID" 2>/dev/null && command -v gdb >/dev/null; then
  echo "--- the game did not end; where it is:"
  gdb -batch -p "$GAME_PID" -ex "thread apply all bt" 2>/dev/null | grep -E '^(#|Thread)' | head -n 60
fi
end_game TERM
end_took=$(( ($(date +%s%N) - end_started) / 1000000 ))
[[ "$GAME_CODE" == 0 ]] || fail "exit code $GAME_CODE after the close request"
tail -n 1 "$WORK/log.txt" | grep -qxF "Exit ok" || fail "no Exit ok after the close request"
[[ -f "$WORK/jadeloom_demo.cfg" ]] || fail "settings not written"
head -n 1 "$WORK/jadeloom_demo.cfg" | grep -q '^WindowSize: [0-9]* [0-9]*$' || fail "settings written badly"
# The options panel's knob may have moved the volume; it stays in range.
grep -qE '^Volume: [0-9]+(\.[0-9]+)?$' "$WORK/jadeloom_demo.cfg" || fail "settings written badly"
echo "the close request took ${end_took} ms; $(grep -c -xF 'Toggle Fullscreen' "$WORK/log.txt") full-screen switches, $(grep -c -xF 'Window resize finished' "$WORK/log.txt") resizes"
pass "after $COUNT random inputs the close request ends the game with exit code 0 and the settings written"
