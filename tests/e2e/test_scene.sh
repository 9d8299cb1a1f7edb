#!/usr/bin/env bash
# The furnished room and the whole Turtle board with the Standard pictures
# from the layout's default view; a left click on a free tile selects it and
# it shows highlighted, while the rest of the picture stays as it was; the
# camera zoomed out shows more of the room, with nothing left undrawn.
source "$(dirname "$0")/lib.sh" "$@"

# mean_rb NAME GEOMETRY: mean red and blue (0..1) of a region of a shot.
mean_rb() {
  convert "$OUT/$1.png" -crop "$2" +repage -format '%[fx:mean.r] %[fx:mean.b]' info:
}
# spread NAME GEOMETRY: standard deviation of a region (0 when uniform).
spread() {
  convert "$OUT/$1.png" -crop "$2" +repage -colorspace Gray -format '%[fx:standard_deviation]' info:
}

# dark NAME: share of near-black pixels (undrawn background shows black).
dark() {
  convert "$OUT/$1.png" -colorspace Gray -threshold 2% -negate -format '%[fx:mean]' info:
}

INTRO=1 prepare_work run
printf 'WindowSize: 1280 800\nWindowPos: 0 0\nDifficulty: Advanced\nVolume: 0' > "$WORK/jadeloom_demo.cfg"
start_game
# While the board loads, the logo covers the window: dark all round, not
# uniform. Loading takes about a third of a second after it, so the shot is
# taken at once.
wait_for_log "Loaded texture file: logo.png" 60 || fail "the logo was not loaded"
sleep 0.05
screenshot splash
corner=$(convert "$OUT/splash.png" -crop 120x120+0+0 +repage -colorspace Gray -format '%[fx:mean]' info:)
s=$(spread splash 1280x800+0+0)
awk -v c="$corner" -v s="$s" 'BEGIN { exit !(c < 0.15 && s > 0.05) }' \
  || fail "no logo on the screen while loading (corner $corner, spread $s)"
pass "logo shown while loading"
find_window
wait_for_log "Level initialized" 90 || fail "the board was not built"
wait_for_log "First frame drawn" 90 || fail "no frame of play was drawn"
# The pointer rests on the floor, away from the board, so that nothing is
# hovered in the first shot.
xdotool mousemove 1270 790
sleep 3
screenshot board

n=$(colours board)
(( n > 3000 )) || fail "only $n colours: no textured scene"
d=$(dark board)
awk -v d="$d" 'BEGIN { exit !(d < 0.01) }' || fail "share $d of the picture is black"
pass "scene drawn with $n colours, nothing undrawn"
# The default view against the reference picture: both shrunk to 32 x 20
# cells of 40 x 40 pixels (each cell the mean of its pixels), a cell that
# differs by more than 8 % is counted. Another deal's pictures and the
# filtering move no cell that far; a missing tile changes about six cells,
# a misplaced object more.
# UPDATE_REFERENCE=1 makes the reference from this run instead.
REFERENCE="$SRC/tests/e2e/reference/scene_default.png"
convert "$OUT/board.png" -filter Box -resize 32x20! "$OUT/board_cells.png"
if [[ "${UPDATE_REFERENCE:-}" == 1 ]]; then
  cp "$OUT/board_cells.png" "$REFERENCE"
fi
cells=$(compare -metric AE -fuzz 8% "$REFERENCE" "$OUT/board_cells.png" "$OUT/board_cells_diff.png" 2>&1)
cells=${cells%% *}
(( ${cells%.*} <= 2 )) || fail "$cells of 640 cells differ from the reference picture (see board_cells_diff.png)"
pass "default view matches the reference picture ($cells of 640 cells differ)"
# The middle of the screen is the board: far from uniform.
s=$(spread board 640x400+320+200)
awk -v s="$s" 'BEGIN { exit !(s > 0.08) }' || fail "board region nearly uniform ($s)"
# The left end tile of the middle rows (always free) sits at the left of the
# board, the right end pair at the right, on the table.
read -r r b < <(mean_rb board 24x24+268+378)
awk -v r="$r" -v b="$b" 'BEGIN { exit !(r > 0.6 && r - b < 0.2 && r - b > -0.05) }' \
  || fail "no ivory tile face at the left end (r=$r b=$b)"
pass "board region textured, end tile in place"

# Select the left end tile, then move the pointer away again.
xdotool mousemove --sync 280 392
sleep 0.5
xdotool click 1
sleep 0.5
xdotool mousemove 1270 790
sleep 2
screenshot selected

read -r r2 b2 < <(mean_rb selected 24x24+268+378)
awk -v r="$r" -v b="$b" -v r2="$r2" -v b2="$b2" \
  'BEGIN { exit !((b2 - r2) - (b - r) > 0.1) }' \
  || fail "the clicked tile is not highlighted (before r=$r b=$b, after r=$r2 b=$b2)"
pass "clicked tile highlighted (blue over red went from $(awk -v r="$r" -v b="$b" 'BEGIN{print b-r}') to $(awk -v r="$r2" -v b="$b2" 'BEGIN{print b-r}'))"
# Only that tile changed: a small share of the picture differs.
changed=$(compare -metric AE -fuzz 8% "$OUT/board.png" "$OUT/selected.png" null: 2>&1 || true)
changed=${changed%% *}
(( ${changed%.*} > 200 && ${changed%.*} < 40000 )) || fail "$changed pixels changed between the shots"
pass "$changed pixels changed between the two shots"

# Zoomed out with the wheel: the board shrinks towards the middle, the room
# around it fills the rest.
for _ in $(seq 1 12); do xdotool click 5; sleep 0.2; done
xdotool mousemove 1270 790
sleep 3
screenshot zoomed
d=$(dark zoomed)
awk -v d="$d" 'BEGIN { exit !(d < 0.01) }' || fail "share $d of the zoomed-out picture is black"
read -r r3 b3 < <(mean_rb zoomed 24x24+268+378)
awk -v r="$r3" -v b="$b3" 'BEGIN { exit !(r < 0.6 || b - r > 0.1) }' \
  || fail "a tile face still at the left end after zooming out (r=$r3 b=$b3)"
pass "zoomed out: the room around the board, nothing undrawn"

end_game TERM
[[ "$GAME_CODE" == 0 ]] || fail "exit code $GAME_CODE"
grep -q "OpenGL Error" "$WORK/log.txt" && fail "OpenGL errors logged"
pass "no OpenGL error in the log"
