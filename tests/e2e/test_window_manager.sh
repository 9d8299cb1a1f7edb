#!/usr/bin/env bash
# The window's place under a window manager that frames windows: the game
# comes back where the player left it, start after start; quitting maximised
# or in full screen keeps the windowed place and size; and a maximised start
# draws at the size the window manager gives from its first frames.
source "$(dirname "$0")/lib.sh" "$@"

HOME="$OUT/home" openbox --sm-disable >/dev/null 2>&1 &
OPENBOX_PID=$!
trap 'kill "$OPENBOX_PID" 2>/dev/null; cleanup' EXIT
for _ in $(seq 1 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' || fail "the window manager did not start"

# The game's settings as the test gives them.
setup() {
  prepare_work "$1"
  printf 'WindowSize: 800 600\nWindowPos: 100 80\nVolume: 4' > "$WORK/jadeloom_demo.cfg"
}

# place: "X Y WIDTHxHEIGHT" of the window's frame corner and drawing area.
place() {
  local ax ay w h extents left top
  read -r ax ay w h < <(xwininfo -id "$WID" | awk '/Absolute upper-left X:/{x=$4} /Absolute upper-left Y:/{y=$4}
    /Width:/{w=$2} /Height:/{h=$2} END{print x, y, w, h}')
  extents=$(xprop -id "$WID" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ' ')
  left=${extents%%,*}
  top=$(cut -d, -f3 <<<"$extents")
  echo "$((ax - ${left:-0})) $((ay - ${top:-0})) ${w}x${h}"
}

cfg_line() { grep "^$1:" "$WORK/jadeloom_demo.cfg" | cut -d' ' -f2-; }

# The frame is the window manager's: the drawing area sits inside it.
setup places
play
[[ "$(place)" == "100 80 800x600" ]] || fail "first start at $(place), not 100 80 800x600"
extents=$(xprop -id "$WID" _NET_FRAME_EXTENTS)
grep -q '= [0-9]*, [0-9]*, [1-9]' <<<"$extents" || fail "no frame around the window: $extents"
xdotool windowmove --sync "$WID" 300 200
sleep 1
[[ "$(place)" == "300 200 800x600" ]] || fail "moved to $(place)"
quit
[[ "$(cfg_line WindowPos)" == "300 200" ]] || fail "saved place $(cfg_line WindowPos) after a move to 300 200"
for run in 1 2 3; do
  play
  [[ "$(place)" == "300 200 800x600" ]] || fail "start $run at $(place), not where it was left"
  quit
  [[ "$(cfg_line WindowPos)" == "300 200" ]] || fail "start $run saved $(cfg_line WindowPos)"
done
pass "the window comes back at the same outer place, start after start ($extents)"

# Quitting maximised saves the restored place and size.
play
wmctrl -i -r "$WID" -b add,maximized_vert,maximized_horz
wait_for_log "Window resize finished" 20 || fail "the maximised window was not resized"
sleep 1.5
maximised=$(place)
[[ "$maximised" != *" 800x600" ]] || fail "not maximised: $maximised"
quit
[[ "$(cfg_line WindowPos) $(cfg_line WindowSize) $(cfg_line Maximized)" == "300 200 800 600 true" ]] ||
  fail "quitting maximised saved: $(head -n 4 "$WORK/jadeloom_demo.cfg" | tr '\n' ' ')"
pass "quitting maximised ($maximised) saves the restored place and size"

# A maximised start draws at the maximised size from its first frames: the
# drawing area inside the window is as large as the window.
start_game
find_window
wait_for_log "Level initialized" 60 || fail "the maximised start did not set up the board"
screenshot loading
[[ "$(place)" == "$maximised" ]] || fail "maximised start at $(place), not $maximised"
# The first frame of play replaces the loading picture; its right and bottom
# edges must show the scene too, not an empty band around a smaller picture.
read -r cx cy < <(xwininfo -id "$WID" | awk '/Absolute upper-left X:/{x=$4} /Absolute upper-left Y:/{y=$4} END{print x, y}')
for _ in $(seq 1 60); do
  screenshot maximised_start
  /usr/bin/python3 - "$OUT" "$cx" "$cy" "${maximised##* }" <<'PY' && break
import sys
from PIL import Image, ImageChops
out, cx, cy = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
w, h = map(int, sys.argv[4].split("x"))
box = (cx, cy, cx + w, cy + h)
now = Image.open(f"{out}/maximised_start.png").convert("RGB").crop(box)
before = Image.open(f"{out}/loading.png").convert("RGB").crop(box)
changed = ImageChops.difference(now, before).convert("L").point(lambda v: v > 24).getbbox()
sys.exit(0 if changed else 1)
PY
  sleep 0.5
done
/usr/bin/python3 - "$OUT" "$cx" "$cy" "${maximised##* }" <<'PY' || fail "the first frame of play does not fill the maximised window"
import sys
from PIL import Image
out, cx, cy = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
w, h = map(int, sys.argv[4].split("x"))
shot = Image.open(f"{out}/maximised_start.png").convert("RGB")
right = shot.crop((cx + w - 120, cy, cx + w, cy + h))
bottom = shot.crop((cx, cy + h - 80, cx + w, cy + h))
counts = [len(set(part.getdata())) for part in (right, bottom)]
print("colours along the right and bottom edges:", counts)
sys.exit(0 if min(counts) > 200 else 1)
PY
drawable=$(xwininfo -children -id "$WID" | awk '/^ +0x/{print $(NF-1); exit}')
size=${maximised##* }
[[ "${drawable%%+*}" == "$size" ]] || fail "drawing area $drawable inside a $size window"
grep -qxF "Window resize finished" "$WORK/log.txt" || fail "the maximise was never answered"
pass "a maximised start draws at $size"

# Restoring it gives back the windowed place and size.
wmctrl -i -r "$WID" -b remove,maximized_vert,maximized_horz
wait_for_log "Window resize finished" 20 2
sleep 0.5
[[ "$(place)" == "300 200 800x600" ]] || fail "restored to $(place)"
quit
[[ "$(cfg_line WindowPos) $(cfg_line WindowSize) $(cfg_line Maximized)" == "300 200 800 600 false" ]] ||
  fail "after restoring saved: $(head -n 4 "$WORK/jadeloom_demo.cfg" | tr '\n' ' ')"
pass "the restored window is back at 300 200 800x600"

# Quitting in full screen keeps the windowed place and size.
play
xdotool mousemove --window "$WID" 400 300
xdotool key --window "$WID" f
wait_for_log "Toggle Fullscreen" 20 || fail "F did not switch to full screen"
sleep 2
quit
[[ "$(cfg_line WindowPos) $(cfg_line WindowSize) $(cfg_line Fullscreen)" == "300 200 800 600 true" ]] ||
  fail "quitting in full screen saved: $(head -n 4 "$WORK/jadeloom_demo.cfg" | tr '\n' ' ')"
pass "quitting in full screen keeps the windowed place and size"
