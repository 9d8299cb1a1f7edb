#!/bin/sh
# Regenerates the menu (model, materials, textures, doors' takes, menu file)
# and its bitmap font under Assets/Menu, then checks them. Deterministic.
# tools/menu/preview.py draws pictures of it into build-menu/ for looking at.
set -e
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
PY=${PYTHON:-/usr/bin/python3}
[ -f /usr/share/fonts/opentype/urw-base35/P052-Bold.otf ] || {
  echo "missing font P052 Bold (Debian package fonts-urw-base35)" >&2; exit 1; }
"$PY" "$here/generate.py" "$root"
"$PY" "$here/check.py" "$root"
