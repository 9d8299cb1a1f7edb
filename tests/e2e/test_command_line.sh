#!/usr/bin/env bash
# The command line: help, version and a bad option answer at once and touch
# nothing; without a display start-up stops with one line and touches
# nothing; --fullscreen and --windowed hold for one run, leaving the saved
# setting as it was unless the player changes the mode.
source "$(dirname "$0")/lib.sh" "$@"

prepare_work cli
config
cp "$WORK/jadeloom_demo.cfg" "$OUT/cfg.before"
cp "$PLAYERS" "$OUT/players.before"

# run ARGS...: the game in its working directory, to its end; CODE, and
# the output in $OUT/stdout and $OUT/stderr.
run() {
  CODE=0
  (cd "$WORK" && exec timeout 30 "$GAME" "$@") >"$OUT/stdout" 2>"$OUT/stderr" || CODE=$?
}
untouched() {
  cmp -s "$OUT/cfg.before" "$WORK/jadeloom_demo.cfg" || fail "$1: the settings changed"
  cmp -s "$OUT/players.before" "$PLAYERS" || fail "$1: the player file changed"
}
nothing_written() {
  untouched "$1"
  [[ ! -e "$WORK/log.txt" && ! -e "$WORK/jadeloom.lock" ]] || fail "$1: wrote into the working directory"
}

for option in --help -h; do
  run "$option"
  [[ "$CODE" == 0 ]] || fail "$option: exit code $CODE"
  grep -q '^Usage: jadeloom' "$OUT/stdout" || fail "$option: no usage line"
  for word in --fullscreen --windowed --version jadeloom_demo.cfg players_demo.dat log.txt; do
    grep -qF -- "$word" "$OUT/stdout" || fail "$option: the help does not mention $word"
  done
  [[ ! -s "$OUT/stderr" ]] || fail "$option: wrote to standard error"
  nothing_written "$option"
done
pass "--help and -h show the usage"

version=$(sed -n 's/^project(jadeloom VERSION \([0-9.]*\).*/\1/p' "$SRC/CMakeLists.txt")
[[ -n "$version" ]] || fail "no version in CMakeLists.txt"
run --version
[[ "$CODE" == 0 ]] || fail "--version: exit code $CODE"
[[ "$(cat "$OUT/stdout")" == "Jadeloom $version" ]] || fail "--version printed: $(cat "$OUT/stdout")"
nothing_written --version
pass "--version shows Jadeloom $version"

for args in "--bogus" "-x" "extra" "--bogus --version" "--fullscreen --nope"; do
  # shellcheck disable=SC2086
  run $args
  [[ "$CODE" == 2 ]] || fail "'$args': exit code $CODE, not 2"
  [[ ! -s "$OUT/stdout" ]] || fail "'$args': wrote to standard output"
  grep -q "^jadeloom: \(unknown option\|unexpected argument\) '" "$OUT/stderr" || fail "'$args': said $(cat "$OUT/stderr")"
  grep -qF -- "--help" "$OUT/stderr" || fail "'$args': no pointer to --help"
  nothing_written "'$args'"
done
pass "a bad command line ends with exit code 2 and a message"

# Without a display: one line on the terminal and in the log, nothing
# else, not even a text-terminal driver's escape codes.
(
  unset DISPLAY SDL_VIDEODRIVER
  run
  [[ "$CODE" == 1 ]] || fail "no DISPLAY: exit code $CODE"
  [[ "$(cat "$OUT/stderr")" == "jadeloom: no X display: DISPLAY is not set" ]] ||
    fail "no DISPLAY: the terminal got: $(cat -v "$OUT/stderr")"
  [[ ! -s "$OUT/stdout" ]] || fail "no DISPLAY: wrote to standard output: $(cat -v "$OUT/stdout")"
  [[ "$(cat "$WORK/log.txt")" == "no X display: DISPLAY is not set" ]] || fail "no DISPLAY: the log says otherwise"
  untouched "no DISPLAY"
  rm -f "$WORK/log.txt"
  # A display that cannot be opened; nothing listens on this number.
  DISPLAY=:4711
  export DISPLAY
  run
  [[ "$CODE" == 1 ]] || fail "a closed display: exit code $CODE"
  grep -qxF 'jadeloom: no X display: cannot open display ":4711"' "$OUT/stderr" ||
    fail "a closed display: the terminal got: $(cat -v "$OUT/stderr")"
  [[ "$(tail -n 1 "$WORK/log.txt")" == 'no X display: cannot open display ":4711"' ]] || fail "a closed display: the log"
  untouched "a closed display"
) || exit 1
pass "without a display start-up stops with one line and exit code 1"

# A video driver the player names is SDL's to try; when SDL cannot start,
# its own reason is in the line, on the terminal and in the log.
SDL_VIDEODRIVER=nosuchdriver run
[[ "$CODE" == 1 ]] || fail "an unknown video driver: exit code $CODE"
grep -q "^jadeloom: SDL Failed to Init: .*video device" "$OUT/stderr" ||
  fail "SDL's failure without its reason: $(cat "$OUT/stderr")"
grep -q "^SDL Failed to Init: .*video device" "$WORK/log.txt" || fail "SDL's failure is not in the log"
untouched "an unknown video driver"
pass "a failed SDL start names SDL's reason"

# A fixed failure text points the terminal to the log that says why.
mv "$WORK/jadeloom_demo.cfg" "$OUT/cfg.aside"
run
[[ "$CODE" == 1 ]] || fail "no settings file: exit code $CODE"
[[ "$(cat "$OUT/stderr")" == "jadeloom: Failed to load config file (the cause is in $WORK/log.txt)" ]] ||
  fail "no settings file: the terminal got: $(cat "$OUT/stderr")"
grep -qxF "jadeloom.cfg is missing" "$WORK/log.txt" && [[ "$(tail -n 1 "$WORK/log.txt")" == "Failed to load config file" ]] ||
  fail "no settings file: the log does not say so last"
mv "$OUT/cfg.aside" "$WORK/jadeloom_demo.cfg"
untouched "no settings file"
pass "a start-up failure on the terminal points to the log"

cfg_line() { sed -n "s/^$1: //p" "$WORK/jadeloom_demo.cfg"; }
geometry() { xwininfo -id "$WID" | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w "x" h}'; }

# Saved full screen, played in a window this once: the setting stays.
config "Fullscreen: true\n"
play --windowed
[[ "$(geometry)" == "${WIN_W}x${WIN_H}" ]] || fail "--windowed: the window is $(geometry)"
quit
[[ "$(cfg_line Fullscreen)" == true ]] || fail "--windowed changed the saved setting"
pass "--windowed plays in a window and keeps the saved full screen"

# Played in full screen this once; started in the saved full screen, the
# player leaves it with F for the saved window size, and that choice is saved.
config "Fullscreen: false\n"
play --fullscreen
[[ "$(geometry)" == 1280x800 ]] || fail "--fullscreen: the window is $(geometry)"
end_game TERM
[[ "$GAME_CODE" == 0 && "$(cfg_line Fullscreen)" == false ]] || fail "--fullscreen changed the saved setting"
config "Fullscreen: true\n"
play
[[ "$(geometry)" == 1280x800 ]] || fail "the saved full screen: the window is $(geometry)"
xdotool mousemove --window "$WID" 500 350 key --window "$WID" f
wait_for_log "Toggle Fullscreen" 20 2 || fail "F did not leave full screen"
sleep 1
WID=$(xdotool search --onlyvisible --name '^Jadeloom$' | head -n 1)
[[ "$(geometry)" == "${WIN_W}x${WIN_H}" ]] || fail "left full screen at $(geometry), not the saved size"
quit
[[ "$(cfg_line Fullscreen)" == false ]] || fail "the player's own choice of a window was not saved"
pass "--fullscreen holds for one run; a saved full screen is played and the player's change saved"
