"""Builds a face atlas: every template's face drawn into its grid cell of a
transparent 2048 x 1024 picture."""

import cairo
import numpy as np
from PIL import Image

from common import (ATLAS_W, ATLAS_H, bleed_colours, cell_context, new_surface,
                    surface_to_rgba, save_png)


def build_atlas(templates, draw_face, path):
    surf = new_surface(ATLAS_W, ATLAS_H)
    ctx = cairo.Context(surf)
    ctx.set_antialias(cairo.ANTIALIAS_BEST)
    for name, col, row, _repeat, _matches in templates:
        cell_context(ctx, col, row)
        draw_face(ctx, name)
        ctx.restore()
    rgba = bleed_colours(surface_to_rgba(surf))
    save_png(rgba, path)
    return Image.fromarray(rgba)
