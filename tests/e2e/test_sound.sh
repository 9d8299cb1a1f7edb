#!/usr/bin/env bash
# What the game plays, heard through OpenAL Soft's wave-file output: with the
# music option on, the output holds the music from the start of play and the
# click sound at each tile selected and the clear sound at the pair taken;
# with the music option off only those effects remain and the rest is
# silence. The log holds the sound engine's lines and no error.
source "$(dirname "$0")/lib.sh" "$@"

cat > "$OUT/listen.py" <<'PY'
import subprocess, sys
import numpy as np

def decoded(path):
    raw = subprocess.run(["sox", path, "-t", "raw", "-r", "44100", "-c", "1", "-e", "signed",
                          "-b", "16", "-"], capture_output=True, check=True).stdout
    return np.frombuffer(raw, dtype="<i2").astype(float)

def ncc(signal, template):
    """Normalised cross-correlation of template at every offset in signal."""
    n, m = len(signal), len(template)
    size = 1 << (n + m).bit_length()
    corr = np.fft.irfft(np.fft.rfft(signal, size) * np.conj(np.fft.rfft(template, size)), size)[:n - m + 1]
    energy = np.concatenate(([0.0], np.cumsum(signal ** 2)))
    window = np.sqrt(np.maximum(energy[m:] - energy[:-m], 1e-9))
    return corr / (window * np.linalg.norm(template))

def highpass(x, hz=1800):
    """The click is mostly high ringing modes, the music mostly lower notes."""
    f = np.fft.rfft(x)
    f[:int(hz * len(x) / 44100)] = 0
    return np.fft.irfft(f, len(x))

def peaks(score, threshold, gap):
    found = []
    for i in np.argsort(-score):
        if score[i] < threshold:
            break
        if all(abs(i - j) > gap for j in found):
            found.append(int(i))
    return sorted(found)

out_file, src, music_on = sys.argv[1], sys.argv[2], sys.argv[3] == "on"
times = [float(t) for t in sys.argv[4].split()]
clicks = list(zip(times[0::2], times[1::2]))  # (sent, seen) per selecting click
clear_sent, started, logged, ended = (float(a) for a in sys.argv[5:9])
rate = 44100
out = decoded(out_file)
click = decoded(src + "/Assets/Sounds/click.wav")
clear = decoded(src + "/Assets/Sounds/clear.wav")[:rate // 2]
# The music's first half second after its first tenth: the first buffers
# play it without a break whatever the frame rate.
music = decoded(src + "/Assets/Sounds/sakura.ogg")[rate // 10:rate * 6 // 10]
# The output runs in real time from the device's opening, which came after
# the game was started, before its log line was seen, and before the game had
# ended by at least the output's length.
early, late = started, min(logged, ended - len(out) / rate)
slack = 0.5

def during(at, start, end):
    """Whether a sound at output time at can have been heard from start to end."""
    return early + at < end + slack and late + at > start - slack
print(f"{len(out) / rate:.1f} s of output, peak {int(np.abs(out).max())}")

# The click's first 15 ms, where nearly all of its sound is.
heard = peaks(ncc(highpass(out), highpass(click)[:rate * 15 // 1000]), 0.75, rate // 4)
print("clicks heard at", [round(h / rate, 2) for h in heard],
      "selected at", [(round(a - late, 2), round(b - early, 2)) for a, b in clicks])
if len(heard) != len(clicks):
    sys.exit(f"{len(heard)} clicks heard, {len(clicks)} tiles selected")
for h, (sent, seen) in zip(heard, clicks):
    if not during(h / rate, sent, seen):
        sys.exit(f"a click heard at {h / rate:.2f} s, not while its tile was being selected")
score = ncc(out, clear)
where = int(np.argmax(score))
if score[where] < 0.5 or not during(where / rate, clear_sent, ended):
    sys.exit(f"no clear sound where the pair was taken (best {score[where]:.2f} at {where / rate:.2f} s)")
print(f"clear heard at {where / rate:.2f} s")

# Windows of 0.1 s from two seconds before the first click on, away from the
# effects. A frame longer than the four queued buffers play (a busy machine)
# leaves a gap in the music until the next frame refills them.
effects = [(h, h + len(click)) for h in heard] + [(where, where + 2 * rate)]
loud, quiet = [], 0
for w in range(heard[0] - 2 * rate, len(out) - rate, rate // 10):
    if any(a - rate // 10 < w < b for a, b in effects):
        continue
    if np.abs(out[w:w + rate // 10]).max() > 0:
        loud.append(w / rate)
    else:
        quiet += 1
gap = max(np.diff([heard[0] / rate - 2] + loud + [len(out) / rate - 1]))
score = ncc(out, music).max()
print(f"music likeness {score:.2f}; away from the effects {len(loud)} windows sound, {quiet} are "
      f"silent, the longest silence {gap:.1f} s")
# A selection takes about a frame to show: no silence may last much longer.
frame = max(seen - sent for sent, seen in clicks)
if music_on and (score < 0.9 or gap > 2 + 1.5 * frame):
    sys.exit("the music is not playing throughout")
if not music_on and (score > 0.3 or loud):
    sys.exit("sound where only effects should be")
PY

# tile: how blue the left end tile of the middle row is against red (its
# ivory face turns blue when selected).
tile() {
  xwd -root -silent | convert xwd:- -crop 24x24+268+378 +repage -format '%[fx:mean.b-mean.r]' info:
}
# changed BEFORE: waits until the tile looks clearly other than BEFORE.
changed() {
  local i
  for i in $(seq 1 120); do
    awk -v a="$1" -v b="$(tile)" 'BEGIN { exit !(a - b > 0.03 || b - a > 0.03) }' && return 0
    sleep 0.5
  done
  return 1
}

# play NAME MUSIC(true|false): a round with the given music option. CLICKS
# gets, for each selecting click, the time it was sent and the time the
# selection showed; CLEAR the time the pair was asked to go; STARTED and
# LOGGED bound the opening of the sound output, ENDED its closing.
play() {
  INTRO=1 prepare_work "$1"
  printf 'WindowSize: 1280 800\nWindowPos: 0 0\nDifficulty: Advanced\nVolume: 5\nPlayMusic: %s' "$2" \
    > "$WORK/jadeloom_demo.cfg"
  printf '[general]\ndrivers=wave\nsample-type=int16\nchannels=mono\ndither=false\n[wave]\nfile=%s\n' \
    "$OUT/$1.wav" > "$OUT/$1.conf"
  STARTED=$(date +%s.%N)
  ALSOFT_DRIVERS=wave ALSOFT_CONF="$OUT/$1.conf" start_game
  wait_for_log "Sound Engine Initialized Properly" 60 || fail "no sound engine"
  LOGGED=$(date +%s.%N)
  find_window
  wait_for_log "Level initialized" 120 || fail "the board was not built"
  # In play once the board is drawn: the end tile shows its ivory face.
  xdotool mousemove 1270 790
  local i shown=
  for i in $(seq 1 240); do
    awk -v d="$(tile)" 'BEGIN { exit !(d > -0.2 && d < 0.05) }' && { shown=1; break; }
    sleep 0.5
  done
  [[ -n "$shown" ]] || fail "the board was never drawn"
  # The pointer rests on the end tile (always free): each click on it selects
  # or deselects it, and only selecting sounds.
  xdotool mousemove 280 392
  sleep 2
  CLICKS=
  local before sent
  for i in 1 2 3; do
    before=$(tile)
    sent=$(date +%s.%N)
    xdotool click 1
    changed "$before" || fail "click $i on the end tile changed nothing"
    (( i % 2 )) && CLICKS="$CLICKS $sent $(date +%s.%N)"
    sleep "0.$(( 3 + 2 * i ))"
  done
  xdotool key --window "$WID" h Return
  CLEAR=$(date +%s.%N)
  sleep 4
  end_game TERM
  ENDED=$(date +%s.%N)
  [[ "$GAME_CODE" == 0 ]] || fail "exit code $GAME_CODE"
  for line in "Sound Engine Initialized Properly" "Loaded sound file: Assets/Sounds/click.wav" \
              "Loaded sound file: Assets/Sounds/clear.wav"; do
    grep -qxF "$line" "$WORK/log.txt" || fail "no line \"$line\" in the log"
  done
  ! grep -E "Error|Failed|Could not" "$WORK/log.txt" || fail "errors in the log"
}

play music true
grep -qxF "Loaded Ogg stream: Assets/Sounds/sakura.ogg" "$WORK/log.txt" || fail "the music was not opened"
/usr/bin/python3 "$OUT/listen.py" "$OUT/music.wav" "$SRC" on "$CLICKS" "$CLEAR" "$STARTED" "$LOGGED" "$ENDED" || fail "music on"
pass "music on: the music plays throughout, each selected tile clicks, the pair taken sounds"

play quiet false
grep -qF "Loaded Ogg stream" "$WORK/log.txt" && fail "the music was opened while off"
/usr/bin/python3 "$OUT/listen.py" "$OUT/quiet.wav" "$SRC" off "$CLICKS" "$CLEAR" "$STARTED" "$LOGGED" "$ENDED" || fail "music off"
pass "music off: only the clicks and the clear sound, silence between them"
