#!/usr/bin/env bash
# Drives the panels by clicks as a player would: the main menu's doors close
# and open again, the layout chooser puts the next layout into play, the
# tile set chooser the kana set, the volume knob is dragged and the
# free-tile highlight ticked. Each step is checked on the screen, and the
# choices in the configuration the game writes when it closes.
source "$(dirname "$0")/lib.sh" "$@"

# Helper on the game's window:
#   at OBJECT            the pixel centre of a menu model object
#   settle PREV NAME     waits until the picture differs from shot PREV and
#                        then holds still; saves NAME.png
#   still NAME           waits until the picture holds still; saves NAME.png
#   differ A B X0 Y0 X1 Y1   changed pixels between two shots in a box
cat > "$OUT/screen.py" <<'PY'
import struct, subprocess, sys, time
import numpy as np
from PIL import Image

out, wid, mode = sys.argv[1], sys.argv[2], sys.argv[3]
W, H = 1024, 700

def grab():
    d = subprocess.run(["xwd", "-id", wid, "-silent"], capture_output=True, check=True).stdout
    h = struct.unpack(">25I", d[:100])
    size, w, hgt, order, bpp, line, ncolours = h[0], h[4], h[5], h[7], h[11], h[12], h[19]
    start = size + 12 * ncolours
    a = np.frombuffer(d[start:start + line * hgt], dtype=np.uint8).reshape(hgt, line)
    a = a[:, :4 * w].reshape(hgt, w, 4)
    return (a[..., [1, 2, 3]] if order == 1 else a[..., [2, 1, 0]]).astype(int)

def load(name):
    return np.asarray(Image.open(f"{out}/{name}.png").convert("RGB")).astype(int)

def save(a, name):
    Image.fromarray(a.astype(np.uint8)).save(f"{out}/{name}.png")

# The bottom bar's clock ticks every second: it is left out.
def changed(a, b):
    return int((a[:650] != b[:650]).any(axis=2).sum())

# Still for four seconds: a busy machine may draw the first frame of a
# change and none for a while after it.
def hold(first):
    last, since, end = first, time.time(), time.time() + 120
    while time.time() < end:
        time.sleep(0.25)
        a = grab()
        if changed(a, last) > 300:
            last, since = a, time.time()
        elif time.time() - since >= 4:
            return a
    sys.exit("the picture did not settle")

if mode == "at":
    name, xs, ys, inside = sys.argv[4], [], [], False
    for line in open("Assets/Menu/menu.obj"):
        if line.startswith("o "):
            inside = line.split()[1] == name
        elif inside and line.startswith("v "):
            _, x, y, _ = line.split()
            xs.append(float(x)); ys.append(float(y))
    if not xs:
        sys.exit(f"no object {name}")
    print(round((min(xs) + max(xs)) / 2 * W), round((1 - (min(ys) + max(ys)) / 2) * H))
elif mode == "settle":
    before, end = load(sys.argv[4]), time.time() + 120
    while time.time() < end:
        a = grab()
        if changed(a, before) > 300:
            break
        time.sleep(0.1)
    else:
        sys.exit("the picture did not change")
    save(hold(a), sys.argv[5])
elif mode == "still":
    save(hold(grab()), sys.argv[4])
elif mode == "differ":
    x0, y0, x1, y1 = map(int, sys.argv[6:10])
    print(changed(load(sys.argv[4])[y0:y1, x0:x1], load(sys.argv[5])[y0:y1, x0:x1]))
PY
screen() { (cd "$WORK" && /usr/bin/python3 "$OUT/screen.py" "$OUT" "$WID" "$@"); }
# click OBJECT: a left click on the centre of a menu object.
click() {
  local xy
  xy=$(screen at "$1") || fail "no menu object $1"
  xdotool mousemove --window "$WID" $xy sleep 0.2 click 1 sleep 0.3
}
# step OBJECT PREV NAME: clicks and waits for the picture to change and settle.
step() {
  click "$1"
  screen settle "$2" "$3" || fail "clicking $1 changed nothing on the screen"
}

prepare_work panels
printf 'WindowSize: 1024 700\nWindowPos: 0 0\nDifficulty: Normal\nPlayMusic: false\nVolume: 0\n' \
  > "$WORK/jadeloom_demo.cfg"
printf 'LastLayout: Assets/Layouts/turtle_demo.lyt\nTileSet: Assets/Tiles/Standard/standard_tiles_demo.tls' \
  >> "$WORK/jadeloom_demo.cfg"
start_game
find_window
wait_for_log "Level initialized" || fail "the board was not dealt"
xdotool mousemove --window "$WID" 500 690
sleep 2
screen still start || fail "the game never held still"

# The main menu: its doors close over the board and open again.
step MenuButton start menu_closed
(( $(screen differ start menu_closed 0 100 1024 600) > 200000 )) || fail "the doors did not cover the board"
step DoorResume menu_closed menu_open
(( $(screen differ start menu_open 0 100 1024 600) < 20000 )) || fail "the doors did not open on the board"
pass "the main menu closes its doors and opens them again"

# The layout chooser: the next entry is put into play.
step MenuButton menu_open layouts_menu
step DoorLayouts layouts_menu layout_panel
step LayoutNext layout_panel layout_browsed
step LayoutSelect layout_browsed layout_chosen
grep -qxF "Loaded layout file: Assets/Layouts/arch.lyt" "$WORK/log.txt" || fail "the next layout was not read"
(( $(screen differ start layout_chosen 0 100 1024 600) > 20000 )) || fail "the board did not change"
pass "browsing to the next layout and selecting it deals it"

# The tile set chooser: the kana set, which follows the Standard one.
step MenuButton layout_chosen sets_menu
step DoorTileSets sets_menu set_panel
step TileSetNext set_panel set_browsed
step TileSetSelect set_browsed set_chosen
grep -qxF "Loaded tileset file: hiragana_basic_tiles_demo.tls" "$WORK/log.txt" || fail "the kana set was not built"
pass "the kana tile set is dealt"

# Options: drag the knob from silence towards its right end (slowly: the
# button must be seen held for some frames), tick the highlight option and
# close the panel: the free tiles are highlighted on the board.
step OptionsButton set_chosen options
read -r kx ky < <(screen at VolumeKnob)
xdotool mousemove --window "$WID" "$kx" "$ky" sleep 0.5 mousedown 1 sleep 1
for dx in 30 60 90 110; do
  xdotool mousemove --window "$WID" $((kx + dx)) "$ky" sleep 1
done
xdotool mouseup 1 sleep 0.5
screen settle options volume_dragged || fail "the knob did not move"
step HighlightTilesCheckbox volume_dragged highlight_ticked
step OptionsPanelClose highlight_ticked highlight_board
pass "the volume knob follows a drag and the highlight box ticks"

end_game TERM
[[ "$GAME_CODE" == 0 ]] || fail "exit code $GAME_CODE"
cfg=$(cat "$WORK/jadeloom_demo.cfg")
grep -qxF "LastLayout: Assets/Layouts/arch.lyt" <<<"$cfg" || fail "layout not kept: $cfg"
grep -qxF "TileSet: Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls" <<<"$cfg" || fail "tile set not kept: $cfg"
# A busy machine may see the button up before the last moves: the knob
# must have left silence, not necessarily reached the end.
volume=$(sed -n 's/^Volume: //p' <<<"$cfg")
awk -v v="$volume" 'BEGIN { exit !(v > 2 && v <= 10) }' || fail "the dragged knob did not raise the volume: $cfg"
pass "the choices and the dragged volume are written when the game closes"
