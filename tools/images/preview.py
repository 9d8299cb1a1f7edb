"""Tile set preview: a fan of sample tiles on a felt background with the
set's name."""

import math

import cairo

from common import (JADE_DEEP, JADE, GOLD, IVORY, SERIF_BOLD, FACE_JP, crop_cell, draw_text,
                    new_surface, radial, linear, surface_to_rgba, save_png, lighten, darken)
from tilerender import draw_tile

SIZE = 512


def felt(ctx, w, h):
    ctx.set_source(radial(w / 2, h * 0.45, 0, max(w, h) * 0.75,
                          [(0, lighten(JADE, 0.08)), (0.6, darken(JADE, 0.35)), (1, JADE_DEEP)]))
    ctx.paint()


def set_preview(atlas, templates, picks, title, path):
    pos = {t[0]: (t[1], t[2]) for t in templates}
    surf = new_surface(SIZE, SIZE)
    ctx = cairo.Context(surf)
    felt(ctx, SIZE, SIZE)
    # gold double rule around the picture
    ctx.set_source_rgba(*GOLD, 0.85)
    ctx.set_line_width(3)
    ctx.rectangle(10, 10, SIZE - 20, SIZE - 20)
    ctx.stroke()
    ctx.set_line_width(1)
    ctx.rectangle(18, 18, SIZE - 36, SIZE - 36)
    ctx.stroke()
    # two staggered rows of tiles, the lower row in front
    w = 86
    rows = [picks[:5], picks[5:10]]
    for ri, row in enumerate(rows):
        n = len(row)
        total = n * w + (n - 1) * 6
        x0 = (SIZE - total) / 2 - 6 + ri * 14
        y0 = 104 + ri * 178
        for i, name in enumerate(row):
            c, r = pos[name]
            draw_tile(ctx, x0 + i * (w + 6), y0, w, crop_cell(atlas, c, r))
    draw_text(ctx, title, SIZE / 2, 60, SIZE - 80, 42, GOLD, path=SERIF_BOLD, index=FACE_JP, em=46)
    save_png(surface_to_rgba(surf)[..., :3], path)
