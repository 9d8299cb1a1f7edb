"""Contact sheets of every face of both sets, for looking at while working
on the art (written to build-images/, never committed): each face on an
ivory tile at full size and at the small size a tile has on screen."""

import os
import sys

import cairo
from PIL import Image

from common import REPO, IVORY, SERIF_BOLD, FACE_JP, crop_cell, draw_text, new_surface, surface_to_rgba, save_png
from tilerender import draw_tile
from tilesets import STANDARD, HIRAGANA, standard_templates, hiragana_templates

OUT = os.path.join(REPO, "build-images")


def sheet(info, templates, per_row, name, by_cell=False):
    """by_cell places every face where its cell lies in the atlas grid."""
    atlas = Image.open(os.path.join(REPO, info["dir"], info["picture"])).convert("RGBA")
    w = 120
    h = w / 0.706
    n = len(templates)
    rows = (n + per_row - 1) // per_row
    if by_cell:
        rows = max(t[2] for t in templates) + 1
    W = per_row * (w + 30) + 30
    H = int(rows * (h + 44) + 40)
    surf = new_surface(W, H)
    ctx = cairo.Context(surf)
    ctx.set_source_rgb(0.30, 0.33, 0.32)
    ctx.paint()
    for i, t in enumerate(templates):
        col, row = (t[1], t[2]) if by_cell else (i % per_row, i // per_row)
        x = 20 + col * (w + 30)
        y = 20 + row * (h + 44)
        draw_tile(ctx, x, y, w, crop_cell(atlas, t[1], t[2]), shadow=False)
        draw_text(ctx, t[0], x + w / 2, y + h + 27, w + 20, 13, (1, 1, 1), path=SERIF_BOLD, index=FACE_JP, em=15)
    img = Image.fromarray(surface_to_rgba(surf))
    save_png(img, os.path.join(OUT, name + ".png"))
    # small version: the size of a tile face in a window of ordinary size
    small = img.resize((img.width * 3 // 10, img.height * 3 // 10), Image.LANCZOS)
    save_png(small, os.path.join(OUT, name + "_small.png"))


def main():
    os.makedirs(OUT, exist_ok=True)
    sheet(STANDARD, standard_templates(), 9, "contact_standard", by_cell=True)
    sheet(HIRAGANA, hiragana_templates(), 12, "contact_hiragana")


if __name__ == "__main__":
    main()
