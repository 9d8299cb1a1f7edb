#!/usr/bin/env bash
# Installs what is missing, builds and starts the game in its own working
# directory (${XDG_DATA_HOME:-~/.local/share}/jadeloom). Without a display it
# plays a few seconds on a virtual one, saves a screenshot and ends the game
# with the window's close request.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/deps.sh"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" --target jadeloom -j"$(nproc)"
work="${XDG_DATA_HOME:-$HOME/.local/share}/jadeloom"
bash "$root/scripts/prepare-workdir.sh" "$root" "$work"
cd "$work"

if [[ -n "${DISPLAY:-}" ]] && xdpyinfo >/dev/null 2>&1; then
  exec "$root/build/jadeloom"
fi

source "$root/scripts/virtual-display.sh"
start_virtual_display 1280x800x24
trap stop_virtual_display EXIT
"$root/build/jadeloom" &
pid=$!
sleep 10
window=$(xdotool search --name '^Jadeloom$' 2>/dev/null | head -n 1 || true)
import -window "${window:-root}" "$work/screenshot.png" || true
kill -TERM "$pid" 2>/dev/null || true
code=0
wait "$pid" || code=$?
echo "Screenshot: $work/screenshot.png"
echo "Log:        $work/log.txt"
echo "The game exited with code $code."
exit "$code"
