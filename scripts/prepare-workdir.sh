#!/usr/bin/env bash
# Prepares the game's working directory: the writable files (configuration,
# log, player file) live there; the read-only data is linked in from the
# source tree, so running the game never changes a tracked file.
# Usage: prepare-workdir.sh SOURCE_DIR WORK_DIR
set -euo pipefail
src=$(cd "$1" && pwd)
work=$2
mkdir -p "$work/Assets/Players"
for entry in "$src"/Assets/*; do
  name=$(basename "$entry")
  [[ "$name" == Players ]] && continue
  ln -sfn "$entry" "$work/Assets/$name"
done
for file in intro.avi splash.png logo.png icon.bmp; do
  [[ -e "$src/$file" ]] && ln -sfn "$src/$file" "$work/$file"
done
# The player's settings are copied once and then belong to the player.
if [[ ! -e "$work/jadeloom_demo.cfg" ]]; then
  cp "$src/config/jadeloom_demo.cfg" "$work/jadeloom_demo.cfg"
fi
