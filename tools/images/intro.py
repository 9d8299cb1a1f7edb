"""The intro movie: tiles fly in from all sides, land in a row, turn over
and spell the title, a glint runs along them and the subtitle appears.
Frames are drawn with cairo and encoded as MJPEG in an AVI by ffmpeg."""

import math
import random
import subprocess
import sys

import cairo
import numpy as np
from PIL import Image

from common import (GOLD, JADE, SERIF_BOLD, FACE_JP, UNIT_W, UNIT_H, crop_cell, draw_spaced,
                    draw_text, linear, new_surface, out_path, surface_to_rgba, lighten, darken)
from tilerender import draw_tile
from titles import jade_background, ornament_rule, gold

OUT_W, OUT_H = 320, 240
SS = 2  # frames are drawn at twice the size and filtered down
W, H = OUT_W * SS, OUT_H * SS
FPS = 25
DURATION = 6.8
TITLE = "JADELOOM"
TILE_W = 62
GAP = 8
ROW_Y = 196
FLY_START, FLY_STAGGER, FLY_TIME = 0.35, 0.2, 1.25
FLIP_DELAY, FLIP_TIME = 0.15, 0.42
GLINT_AT, GLINT_TIME = 3.85, 0.9
SUB_AT = 4.1
FADE_OUT = 0.6


def ease_out(p):
    p = min(max(p, 0.0), 1.0)
    return 1 - (1 - p) ** 3


def ease_in_out(p):
    p = min(max(p, 0.0), 1.0)
    return p * p * (3 - 2 * p)


def letter_face(ch):
    """A face picture (PIL RGBA, transparent ground) of one title letter."""
    cw, chh = 121, 171
    surf = new_surface(cw, chh)
    ctx = cairo.Context(surf)
    ctx.scale(cw / UNIT_W, chh / UNIT_H)
    grad = linear(0, 30, 0, 110, [(0, (0.10, 0.55, 0.38)), (1, (0.01, 0.26, 0.17))])
    draw_text(ctx, ch, UNIT_W / 2, UNIT_H / 2 - 4, 74, 84, grad, path=SERIF_BOLD, index=FACE_JP, em=104)
    ctx.set_source_rgb(*GOLD)
    ctx.rectangle(30, UNIT_H - 24, 40, 2.4)
    ctx.fill()
    return Image.fromarray(surface_to_rgba(surf))


def plan(atlas):
    rng = random.Random(20240611)
    total = len(TITLE) * TILE_W + (len(TITLE) - 1) * GAP
    x0 = (W - total) / 2
    cells = [(0, 0), (4, 4), (0, 2), (2, 3), (5, 4), (2, 4), (4, 3), (6, 4)]
    tiles = []
    order = list(range(len(TITLE)))
    rng.shuffle(order)
    for k, i in enumerate(order):
        ang = rng.uniform(0, 2 * math.pi)
        dist = rng.uniform(520, 640)
        tiles.append(dict(
            index=i,
            start=FLY_START + k * FLY_STAGGER,
            tx=x0 + i * (TILE_W + GAP) + TILE_W / 2,
            ty=ROW_Y,
            sx=W / 2 + math.cos(ang) * dist,
            sy=H / 2 + math.sin(ang) * dist * 0.8,
            bend=rng.uniform(-160, 160),
            spin=rng.choice((-1, 1)) * rng.uniform(1.2, 2.2) * math.pi,
            face=crop_cell(atlas, *cells[i]),
            letter=letter_face(TITLE[i]),
        ))
    return tiles


def draw_frame(t, tiles, background):
    surf = new_surface(W, H)
    ctx = cairo.Context(surf)
    ctx.set_source_surface(background, 0, 0)
    ctx.paint()
    layer = new_surface(W, H)
    lctx = cairo.Context(layer)
    landed = []
    # flying tiles are drawn after the landed ones so they pass over them
    for tl in sorted(tiles, key=lambda d: (t - d["start"] < FLY_TIME, d["start"]), reverse=True):
        p = (t - tl["start"]) / FLY_TIME
        if p <= 0:
            continue
        e = ease_out(p)
        # quadratic path with a sideways bend
        mx = (tl["sx"] + tl["tx"]) / 2 + tl["bend"]
        my = (tl["sy"] + tl["ty"]) / 2 - abs(tl["bend"]) * 0.5
        x = (1 - e) ** 2 * tl["sx"] + 2 * (1 - e) * e * mx + e * e * tl["tx"]
        y = (1 - e) ** 2 * tl["sy"] + 2 * (1 - e) * e * my + e * e * tl["ty"]
        rot = tl["spin"] * (1 - e)
        scale = 1 + 0.9 * (1 - e)
        fp = (t - tl["start"] - FLY_TIME - FLIP_DELAY) / FLIP_TIME
        fp = ease_in_out(fp)
        sx = abs(math.cos(math.pi * fp))
        face = tl["face"] if fp < 0.5 else tl["letter"]
        h = TILE_W / 0.706
        lift = (scale - 1) * 28
        lctx.save()
        lctx.translate(x, y)
        lctx.rotate(rot)
        lctx.scale(scale * max(sx, 0.02), scale)
        # shadow grows while the tile is still high above the table
        lctx.save()
        lctx.translate(lift * 0.6 + 3, lift + 4)
        lctx.rectangle(-TILE_W / 2, -h / 2, TILE_W + 6, h + 6)
        lctx.set_source_rgba(0, 0, 0, 0.28)
        lctx.fill()
        lctx.restore()
        draw_tile(lctx, -TILE_W / 2, -h / 2, TILE_W, face, depth=TILE_W * 0.17, shadow=False)
        lctx.restore()
    # glint across the landed row, masked by the tiles
    if GLINT_AT <= t <= GLINT_AT + GLINT_TIME:
        g = (t - GLINT_AT) / GLINT_TIME
        cx = -150 + g * (W + 300)
        shine = linear(cx - 70, 0, cx + 70, 0, [(0, (1, 1, 1, 0)), (0.5, (1, 1, 0.9, 0.55)), (1, (1, 1, 1, 0))])
        lctx.save()
        lctx.set_operator(cairo.OPERATOR_ATOP)
        lctx.set_source(shine)
        lctx.paint()
        lctx.restore()
    ctx.set_source_surface(layer, 0, 0)
    ctx.paint()
    # subtitle and ornament
    a = ease_in_out((t - SUB_AT) / 0.8)
    if a > 0:
        ctx.push_group()
        ornament_rule(ctx, W / 2, 292, 190 * a + 1, GOLD)
        draw_spaced(ctx, "TILE SOLITAIRE", W / 2, 330, 26, 0.32, (0.95, 0.92, 0.82))
        ctx.pop_group_to_source()
        ctx.paint_with_alpha(a)
    # fade in from and out to black
    fade = min(ease_in_out(t / 0.6), ease_in_out((DURATION - t) / FADE_OUT))
    if fade < 1:
        ctx.set_source_rgba(0, 0, 0, 1 - fade)
        ctx.paint()
    img = Image.fromarray(surface_to_rgba(surf)[..., :3])
    return img.resize((OUT_W, OUT_H), Image.LANCZOS)


def main():
    atlas = Image.open(out_path("Assets", "Tiles", "Standard", "standard_tiles.png")).convert("RGBA")
    tiles = plan(atlas)
    background = new_surface(W, H)
    jade_background(cairo.Context(background), W, H)
    frames = int(round(DURATION * FPS))
    only = int(sys.argv[1]) if len(sys.argv) > 1 else None
    if only is not None:
        draw_frame(only / FPS, tiles, background).save("/tmp/intro_frame.png")
        return
    cmd = ["ffmpeg", "-v", "error", "-y", "-f", "rawvideo", "-pix_fmt", "rgb24",
           "-s", "%dx%d" % (OUT_W, OUT_H), "-r", str(FPS), "-i", "-",
           "-threads", "1", "-c:v", "mjpeg", "-q:v", "3", "-pix_fmt", "yuvj420p",
           "-fflags", "+bitexact", "-flags:v", "+bitexact", "-map_metadata", "-1",
           out_path("intro.avi")]
    proc = subprocess.Popen(cmd, stdin=subprocess.PIPE)
    for f in range(frames):
        proc.stdin.write(np.asarray(draw_frame(f / FPS, tiles, background)).tobytes())
    proc.stdin.close()
    if proc.wait() != 0:
        raise SystemExit("ffmpeg failed")


if __name__ == "__main__":
    main()
