#!/usr/bin/env bash
# Regenerates every generated data file of the game, deterministically.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/deps.sh"
for area in images models audio menu; do
  if [[ -f "$root/tools/$area/generate.sh" ]]; then
    echo "== $area"
    bash "$root/tools/$area/generate.sh"
  fi
done
