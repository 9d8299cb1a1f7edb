#!/usr/bin/env bash
# A returning player's resident memory (bench/returning-player.sh) at the
# default view and after opening and closing every panel of the main menu,
# driven as the end-to-end tests drive the game, on a virtual display of its
# own. Screenshots of each open panel are left in OUT.
# Usage: bench/panels-memory.sh GAME SOURCE_DIR OUT_DIR
source "$2/tests/e2e/lib.sh" "$@"
prepare_work run
bash "$SRC/bench/returning-player.sh" "$SRC" "$OUT/rp" >/dev/null
cp "$OUT/rp/Assets/Players/players_demo.dat" "$PLAYERS"
cp "$OUT/rp/jadeloom_demo.cfg" "$WORK/jadeloom_demo.cfg"
WIN_W=1280; WIN_H=800
start_game
wait_for_log "First frame drawn" 60 || fail "no first frame"
find_window
sleep 5
rss() { grep VmRSS /proc/$GAME_PID/status | awk '{printf "%.1f MB", $2/1024}'; }
echo "default view: $(rss)"
# The main menu stays open while its panels come and go.
click MenuButton; sleep 1.5
for pair in "DoorLayouts LayoutPanelClose" "DoorTileSets TileSetPanelClose" "DoorPlayers PlayerPanelClose" \
            "DoorOptions OptionsPanelClose" "DoorStatistics StatsPanelClose"; do
  set -- $pair
  click "$1"; sleep 1.5
  screenshot "open_$1"
  click "$2"; sleep 1.5
done
click MenuButton; sleep 3
echo "after every panel: $(rss)"
screenshot end
quit
