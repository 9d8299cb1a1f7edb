#!/bin/sh
# Regenerates every model, material, animation and texture of the tile, the
# bedroom and the lucky cat reward, then checks them. Deterministic.
set -e
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
PY=${PYTHON:-/usr/bin/python3}
"$PY" "$here/tile.py" "$root"
"$PY" "$here/room.py" "$root"
"$PY" "$here/luckycat.py" "$root"
"$PY" "$here/check.py" "$root"
