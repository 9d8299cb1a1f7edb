#!/usr/bin/env bash
# Without OpenGL on the display the renderer cannot start: start-up ends at
# once with a log line and exit code 1, instead of running with no window.
source "$(dirname "$0")/lib.sh" "$@"

numfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset -extension GLX 3>"$numfile" >/dev/null 2>&1 &
NOGL_PID=$!
trap 'kill "$NOGL_PID" 2>/dev/null; cleanup' EXIT
for _ in $(seq 1 100); do
  n=$(head -n 1 "$numfile" 2>/dev/null)
  [[ -n "$n" ]] && xdpyinfo -display ":$n" >/dev/null 2>&1 && break
  sleep 0.1
done
rm -f "$numfile"
xdpyinfo -display ":$n" | grep -q GLX && fail "the display without OpenGL has GLX"

prepare_work run
code=0
(cd "$WORK" && DISPLAY=":$n" timeout 60 "$GAME") 2>"$OUT/stderr" || code=$?
[[ "$code" == 1 ]] || fail "exit code $code without OpenGL"
grep -qxF "Rendering Engine failed to initialized" "$WORK/log.txt" || fail "no renderer failure line"
tail -n 1 "$WORK/log.txt" | grep -q "^Engine Initialization Failed: ." || fail "start-up did not end with its failure line and cause"
grep -q "^jadeloom: Engine Initialization Failed: ." "$OUT/stderr" || fail "the terminal was not told why"
grep -qxF "Exit ok" "$WORK/log.txt" && fail "the game ran without a renderer"
pass "without OpenGL start-up ends with exit code 1"
