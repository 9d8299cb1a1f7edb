"""Drawing of the Standard set's faces. Every function draws one face in the
local cell frame (100 x UNIT_H units, top-left origin) on a transparent
background: only the strokes are opaque, the tile's ivory shows elsewhere."""

import math

import cairo

from common import (UNIT_H, UNIT_W, INK, INK_LIGHT, RED, RED_DARK, GREEN, GREEN_DARK,
                    GREEN_LIGHT, BLUE, GOLD, SERIF_BOLD, FACE_TC, draw_text, linear,
                    radial, rounded_rect, lighten, darken, mix)

CX = UNIT_W / 2
CY = UNIT_H / 2
TEAL = (0.02, 0.38, 0.42)
BROWN = (0.36, 0.20, 0.10)
PINK = (0.89, 0.33, 0.45)
PURPLE = (0.45, 0.20, 0.60)
ORANGE = (0.90, 0.47, 0.08)


def fill(ctx, col):
    if isinstance(col, tuple):
        ctx.set_source_rgb(*col)
    else:
        ctx.set_source(col)
    ctx.fill()


def gloss(x0, y0, x1, y1, col):
    """A three-stop gradient that gives a rounded look across a shape."""
    return linear(x0, y0, x1, y1, [(0, darken(col, 0.25)), (0.38, lighten(col, 0.28)), (1, darken(col, 0.35))])


# ---------------------------------------------------------------- bamboo

def stick(ctx, cx, cy, length, width, col, angle=0.0):
    """A bamboo stick: a slim stalk with swollen joints at both ends and the middle."""
    ctx.save()
    ctx.translate(cx, cy)
    ctx.rotate(math.radians(angle))
    hl, hw = length / 2, width / 2
    # stalk, slightly waisted between joints
    ctx.move_to(-hw * 0.80, -hl + width * 0.3)
    ctx.curve_to(-hw * 0.55, -hl / 2, -hw * 0.55, -hl / 2, -hw * 0.80, 0)
    ctx.curve_to(-hw * 0.55, hl / 2, -hw * 0.55, hl / 2, -hw * 0.80, hl - width * 0.3)
    ctx.line_to(hw * 0.80, hl - width * 0.3)
    ctx.curve_to(hw * 0.55, hl / 2, hw * 0.55, hl / 2, hw * 0.80, 0)
    ctx.curve_to(hw * 0.55, -hl / 2, hw * 0.55, -hl / 2, hw * 0.80, -hl + width * 0.3)
    ctx.close_path()
    fill(ctx, gloss(-hw, 0, hw, 0, col))
    # centre vein
    ctx.set_line_width(width * 0.10)
    ctx.set_source_rgba(*lighten(col, 0.55), 0.85)
    for y0, y1 in ((-hl + width * 0.45, -width * 0.3), (width * 0.3, hl - width * 0.45)):
        ctx.move_to(-hw * 0.12, y0)
        ctx.line_to(-hw * 0.12, y1)
        ctx.stroke()
    # joints
    for jy in (-hl + width * 0.22, 0.0, hl - width * 0.22):
        ctx.save()
        ctx.translate(0, jy)
        ctx.scale(hw * 1.05, width * 0.26)
        ctx.arc(0, 0, 1, 0, 2 * math.pi)
        ctx.restore()
        fill(ctx, gloss(-hw, 0, hw, 0, darken(col, 0.15)))
        ctx.save()
        ctx.translate(0, jy)
        ctx.scale(hw * 0.55, width * 0.09)
        ctx.arc(0, 0, 1, 0, 2 * math.pi)
        ctx.restore()
        ctx.set_source_rgba(*lighten(col, 0.6), 0.9)
        ctx.fill()
    ctx.restore()


BAMBOO_GREEN = GREEN
BAMBOO_TEAL = TEAL


def bamboo_sticks(ctx, n):
    g, t, r = BAMBOO_GREEN, BAMBOO_TEAL, RED
    L, W = 54, 14.5
    top, bot = 40, UNIT_H - 40
    if n == 2:
        items = [(CX, top, L, W, g, 0), (CX, bot, L, W, t, 0)]
    elif n == 3:
        items = [(CX, top, L, W, t, 0), (29, bot, L, W, g, 0), (71, bot, L, W, g, 0)]
    elif n == 4:
        items = [(29, top, L, W, t, 0), (71, top, L, W, g, 0), (29, bot, L, W, g, 0), (71, bot, L, W, t, 0)]
    elif n == 5:
        L5 = 50
        items = [(22, 38, L5, W, g, 0), (78, 38, L5, W, t, 0), (CX, CY, L5, W, r, 0),
                 (22, UNIT_H - 38, L5, W, t, 0), (78, UNIT_H - 38, L5, W, g, 0)]
    elif n == 6:
        items = [(x, top, L, 13, g, 0) for x in (22, CX, 78)] + [(x, bot, L, 13, t, 0) for x in (22, CX, 78)]
    elif n == 7:
        L7 = 37
        ys = (29, CY, UNIT_H - 29)
        items = [(CX, ys[0], L7, 13, r, 0)]
        items += [(x, ys[1], L7, 13, g, 0) for x in (22, CX, 78)]
        items += [(x, ys[2], L7, 13, t, 0) for x in (22, CX, 78)]
    elif n == 8:
        L8, W8 = 52, 12.5
        items = [(17, top, L8, W8, g, 0), (83, top, L8, W8, g, 0),
                 (39, top, L8, W8, t, 16), (61, top, L8, W8, t, -16),
                 (17, bot, L8, W8, g, 0), (83, bot, L8, W8, g, 0),
                 (39, bot, L8, W8, t, -16), (61, bot, L8, W8, t, 16)]
    else:
        L9 = 37
        ys = (29, CY, UNIT_H - 29)
        items = []
        for y in ys:
            items += [(22, y, L9, 13, g, 0), (CX, y, L9, 13, r, 0), (78, y, L9, 13, t, 0)]
    for it in items:
        stick(ctx, *it)


def feather(ctx, x0, y0, ang, length, width, col, eye=True):
    """A long tail feather ending in a peacock eye."""
    ctx.save()
    ctx.translate(x0, y0)
    ctx.rotate(ang)
    ctx.move_to(0, 0)
    ctx.curve_to(width * 0.6, -length * 0.3, width, -length * 0.75, 0, -length)
    ctx.curve_to(-width, -length * 0.75, -width * 0.6, -length * 0.3, 0, 0)
    ctx.close_path()
    fill(ctx, linear(0, 0, 0, -length, [(0, darken(col, 0.3)), (1, lighten(col, 0.2))]))
    ctx.set_source_rgb(*darken(col, 0.45))
    ctx.set_line_width(0.7)
    ctx.move_to(0, -2)
    ctx.line_to(0, -length * 0.8)
    ctx.stroke()
    if eye:
        ey = -length * 0.80
        for rr, c in ((width * 0.62, GOLD), (width * 0.45, BLUE), (width * 0.22, darken(INK, 0.3))):
            ctx.arc(0, ey, rr, 0, 2 * math.pi)
            fill(ctx, c)
    ctx.restore()


def bird(ctx):
    """Bamboo 1: a peacock on a bamboo twig, facing left."""
    # twig
    stick(ctx, 52, 118, 70, 9, GREEN, 90)
    # tail fan behind the body
    base_x, base_y = 60, 94
    angs = [-0.02, 0.26, 0.52, 0.76, 0.98]
    lens = [74, 66, 58, 48, 38]
    cols = [TEAL, GREEN, TEAL, GREEN, TEAL]
    for a, ln, c in zip(angs, lens, cols):
        feather(ctx, base_x, base_y, a, ln, 9.5, c)
    # legs
    ctx.set_source_rgb(*RED_DARK)
    ctx.set_line_width(2.2)
    ctx.set_line_cap(cairo.LINE_CAP_ROUND)
    for lx in (44, 52):
        ctx.move_to(lx, 100)
        ctx.line_to(lx - 1, 113)
        ctx.stroke()
        ctx.move_to(lx - 5, 114)
        ctx.line_to(lx + 3, 114)
        ctx.stroke()
    # body
    ctx.move_to(30, 60)
    ctx.curve_to(22, 82, 36, 104, 56, 102)
    ctx.curve_to(70, 100, 72, 88, 64, 80)
    ctx.curve_to(54, 72, 44, 66, 40, 52)
    ctx.close_path()
    fill(ctx, linear(30, 55, 60, 100, [(0, lighten(BLUE, 0.1)), (0.55, GREEN), (1, GREEN_DARK)]))
    # red breast
    ctx.move_to(29, 64)
    ctx.curve_to(24, 80, 32, 94, 44, 98)
    ctx.curve_to(36, 86, 35, 74, 38, 62)
    ctx.close_path()
    fill(ctx, linear(25, 64, 44, 98, [(0, RED), (1, RED_DARK)]))
    # wing of overlapping scallops
    for i, (wx, wy, wr) in enumerate(((52, 78, 11), (58, 86, 10), (49, 89, 9), (62, 94, 7), (54, 96, 7))):
        ctx.arc(wx, wy, wr, 0, 2 * math.pi)
        fill(ctx, radial(wx - 2, wy - 2, 0, wr, [(0, lighten(GREEN, 0.35)), (1, darken(TEAL, 0.2))]))
        ctx.arc(wx, wy, wr, 0, 2 * math.pi)
        ctx.set_source_rgb(*darken(TEAL, 0.5))
        ctx.set_line_width(0.8)
        ctx.stroke()
    # neck and head
    ctx.move_to(30, 62)
    ctx.curve_to(26, 50, 28, 40, 33, 34)
    ctx.line_to(42, 36)
    ctx.curve_to(40, 44, 40, 52, 42, 60)
    ctx.close_path()
    fill(ctx, linear(26, 34, 44, 62, [(0, BLUE), (1, lighten(BLUE, 0.15))]))
    ctx.arc(36, 33, 8.5, 0, 2 * math.pi)
    fill(ctx, radial(34, 30, 0, 9, [(0, lighten(BLUE, 0.35)), (1, BLUE)]))
    # crest
    ctx.set_source_rgb(*darken(BLUE, 0.3))
    ctx.set_line_width(1.0)
    for dx, h in ((-3, 12), (1, 14), (5, 12)):
        ctx.move_to(36, 26)
        ctx.line_to(36 + dx, 26 - h)
        ctx.stroke()
        ctx.arc(36 + dx, 26 - h, 2.0, 0, 2 * math.pi)
        fill(ctx, RED)
    # beak
    ctx.move_to(28.5, 30.5)
    ctx.line_to(19, 34.5)
    ctx.line_to(29, 36.5)
    ctx.close_path()
    fill(ctx, linear(19, 33, 29, 33, [(0, ORANGE), (1, GOLD)]))
    # eye with a white ring
    ctx.arc(34, 31.5, 2.9, 0, 2 * math.pi)
    ctx.set_source_rgb(1, 1, 1)
    ctx.fill()
    ctx.arc(33.6, 31.5, 1.6, 0, 2 * math.pi)
    fill(ctx, (0.05, 0.05, 0.08))
    # cheek mark
    ctx.move_to(37, 35)
    ctx.curve_to(40, 36, 42, 34, 43, 31)
    ctx.set_source_rgb(1, 1, 1)
    ctx.set_line_width(1.1)
    ctx.stroke()


# ---------------------------------------------------------------- characters

NUMERALS = "一二三四五六七八九"


def character(ctx, n):
    grad = linear(0, 10, 0, 62, [(0, INK_LIGHT), (1, INK)])
    draw_text(ctx, NUMERALS[n - 1], CX, 36, 70, 46, grad, em=66)
    grad = linear(0, 66, 0, 134, [(0, lighten(RED, 0.1)), (1, RED_DARK)])
    draw_text(ctx, "萬", CX, 100, 80, 66, grad, em=78)


# ---------------------------------------------------------------- wheels

def dot(ctx, cx, cy, r, col, centre=None):
    """A circle of the wheel suit: a ring, a gap and an inner disc with a
    pierced rosette around a contrasting centre."""
    centre = centre or (RED if col != RED else BLUE)
    ctx.arc(cx, cy, r, 0, 2 * math.pi)
    fill(ctx, radial(cx, cy, 0, r, [(0, lighten(col, 0.25)), (0.8, col), (1, darken(col, 0.3))],
                     fx=cx - r * 0.3, fy=cy - r * 0.3))
    ctx.save()
    ctx.set_operator(cairo.OPERATOR_CLEAR)
    ctx.set_line_width(r * 0.10)
    ctx.arc(cx, cy, r * 0.78, 0, 2 * math.pi)
    ctx.stroke()
    for i in range(8):
        a = i * math.pi / 4
        ctx.arc(cx + math.cos(a) * r * 0.50, cy + math.sin(a) * r * 0.50, r * 0.11, 0, 2 * math.pi)
        ctx.fill()
    ctx.arc(cx, cy, r * 0.30, 0, 2 * math.pi)
    ctx.fill()
    ctx.restore()
    ctx.arc(cx, cy, r * 0.22, 0, 2 * math.pi)
    fill(ctx, radial(cx, cy, 0, r * 0.22, [(0, lighten(centre, 0.3)), (1, centre)]))


def big_wheel(ctx):
    cx, cy = CX, CY
    # outer ring of petals
    for i in range(16):
        a = i * math.pi / 8
        ctx.save()
        ctx.translate(cx + math.cos(a) * 36, cy + math.sin(a) * 36)
        ctx.rotate(a)
        ctx.scale(7.5, 5.0)
        ctx.arc(0, 0, 1, 0, 2 * math.pi)
        ctx.restore()
        fill(ctx, GREEN if i % 2 == 0 else TEAL)
    ctx.arc(cx, cy, 33, 0, 2 * math.pi)
    fill(ctx, radial(cx, cy, 0, 33, [(0, lighten(BLUE, 0.3)), (1, BLUE)]))
    ctx.save()
    ctx.set_operator(cairo.OPERATOR_CLEAR)
    ctx.set_line_width(2.2)
    ctx.arc(cx, cy, 28, 0, 2 * math.pi)
    ctx.stroke()
    ctx.arc(cx, cy, 22, 0, 2 * math.pi)
    ctx.fill()
    ctx.restore()
    # inner red rosette
    for i in range(8):
        a = i * math.pi / 4 + math.pi / 8
        ctx.save()
        ctx.translate(cx + math.cos(a) * 12, cy + math.sin(a) * 12)
        ctx.rotate(a)
        ctx.scale(8, 4.6)
        ctx.arc(0, 0, 1, 0, 2 * math.pi)
        ctx.restore()
        fill(ctx, RED)
    ctx.arc(cx, cy, 7.5, 0, 2 * math.pi)
    fill(ctx, radial(cx, cy, 0, 7.5, [(0, lighten(GREEN, 0.35)), (1, GREEN_DARK)]))
    ctx.arc(cx, cy, 2.6, 0, 2 * math.pi)
    fill(ctx, GOLD)


def wheels(ctx, n):
    B, G, R = BLUE, GREEN, RED
    H = UNIT_H
    if n == 1:
        big_wheel(ctx)
        return
    if n == 2:
        items = [(CX, 40, 22, G), (CX, H - 40, 22, B)]
    elif n == 3:
        items = [(26, 32, 17, B), (CX, CY, 17, R), (74, H - 32, 17, G)]
    elif n == 4:
        items = [(29, 44, 18, B), (71, 44, 18, G), (29, H - 44, 18, G), (71, H - 44, 18, B)]
    elif n == 5:
        items = [(26, 34, 15.5, B), (74, 34, 15.5, G), (CX, CY, 15.5, R),
                 (26, H - 34, 15.5, G), (74, H - 34, 15.5, B)]
    elif n == 6:
        items = [(29, 28, 15, G), (71, 28, 15, G),
                 (29, 76, 15, R), (71, 76, 15, R), (29, 112, 15, R), (71, 112, 15, R)]
    elif n == 7:
        items = [(22, 20, 13, G), (CX, 35, 13, G), (78, 50, 13, G),
                 (31, 86, 13.5, R), (69, 86, 13.5, R), (31, 117, 13.5, R), (69, 117, 13.5, R)]
    elif n == 8:
        items = [(x, y, 13, B) for y in (25, 55.5, 86, 116.5) for x in (30, 70)]
    else:
        items = []
        for y, c in ((33, B), (CY, R), (H - 33, G)):
            items += [(x, y, 13.2, c) for x in (22, CX, 78)]
    for cx, cy, r, c in items:
        dot(ctx, cx, cy, r, c)


# ---------------------------------------------------------------- honours

def wind(ctx, glyph, letter):
    grad = linear(0, 30, 0, 120, [(0, INK_LIGHT), (1, darken(INK, 0.3))])
    draw_text(ctx, glyph, CX, 76, 80, 84, grad, em=84)
    draw_text(ctx, letter, 15, 15, 18, 14, RED, em=18)


SEASON_COLOURS = [(0.12, 0.55, 0.30), (0.80, 0.20, 0.12), (0.80, 0.50, 0.05), (0.16, 0.34, 0.72)]


def season(ctx, i, glyph, label):
    col = SEASON_COLOURS[i]
    x, y, s = 14, 40, 72
    rounded_rect(ctx, x, y, s, s, 9)
    fill(ctx, linear(x, y, x + s, y + s, [(0, lighten(col, 0.15)), (1, darken(col, 0.25))]))
    ctx.save()
    ctx.set_operator(cairo.OPERATOR_CLEAR)
    rounded_rect(ctx, x + 4.5, y + 4.5, s - 9, s - 9, 6)
    ctx.set_line_width(1.6)
    ctx.stroke()
    draw_text(ctx, glyph, x + s / 2, y + s / 2, s - 18, s - 18, (0, 0, 0), em=58)
    ctx.restore()
    # numeral in a roundel, top-left
    ctx.arc(16, 17, 8.5, 0, 2 * math.pi)
    fill(ctx, darken(col, 0.1))
    ctx.save()
    ctx.set_operator(cairo.OPERATOR_CLEAR)
    draw_text(ctx, str(i + 1), 16, 17, 9, 11, (0, 0, 0), em=16)
    ctx.restore()
    draw_text(ctx, label, CX, 126, 66, 10, darken(col, 0.2), em=13)


def blossom(ctx, cx, cy, r, col, rot=0.0):
    for k in range(5):
        a = rot + k * 2 * math.pi / 5
        ctx.arc(cx + math.cos(a) * r * 0.55, cy + math.sin(a) * r * 0.55, r * 0.52, 0, 2 * math.pi)
        fill(ctx, radial(cx, cy, r * 0.1, r * 1.1, [(0, lighten(col, 0.45)), (1, col)]))
    ctx.arc(cx, cy, r * 0.28, 0, 2 * math.pi)
    fill(ctx, GOLD)
    ctx.set_source_rgb(*darken(col, 0.4))
    ctx.set_line_width(r * 0.06)
    for k in range(10):
        a = k * math.pi / 5 + 0.3
        ctx.move_to(cx + math.cos(a) * r * 0.15, cy + math.sin(a) * r * 0.15)
        ctx.line_to(cx + math.cos(a) * r * 0.42, cy + math.sin(a) * r * 0.42)
    ctx.stroke()


def leaf(ctx, x0, y0, x1, y1, bend, width, col):
    """A pointed leaf from (x0, y0) to (x1, y1), bowed by `bend`."""
    mx, my = (x0 + x1) / 2, (y0 + y1) / 2
    dx, dy = x1 - x0, y1 - y0
    ln = math.hypot(dx, dy) or 1
    nx, ny = -dy / ln, dx / ln
    cx, cy = mx + nx * bend, my + ny * bend
    ctx.move_to(x0, y0)
    ctx.curve_to(cx + nx * width, cy + ny * width, cx + nx * width, cy + ny * width, x1, y1)
    ctx.curve_to(cx - nx * width, cy - ny * width, cx - nx * width, cy - ny * width, x0, y0)
    ctx.close_path()
    fill(ctx, linear(x0, y0, x1, y1, [(0, darken(col, 0.25)), (1, lighten(col, 0.15))]))


def flower_label(ctx, num, glyph, col):
    draw_text(ctx, str(num), 14, 15, 12, 14, RED, em=18)
    draw_text(ctx, glyph, 85, 16, 16, 16, col, em=17)


def plum(ctx):
    ctx.set_line_cap(cairo.LINE_CAP_ROUND)
    ctx.set_source_rgb(*BROWN)
    for w, pts in ((6.0, [(22, 128), (30, 100), (26, 80), (44, 56), (58, 30)]),
                   (3.5, [(30, 96), (52, 92), (74, 74)]),
                   (2.6, [(44, 56), (70, 52), (80, 38)]),
                   (2.4, [(28, 84), (16, 60)])):
        ctx.set_line_width(w)
        ctx.move_to(*pts[0])
        for i in range(1, len(pts) - 1):
            (ax, ay), (bx, by) = pts[i], pts[i + 1]
            ctx.curve_to(ax, ay, ax, ay, (ax + bx) / 2, (ay + by) / 2)
        ctx.line_to(*pts[-1])
        ctx.stroke()
    for cx, cy, r, rot in ((58, 30, 10, 0.2), (76, 74, 10, 0.9), (44, 58, 8.5, 0.5), (80, 40, 7, 0.1),
                           (16, 60, 8, 1.3), (52, 92, 7.5, 0.7), (30, 104, 7, 0.3)):
        blossom(ctx, cx, cy, r, PINK if r > 8 else RED, rot)
    for bx, by in ((66, 20), (86, 64), (22, 48)):
        ctx.arc(bx, by, 2.8, 0, 2 * math.pi)
        fill(ctx, RED_DARK)
    flower_label(ctx, 1, "梅", RED_DARK)


def orchid(ctx):
    g = GREEN
    leaf(ctx, 50, 130, 10, 56, -14, 4.5, g)
    leaf(ctx, 50, 130, 90, 70, 12, 4.2, g)
    leaf(ctx, 50, 130, 30, 34, -4, 3.8, darken(g, 0.1))
    leaf(ctx, 50, 130, 78, 104, 5, 3.5, TEAL)
    leaf(ctx, 50, 130, 22, 110, -5, 3.2, TEAL)
    # flower stalk
    ctx.set_source_rgb(*darken(GREEN, 0.2))
    ctx.set_line_width(1.8)
    ctx.move_to(52, 128)
    ctx.curve_to(56, 96, 60, 70, 68, 42)
    ctx.stroke()
    for fx, fy, s in ((68, 40, 1.0), (58, 72, 0.85)):
        for k in range(5):
            a = -math.pi / 2 + k * 2 * math.pi / 5
            ctx.save()
            ctx.translate(fx, fy)
            ctx.rotate(a)
            ctx.translate(9 * s, 0)
            ctx.scale(10 * s, 4.2 * s)
            ctx.arc(0, 0, 1, 0, 2 * math.pi)
            ctx.restore()
            fill(ctx, radial(fx, fy, 2, 18 * s, [(0, lighten(PURPLE, 0.5)), (1, PURPLE)]))
        ctx.arc(fx, fy + 2 * s, 4 * s, 0, 2 * math.pi)
        fill(ctx, RED)
        ctx.arc(fx, fy, 1.8 * s, 0, 2 * math.pi)
        fill(ctx, GOLD)
    flower_label(ctx, 2, "蘭", PURPLE)


def chrysanthemum(ctx):
    leaf(ctx, 48, 126, 18, 100, -6, 7, GREEN)
    leaf(ctx, 52, 120, 84, 102, 6, 7, GREEN)
    ctx.set_source_rgb(*GREEN_DARK)
    ctx.set_line_width(2.4)
    ctx.move_to(50, 132)
    ctx.curve_to(50, 110, 50, 90, 50, 72)
    ctx.stroke()
    cx, cy = CX, 60
    for layer, (n, r, w, c0, c1) in enumerate(((28, 34, 3.6, ORANGE, GOLD), (22, 25, 3.4, GOLD, (0.98, 0.86, 0.35)),
                                                (16, 15, 3.0, (0.98, 0.86, 0.35), (1, 0.95, 0.6)))):
        for k in range(n):
            a = k * 2 * math.pi / n + layer * 0.13
            ctx.save()
            ctx.translate(cx, cy)
            ctx.rotate(a)
            ctx.move_to(0, -w * 0.5)
            ctx.curve_to(r * 0.5, -w, r, -w * 0.7, r, 0)
            ctx.curve_to(r, w * 0.7, r * 0.5, w, 0, w * 0.5)
            ctx.close_path()
            ctx.restore()
            fill(ctx, radial(cx, cy, 0, r, [(0, c1), (1, c0)]))
            ctx.save()
            ctx.translate(cx, cy)
            ctx.rotate(a)
            ctx.move_to(r * 0.35, 0)
            ctx.line_to(r * 0.92, 0)
            ctx.restore()
            ctx.set_source_rgba(*darken(c0, 0.35), 0.7)
            ctx.set_line_width(0.45)
            ctx.stroke()
    ctx.arc(cx, cy, 5, 0, 2 * math.pi)
    fill(ctx, radial(cx, cy, 0, 5, [(0, GOLD), (1, ORANGE)]))
    flower_label(ctx, 3, "菊", darken(ORANGE, 0.2))


def bamboo_plant(ctx):
    # two stalks with nodes
    for x, top, w in ((40, 22, 7.5), (62, 44, 6.0)):
        # stalk with a slanting cut at the top
        ctx.move_to(x - w / 2, 132)
        ctx.line_to(x - w / 2, top + w * 0.5)
        ctx.line_to(x + w / 2, top - w * 0.2)
        ctx.line_to(x + w / 2, 132)
        ctx.close_path()
        fill(ctx, gloss(x - w / 2, 0, x + w / 2, 0, GREEN))
        y = 132 - (24 if w > 7 else 20)
        while y > top + 8:
            ctx.rectangle(x - w * 0.62, y - 1.2, w * 1.24, 2.4)
            fill(ctx, GREEN_DARK)
            y -= 24 if w > 7 else 20
    # leaf sprays
    for bx, by, leaves in ((40, 46, ((12, 30, -4), (18, 52, 4), (28, 38, -3))),
                           (62, 66, ((86, 50, 4), (90, 70, -3), (80, 84, 3))),
                           (40, 92, ((14, 82, -3), (16, 100, 3))),
                           (62, 106, ((88, 112, 3), (84, 96, -3)))):
        for lx, ly, bend in leaves:
            leaf(ctx, bx, by, lx, ly, bend, 3.4, GREEN_LIGHT if lx > 50 else GREEN)
    flower_label(ctx, 4, "竹", GREEN_DARK)


def green_dragon(ctx):
    grad = linear(0, 30, 0, 120, [(0, GREEN_LIGHT), (0.5, GREEN), (1, GREEN_DARK)])
    draw_text(ctx, "發", CX, CY, 82, 96, grad, em=86)


def red_dragon(ctx):
    grad = linear(0, 30, 0, 120, [(0, lighten(RED, 0.15)), (1, RED_DARK)])
    draw_text(ctx, "中", CX, CY, 80, 100, grad, em=92)


def white_dragon(ctx):
    x0, y0, x1, y1 = 16, 18, 84, UNIT_H - 18
    col = BLUE
    ctx.set_source_rgb(*col)
    ctx.set_line_join(cairo.LINE_JOIN_MITER)
    ctx.set_line_width(4.2)
    ctx.rectangle(x0, y0, x1 - x0, y1 - y0)
    ctx.stroke()
    ctx.set_line_width(1.6)
    ctx.rectangle(x0 + 7, y0 + 7, x1 - x0 - 14, y1 - y0 - 14)
    ctx.stroke()
    for cx, cy in ((x0, y0), (x1, y0), (x0, y1), (x1, y1)):
        ctx.rectangle(cx - 5, cy - 5, 10, 10)
        fill(ctx, col)
        ctx.save()
        ctx.set_operator(cairo.OPERATOR_CLEAR)
        ctx.rectangle(cx - 2, cy - 2, 4, 4)
        ctx.fill()
        ctx.restore()


def draw_face(ctx, name):
    """Draws the face of the template with this name."""
    for suit in ("Bamboo", "Chinese", "Wheel"):
        if name.startswith(suit):
            n = int(name[len(suit):])
            if suit == "Bamboo":
                bird(ctx) if n == 1 else bamboo_sticks(ctx, n)
            elif suit == "Chinese":
                character(ctx, n)
            else:
                wheels(ctx, n)
            return
    winds = {"North": ("北", "N"), "South": ("南", "S"), "East": ("東", "E"), "West": ("西", "W")}
    if name in winds:
        wind(ctx, *winds[name])
        return
    seasons = {"Spring": (0, "春", "SPRING"), "Summer": (1, "夏", "SUMMER"),
               "Fall": (2, "秋", "AUTUMN"), "Winter": (3, "冬", "WINTER")}
    if name in seasons:
        season(ctx, *seasons[name])
        return
    {"Bam": bamboo_plant, "Crys": chrysanthemum, "Plum": plum, "Orc": orchid,
     "Green": green_dragon, "Red": red_dragon, "White": white_dragon}[name](ctx)
