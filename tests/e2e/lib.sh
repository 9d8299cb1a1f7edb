# Shared by the end-to-end tests: a virtual display, a prepared working
# directory, and starting, driving and ending the real game as a player would.
# Usage inside a test: source lib.sh BINARY SOURCE_DIR OUT_DIR
set -uo pipefail
GAME=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
SRC=$2
OUT=$3
rm -rf "$OUT"
mkdir -p "$OUT"
source "$SRC/scripts/virtual-display.sh"
start_virtual_display 1280x800x24 || exit 1
GAME_PID=
cleanup() {
  [[ -n "$GAME_PID" ]] && kill -KILL "$GAME_PID" 2>/dev/null
  stop_virtual_display
}
trap cleanup EXIT
# The window's size in the settings that config writes; menu items are
# placed in window pixels.
WIN_W=1024
WIN_H=700

fail() { echo "FAIL: $*"; [[ -f "${WORK:-}/log.txt" ]] && { echo "--- log.txt"; cat "$WORK/log.txt"; }; exit 1; }
pass() { echo "ok: $*"; }

# prepare_work NAME: a fresh working directory for one run of the game, with
# no intro (INTRO=1 keeps it).
prepare_work() {
  WORK="$OUT/$1"
  PLAYERS="$WORK/Assets/Players/players_demo.dat"
  bash "$SRC/scripts/prepare-workdir.sh" "$SRC" "$WORK" || fail "prepare $WORK"
  [[ -n "${INTRO:-}" ]] || rm -f "$WORK/intro.avi"
  # With a player listed the game starts in play, not on the new-player
  # panel; NO_PLAYER=1 leaves the list empty.
  if [[ -z "${NO_PLAYER:-}" ]]; then
    printf '<Player>\n\tName: Tester\n\tFreeTiles: false\n\t<Rewards>\n\t</Rewards>\n\t<Save>\n\t</Save>\n</Player>' \
      > "$PLAYERS"
  fi
}

# config [LINES]: the settings of a quiet run in a WIN_W x WIN_H window with
# the player Tester; LINES (printf format) come last and so win.
config() {
  printf "WindowSize: $WIN_W $WIN_H\nWindowPos: 0 0\nLastPlayer: Tester\nDifficulty: Advanced\nPlayMusic: false\nVolume: 0\nLastLayout: Assets/Layouts/turtle_demo.lyt\nTileSet: Assets/Tiles/Standard/standard_tiles_demo.tls\n${1:-}" \
    > "$WORK/jadeloom_demo.cfg"
}

# start_game [ARGS]: the game's error output goes to GAME_STDERR when that
# is set.
start_game() {
  rm -f "$WORK/log.txt"
  (cd "$WORK" && exec "$GAME" "$@" 2>>"${GAME_STDERR:-/dev/stderr}") &
  GAME_PID=$!
}

# wait_for_log TEXT [SECONDS [COUNT]]: until the log holds the line TEXT
# (COUNT times); false when the game ended or the time ran out first.
wait_for_log() {
  local i
  for i in $(seq 1 $((${2:-60} * 10))); do
    (( $(log_count "$1") >= ${3:-1} )) && return 0
    kill -0 "$GAME_PID" 2>/dev/null || break
    sleep 0.1
  done
  (( $(log_count "$1") >= ${3:-1} ))
}
log_count() { cat "$WORK/log.txt" 2>/dev/null | grep -cxF "$1"; }

# find_window: the game's mapped top-level window, once its renderer is up
# (a window found earlier may still be replaced while the video mode is set).
find_window() {
  wait_for_log "Rendering Engine initialized" 60 || fail "the renderer did not start"
  WID=$(timeout 60 xdotool search --sync --onlyvisible --name '^Jadeloom$' | head -n 1)
  [[ -n "$WID" ]] || fail "no window named Jadeloom"
}

# play [ARGS]: starts the game and waits for its first frame of play; the
# pointer rests on the bottom bar, where it hovers nothing.
play() {
  start_game "$@"
  find_window
  wait_for_log "First frame drawn" 120 || fail "no frame of play was drawn"
  xdotool mousemove --window "$WID" $((WIN_W / 2)) $((WIN_H - 8))
}

# end_game SIGNAL: asks the game to close and waits; GAME_CODE is its exit code.
end_game() {
  kill "-${1:-TERM}" "$GAME_PID" 2>/dev/null
  local i
  for i in $(seq 1 300); do
    kill -0 "$GAME_PID" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$GAME_PID" 2>/dev/null && kill -KILL "$GAME_PID"
  GAME_CODE=0
  wait "$GAME_PID" || GAME_CODE=$?
  GAME_PID=
}

# quit: the close request; the game must end cleanly, having saved.
quit() {
  end_game TERM
  [[ "$GAME_CODE" == 0 ]] || fail "exit code $GAME_CODE after the close request"
  tail -n 1 "$WORK/log.txt" | grep -qxF "Exit ok" || fail "no Exit ok at the end of the log"
}

screenshot() {
  import -window root "$OUT/$1.png" || fail "screenshot $1"
}

# colours NAME: how many distinct colours the screenshot has.
colours() {
  convert "$OUT/$1.png" -format '%k' info:
}

# box OBJECT: "WxH+X+Y" of a menu model object in the window (the model
# spans the window, y upwards); the whole window for "all".
box() {
  [[ "$1" == all ]] && { echo "${WIN_W}x$((WIN_H - 50))+0+0"; return; }
  awk -v name="$1" -v W="$WIN_W" -v H="$WIN_H" '
    /^o / { inside = ($2 == name) }
    inside && /^v / { if (!n++ || $2 < x0) x0 = $2; if ($2 > x1) x1 = $2
                      if (n == 1 || $3 < y0) y0 = $3; if ($3 > y1) y1 = $3 }
    END { if (!n) exit 1
          printf "%dx%d+%d+%d\n", (x1 - x0) * W, (y1 - y0) * H, x0 * W, (1 - y1) * H }' \
    "$SRC/Assets/Menu/menu.obj"
}

# click ITEM: a left click on the middle of a menu item; the pointer then
# goes back to rest on the bottom bar.
click() {
  local w h x y
  IFS='x+' read -r w h x y <<<"$(box "$1")" || fail "no menu object $1"
  xdotool mousemove --window "$WID" $((x + w / 2)) $((y + h / 2)) sleep 0.2 click 1 sleep 0.2 \
    mousemove --window "$WID" $((WIN_W / 2)) $((WIN_H - 8))
}

# changed OBJECT A B: how many pixels of OBJECT's box differ clearly between
# the shots A and B (the clock in the bottom bar is outside "all").
changed() {
  local g
  g=$(box "$1") || fail "no menu object $1"
  compare -metric AE -fuzz 12% "$OUT/$2.png[$g]" "$OUT/$3.png[$g]" null: 2>&1 | cut -d' ' -f1 | cut -d. -f1
}

# wait_change OBJECT PREV NAME [PIXELS]: watches the screen until OBJECT's
# box differs from shot PREV in more than PIXELS (default 2000) pixels, as
# changed counts them, and the picture has come to rest (two grabs in a row
# alike), for at most a minute; the last grab is saved as shot NAME.
cat > "$OUT/watch.py" <<'PY'
import subprocess, sys, time
import numpy as np
from PIL import Image

out, prev, name = sys.argv[1:4]
limit, x, y, w, h = map(int, sys.argv[4:9])

def grab():
    d = subprocess.run(["import", "-window", "root", "-depth", "8", "rgb:-"], capture_output=True, check=True).stdout
    return np.frombuffer(d, dtype=np.uint8).reshape(before.shape).astype(np.int32)

def changed(a, b, x, y, w, h):
    d = a[y:y + h, x:x + w] - b[y:y + h, x:x + w]
    return int(((d * d).sum(axis=2) > 3 * (0.12 * 255) ** 2).sum())

before = np.asarray(Image.open(f"{out}/{prev}.png").convert("RGB")).astype(np.int32)
everything = (0, 0, int(sys.argv[9]), int(sys.argv[10]) - 50)
last, end = None, time.time() + 60
while time.time() < end:
    a = grab()
    if changed(a, before, x, y, w, h) <= limit:
        last = None
    elif last is not None and changed(a, last, *everything) < 500:
        Image.fromarray(a.astype(np.uint8)).save(f"{out}/{name}.png", compress_level=1)
        sys.exit(0)
    else:
        last = a
    time.sleep(0.1)
Image.fromarray(a.astype(np.uint8)).save(f"{out}/{name}.png", compress_level=1)
sys.exit(1)
PY
wait_change() {
  local w h x y
  IFS='x+' read -r w h x y <<<"$(box "$1")" || fail "no menu object $1"
  /usr/bin/python3 "$OUT/watch.py" "$OUT" "$2" "$3" "${4:-2000}" "$x" "$y" "$w" "$h" "$WIN_W" "$WIN_H"
}

# step ITEM PREV NAME [PIXELS]: clicks ITEM and waits for the picture to
# change from shot PREV and come to rest as shot NAME.
step() {
  click "$1"
  wait_change all "$2" "$3" "${4:-2000}" || fail "clicking $1 changed nothing on the screen"
}

# saved KEY: the value of a line of the current player's saved game.
saved() { sed -n "s/^\t\t$1: //p" "$PLAYERS" | head -n 1; }

# resume TILES STATES0 [STATES1 SCORE]: makes the current player's saved game
# one on the Turtle layout holding the given tiles ("Name x y z" lines) in the
# given states (snapshot 0 and optionally 1, "Name x y z state shown" lines),
# at DIFFICULTY (Advanced when unset).
resume() {
  { printf '<Save>\nTime: 100\nNumHint: 0\nNumShuffle: 0\nNumUndo: 0\nRandomSeed: 7\n'
    printf 'Layout: Assets/Layouts/turtle_demo.lyt\nTileSet: Assets/Tiles/Standard/standard_tiles_demo.tls\n'
    printf 'Difficulty: %s\n<Score>\n%s</Score>\n<Tiles>\n%s</Tiles>\n<TileStates0>\n%s</TileStates>\n' \
      "${DIFFICULTY:-Advanced}" "${4:-}" "$1" "$2"
    [[ -n "${3:-}" ]] && printf '<TileStates1>\n%s</TileStates>\n' "$3"
    printf '</Save>\n'; } > "$OUT/save.txt"
  awk -v f="$OUT/save.txt" '/<Save>/ { while ((getline l < f) > 0) print l; skip = 1; next }
    /<\/Save>/ { skip = 0; next } !skip' "$PLAYERS" > "$OUT/players.new" && mv "$OUT/players.new" "$PLAYERS"
}
# The stored board without the clock.
board_of() { sed -n '/<Score>/,/<\/Save>/p' "$PLAYERS"; }
