#!/usr/bin/env bash
# The game's own pointers: the open hand over the window, the closed hand
# while a button is held, the open hand again on release. The pointer's
# picture is read back from the X server.
source "$(dirname "$0")/lib.sh" "$@"

# Prints "WIDTHxHEIGHT HOTX,HOTY CHECKSUM" of the pointer shown now.
cat > "$OUT/cursor.py" <<'PY'
import ctypes, ctypes.util, zlib

class Image(ctypes.Structure):
    _fields_ = [("x", ctypes.c_short), ("y", ctypes.c_short),
                ("width", ctypes.c_ushort), ("height", ctypes.c_ushort),
                ("xhot", ctypes.c_ushort), ("yhot", ctypes.c_ushort),
                ("cursor_serial", ctypes.c_ulong), ("pixels", ctypes.POINTER(ctypes.c_ulong)),
                ("atom", ctypes.c_ulong), ("name", ctypes.c_char_p)]

x11 = ctypes.CDLL(ctypes.util.find_library("X11"))
xfixes = ctypes.CDLL(ctypes.util.find_library("Xfixes"))
x11.XOpenDisplay.restype = ctypes.c_void_p
xfixes.XFixesGetCursorImage.restype = ctypes.POINTER(Image)
xfixes.XFixesGetCursorImage.argtypes = [ctypes.c_void_p]
display = x11.XOpenDisplay(None)
image = xfixes.XFixesGetCursorImage(display).contents
pixels = [image.pixels[i] & 0xFFFFFFFF for i in range(image.width * image.height)]
digest = zlib.crc32(b"".join(p.to_bytes(4, "little") for p in pixels))
print(f"{image.width}x{image.height} {image.xhot},{image.yhot} {digest:08x}")
PY
cursor() { /usr/bin/python3 "$OUT/cursor.py"; }

prepare_work run
rm -f "$WORK/intro.avi"
printf 'WindowSize: 800 600\nWindowPos: 0 0\nVolume: 4' > "$WORK/jadeloom_demo.cfg"
start_game
find_window
wait_for_log "Level initialized" 60 || fail "the board was not set up"
sleep 1
xdotool mousemove --window "$WID" 400 300
sleep 0.5
open=$(cursor)
[[ "$open" == "32x32 10,14 "* ]] || fail "the pointer over the window is $open, not the open hand"
# Each change shows once the game has handled the button.
changed_from() {
  local i now
  for i in $(seq 1 100); do
    now=$(cursor)
    [[ "$now" != "$1" ]] && { echo "$now"; return; }
    sleep 0.1
  done
  echo "$now"
}
xdotool mousedown 1
closed=$(changed_from "$open")
[[ "$closed" == "32x32 10,14 "* && "$closed" != "$open" ]] || fail "with the button held the pointer is $closed"
xdotool mouseup 1
[[ "$(changed_from "$closed")" == "$open" ]] || fail "after the release the pointer is $(cursor), not $open"
pass "open hand ($open), closed hand while held ($closed), open again on release"
end_game TERM
[[ "$GAME_CODE" == 0 ]] || fail "exit code $GAME_CODE"
