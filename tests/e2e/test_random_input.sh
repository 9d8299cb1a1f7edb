#!/usr/bin/env bash
# The game always answers: a flood of random input (clicks anywhere and on
# the menu's buttons, drags with each modifier, the wheel, the keys of play
# including F, window resizes) is followed by the close request, and the
# game ends at once with exit code 0, nothing from a sanitizer on its error
# output, and its settings and player file written whole. A random click may
# choose Exit from the main menu; that ending must be clean too, and the game
# is started again for the rest of the input. First, the game's own pointers:
# the open hand over the window, the closed hand while a button is held.
# RANDOM_INPUT_SEED chooses the input (default 1); RANDOM_INPUT_COUNT how
# many inputs are sent (default 300; the soak on the sanitizer build sends
# 2000).
source "$(dirname "$0")/lib.sh" "$@"
SEED=${RANDOM_INPUT_SEED:-1}
COUNT=${RANDOM_INPUT_COUNT:-300}
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0} UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
GAME_STDERR="$OUT/stderr.txt"

# Writes the xdotool command lines, a few inputs per line; each input counts
# once, a drag (press, moves, release) as one. Buttons: "x y" lines on stdin.
cat > "$OUT/inputs.py" <<'PY'
import random, sys

seed, count, w, h, wid = int(sys.argv[1]), int(sys.argv[2]), int(sys.argv[3]), int(sys.argv[4]), "@W"
buttons = [line.split() for line in sys.stdin if line.strip()]
rng = random.Random(seed)
keys = ["h", "u", "f", "Return", "space", "w", "a", "s", "d", "q", "e", "BackSpace", "x",
        "Up", "Down", "Left", "Right", "Escape", "shift+Left", "ctrl+z"]
modifiers = ["", "ctrl", "alt", "shift"]

def pos():
    return rng.randrange(5, w - 5), rng.randrange(5, h - 5)

line, sent = [], 0
while sent < count:
    r = rng.random()
    if r < 0.25:
        x, y = pos()
        line.append(f"mousemove --window {wid} {x} {y} click {rng.choice([1, 1, 1, 2, 3])}")
    elif r < 0.45:
        x, y = rng.choice(buttons)
        line.append(f"mousemove --window {wid} {x} {y} click 1")
    elif r < 0.60:
        mod, button = rng.choice(modifiers), rng.choice([1, 3, 3, 2])
        x, y = pos()
        steps = [f"mousemove --window {wid} {x} {y}"] + ([f"keydown {mod}"] if mod else [])
        steps.append(f"mousedown {button}")
        for _ in range(rng.randrange(2, 6)):
            x, y = pos()
            steps.append(f"mousemove --window {wid} {x} {y}")
        steps.append(f"mouseup {button}")
        line.append(" ".join(steps + ([f"keyup {mod}"] if mod else [])))
    elif r < 0.68:
        mod = rng.choice(["", "", "shift"])
        wheel = f"click --repeat {rng.randrange(1, 4)} {rng.choice([4, 5])}"
        line.append(f"keydown {mod} {wheel} keyup {mod}" if mod else wheel)
    elif r < 0.95:
        line.append("key " + ("f" if rng.random() < 0.08 else rng.choice(keys)))
    else:
        # Back to the usual size soon, so that the buttons stay where they are.
        line.append(f"windowsize {wid} {rng.randrange(400, 1200)} {rng.randrange(300, 780)} "
                    f"sleep 0.3 windowsize {wid} {w} {h}")
    sent += 1
    if len(line) == 10 or sent == count:
        print(" ".join(line))
        line = []
PY

# Prints "WIDTHxHEIGHT HOTX,HOTY CHECKSUM" of the pointer shown now.
cat > "$OUT/cursor.py" <<'PY'
import ctypes, ctypes.util, zlib

class Image(ctypes.Structure):
    _fields_ = [("x", ctypes.c_short), ("y", ctypes.c_short),
                ("width", ctypes.c_ushort), ("height", ctypes.c_ushort),
                ("xhot", ctypes.c_ushort), ("yhot", ctypes.c_ushort),
                ("cursor_serial", ctypes.c_ulong), ("pixels", ctypes.POINTER(ctypes.c_ulong)),
                ("atom", ctypes.c_ulong), ("name", ctypes.c_char_p)]

x11 = ctypes.CDLL(ctypes.util.find_library("X11"))
xfixes = ctypes.CDLL(ctypes.util.find_library("Xfixes"))
x11.XOpenDisplay.restype = ctypes.c_void_p
xfixes.XFixesGetCursorImage.restype = ctypes.POINTER(Image)
xfixes.XFixesGetCursorImage.argtypes = [ctypes.c_void_p]
image = xfixes.XFixesGetCursorImage(x11.XOpenDisplay(None)).contents
pixels = [image.pixels[i] & 0xFFFFFFFF for i in range(image.width * image.height)]
digest = zlib.crc32(b"".join(p.to_bytes(4, "little") for p in pixels))
print(f"{image.width}x{image.height} {image.xhot},{image.yhot} {digest:08x}")
PY
# cursor_after OLD: the pointer once it differs from OLD (or OLD after 10 s).
cursor_after() {
  local i now
  for i in $(seq 1 100); do
    now=$(/usr/bin/python3 "$OUT/cursor.py")
    [[ "$now" != "$1" ]] && break
    sleep 0.1
  done
  echo "$now"
}

prepare_work run
config
# start_and_settle: starts the game; the settings, read at start-up, are
# removed so that the close request must write them.
start_and_settle() {
  play
  rm -f "$WORK/jadeloom_demo.cfg"
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
  start_and_settle
}

start_and_settle
xdotool mousemove --window "$WID" 400 300
open=$(cursor_after "")
[[ "$open" == "32x32 10,14 "* ]] || fail "the pointer over the window is $open, not the open hand"
xdotool mousedown 1
closed=$(cursor_after "$open")
[[ "$closed" == "32x32 10,14 "* && "$closed" != "$open" ]] || fail "with the button held the pointer is $closed"
xdotool mouseup 1
[[ "$(cursor_after "$closed")" == "$open" ]] || fail "after the release the pointer is not $open again"
pass "open hand ($open), closed hand while held ($closed), open again on release"

# The menu's buttons, but not Exit (reached often enough by chance).
for id in $(awk '/ID:/ { id = $2 } /action:/ && id != "Exit" { print id }' "$SRC/Assets/Menu/menu.cfg"); do
  IFS='x+' read -r w h x y <<<"$(box "$id")" && echo "$((x + w / 2)) $((y + h / 2))"
done > "$OUT/buttons.txt"
started=$SECONDS
lines=0
own_exits=0
while read -r line; do
  kill -0 "$GAME_PID" 2>/dev/null || check_own_exit $((lines * 10))
  # Keys and buttons go to the window under the pointer; full screen may
  # have replaced the window.
  timeout 20 xdotool ${line//@W/$WID} >/dev/null 2>&1 ||
    WID=$(xdotool search --onlyvisible --name '^Jadeloom$' | head -n 1)
  lines=$((lines + 1))
done < <(/usr/bin/python3 "$OUT/inputs.py" "$SEED" "$COUNT" "$WIN_W" "$WIN_H" < "$OUT/buttons.txt")
echo "sent $COUNT inputs (seed $SEED) in $((SECONDS - started)) s"
sleep 1
kill -0 "$GAME_PID" 2>/dev/null || check_own_exit "$COUNT"
screenshot after_input

end_started=$SECONDS
kill -TERM "$GAME_PID"
for _ in $(seq 1 600); do
  kill -0 "$GAME_PID" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$GAME_PID" 2>/dev/null && command -v gdb >/dev/null; then
  echo "--- the game did not end; where it is:"
  gdb -batch -p "$GAME_PID" -ex "thread apply all bt" 2>/dev/null | grep -E '^(#|Thread)' | head -n 60
fi
end_game TERM
[[ "$GAME_CODE" == 0 ]] || fail "exit code $GAME_CODE after the close request"
tail -n 1 "$WORK/log.txt" | grep -qxF "Exit ok" || fail "no Exit ok after the close request"
grep -E -m 5 -A 20 'ERROR: (Address|Leak)Sanitizer|runtime error:|SUMMARY: ' "$GAME_STDERR" && fail "sanitizer report"
cfg=$(cat "$WORK/jadeloom_demo.cfg")
grep -q '^WindowSize: [0-9]* [0-9]*$' <<<"$cfg" && grep -qE '^Volume: [0-9]+(\.[0-9]+)?$' <<<"$cfg" \
  || fail "settings written badly: $cfg"
# Every record whole: as many ends as starts, each named, the game's own.
for tag in Player Rewards Save; do
  (( $(grep -c "<$tag>" "$PLAYERS") == $(grep -c "</$tag>" "$PLAYERS") )) || fail "unbalanced <$tag> in the player file"
done
(( $(grep -c '^	Name: .' "$PLAYERS") == $(grep -c '<Player>' "$PLAYERS") )) || fail "a player without a name"
last=$(sed -n 's/^LastPlayer: //p' <<<"$cfg")
[[ "$last" == DefaultNoNameYet ]] || grep -qxF "	Name: $last" "$PLAYERS" || fail "the last player $last is not in the file"
echo "the close request took $((SECONDS - end_started)) s; $own_exits Exit clicks; $(grep -c '^<Player>' "$PLAYERS") players;" \
  "$(grep -c -xF 'Toggle Fullscreen' "$WORK/log.txt") full-screen switches, $(grep -c -xF 'Window resize finished' "$WORK/log.txt") resizes"
pass "after $COUNT random inputs the close request ends the game cleanly with its files whole"
