"""Start-up pictures: the title card "splash.png", the studio card
"logo.png" (both the shape of the default 1024 x 700 window, since they are
stretched over the window) and the 32 x 32 window icon "icon.bmp"."""

import math

import cairo
import numpy as np
from PIL import Image

from common import (SANS_BOLD, GOLD, IVORY, JADE, JADE_DEEP, SERIF_BOLD, SERIF_REGULAR, FACE_JP, FACE_TC,
                    crop_cell, draw_spaced, draw_text, linear, new_surface, out_path, radial,
                    rounded_rect, surface_to_rgba, save_png, lighten, darken)
from tilerender import draw_tile

GOLD_LIGHT = (1.0, 0.88, 0.55)
GOLD_DEEP = (0.62, 0.43, 0.10)


def gold(y0, y1):
    return linear(0, y0, 0, y1, [(0, GOLD_LIGHT), (0.5, GOLD), (0.52, GOLD_DEEP), (1, GOLD)])


def jade_background(ctx, w, h, lattice=True):
    ctx.set_source(radial(w / 2, h * 0.42, 0, max(w, h) * 0.72,
                          [(0, lighten(JADE, 0.12)), (0.55, darken(JADE, 0.3)), (1, darken(JADE_DEEP, 0.4))]))
    ctx.paint()
    if lattice:
        # faint window-lattice fretwork
        ctx.set_source_rgba(1, 1, 1, 0.035)
        ctx.set_line_width(2)
        step = 48
        for gx in range(-step, w + step, step):
            for gy in range(-step, h + step, step):
                ctx.rectangle(gx + 8, gy + 8, step - 16, step - 16)
                ctx.move_to(gx + step / 2, gy + 8)
                ctx.line_to(gx + step / 2, gy + step / 2 - 6)
                ctx.move_to(gx + step / 2, gy + step / 2 + 6)
                ctx.line_to(gx + step / 2, gy + step - 8)
        ctx.stroke()
    # vignette
    ctx.set_source(radial(w / 2, h / 2, min(w, h) * 0.35, max(w, h) * 0.75,
                          [(0, (0, 0, 0, 0)), (1, (0, 0, 0, 0.55))]))
    ctx.paint()


def shadowed_text(ctx, text, cx, cy, em, tracking, source, blur=6, alpha=0.5):
    for i in range(blur):
        d = 1 + i
        draw_spaced(ctx, text, cx + d * 0.6, cy + d, em, tracking, (0, 0, 0, alpha / blur * 1.6))
    return draw_spaced(ctx, text, cx, cy, em, tracking, source)


def ornament_rule(ctx, cx, y, half, col):
    ctx.set_source_rgb(*col)
    ctx.set_line_width(1.6)
    ctx.move_to(cx - half, y)
    ctx.line_to(cx - 14, y)
    ctx.move_to(cx + 14, y)
    ctx.line_to(cx + half, y)
    ctx.stroke()
    ctx.move_to(cx, y - 7)
    ctx.line_to(cx + 7, y)
    ctx.line_to(cx, y + 7)
    ctx.line_to(cx - 7, y)
    ctx.close_path()
    ctx.fill()
    for s in (-1, 1):
        ctx.arc(cx + s * (half + 6), y, 3, 0, 2 * math.pi)
        ctx.fill()


def tile_fan(ctx, atlas, cx, pivot_y, radius, w, cells, spread):
    """Tiles fanned like a hand of cards about a pivot below them."""
    n = len(cells)
    for i, (col, row) in enumerate(cells):
        ang = spread * (i - (n - 1) / 2) / max(1, (n - 1) / 2)
        ctx.save()
        ctx.translate(cx, pivot_y)
        ctx.rotate(ang)
        ctx.translate(0, -radius)
        draw_tile(ctx, -w / 2, -w / 0.706 / 2, w, crop_cell(atlas, col, row), depth=w * 0.17)
        ctx.restore()


def splash(atlas, path, W=1024, H=700):
    surf = new_surface(W, H)
    ctx = cairo.Context(surf)
    jade_background(ctx, W, H)
    cells = [(6, 4), (0, 0), (2, 3), (0, 2), (4, 4), (2, 4), (5, 4)]
    tile_fan(ctx, atlas, W / 2, 818, 640, 100, cells, 0.57)
    ty = 490
    shadowed_text(ctx, "Jadeloom", W / 2, ty, 150, 0.02, gold(ty - 60, ty + 60))
    ornament_rule(ctx, W / 2, 574, 200, GOLD)
    draw_spaced(ctx, "TILE SOLITAIRE", W / 2, 614, 28, 0.32, (0.93, 0.90, 0.80))
    save_png(surface_to_rgba(surf)[..., :3], path)


def emblem(ctx, cx, cy, s):
    """The studio mark: a jade tile woven through with three gold threads."""
    w, h = s * 0.72, s
    # soft glow
    ctx.set_source(radial(cx, cy, 0, s * 1.1, [(0, (0.3, 0.9, 0.7, 0.20)), (1, (0.3, 0.9, 0.7, 0))]))
    ctx.paint()
    rounded_rect(ctx, cx - w / 2 + s * 0.06, cy - h / 2 + s * 0.06, w, h, s * 0.09)
    ctx.set_source_rgba(0, 0, 0, 0.45)
    ctx.fill()
    rounded_rect(ctx, cx - w / 2, cy - h / 2, w, h, s * 0.09)
    ctx.set_source(linear(cx - w / 2, cy - h / 2, cx + w / 2, cy + h / 2,
                          [(0, (0.42, 0.82, 0.62)), (0.45, (0.10, 0.55, 0.40)), (1, (0.02, 0.26, 0.20))]))
    ctx.fill_preserve()
    ctx.set_source_rgba(*GOLD, 0.9)
    ctx.set_line_width(s * 0.02)
    ctx.stroke()
    # a plain weave: gold weft bands, pale warp threads over every other band
    warp_x = [cx - w / 2 + w * i / 6 for i in range(1, 6)]
    weft_y = [cy + f * h for f in (-0.27, -0.09, 0.09, 0.27)]
    band = s * 0.075
    ctx.set_source_rgba(1, 1, 1, 0.28)
    ctx.set_line_width(s * 0.04)
    for x in warp_x:
        ctx.move_to(x, cy - h / 2 + s * 0.05)
        ctx.line_to(x, cy + h / 2 - s * 0.05)
    ctx.stroke()
    for j, y in enumerate(weft_y):
        x0, x1 = cx - w / 2 - s * 0.10, cx + w / 2 + s * 0.10
        rounded_rect(ctx, x0, y - band / 2, x1 - x0, band, band / 2)
        ctx.set_source(linear(0, y - band / 2, 0, y + band / 2, [(0, GOLD_LIGHT), (0.6, GOLD), (1, GOLD_DEEP)]))
        ctx.fill()
        for i, x in enumerate(warp_x):
            if (i + j) % 2 == 0:
                ctx.rectangle(x - s * 0.022, y - band / 2 - 1, s * 0.044, band + 2)
                ctx.set_source(linear(x - s * 0.022, 0, x + s * 0.022, 0,
                                      [(0, (0.70, 0.88, 0.80)), (0.5, (0.93, 1.0, 0.96)), (1, (0.55, 0.75, 0.66))]))
                ctx.fill()
    # gloss
    rounded_rect(ctx, cx - w / 2 + s * 0.03, cy - h / 2 + s * 0.03, w - s * 0.06, h * 0.42, s * 0.07)
    ctx.set_source(linear(0, cy - h / 2, 0, cy, [(0, (1, 1, 1, 0.30)), (1, (1, 1, 1, 0))]))
    ctx.fill()


def logo(path, W=1024, H=700):
    surf = new_surface(W, H)
    ctx = cairo.Context(surf)
    ctx.set_source(radial(W / 2, H * 0.42, 0, W * 0.7, [(0, (0.10, 0.14, 0.14)), (1, (0.02, 0.03, 0.03))]))
    ctx.paint()
    emblem(ctx, W / 2, 268, 220)
    draw_spaced(ctx, "JADELOOM", W / 2, 458, 62, 0.30, gold(428, 488))
    ornament_rule(ctx, W / 2, 506, 150, GOLD)
    draw_spaced(ctx, "GAMES", W / 2, 548, 30, 0.60, (0.85, 0.85, 0.80))
    draw_spaced(ctx, "Loading...", W / 2, 640, 18, 0.12, (0.55, 0.60, 0.58))
    save_png(surface_to_rgba(surf)[..., :3], path)


def icon(path, desktop_path):
    S = 256
    surf = new_surface(S, S)
    ctx = cairo.Context(surf)
    rounded_rect(ctx, 0, 0, S, S, 0)
    ctx.set_source(linear(0, 0, S, S, [(0, lighten(JADE, 0.1)), (1, JADE_DEEP)]))
    ctx.fill()
    # tile: face and a jade back, almost filling the square
    w, h = 168, 224
    x, y = (S - w) / 2 - 10, (S - h) / 2 - 10
    rounded_rect(ctx, x + 22, y + 22, w, h, 22)
    ctx.set_source_rgb(*darken(JADE, 0.45))
    ctx.fill()
    rounded_rect(ctx, x + 12, y + 12, w, h, 22)
    ctx.set_source_rgb(0.80, 0.74, 0.60)
    ctx.fill()
    rounded_rect(ctx, x, y, w, h, 22)
    ctx.set_source(linear(x, y, x + w, y + h, [(0, lighten(IVORY, 0.5)), (1, IVORY)]))
    ctx.fill()
    draw_text(ctx, "玉", x + w / 2, y + h / 2, w * 0.86, h * 0.76,
              linear(0, y, 0, y + h, [(0, (0.15, 0.62, 0.40)), (1, (0.0, 0.33, 0.20))]),
              path=SANS_BOLD, index=FACE_TC, stroke=9)
    full = Image.fromarray(surface_to_rgba(surf)[..., :3])
    full.save(desktop_path, format="PNG", optimize=True)  # the desktop entry's icon
    img = full.resize((32, 32), Image.LANCZOS)
    img.save(path, format="BMP")


def main():
    atlas = Image.open(out_path("Assets", "Tiles", "Standard", "standard_tiles.png")).convert("RGBA")
    splash(atlas, out_path("splash.png"))
    logo(out_path("logo.png"))
    icon(out_path("icon.bmp"), out_path("packaging", "jadeloom.png"))


if __name__ == "__main__":
    main()
