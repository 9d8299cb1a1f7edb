#!/bin/sh
# Regenerates the small Ogg Vorbis files the sound tests play, in
# tests/data/audio: mono.ogg (one channel, 22050 Hz, 0.3 s), stereo.ogg (two
# channels, 44100 Hz, 1 s: a little over five stream buffers) and short.ogg
# (two channels, 44100 Hz, 0.5 s: less than four stream buffers). Fixed
# stream serial numbers keep the files the same on every run. Needs sox and
# oggenc.
set -e
here=$(cd "$(dirname "$0")" && pwd)
out="$here/../../tests/data/audio"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$out"
sox -D -R -n -r 22050 -c 1 -b 16 "$tmp/mono.wav" synth 0.3 sine 440 gain -6
sox -D -R -n -r 44100 -c 2 -b 16 "$tmp/stereo.wav" synth 1.0 sine 330 sine 550 gain -6
sox -D -R -n -r 44100 -c 2 -b 16 "$tmp/short.wav" synth 0.5 sine 330 sine 550 gain -6
for name in mono stereo short; do
  oggenc -Q -q 0 -s 20240501 -o "$out/$name.ogg" "$tmp/$name.wav"
done
