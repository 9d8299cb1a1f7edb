# Shared by the end-to-end tests: a virtual display, a prepared working
# directory, and starting and ending the real game as a player would.
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

fail() { echo "FAIL: $*"; [[ -f "${WORK:-}/log.txt" ]] && { echo "--- log.txt"; cat "$WORK/log.txt"; }; exit 1; }
pass() { echo "ok: $*"; }

# prepare_work NAME: a fresh working directory for one run of the game.
prepare_work() {
  WORK="$OUT/$1"
  bash "$SRC/scripts/prepare-workdir.sh" "$SRC" "$WORK" || fail "prepare $WORK"
  # With a player listed the game starts in play, not on the new-player
  # panel; NO_PLAYER=1 leaves the list empty.
  if [[ -z "${NO_PLAYER:-}" ]]; then
    printf '<Player>\n\tName: Tester\n\tFreeTiles: false\n\t<Rewards>\n\t</Rewards>\n\t<Save>\n\t</Save>\n</Player>' \
      > "$WORK/Assets/Players/players_demo.dat"
  fi
}

start_game() {
  rm -f "$WORK/log.txt"
  (cd "$WORK" && exec "$GAME") &
  GAME_PID=$!
}

# wait_for_log TEXT [SECONDS]
wait_for_log() {
  local i
  for i in $(seq 1 $((${2:-60} * 10))); do
    grep -qxF "$1" "$WORK/log.txt" 2>/dev/null && return 0
    kill -0 "$GAME_PID" 2>/dev/null || break
    sleep 0.1
  done
  grep -qxF "$1" "$WORK/log.txt" 2>/dev/null
}

# find_window: the game's mapped top-level window, once its renderer is up
# (a window found earlier may still be replaced while the video mode is set).
find_window() {
  wait_for_log "Rendering Engine initialized" 60 || fail "the renderer did not start"
  WID=$(timeout 60 xdotool search --sync --onlyvisible --name '^Jadeloom$' | head -n 1)
  [[ -n "$WID" ]] || fail "no window named Jadeloom"
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

screenshot() {
  import -window root "$OUT/$1.png" || fail "screenshot $1"
}

# colours NAME: how many distinct colours the screenshot has.
colours() {
  convert "$OUT/$1.png" -format '%k' info:
}
