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
# The player's own layouts: a folder that belongs to the player, never a
# link into the game's data, so a layout the player keeps is never written
# into the source tree. A link left by an older set-up is replaced.
if [[ -L "$work/layouts" ]]; then
  rm "$work/layouts"
fi
mkdir -p "$work/layouts"
# The player's settings are copied once and then belong to the player.
if [[ ! -e "$work/jadeloom_demo.cfg" ]]; then
  cp "$src/config/jadeloom_demo.cfg" "$work/jadeloom_demo.cfg"
fi
