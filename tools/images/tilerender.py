"""Pseudo-3D tiles for the previews and title art: an ivory face with a
jade back seen slightly from above, the face picture laid on top."""

import math

import cairo
import numpy as np
from PIL import Image

from common import (IVORY, JADE, JADE_DEEP, linear, rounded_rect, lighten, darken,
                    rgba_to_surface)


def draw_tile(ctx, x, y, w, face=None, depth=None, shadow=True, back=JADE):
    """Draws a tile whose face's top-left corner is (x, y) and whose face is w
    wide; the body shows below and to the right. face is a PIL RGBA picture
    of the face cell (transparent where the ivory shows)."""
    h = w / 0.706
    d = depth if depth is not None else w * 0.16
    r = w * 0.11
    if shadow:
        for i in range(6):
            rounded_rect(ctx, x + d * 0.9 + i * 0.6, y + d * 1.1 + i * 0.6, w + d * 0.3, h + d * 0.3, r)
            ctx.set_source_rgba(0, 0, 0, 0.06)
            ctx.fill()
    # jade back, then an ivory body layer, then the face
    rounded_rect(ctx, x + d, y + d, w, h, r)
    ctx.set_source(linear(x, y, x + w + d, y + h + d, [(0, lighten(back, 0.1)), (1, darken(back, 0.35))]))
    ctx.fill()
    rounded_rect(ctx, x + d * 0.55, y + d * 0.55, w, h, r)
    ctx.set_source(linear(x, y, x + w, y + h, [(0, (0.93, 0.89, 0.78)), (1, (0.78, 0.72, 0.60))]))
    ctx.fill()
    rounded_rect(ctx, x, y, w, h, r)
    ctx.set_source(linear(x, y, x + w, y + h, [(0, lighten(IVORY, 0.5)), (0.6, IVORY), (1, darken(IVORY, 0.06))]))
    ctx.fill_preserve()
    ctx.set_source_rgba(0.55, 0.48, 0.36, 0.55)
    ctx.set_line_width(max(0.6, w * 0.012))
    ctx.stroke()
    if face is not None:
        arr = np.array(face.convert("RGBA"))
        surf = rgba_to_surface(arr)
        fw, fh = face.size
        ctx.save()
        rounded_rect(ctx, x, y, w, h, r)
        ctx.clip()
        ctx.translate(x, y)
        ctx.scale(w / fw, h / fh)
        pat = cairo.SurfacePattern(surf)
        pat.set_filter(cairo.FILTER_BEST)
        ctx.set_source(pat)
        ctx.paint()
        ctx.restore()
    return h
