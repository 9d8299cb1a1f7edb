"""Writes the Hiragana(Basic) atlas, material, tile set file and preview:
kana in rows 0-2, their romaji in the same columns of rows 3-5."""

import math

import cairo

from atlas import build_atlas
from common import (UNIT_W, UNIT_H, INK, INK_LIGHT, RED, RED_DARK, GOLD, SERIF_BOLD, FACE_JP,
                    draw_text, linear, out_path, rounded_rect, lighten, darken)
from preview import set_preview
from tilesets import HIRAGANA, KANA, KANA_SYLLABLES, hiragana_templates, write_set_files

CX = UNIT_W / 2
VERMILION = (0.80, 0.20, 0.13)


def corner_marks(ctx, col):
    """Small L-shaped marks in the four corners, shared by both kinds of face."""
    ctx.set_source_rgba(*col, 0.9)
    ctx.set_line_width(1.6)
    m, l = 9, 9
    for x, y, dx, dy in ((m, m, 1, 1), (UNIT_W - m, m, -1, 1), (m, UNIT_H - m, 1, -1),
                         (UNIT_W - m, UNIT_H - m, -1, -1)):
        ctx.move_to(x, y + dy * l)
        ctx.line_to(x, y)
        ctx.line_to(x + dx * l, y)
    ctx.stroke()


def kana_face(ctx, kana):
    corner_marks(ctx, INK_LIGHT)
    grad = linear(0, 25, 0, 120, [(0, INK_LIGHT), (1, darken(INK, 0.35))])
    draw_text(ctx, kana, CX, 68, 78, 92, grad, path=SERIF_BOLD, index=FACE_JP, em=82)
    # a small seal under the kana
    s = 9
    rounded_rect(ctx, CX - s / 2, 118, s, s, 1.8)
    ctx.set_source_rgb(*VERMILION)
    ctx.fill()


def romaji_face(ctx, syllable):
    corner_marks(ctx, VERMILION)
    grad = linear(0, 45, 0, 95, [(0, lighten(VERMILION, 0.1)), (1, RED_DARK)])
    draw_text(ctx, syllable, CX, 66, 76, 40, grad, path=SERIF_BOLD, index=FACE_JP, em=48)
    # rule with a diamond
    y = 100
    ctx.set_source_rgb(*INK)
    ctx.set_line_width(1.4)
    ctx.move_to(24, y)
    ctx.line_to(44, y)
    ctx.move_to(56, y)
    ctx.line_to(76, y)
    ctx.stroke()
    ctx.move_to(CX, y - 4)
    ctx.line_to(CX + 4, y)
    ctx.line_to(CX, y + 4)
    ctx.line_to(CX - 4, y)
    ctx.close_path()
    ctx.set_source_rgb(*GOLD)
    ctx.fill()


def draw_face(ctx, name):
    kind, syl = name.split("-", 1)
    if kind == "Japanese":
        kana_face(ctx, KANA[KANA_SYLLABLES.index(syl)])
    else:
        romaji_face(ctx, syl)


def main():
    info = HIRAGANA
    templates = hiragana_templates()
    atlas = build_atlas(templates, draw_face, out_path(info["dir"], info["picture"]))
    write_set_files(info, templates)
    syllables = ["A", "KA", "SHI", "TSU", "WO"]
    picks = ["Japanese-" + s for s in syllables] + ["Romaji-" + s for s in syllables]
    set_preview(atlas, templates, picks, "ひらがな Hiragana", out_path(info["dir"], info["preview"]))


if __name__ == "__main__":
    main()
