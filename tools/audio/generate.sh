#!/bin/sh
# Regenerates the game's sounds: click.wav, clear.wav (16-bit PCM, 44.1 kHz)
# and the looping music sakura.ogg (Ogg Vorbis, fixed stream serial number so
# the file is the same on every run). Needs python3 with numpy, and oggenc.
set -e
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
PY=${PYTHON:-/usr/bin/python3}
out="$root/Assets/Sounds"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
"$PY" "$here/synth.py" "$tmp"
mkdir -p "$out"
cp "$tmp/click.wav" "$tmp/clear.wav" "$out/"
oggenc -Q -q 3 -s 20240417 -t "Sakura" -a "Jadeloom" -o "$out/sakura.ogg" "$tmp/sakura.wav"
for f in click.wav clear.wav sakura.ogg; do
  printf '%-11s ' "$f"; sox "$out/$f" -n stat 2>&1 | awk '/Length|Maximum amp|Minimum amp/ {printf "%s %s  ", $1, $NF} END {print ""}'
done
sh "$here/test-sounds.sh"
