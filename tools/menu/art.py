"""Cairo drawing of the menu's pictures: lacquer panels and bars, paper
insets, buttons in their normal, hover and pressed looks, check boxes,
switches, the volume knob, holding-slot wells and the main-menu doors.
Every function draws into the box (0, 0, w, h) of the current context."""
import math
import os
import sys

import cairo

# Appended, not put first: tools/images has modules named like ours.
sys.path.append(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "images"))
from common import rounded_rect as rounded  # noqa: E402

SERIF = "P052"

LACQUER_DEEP = (0.020, 0.055, 0.047)
LACQUER = (0.045, 0.125, 0.103)
LACQUER_HI = (0.075, 0.190, 0.155)
JADE_DARK = (0.020, 0.300, 0.225)
JADE = (0.050, 0.430, 0.330)
JADE_LIGHT = (0.200, 0.620, 0.470)
JADE_PALE = (0.700, 0.860, 0.780)
GOLD_DARK = (0.560, 0.400, 0.110)
GOLD = (0.860, 0.660, 0.220)
GOLD_LIGHT = (0.990, 0.870, 0.500)
IVORY = (0.975, 0.950, 0.870)
PAPER = (0.955, 0.925, 0.830)
PAPER_EDGE = (0.840, 0.790, 0.650)
INK = (0.090, 0.120, 0.100)
RED = (0.640, 0.090, 0.080)
RED_DARK = (0.400, 0.040, 0.040)
RED_LIGHT = (0.820, 0.200, 0.160)

NORMAL, HOVER, PRESSED = 0, 1, 2


def mix(a, b, t):
    return tuple(x + (y - x) * t for x, y in zip(a, b))


def vgrad(y0, y1, stops):
    g = cairo.LinearGradient(0, y0, 0, y1)
    for t, c in stops:
        g.add_color_stop_rgba(t, *(c + (1.0,) if len(c) == 3 else c))
    return g


def set_font(ctx, size, bold=True):
    ctx.select_font_face(SERIF, cairo.FONT_SLANT_NORMAL,
                         cairo.FONT_WEIGHT_BOLD if bold else cairo.FONT_WEIGHT_NORMAL)
    ctx.set_font_size(size)
    fo = cairo.FontOptions()
    fo.set_antialias(cairo.ANTIALIAS_GRAY)
    fo.set_hint_style(cairo.HINT_STYLE_NONE)
    fo.set_hint_metrics(cairo.HINT_METRICS_OFF)
    ctx.set_font_options(fo)


def text_width(ctx, text, spacing=0.0):
    if spacing == 0.0:
        return ctx.text_extents(text).x_advance
    return sum(ctx.text_extents(c).x_advance for c in text) + spacing * (len(text) - 1)


def text(ctx, s, x, baseline, colour, size, align="center", spacing=0.0, shadow=None, bold=True):
    """Draws s on a baseline; align is relative to x. Returns the width."""
    set_font(ctx, size, bold)
    w = text_width(ctx, s, spacing)
    x0 = x - w / 2 if align == "center" else (x - w if align == "right" else x)
    for pass_colour, dy in ((shadow, 1.0), (colour, 0.0)) if shadow else ((colour, 0.0),):
        ctx.set_source_rgba(*(pass_colour + (1.0,) if len(pass_colour) == 3 else pass_colour))
        if spacing == 0.0:
            ctx.move_to(x0, baseline + dy)
            ctx.show_text(s)
        else:
            px = x0
            for c in s:
                ctx.move_to(px, baseline + dy)
                ctx.show_text(c)
                px += ctx.text_extents(c).x_advance + spacing
    return w


def caption_baseline(h, size):
    # Cap height of the serif is about 0.69 em: centre the capitals.
    return h / 2 + size * 0.345


# ---------------------------------------------------------------- surfaces

def lacquer_panel(ctx, w, h, margin, radius=16):
    """A lacquered panel with a gold double rule; margin pixels of soft
    shadow around it."""
    x, y, pw, ph = margin, margin, w - 2 * margin, h - 2 * margin
    for i in range(margin, 0, -1):
        rounded(ctx, x - i + 2, y - i + 4, pw + 2 * i - 4, ph + 2 * i - 4, radius + i)
        ctx.set_source_rgba(0, 0, 0, 0.055)
        ctx.fill()
    rounded(ctx, x, y, pw, ph, radius)
    ctx.set_source(vgrad(y, y + ph, [(0, LACQUER_HI), (0.18, LACQUER), (1, LACQUER_DEEP)]))
    ctx.fill()
    rounded(ctx, x + 1.5, y + 1.5, pw - 3, ph - 3, radius - 1)
    ctx.set_source_rgb(*GOLD)
    ctx.set_line_width(2.0)
    ctx.stroke()
    rounded(ctx, x + 7.5, y + 7.5, pw - 15, ph - 15, radius - 6)
    ctx.set_source_rgba(*GOLD_DARK, 0.9)
    ctx.set_line_width(1.0)
    ctx.stroke()


def paper(ctx, w, h, radius=9):
    rounded(ctx, 0.5, 0.5, w - 1, h - 1, radius)
    ctx.set_source(vgrad(0, h, [(0, IVORY), (1, PAPER)]))
    ctx.fill_preserve()
    ctx.set_source_rgb(*PAPER_EDGE)
    ctx.set_line_width(1.0)
    ctx.stroke()
    # faint inner shadow along the top edge
    rounded(ctx, 1.5, 1.5, w - 3, h - 3, radius - 1)
    ctx.set_source(vgrad(0, 8, [(0, (0, 0, 0, 0.10)), (1, (0, 0, 0, 0.0))]))
    ctx.set_line_width(2.0)
    ctx.stroke()


def field(ctx, w, h, radius=6):
    """A recessed dark field (bottom-bar plaques)."""
    rounded(ctx, 0.5, 0.5, w - 1, h - 1, radius)
    ctx.set_source(vgrad(0, h, [(0, (0.010, 0.030, 0.025)), (1, (0.030, 0.080, 0.066))]))
    ctx.fill_preserve()
    ctx.set_source_rgba(*GOLD_DARK, 0.85)
    ctx.set_line_width(1.0)
    ctx.stroke()


def bar(ctx, w, h, gold_at_bottom):
    ctx.rectangle(0, 0, w, h)
    ctx.set_source(vgrad(0, h, [(0, LACQUER_HI), (0.45, LACQUER), (1, LACQUER_DEEP)]))
    ctx.fill()
    y = h - 3.5 if gold_at_bottom else 0.5
    ctx.rectangle(0, y, w, 3)
    ctx.set_source(vgrad(y, y + 3, [(0, GOLD_LIGHT), (1, GOLD_DARK)]))
    ctx.fill()
    y2 = h - 7.5 if gold_at_bottom else 5.5
    ctx.rectangle(0, y2, w, 1)
    ctx.set_source_rgba(*GOLD, 0.45)
    ctx.fill()


# ----------------------------------------------------------------- buttons

STYLES = {
    # face top, face bottom, rim, caption colour, caption shadow
    "jade": (JADE_LIGHT, JADE_DARK, GOLD, IVORY, (0, 0, 0, 0.55)),
    "gold": (GOLD_LIGHT, GOLD, GOLD_DARK, INK, (1, 1, 1, 0.35)),
    "red": (RED_LIGHT, RED_DARK, GOLD, IVORY, (0, 0, 0, 0.55)),
    "paper": (IVORY, PAPER, JADE, INK, (1, 1, 1, 0.6)),
}


def button_face(ctx, w, h, style, state, radius=8):
    top, bottom, rim, _, _ = STYLES[style]
    if state == HOVER:
        top, bottom = mix(top, (1, 1, 1), 0.32), mix(bottom, (1, 1, 1), 0.22)
        rim = GOLD_LIGHT if style != "gold" else RED_DARK
    elif state == PRESSED:
        top, bottom = mix(bottom, (0, 0, 0), 0.18), mix(top, (0, 0, 0), 0.10)
    # drop shadow under the plaque (absent when pressed: it sits lower)
    if state != PRESSED:
        rounded(ctx, 1, 2.5, w - 2, h - 2.5, radius)
        ctx.set_source_rgba(0, 0, 0, 0.35)
        ctx.fill()
    dy = 1.5 if state == PRESSED else 0.0
    rounded(ctx, 1, 1 + dy, w - 2, h - 3, radius)
    ctx.set_source(vgrad(1 + dy, h - 2 + dy, [(0, top), (1, bottom)]))
    ctx.fill_preserve()
    ctx.set_source_rgb(*rim)
    ctx.set_line_width(2.2 if state == HOVER else 1.2)
    ctx.stroke()
    if state != PRESSED:
        # glaze highlight on the upper half
        rounded(ctx, 3, 2.5, w - 6, (h - 3) * 0.45, radius - 2)
        ctx.set_source_rgba(1, 1, 1, 0.16 if state == NORMAL else 0.24)
        ctx.fill()
    else:
        rounded(ctx, 2, 2 + dy, w - 4, 6, radius - 2)
        ctx.set_source_rgba(0, 0, 0, 0.18)
        ctx.fill()
    return dy


def button(ctx, w, h, style, state, caption, size=None, icon=None, radius=8):
    dy = button_face(ctx, w, h, style, state, radius)
    _, _, _, colour, shadow = STYLES[style]
    if state == HOVER and style == "jade":
        colour = (1.0, 0.98, 0.90)
    size = size or min(20.0, h * 0.46)
    base = caption_baseline(h - 2, size) + dy
    if icon:
        set_font(ctx, size)
        tw = text_width(ctx, caption)
        isz = size * 1.05
        gap = size * 0.4
        total = isz + gap + tw
        x0 = (w - total) / 2
        icon(ctx, x0, (h - 2) / 2 + dy - isz / 2, isz, colour, shadow)
        text(ctx, caption, x0 + isz + gap, base, colour, size, align="left", shadow=shadow)
    elif caption:
        text(ctx, caption, w / 2, base, colour, size, shadow=shadow)


def round_button(ctx, w, h, state, glyph):
    """A round jade button with a drawn glyph (arrows, minus, plus, cross)."""
    top, bottom, rim = JADE_LIGHT, JADE_DARK, GOLD
    if state == HOVER:
        top, bottom, rim = mix(top, (1, 1, 1), 0.25), mix(bottom, (1, 1, 1), 0.15), GOLD_LIGHT
    elif state == PRESSED:
        top, bottom = mix(bottom, (0, 0, 0), 0.2), mix(top, (0, 0, 0), 0.1)
    r = min(w, h) / 2 - 2
    cx, cy = w / 2, h / 2 + (1 if state == PRESSED else 0)
    if state != PRESSED:
        ctx.arc(cx, cy + 1.5, r, 0, 2 * math.pi)
        ctx.set_source_rgba(0, 0, 0, 0.35)
        ctx.fill()
    ctx.arc(cx, cy, r, 0, 2 * math.pi)
    ctx.set_source(vgrad(cy - r, cy + r, [(0, top), (1, bottom)]))
    ctx.fill_preserve()
    ctx.set_source_rgb(*rim)
    ctx.set_line_width(1.5)
    ctx.stroke()
    ctx.set_source_rgb(*IVORY)
    s = r * 0.5
    if glyph in ("left", "right"):
        d = -1 if glyph == "left" else 1
        ctx.move_to(cx + d * s * 0.85, cy)
        ctx.line_to(cx - d * s * 0.55, cy - s * 0.85)
        ctx.line_to(cx - d * s * 0.55, cy + s * 0.85)
        ctx.close_path()
        ctx.fill()
    elif glyph in ("minus", "plus"):
        ctx.rectangle(cx - s * 0.8, cy - 1.4, s * 1.6, 2.8)
        ctx.fill()
        if glyph == "plus":
            ctx.rectangle(cx - 1.4, cy - s * 0.8, 2.8, s * 1.6)
            ctx.fill()
    elif glyph == "cross":
        ctx.set_line_width(2.6)
        ctx.set_line_cap(cairo.LINE_CAP_ROUND)
        ctx.move_to(cx - s * 0.6, cy - s * 0.6)
        ctx.line_to(cx + s * 0.6, cy + s * 0.6)
        ctx.move_to(cx + s * 0.6, cy - s * 0.6)
        ctx.line_to(cx - s * 0.6, cy + s * 0.6)
        ctx.stroke()


def row_highlight(ctx, w, h, state):
    if state == NORMAL:
        return
    rounded(ctx, 1, 1, w - 2, h - 2, 6)
    ctx.set_source_rgba(*JADE, 0.16 if state == HOVER else 0.30)
    ctx.fill_preserve()
    ctx.set_source_rgba(*JADE, 0.45)
    ctx.set_line_width(1.0)
    ctx.stroke()


def delete_cross(ctx, w, h, state):
    r = min(w, h) / 2 - 3
    cx, cy = w / 2, h / 2
    # Quiet until pointed at: rows without a player show the cross too.
    if state != NORMAL:
        ctx.arc(cx, cy, r, 0, 2 * math.pi)
        ctx.set_source_rgb(*(RED_LIGHT if state == HOVER else RED_DARK))
        ctx.fill()
    ctx.set_source_rgba(*((INK + (0.35,)) if state == NORMAL else (IVORY + (1.0,))))
    ctx.set_line_width(2.2)
    ctx.set_line_cap(cairo.LINE_CAP_ROUND)
    s = r * 0.45
    ctx.move_to(cx - s, cy - s)
    ctx.line_to(cx + s, cy + s)
    ctx.move_to(cx + s, cy - s)
    ctx.line_to(cx - s, cy + s)
    ctx.stroke()


def checkbox(ctx, w, h, state, ticked, caption):
    row_highlight(ctx, w, h, state)
    b = h - 12
    x, y = 8, 6
    rounded(ctx, x, y, b, b, 4)
    ctx.set_source(vgrad(y, y + b, [(0, IVORY), (1, (0.90, 0.88, 0.80))]) if not ticked
                   else vgrad(y, y + b, [(0, JADE_LIGHT), (1, JADE_DARK)]))
    ctx.fill_preserve()
    ctx.set_source_rgb(*(JADE_DARK if not ticked else GOLD))
    ctx.set_line_width(1.5)
    ctx.stroke()
    if ticked:
        ctx.set_source_rgb(*GOLD_LIGHT)
        ctx.set_line_width(3.0)
        ctx.set_line_cap(cairo.LINE_CAP_ROUND)
        ctx.set_line_join(cairo.LINE_JOIN_ROUND)
        ctx.move_to(x + b * 0.22, y + b * 0.52)
        ctx.line_to(x + b * 0.43, y + b * 0.74)
        ctx.line_to(x + b * 0.80, y + b * 0.26)
        ctx.stroke()
    size = h * 0.5
    text(ctx, caption, x + b + 12, caption_baseline(h, size), INK, size, align="left")


def switch(ctx, w, h, state, on, caption):
    row_highlight(ctx, w, h, state)
    size = h * 0.5
    text(ctx, caption, 8 + 52 + 12, caption_baseline(h, size), INK, size, align="left")
    sw, sh = 52, h - 12
    x, y = 8, 6
    rounded(ctx, x, y, sw, sh, sh / 2)
    ctx.set_source(vgrad(y, y + sh, [(0, JADE_DARK), (1, JADE)]) if on
                   else vgrad(y, y + sh, [(0, (0.55, 0.55, 0.52)), (1, (0.72, 0.71, 0.66))]))
    ctx.fill_preserve()
    ctx.set_source_rgb(*(GOLD if on else (0.45, 0.45, 0.42)))
    ctx.set_line_width(1.2)
    ctx.stroke()
    kx = x + sw - sh / 2 if on else x + sh / 2
    ctx.arc(kx, y + sh / 2 + 0.5, sh / 2 - 2.5, 0, 2 * math.pi)
    ctx.set_source(vgrad(y, y + sh, [(0, IVORY), (1, PAPER_EDGE)]))
    ctx.fill()


def volume_track(ctx, w, h):
    y = h / 2 - 4
    rounded(ctx, 2, y, w - 4, 8, 4)
    ctx.set_source(vgrad(y, y + 8, [(0, (0.20, 0.24, 0.21)), (1, (0.55, 0.58, 0.52))]))
    ctx.fill_preserve()
    ctx.set_source_rgba(*JADE_DARK, 0.8)
    ctx.set_line_width(1.0)
    ctx.stroke()
    for i in range(11):
        x = 12 + (w - 24) * i / 10
        ctx.rectangle(round(x) - 0.5, h / 2 + 8, 1, 5 if i % 5 == 0 else 3)
        ctx.set_source_rgba(*INK, 0.55)
        ctx.fill()


def volume_knob(ctx, w, h, state):
    top, bottom = GOLD_LIGHT, GOLD
    if state == HOVER:
        top, bottom = (1.0, 0.95, 0.70), GOLD_LIGHT
    elif state == PRESSED:
        top, bottom = GOLD, GOLD_DARK
    rounded(ctx, 2, 3.5, w - 4, h - 5, 5)
    ctx.set_source_rgba(0, 0, 0, 0.35)
    ctx.fill()
    rounded(ctx, 2, 2, w - 4, h - 5, 5)
    ctx.set_source(vgrad(2, h - 3, [(0, top), (1, bottom)]))
    ctx.fill_preserve()
    ctx.set_source_rgb(*GOLD_DARK)
    ctx.set_line_width(1.2)
    ctx.stroke()
    for dx in (-3, 0, 3):
        ctx.rectangle(w / 2 + dx - 0.5, h * 0.32, 1, h * 0.34)
        ctx.set_source_rgba(*GOLD_DARK, 0.8)
        ctx.fill()


def slot_well(ctx, w, h):
    rounded(ctx, 1, 1, w - 2, h - 2, 10)
    ctx.set_source(vgrad(0, h, [(0, (0.01, 0.04, 0.03, 0.80)), (1, (0.04, 0.12, 0.10, 0.80))]))
    ctx.fill_preserve()
    ctx.set_source_rgba(*GOLD, 0.9)
    ctx.set_line_width(1.5)
    ctx.stroke()
    rounded(ctx, 9.5, 9.5, w - 19, h - 19, 6)
    ctx.set_dash([4, 4])
    ctx.set_source_rgba(*JADE_PALE, 0.45)
    ctx.set_line_width(1.0)
    ctx.stroke()
    ctx.set_dash([])


def plaque(ctx, w, h, caption, caption_w):
    field(ctx, w, h)
    text(ctx, caption, 14, caption_baseline(h, 13), GOLD, 13, align="left", spacing=2.2)
    ctx.rectangle(caption_w - 0.5, 7, 1, h - 14)
    ctx.set_source_rgba(*GOLD_DARK, 0.7)
    ctx.fill()


def emblem(ctx, x, y, s):
    """The jade loom: a rounded jade plaque crossed by gold bars."""
    rounded(ctx, x + s * 0.18, y, s * 0.64, s, s * 0.1)
    ctx.set_source(vgrad(y, y + s, [(0, JADE_LIGHT), (1, JADE_DARK)]))
    ctx.fill_preserve()
    ctx.set_source_rgb(*GOLD)
    ctx.set_line_width(max(1.0, s * 0.05))
    ctx.stroke()
    for i in range(4):
        yy = y + s * (0.2 + 0.2 * i)
        rounded(ctx, x + s * 0.06, yy - s * 0.045, s * 0.88, s * 0.09, s * 0.045)
        ctx.set_source_rgb(*GOLD)
        ctx.fill()


def wordmark(ctx, w, h):
    s = h * 0.78
    emblem(ctx, 4, (h - s) / 2, s)
    size = h * 0.5
    g = vgrad(h / 2 - size * 0.4, h / 2 + size * 0.4, [(0, GOLD_LIGHT), (1, GOLD)])
    set_font(ctx, size)
    text(ctx, "JADELOOM", s + 14, caption_baseline(h, size), (0, 0, 0, 0.6), size, align="left",
         spacing=size * 0.18)
    ctx.save()
    # gold gradient letters over the shadow
    set_font(ctx, size)
    px = s + 14
    for c in "JADELOOM":
        ctx.move_to(px, caption_baseline(h, size) - 1)
        ctx.text_path(c)
        px += ctx.text_extents(c).x_advance + size * 0.18
    ctx.set_source(g)
    ctx.fill()
    ctx.restore()


# ------------------------------------------------------------------- icons

def _icon_stroke(ctx, colour, shadow, draw, lw):
    for c, dy in ((shadow, 1.0), (colour, 0.0)):
        ctx.save()
        ctx.translate(0, dy)
        ctx.set_source_rgba(*(c + (1.0,) if len(c) == 3 else c))
        ctx.set_line_width(lw)
        ctx.set_line_cap(cairo.LINE_CAP_ROUND)
        ctx.set_line_join(cairo.LINE_JOIN_ROUND)
        draw()
        ctx.restore()


def icon_menu(ctx, x, y, s, colour, shadow):
    def d():
        for i in range(3):
            yy = y + s * (0.25 + 0.25 * i)
            ctx.move_to(x + s * 0.12, yy)
            ctx.line_to(x + s * 0.88, yy)
        ctx.stroke()
    _icon_stroke(ctx, colour, shadow, d, s * 0.12)


def icon_new(ctx, x, y, s, colour, shadow):
    def d():
        # a tile with a plus
        rounded(ctx, x + s * 0.18, y + s * 0.06, s * 0.64, s * 0.88, s * 0.1)
        ctx.stroke()
        ctx.move_to(x + s * 0.5, y + s * 0.3)
        ctx.line_to(x + s * 0.5, y + s * 0.7)
        ctx.move_to(x + s * 0.32, y + s * 0.5)
        ctx.line_to(x + s * 0.68, y + s * 0.5)
        ctx.stroke()
    _icon_stroke(ctx, colour, shadow, d, s * 0.09)


def _arc_arrow(ctx, x, y, s, start, end, head_at_end=True):
    cx, cy, r = x + s * 0.5, y + s * 0.52, s * 0.34
    ctx.arc(cx, cy, r, start, end)
    ctx.stroke()
    a = end if head_at_end else start
    hx, hy = cx + r * math.cos(a), cy + r * math.sin(a)
    t = a + (math.pi / 2 if head_at_end else -math.pi / 2)
    tx, ty = math.cos(t), math.sin(t)
    nx, ny = -ty, tx
    L = s * 0.2
    ctx.move_to(hx + tx * L * 0.9, hy + ty * L * 0.9)
    ctx.line_to(hx - tx * L * 0.3 + nx * L * 0.7, hy - ty * L * 0.3 + ny * L * 0.7)
    ctx.line_to(hx - tx * L * 0.3 - nx * L * 0.7, hy - ty * L * 0.3 - ny * L * 0.7)
    ctx.close_path()
    ctx.fill()


def icon_restart(ctx, x, y, s, colour, shadow):
    _icon_stroke(ctx, colour, shadow, lambda: _arc_arrow(ctx, x, y, s, -math.pi * 0.35, math.pi * 1.35), s * 0.1)


def icon_undo(ctx, x, y, s, colour, shadow):
    def d():
        ctx.move_to(x + s * 0.22, y + s * 0.38)
        ctx.curve_to(x + s * 0.62, y + s * 0.38, x + s * 0.95, y + s * 0.45, x + s * 0.88, y + s * 0.86)
        ctx.stroke()
        ctx.move_to(x + s * 0.04, y + s * 0.38)
        ctx.line_to(x + s * 0.32, y + s * 0.16)
        ctx.line_to(x + s * 0.32, y + s * 0.60)
        ctx.close_path()
        ctx.fill()
    _icon_stroke(ctx, colour, shadow, d, s * 0.1)


def icon_hint(ctx, x, y, s, colour, shadow):
    def d():
        ctx.arc(x + s * 0.5, y + s * 0.38, s * 0.26, math.pi * 0.8, math.pi * 2.2)
        ctx.line_to(x + s * 0.62, y + s * 0.72)
        ctx.line_to(x + s * 0.38, y + s * 0.72)
        ctx.close_path()
        ctx.stroke()
        ctx.move_to(x + s * 0.38, y + s * 0.86)
        ctx.line_to(x + s * 0.62, y + s * 0.86)
        ctx.stroke()
    _icon_stroke(ctx, colour, shadow, d, s * 0.09)


def icon_shuffle(ctx, x, y, s, colour, shadow):
    def d():
        for a, b in ((0.25, 0.75), (0.75, 0.25)):
            ctx.move_to(x + s * 0.06, y + s * a)
            ctx.curve_to(x + s * 0.45, y + s * a, x + s * 0.45, y + s * b, x + s * 0.78, y + s * b)
            ctx.stroke()
            ctx.move_to(x + s * 0.98, y + s * b)
            ctx.line_to(x + s * 0.76, y + s * (b - 0.14))
            ctx.line_to(x + s * 0.76, y + s * (b + 0.14))
            ctx.close_path()
            ctx.fill()
    _icon_stroke(ctx, colour, shadow, d, s * 0.09)


def icon_options(ctx, x, y, s, colour, shadow):
    def d():
        cx, cy = x + s * 0.5, y + s * 0.5
        teeth = 8
        ctx.new_path()
        for i in range(teeth * 2):
            a = math.pi * 2 * i / (teeth * 2)
            r = s * (0.46 if i % 2 == 0 else 0.34)
            a1, a2 = a - math.pi / (teeth * 2) * 0.8, a + math.pi / (teeth * 2) * 0.8
            ctx.line_to(cx + r * math.cos(a1), cy + r * math.sin(a1))
            ctx.line_to(cx + r * math.cos(a2), cy + r * math.sin(a2))
        ctx.close_path()
        ctx.new_sub_path()
        ctx.arc_negative(cx, cy, s * 0.14, 2 * math.pi, 0)
        ctx.set_fill_rule(cairo.FILL_RULE_EVEN_ODD)
        ctx.fill()
    _icon_stroke(ctx, colour, shadow, d, s * 0.09)


# ------------------------------------------------------------------- doors

def door(ctx, w, h, side, scale):
    """One main-menu door, seen closed; side -1 is the left door (its seam on
    the right), 1 the right door. scale is texture pixels per screen pixel."""
    ctx.rectangle(0, 0, w, h)
    ctx.set_source(vgrad(0, h, [(0, LACQUER_HI), (0.5, LACQUER), (1, LACQUER_DEEP)]))
    ctx.fill()
    # a soft sheen across the lacquer
    g = cairo.LinearGradient(0, 0, w, h)
    g.add_color_stop_rgba(0.0, 1, 1, 1, 0.0)
    g.add_color_stop_rgba(0.45, 1, 1, 1, 0.045)
    g.add_color_stop_rgba(0.6, 1, 1, 1, 0.0)
    ctx.rectangle(0, 0, w, h)
    ctx.set_source(g)
    ctx.fill()
    m = 22 * scale
    # gold frame, with the seam edge bevelled
    ctx.rectangle(m, m, w - 2 * m, h - 2 * m)
    ctx.set_source_rgb(*GOLD)
    ctx.set_line_width(3 * scale)
    ctx.stroke()
    ctx.rectangle(m + 8 * scale, m + 8 * scale, w - 2 * m - 16 * scale, h - 2 * m - 16 * scale)
    ctx.set_source_rgba(*GOLD_DARK, 0.9)
    ctx.set_line_width(1.2 * scale)
    ctx.stroke()
    # lattice corners: interlocking key pattern in each corner
    for cx, cy, sx, sy in ((m + 8 * scale, m + 8 * scale, 1, 1), (w - m - 8 * scale, m + 8 * scale, -1, 1),
                           (m + 8 * scale, h - m - 8 * scale, 1, -1), (w - m - 8 * scale, h - m - 8 * scale, -1, -1)):
        u = 14 * scale
        ctx.move_to(cx + sx * 4 * u, cy)
        ctx.line_to(cx + sx * 4 * u, cy + sy * 1 * u)
        ctx.line_to(cx + sx * 1 * u, cy + sy * 1 * u)
        ctx.line_to(cx + sx * 1 * u, cy + sy * 3 * u)
        ctx.line_to(cx + sx * 2 * u, cy + sy * 3 * u)
        ctx.line_to(cx + sx * 2 * u, cy + sy * 2 * u)
        ctx.line_to(cx + sx * 3 * u, cy + sy * 2 * u)
        ctx.move_to(cx, cy + sy * 4 * u)
        ctx.line_to(cx + sx * 1 * u, cy + sy * 4 * u)
        ctx.set_source_rgba(*GOLD, 0.85)
        ctx.set_line_width(2.2 * scale)
        ctx.stroke()
    # the seam: a dark line with a gold edge
    sx = w if side < 0 else 0
    ctx.rectangle(sx - 3 * scale if side < 0 else 0, 0, 3 * scale, h)
    ctx.set_source_rgba(0, 0, 0, 0.6)
    ctx.fill()
    ctx.rectangle(sx - 5 * scale if side < 0 else 3 * scale, 0, 2 * scale, h)
    ctx.set_source_rgba(*GOLD, 0.7)
    ctx.fill()
    # a ring pull near the seam, half of a jade disc
    ry = h * 0.80
    rx = w - 0 if side < 0 else 0
    ctx.save()
    ctx.rectangle(0, 0, w, h)
    ctx.clip()
    ctx.arc(rx, ry, 46 * scale, 0, 2 * math.pi)
    ctx.set_source(vgrad(ry - 46 * scale, ry + 46 * scale, [(0, JADE_LIGHT), (1, JADE_DARK)]))
    ctx.fill_preserve()
    ctx.set_source_rgb(*GOLD)
    ctx.set_line_width(3 * scale)
    ctx.stroke()
    ctx.arc(rx, ry, 20 * scale, 0, 2 * math.pi)
    ctx.set_source_rgb(*LACQUER_DEEP)
    ctx.fill_preserve()
    ctx.set_source_rgb(*GOLD)
    ctx.stroke()
    ctx.restore()
    # the wordmark, split by the seam: JADE | LOOM
    word = "JADE" if side < 0 else "LOOM"
    size = 64 * scale
    base = 170 * scale
    sp = size * 0.16
    set_font(ctx, size)
    width = text_width(ctx, word, sp)
    inner = 52 * scale       # clear of the frame on the seam side
    x0 = w - inner - width if side < 0 else inner
    text(ctx, word, x0, base + 2 * scale, (0, 0, 0, 0.55), size, align="left", spacing=sp)
    px = x0
    for c in word:
        ctx.move_to(px, base)
        ctx.text_path(c)
        px += ctx.text_extents(c).x_advance + sp
    ctx.set_source(vgrad(base - size * 0.7, base, [(0, GOLD_LIGHT), (1, GOLD)]))
    ctx.fill()
    # rule under the wordmark, towards the seam
    ly = base + 22 * scale
    x1, x2 = (w * 0.22, w - 40 * scale) if side < 0 else (40 * scale, w * 0.78)
    ctx.rectangle(x1, ly, x2 - x1, 1.5 * scale)
    ctx.set_source_rgba(*GOLD, 0.8)
    ctx.fill()
    tag = "TILE  MATCHING" if side < 0 else "SOLITAIRE"
    text(ctx, tag, w - inner if side < 0 else inner, ly + 30 * scale, JADE_PALE, 17 * scale,
         align="right" if side < 0 else "left", spacing=4 * scale)
