#!/usr/bin/env bash
# Plays a whole game from the keyboard: H shows a hint and Return clears the
# hinted pair. The bottom bar is drawn by the menu, so the tile count is read
# from the screen instead: every pair taken changes the picture, 71 pairs
# leave exactly one pair standing, and the 72nd clears the 144 tiles (one
# press of Return removes at most one pair, so each removed exactly two) and
# runs the won sequence, which throws every tile up once more.
source "$(dirname "$0")/lib.sh" "$@"

# Light tile pixels inside the 800 x 600 window at the top left of the screen.
tile_pixels() {
  /usr/bin/python3 - "$OUT/$1.png" <<'PY'
import sys
import numpy as np
from PIL import Image
a = np.asarray(Image.open(sys.argv[1]).convert("RGB"))[:600, :800].astype(int)
r, g, b = a[..., 0], a[..., 1], a[..., 2]
print(int(((r > 190) & (g > 185) & (b > 150) & (r - b < 70)).sum()))
PY
}
# changed_pixels A B: how many pixels of the window differ between two shots.
changed_pixels() {
  compare -metric AE -crop 800x600+0+0 "$OUT/$1.png" "$OUT/$2.png" null: 2>&1 | cut -d' ' -f1
}
# settle NAME PREVIOUS: waits until the window differs from shot PREVIOUS and
# then holds still for a second (the animations have ended); the last shot is
# NAME. Frames can be slow on a busy machine, so this waits up to a minute.
settle() {
  local i changed=0
  for i in $(seq 1 120); do
    screenshot "$1"
    changed=$(changed_pixels "$2" "$1")
    (( changed > 300 )) && break
    sleep 0.5
  done
  (( changed > 300 )) || return 1
  for i in $(seq 1 60); do
    sleep 1
    cp "$OUT/$1.png" "$OUT/$1.prev.png"
    screenshot "$1"
    [[ "$(changed_pixels "$1.prev" "$1")" == 0 ]] && break
  done
  rm -f "$OUT/$1.prev.png"
}
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
# The logo stays up until the first frame of the board is drawn.
for i in $(seq 1 60); do
  sleep 1
  screenshot start
  full=$(tile_pixels start)
  (( full > 40000 )) && break
done
sleep 1
screenshot start
full=$(tile_pixels start)
(( full > 40000 )) || fail "only $full tile pixels on the dealt board"
pass "dealt board shows $full tile pixels"

previous=start
for i in 1 2 3; do
  pairs 1
  settle "pair$i" "$previous" || fail "pair $i did not change the picture"
  previous=pair$i
done
now=$(tile_pixels pair3)
(( now < full )) || fail "tile pixels $now after three pairs, $full before"
pass "each of three hint + Return presses took a pair off the board ($full -> $now tile pixels)"

done_pairs=3
while (( done_pairs < 71 )); do
  batch=$(( 71 - done_pairs < 12 ? 71 - done_pairs : 12 ))
  pairs "$batch"
  done_pairs=$(( done_pairs + batch ))
  settle "after$done_pairs" "$previous" || fail "pairs up to $done_pairs changed nothing"
  previous=after$done_pairs
done
cp "$OUT/$previous.png" "$OUT/one_pair_left.png"
left=$(tile_pixels one_pair_left)
(( left > 300 && left * 10 < full )) || fail "$left tile pixels after 71 pairs"
pass "after 71 pairs one pair stands ($left tile pixels)"

# The last pair: its clearing, then the won sequence throws every tile up.
pairs 1
won=0
for i in $(seq 1 60); do
  sleep 0.3
  screenshot won_now
  n=$(tile_pixels won_now)
  if (( n > won )); then won=$n; cp "$OUT/won_now.png" "$OUT/won.png"; fi
  (( won > 10 * left )) && break
done
(( won > 10 * left )) || fail "no won sequence: at most $won tile pixels"
settle cleared won || fail "the won sequence did not end"
cleared=$(tile_pixels cleared)
(( cleared * 50 < full )) || fail "$cleared tile pixels left on the cleared board"
pass "the 72nd pair clears the board ($cleared tile pixels) after the won sequence ($won)"

end_game TERM
[[ "$GAME_CODE" == 0 ]] || fail "exit code $GAME_CODE"
tail -n 1 "$WORK/log.txt" | grep -qxF "Exit ok" || fail "no Exit ok"
pass "the game closes cleanly"
