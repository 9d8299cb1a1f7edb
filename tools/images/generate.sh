#!/usr/bin/env bash
# Regenerates every picture, the tile set and layout files and the intro
# movie. Deterministic: fixed seeds, no time stamps in any output.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
py=/usr/bin/python3
for f in /usr/share/fonts/opentype/noto/NotoSerifCJK-Bold.ttc /usr/share/fonts/opentype/noto/NotoSansCJK-Bold.ttc; do
  [[ -f "$f" ]] || { echo "missing font $f (Debian package fonts-noto-cjk)" >&2; exit 1; }
done
command -v ffmpeg >/dev/null || { echo "ffmpeg is needed" >&2; exit 1; }
cd "$here"
"$py" standard_tiles.py      # atlas, material, tile set file, preview
"$py" hiragana_tiles.py
"$py" turtle_layout.py       # the Turtle as a layout file, and its preview
"$py" layouts.py             # the other shipped layouts and their previews
"$py" layouts_more.py        # seventeen more layouts and their previews
"$py" titles.py              # splash.png, logo.png, icon.bmp (use the Standard atlas)
"$py" icons.py               # the desktop icon in the smaller hicolor sizes
"$py" intro.py               # intro.avi
"$py" check.py
"$py" contact_sheet.py       # build-images/contact_*.png, for looking at (not committed)
