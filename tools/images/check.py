"""Quick self-check of the generated data: every file present, sizes and
picture formats as agreed, and the tile set and layout files readable by a
plain word reader with the expected content."""

import os
import subprocess
import sys

from PIL import Image

from common import REPO, ATLAS_W, ATLAS_H
from tilesets import STANDARD, HIRAGANA, standard_templates, hiragana_templates
from turtle_layout import turtle_positions

MAX_FILE = 2 * 1024 * 1024
MAX_TOTAL = 8 * 1024 * 1024
problems = []


def fail(msg):
    problems.append(msg)


def path(rel):
    return os.path.join(REPO, rel)


def picture(rel, size=None, mode=None):
    p = path(rel)
    if not os.path.isfile(p):
        fail("missing " + rel)
        return None
    im = Image.open(p)
    if size and im.size != size:
        fail("%s is %dx%d, expected %dx%d" % (rel, im.size[0], im.size[1], size[0], size[1]))
    if mode and im.mode != mode:
        fail("%s has mode %s, expected %s" % (rel, im.mode, mode))
    return im


def read_tls(rel):
    """Line reader as the game's: keyword first, values after."""
    header, tiles, cur = {}, [], None
    for line in open(path(rel), encoding="ascii"):
        if len(line) > 255:
            fail("%s: line longer than 255 characters" % rel)
        w = line.split()
        if not w:
            continue
        k = w[0]
        if k in ("<Name>", "<PreviewImage>", "<Stamp>", "<TextureScaleX>", "<TextureScaleY>"):
            if cur is not None:
                fail("%s: %s inside a tile" % (rel, k))
            header[k] = w[1]
        elif k == "<Tile>":
            cur = {"Matches:": []}
        elif k == "</Tile>":
            tiles.append(cur)
            cur = None
        elif cur is not None and k == "Matches:":
            cur[k] += w[1:]
        elif cur is not None and k == "TexturePos:":
            cur[k] = (int(w[1]), int(w[2]))
        elif cur is not None and k == "StandardRepeat:":
            cur[k] = int(w[1])
        elif cur is not None:
            cur[k] = w[1]
    return header, tiles


def check_set(info, templates, atlas_mode_alpha=True):
    d = info["dir"]
    im = picture(d + "/" + info["picture"], (ATLAS_W, ATLAS_H), "RGBA")
    picture(d + "/" + info["preview"])
    mtl = open(path(d + "/" + info["mtl"])).read().split("\n")
    if ("newmtl " + info["name"]) not in mtl or ("map_Kd " + info["picture"]) not in mtl:
        fail("%s: material or map_Kd line wrong" % info["mtl"])
    header, tiles = read_tls(d + "/" + info["tls"])
    sub = d.split("/")[-1]
    want = {"<Name>": info["name"], "<PreviewImage>": sub + "/" + info["preview"],
            "<Stamp>": sub + "/" + info["mtl"], "<TextureScaleX>": "1.0", "<TextureScaleY>": "1.0"}
    if header != want:
        fail("%s header %r" % (info["tls"], header))
    if len(tiles) != len(templates):
        fail("%s: %d tiles, expected %d" % (info["tls"], len(tiles), len(templates)))
    for got, (name, col, row, rep, matches) in zip(tiles, templates):
        exp = {"Name:": name, "TexturePos:": (col, row), "StandardRepeat:": rep,
               "ClearSound:": "Assets/Sounds/clear.wav", "SelectSound:": "Assets/Sounds/click.wav",
               "Matches:": matches}
        if got != exp:
            fail("%s: tile %s reads %r" % (info["tls"], name, got))
    # every template's cell has a picture; the picture keeps off the cell's edges
    if im is not None:
        a = im.getchannel("A")
        cw, ch = ATLAS_W / 17, ATLAS_H / 6
        for name, col, row, *_ in templates:
            x0, y0 = int(round(col * cw)), int(round(row * ch))
            x1, y1 = int(round((col + 1) * cw)), int(round((row + 1) * ch))
            cell = a.crop((x0, y0, x1, y1))
            if cell.getbbox() is None:
                fail("%s: cell of %s is empty" % (info["picture"], name))
            edge = max(max(cell.crop((0, 0, cell.width, 3)).getdata()),
                       max(cell.crop((0, cell.height - 3, cell.width, cell.height)).getdata()),
                       max(cell.crop((0, 0, 3, cell.height)).getdata()),
                       max(cell.crop((cell.width - 3, 0, cell.width, cell.height)).getdata()))
            if edge > 0:
                fail("%s: picture of %s touches its cell's edge" % (info["picture"], name))
    return tiles


def check_layout():
    rel = "Assets/Layouts/turtle_demo.lyt"
    words = open(path(rel)).read().split()
    keys, coords = {}, []
    i = 0
    while i < len(words):
        w = words[i]
        if w == "TileCoordinates:":
            rest = words[i + 1:]
            j = 0
            while j < len(rest):
                if rest[j] == "Tile":
                    coords.append(tuple(float(v) for v in rest[j + 1:j + 4]))
                    j += 4
                else:
                    j += 1
            break
        if w in ("DefaultCameraTranslation:", "DefaultCameraTrack:"):
            keys[w] = tuple(float(v) for v in words[i + 1:i + 4])
            i += 4
            continue
        if w in ("DefaultCameraZoom:", "DefaultFov:"):
            keys[w] = float(words[i + 1])
        elif w in ("GridX:", "GridY:", "GridZ:"):
            keys[w] = int(words[i + 1])
        elif w in ("Name:", "PreviewImage:"):
            keys[w] = words[i + 1]
        i += 1
    want = {"Name:": "Turtle", "DefaultCameraTranslation:": (-1, 0, 0.1), "DefaultCameraTrack:": (18, 0, 15),
            "DefaultCameraZoom:": 10, "DefaultFov:": 40, "GridX:": 30, "GridY:": 16, "GridZ:": 5,
            "PreviewImage:": "Assets/Layouts/turtle_preview.png"}
    if keys != want:
        fail("turtle_demo.lyt keys %r" % keys)
    if coords != [tuple(float(v) for v in p) for p in turtle_positions()]:
        fail("turtle_demo.lyt positions differ from the built-in order")
    layers = [sum(1 for c in coords if c[2] == z) for z in range(5)]
    if len(coords) != 144 or layers != [87, 36, 16, 4, 1]:
        fail("turtle_demo.lyt has %d positions, per layer %r" % (len(coords), layers))
    for x, y, z in coords:
        if not (0 <= x <= 28 and 0 <= y <= 14 and 0 <= z <= 4):
            fail("position out of the grid: %r" % ((x, y, z),))
    picture("Assets/Layouts/turtle_preview.png")


def check_movie():
    p = path("intro.avi")
    if not os.path.isfile(p):
        fail("missing intro.avi")
        return
    out = subprocess.run(["ffprobe", "-v", "error", "-select_streams", "v:0", "-show_entries",
                          "stream=codec_name,width,height,nb_frames,duration", "-of", "default=nw=1", p],
                         capture_output=True, text=True).stdout
    info = dict(line.split("=", 1) for line in out.split())
    if info.get("codec_name") != "mjpeg" or (info.get("width"), info.get("height")) != ("320", "240"):
        fail("intro.avi: unexpected stream %r" % info)
    secs = float(info.get("duration", "0"))
    if not 3 <= secs <= 12:
        fail("intro.avi lasts %.1f s" % secs)
    elif os.path.getsize(p) / secs > 300 * 1024:
        fail("intro.avi uses %.0f KB/s" % (os.path.getsize(p) / secs / 1024))


def main():
    std = check_set(STANDARD, standard_templates())
    if sum(t.get("StandardRepeat:", 0) for t in std) != 144 or len(std) != 42:
        fail("Standard set: 42 templates and 144 tiles a pass expected")
    hira = check_set(HIRAGANA, hiragana_templates())
    if len(hira) != 92:
        fail("Hiragana set: 92 templates expected")
    check_layout()
    picture("splash.png", (1024, 700))
    picture("logo.png", (1024, 700))
    picture("icon.bmp", (32, 32))
    check_movie()
    outputs = [
        "splash.png", "logo.png", "icon.bmp", "intro.avi",
        "Assets/Layouts/turtle_demo.lyt", "Assets/Layouts/turtle_preview.png",
    ]
    for info in (STANDARD, HIRAGANA):
        outputs += [info["dir"] + "/" + info[k] for k in ("picture", "mtl", "tls", "preview")]
    total = 0
    for rel in outputs:
        if not os.path.isfile(path(rel)):
            fail("missing " + rel)
            continue
        size = os.path.getsize(path(rel))
        total += size
        if size > MAX_FILE:
            fail("%s is %d bytes, over 2 MiB" % (rel, size))
        print("%9d  %s" % (size, rel))
    print("%9d  total" % total)
    if total > MAX_TOTAL:
        fail("outputs total %d bytes, over 8 MiB" % total)
    for p in problems:
        print("PROBLEM: " + p)
    print("%d passed, %d failed" % (1 if not problems else 0, len(problems)))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
