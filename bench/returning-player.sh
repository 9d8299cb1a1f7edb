#!/usr/bin/env bash
# Prepares a working directory as a returning player finds it: a player with
# a saved Turtle game, one tile parked in a holding slot and the lucky cat
# earned, in a 1280 x 800 window at the screen's corner, no intro, no music.
# Usage: bench/returning-player.sh SOURCE_DIR WORK_DIR
set -euo pipefail
src=$(cd "$1" && pwd)
work=$2
bash "$src/scripts/prepare-workdir.sh" "$src" "$work"
rm -f "$work/intro.avi" "$work/log.txt"
# The scripted game's first player, with the reward earned and the step
# that parked a tile done rather than waiting to be redone.
awk '/^<Player>/ && seen { exit } /^<Player>/ { seen = 1 }
     /^\t<\/Rewards>/ { print "\t\tAssets/Rewards/luckycat.obj" }
     /^\t\t<Redo>/ { print "\t\t<TileStates5>\n\t\t\tWheel7 16 10 1 1005 false\n\t\t</TileStates>"; skip = 1 }
     !skip { print }
     /^\t\t<\/Redo>/ { skip = 0 }' "$src/tests/data/persist/scripted_game.dat" \
  > "$work/Assets/Players/players_demo.dat"
sed -e 's/^WindowSize: .*/WindowSize: 1280 800/' -e 's/^Volume: .*/Volume: 0/' \
  "$src/tests/data/persist/scripted_game.cfg" > "$work/jadeloom_demo.cfg"
