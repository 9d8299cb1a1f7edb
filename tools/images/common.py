"""Shared helpers for the picture generators: fonts, cairo/numpy glue,
deterministic PNG output and the tile atlas grid."""

import math
import os

import cairo
import numpy as np
from PIL import Image, ImageFont

REPO = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))

NOTO_DIR = "/usr/share/fonts/opentype/noto"
SERIF_BOLD = os.path.join(NOTO_DIR, "NotoSerifCJK-Bold.ttc")
SERIF_REGULAR = os.path.join(NOTO_DIR, "NotoSerifCJK-Regular.ttc")
SANS_BOLD = os.path.join(NOTO_DIR, "NotoSansCJK-Bold.ttc")
# Face indices inside the Noto CJK collections.
FACE_JP = 0
FACE_TC = 3

# The atlas is a 17 x 6 grid over a 2048 x 1024 picture; the top of the
# picture file is the top of row 0.
ATLAS_W, ATLAS_H = 2048, 1024
ATLAS_COLS, ATLAS_ROWS = 17, 6
CELL_W = ATLAS_W / ATLAS_COLS
CELL_H = ATLAS_H / ATLAS_ROWS
# Cells are drawn in a local frame 100 units wide.
UNIT_W = 100.0
UNIT_H = UNIT_W * CELL_H / CELL_W  # about 141.7

# Palette shared by the tile faces and the title art.
INK = (0.08, 0.13, 0.36)
INK_LIGHT = (0.20, 0.30, 0.62)
RED = (0.74, 0.09, 0.10)
RED_DARK = (0.52, 0.05, 0.07)
GREEN = (0.03, 0.45, 0.26)
GREEN_DARK = (0.01, 0.29, 0.16)
GREEN_LIGHT = (0.20, 0.64, 0.38)
BLUE = (0.09, 0.25, 0.60)
GOLD = (0.86, 0.66, 0.22)
IVORY = (0.97, 0.94, 0.85)
JADE = (0.05, 0.42, 0.33)
JADE_DEEP = (0.02, 0.17, 0.14)


def out_path(*parts):
    path = os.path.join(REPO, *parts)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    return path


_font_cache = {}


def font(path, size, index=0):
    key = (path, size, index)
    if key not in _font_cache:
        _font_cache[key] = ImageFont.truetype(path, size, index=index)
    return _font_cache[key]


def text_mask(text, path, index, size=400, stroke=0):
    """Renders text into a tight 8-bit coverage mask (numpy uint8)."""
    f = font(path, size, index)
    left, top, right, bottom = f.getbbox(text, stroke_width=stroke)
    w, h = right - left + 4, bottom - top + 4
    im = Image.new("L", (w, h), 0)
    from PIL import ImageDraw
    ImageDraw.Draw(im).text((2 - left, 2 - top), text, font=f, fill=255,
                            stroke_width=stroke, stroke_fill=255)
    a = np.array(im)
    ys, xs = np.nonzero(a)
    if len(xs) == 0:
        return a
    return a[ys.min():ys.max() + 1, xs.min():xs.max() + 1]


def mask_surface(mask):
    h, w = mask.shape
    stride = cairo.ImageSurface.format_stride_for_width(cairo.FORMAT_A8, w)
    buf = np.zeros((h, stride), dtype=np.uint8)
    buf[:, :w] = mask
    return cairo.ImageSurface.create_for_data(bytearray(buf.tobytes()), cairo.FORMAT_A8, w, h, stride)


def draw_text(ctx, text, cx, cy, max_w, max_h, source, path=SERIF_BOLD, index=FACE_TC,
              stroke=0, anchor="center", em=None):
    """Paints text fitted into a max_w x max_h box centred on (cx, cy) with the
    given source (a colour tuple or a cairo pattern). With em, the text is set
    at that font size instead (still shrunk to fit the box). Returns the box."""
    m = text_mask(text, path, index, stroke=stroke)
    h, w = m.shape
    s = min(max_w / w, max_h / h)
    if em is not None:
        s = min(s, em / 400.0)
    dw, dh = w * s, h * s
    x0 = cx - dw / 2
    y0 = cy - dh / 2
    if anchor == "top":
        y0 = cy
    surf = mask_surface(m)
    ctx.save()
    if isinstance(source, tuple):
        if len(source) == 4:
            ctx.set_source_rgba(*source)
        else:
            ctx.set_source_rgb(*source)
    else:
        ctx.set_source(source)
    ctx.translate(x0, y0)
    ctx.scale(s, s)
    pat = cairo.SurfacePattern(surf)
    pat.set_filter(cairo.FILTER_BEST)
    ctx.mask(pat)
    ctx.restore()
    return (x0, y0, dw, dh)


def surface_to_rgba(surf):
    """Cairo ARGB32 (premultiplied BGRA) to a straight RGBA uint8 array."""
    surf.flush()
    h, w = surf.get_height(), surf.get_width()
    a = np.ndarray((h, surf.get_stride() // 4, 4), dtype=np.uint8, buffer=surf.get_data())[:, :w, :]
    a = a.astype(np.float32)
    alpha = a[..., 3:4]
    rgb = np.where(alpha > 0, a[..., [2, 1, 0]] * 255.0 / np.maximum(alpha, 1), 0)
    out = np.concatenate([np.clip(rgb + 0.5, 0, 255), alpha], axis=2)
    return out.astype(np.uint8)


def rgba_to_surface(rgba):
    """Straight RGBA uint8 array to a cairo ARGB32 surface."""
    h, w = rgba.shape[:2]
    a = rgba.astype(np.float32)
    al = a[..., 3:4] / 255.0
    pre = np.concatenate([a[..., [2, 1, 0]] * al, a[..., 3:4]], axis=2)
    pre = np.clip(pre + 0.5, 0, 255).astype(np.uint8)
    stride = cairo.ImageSurface.format_stride_for_width(cairo.FORMAT_ARGB32, w)
    buf = np.zeros((h, stride // 4, 4), dtype=np.uint8)
    buf[:, :w] = pre
    return cairo.ImageSurface.create_for_data(bytearray(buf.tobytes()), cairo.FORMAT_ARGB32, w, h, stride)


def bleed_colours(rgba):
    """Gives fully transparent pixels the colour of the nearest strokes
    (push-pull over a pyramid), so that mipmaps averaged without alpha
    weighting do not pull dark or white fringes into antialiased edges."""
    h, w = rgba.shape[:2]
    rgb = rgba[..., :3].astype(np.float64)
    al = rgba[..., 3].astype(np.float64) / 255.0
    levels = [(rgb * al[..., None], al)]
    while levels[-1][1].shape[0] > 1 or levels[-1][1].shape[1] > 1:
        p, a = levels[-1]
        ph, pw = a.shape
        nh, nw = (ph + 1) // 2, (pw + 1) // 2
        p2 = np.zeros((nh * 2, nw * 2, 3))
        a2 = np.zeros((nh * 2, nw * 2))
        p2[:ph, :pw] = p
        a2[:ph, :pw] = a
        p2 = p2.reshape(nh, 2, nw, 2, 3).sum(axis=(1, 3))
        a2 = a2.reshape(nh, 2, nw, 2).sum(axis=(1, 3))
        levels.append((p2, a2))
    colour = None
    for p, a in reversed(levels):
        c = np.where(a[..., None] > 1e-9, p / np.maximum(a[..., None], 1e-9), 0)
        if colour is not None:
            up = np.repeat(np.repeat(colour, 2, axis=0), 2, axis=1)[:a.shape[0], :a.shape[1]]
            c = np.where(a[..., None] > 1e-9, c, up)
        colour = c
    out = rgba.copy()
    empty = rgba[..., 3] == 0
    out[..., :3][empty] = np.clip(colour[empty] + 0.5, 0, 255).astype(np.uint8)
    return out


def save_png(img, path):
    """Saves without text or time chunks so that outputs are reproducible."""
    if isinstance(img, np.ndarray):
        img = Image.fromarray(img)
    img.save(path, format="PNG", optimize=True)


def new_surface(w, h):
    return cairo.ImageSurface(cairo.FORMAT_ARGB32, w, h)


def cell_context(ctx, col, row):
    """Moves ctx into cell (col, row) in the local 100-unit frame and clips to
    the cell so nothing strays into a neighbour."""
    ctx.save()
    x0 = col * CELL_W
    y0 = row * CELL_H
    ctx.translate(x0, y0)
    s = CELL_W / UNIT_W
    ctx.scale(s, s)
    ctx.rectangle(0, 0, UNIT_W, UNIT_H)
    ctx.clip()


def rounded_rect(ctx, x, y, w, h, r):
    r = min(r, w / 2, h / 2)
    ctx.new_sub_path()
    ctx.arc(x + w - r, y + r, r, -math.pi / 2, 0)
    ctx.arc(x + w - r, y + h - r, r, 0, math.pi / 2)
    ctx.arc(x + r, y + h - r, r, math.pi / 2, math.pi)
    ctx.arc(x + r, y + r, r, math.pi, 3 * math.pi / 2)
    ctx.close_path()


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def lighten(c, t):
    return mix(c, (1, 1, 1), t)


def darken(c, t):
    return mix(c, (0, 0, 0), t)


def linear(x0, y0, x1, y1, stops):
    g = cairo.LinearGradient(x0, y0, x1, y1)
    for off, col in stops:
        if len(col) == 4:
            g.add_color_stop_rgba(off, *col)
        else:
            g.add_color_stop_rgb(off, *col)
    return g


def radial(cx, cy, r0, r1, stops, fx=None, fy=None):
    g = cairo.RadialGradient(cx if fx is None else fx, cy if fy is None else fy, r0, cx, cy, r1)
    for off, col in stops:
        if len(col) == 4:
            g.add_color_stop_rgba(off, *col)
        else:
            g.add_color_stop_rgb(off, *col)
    return g


def crop_cell(atlas, col, row):
    """One cell of an atlas picture (PIL RGBA) as its own PIL image."""
    x0 = int(round(col * CELL_W))
    y0 = int(round(row * CELL_H))
    x1 = int(round((col + 1) * CELL_W))
    y1 = int(round((row + 1) * CELL_H))
    return atlas.crop((x0, y0, x1, y1))


def draw_spaced(ctx, text, cx, cy, em, tracking, source, path=SERIF_BOLD, index=FACE_JP):
    """Text set at font size em with extra space (in em) between letters,
    centred on (cx, cy) with the baseline placed so capitals centre on cy."""
    f = font(path, 400, index)
    scale = em / 400.0
    advances = [f.getlength(ch) * scale for ch in text]
    total = sum(advances) + tracking * em * (len(text) - 1)
    cap = f.getbbox("H")
    cap_h = (cap[3] - cap[1]) * scale
    x = cx - total / 2
    for ch, adv in zip(text, advances):
        if ch != " ":
            l, t, r, b = f.getbbox(ch)
            m = text_mask(ch, path, index)
            h, w = m.shape
            # place the glyph box where the font puts it relative to the cap height
            gx = x + l * scale
            gy = cy - cap_h / 2 + (t - cap[1]) * scale
            surf = mask_surface(m)
            ctx.save()
            if isinstance(source, tuple):
                ctx.set_source_rgba(*(source + (1.0,))[:4])
            else:
                ctx.set_source(source)
            ctx.translate(gx, gy)
            ctx.scale(scale, scale)
            pat = cairo.SurfacePattern(surf)
            pat.set_filter(cairo.FILTER_BEST)
            ctx.mask(pat)
            ctx.restore()
        x += adv + tracking * em
    return total
