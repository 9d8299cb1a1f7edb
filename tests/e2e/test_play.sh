#!/usr/bin/env bash
# Plays a whole game from the keyboard: H shows a hint and Return clears the
# hinted pair. The bottom bar is drawn by the menu, so the tile count is read
# from the screen instead: every pair taken changes the picture, 71 pairs
# leave exactly one pair standing, and the 72nd clears the 144 tiles (one
# press of Return removes at most one pair, so each removed exactly two) and
# runs the won sequence, which throws every tile up once more and opens the
# won panel.
source "$(dirname "$0")/lib.sh" "$@"

# Watches the game's window (xwd is fast enough to catch short animations):
#   board NAME           waits until the dealt board is drawn
#   settle PREV NAME     waits until the picture differs from shot PREV and
#                        then holds still (the animations have ended)
#   peak NAME SECONDS    keeps the shot with the most tile pixels
# Each saves NAME.png and prints its count of light tile pixels.
cat > "$OUT/screen.py" <<'PY'
import os, struct, subprocess, sys, time
import numpy as np
from PIL import Image

out, wid, mode = sys.argv[1], sys.argv[2], sys.argv[3]

def grab():
    d = subprocess.run(["xwd", "-id", wid, "-silent"], capture_output=True, check=True).stdout
    h = struct.unpack(">25I", d[:100])
    size, w, hgt, order, bpp, line, ncolours = h[0], h[4], h[5], h[7], h[11], h[12], h[19]
    assert bpp == 32, "expected a 32-bit window"
    start = size + 12 * ncolours
    a = np.frombuffer(d[start:start + line * hgt], dtype=np.uint8).reshape(hgt, line)
    a = a[:, :4 * w].reshape(hgt, w, 4)
    return (a[..., [1, 2, 3]] if order == 1 else a[..., [2, 1, 0]]).astype(int)

def tiles(a):
    if os.environ.get("WITHOUT_PANEL"):
        # The won panel's paper is as light as a tile face: leave it out.
        h, w = a.shape[:2]
        a = a.copy()
        a[int(h * 0.23):int(h * 0.78), int(w * 0.26):int(w * 0.74)] = 0
    r, g, b = a[..., 0], a[..., 1], a[..., 2]
    return int(((r > 190) & (g > 185) & (b > 150) & (r - b < 70)).sum())

def changed(a, b):
    return a.shape != b.shape or int((a != b).any(axis=2).sum()) > 300

def save(a, name):
    Image.fromarray(a.astype(np.uint8)).save(f"{out}/{name}.png")
    print(tiles(a))

def until(test, seconds, pause):
    end = time.time() + seconds
    while time.time() < end:
        a = grab()
        if test(a):
            return a
        time.sleep(pause)
    return None

if mode == "board":
    a = until(lambda a: tiles(a) > 40000, 90, 0.5)
    if a is None:
        sys.exit("the board was never drawn")
    time.sleep(1)
    save(grab(), sys.argv[4])
elif mode == "settle":
    before = np.asarray(Image.open(f"{out}/{sys.argv[4]}.png").convert("RGB")).astype(int)
    a = until(lambda a: changed(a, before), 90, 0.1)
    if a is None:
        sys.exit("the picture did not change")
    # Held still for a while: a busy machine may draw a frame in the middle
    # of an animation and none for a moment after it.
    last, since = a, time.time()
    def still(a):
        global last, since
        if (a != last).any():
            last, since = a, time.time()
        return time.time() - since >= 1.5
    a = until(still, 90, 0.25)
    if a is None:
        sys.exit("the picture did not settle")
    save(a, sys.argv[5])
elif mode == "peak":
    end = time.time() + float(sys.argv[5])
    best, most = None, -1
    while time.time() < end:
        a = grab()
        n = tiles(a)
        if n > most:
            best, most = a, n
        time.sleep(0.05)
    save(best, sys.argv[4])
PY
screen() { /usr/bin/python3 "$OUT/screen.py" "$OUT" "$WID" "$@"; }
# pairs N: N presses of H and Return; a batch stays well inside the game's
# event queue.
pairs() {
  local i
  for i in $(seq 1 "$1"); do
    xdotool key --window "$WID" h Return
  done
}

prepare_work play
printf 'WindowSize: 800 600\nWindowPos: 0 0\nDifficulty: Advanced\nVolume: 1' > "$WORK/jadeloom_demo.cfg"
start_game
find_window
wait_for_log "Level initialized" || fail "the board was not dealt"
xdotool mousemove --window "$WID" 400 580
full=$(screen board start) || fail "the board was never drawn"
pass "dealt board shows $full tile pixels"

previous=start
for i in 1 2 3; do
  pairs 1
  now=$(screen settle "$previous" "pair$i") || fail "pair $i did not change the picture"
  previous=pair$i
done
pass "each of three hint + Return presses took a pair off the board ($now tile pixels)"

done_pairs=3
while (( done_pairs < 71 )); do
  batch=$(( 71 - done_pairs < 12 ? 71 - done_pairs : 12 ))
  pairs "$batch"
  done_pairs=$(( done_pairs + batch ))
  left=$(screen settle "$previous" "after$done_pairs") || fail "pairs up to $done_pairs changed nothing"
  previous=after$done_pairs
done
(( left > 300 && left * 10 < full )) || fail "$left tile pixels after 71 pairs"
pass "after 71 pairs one pair stands ($left tile pixels)"

# The last pair: its clearing, then the won sequence throws every tile up.
pairs 1
won=$(screen peak won 8)
(( won > 10 * left )) || fail "no won sequence: at most $won tile pixels"
cleared=$(WITHOUT_PANEL=1 screen settle won cleared) || fail "the won sequence did not end"
(( cleared * 50 < full )) || fail "$cleared tile pixels left on the cleared board"
pass "the 72nd pair clears the board ($cleared tile pixels) after the won sequence ($won)"

end_game TERM
[[ "$GAME_CODE" == 0 ]] || fail "exit code $GAME_CODE"
tail -n 1 "$WORK/log.txt" | grep -qxF "Exit ok" || fail "no Exit ok"
pass "the game closes cleanly"
