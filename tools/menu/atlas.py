"""Texture pages of the menu: 1024 x 1024 pictures into which the generator
packs cells (shelf packing in call order, so the result is deterministic),
each cell drawn with cairo and surrounded by a gutter that repeats its edge
pixels, so that filtering and mipmaps never pull in a neighbour."""
import os
import sys

import cairo
import numpy as np

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "images"))
import common  # noqa: E402  (bleed_colours, save_png)

SIZE = 1024
GUTTER = 8
EDGE = 3          # pixels of each cell's edge repeated into the gutter


class Page:
    def __init__(self, file, material):
        self.file = file
        self.material = material
        self.surface = cairo.ImageSurface(cairo.FORMAT_ARGB32, SIZE, SIZE)
        self.x = GUTTER
        self.y = GUTTER
        self.row = 0
        self.cells = []

    def alloc(self, w, h):
        w, h = int(np.ceil(w)), int(np.ceil(h))
        if self.x + w + GUTTER > SIZE:
            self.x = GUTTER
            self.y += self.row + GUTTER
            self.row = 0
        if self.y + h + GUTTER > SIZE or w + 2 * GUTTER > SIZE:
            raise SystemExit("texture page %s is full" % self.file)
        pos = (self.x, self.y)
        self.x += w + GUTTER
        self.row = max(self.row, h)
        return pos

    def paint(self, x, y, w, h, draw):
        ctx = cairo.Context(self.surface)
        ctx.rectangle(x, y, w, h)
        ctx.clip()
        ctx.translate(x, y)
        draw(ctx)
        self.cells.append((x, y, int(np.ceil(w)), int(np.ceil(h))))

    def cell(self, w, h, draw):
        """One picture; returns its (x, y, w, h) on the page."""
        x, y = self.alloc(w, h)
        self.paint(x, y, w, h, draw)
        return (x, y, w, h)

    def looks(self, w, h, rows, cols, draw):
        """A grid of looks of one item, draw(ctx, row, col); returns the first
        cell and the step in pixels between rows and between columns."""
        sx, sy = int(np.ceil(w)) + GUTTER, int(np.ceil(h)) + GUTTER
        x, y = self.alloc(sx * cols - GUTTER, sy * rows - GUTTER)
        for r in range(rows):
            for c in range(cols):
                self.paint(x + c * sx, y + r * sy, w, h, lambda ctx, r=r, c=c: draw(ctx, r, c))
        return (x, y, w, h), (sx, sy)

    def pixels(self):
        """Straight RGBA with gutters filled from the cell edges and colours
        bled under transparent pixels."""
        self.surface.flush()
        a = common.surface_to_rgba(self.surface)
        for (x, y, w, h) in self.cells:
            for i in range(1, EDGE + 1):
                if y - i >= 0:
                    a[y - i, x:x + w] = a[y, x:x + w]
                if y + h - 1 + i < SIZE:
                    a[y + h - 1 + i, x:x + w] = a[y + h - 1, x:x + w]
            x0, x1 = max(0, x - EDGE), min(SIZE, x + w + EDGE)
            y0, y1 = max(0, y - EDGE), min(SIZE, y + h + EDGE)
            for i in range(1, EDGE + 1):
                if x - i >= 0:
                    a[y0:y1, x - i] = a[y0:y1, x]
                if x + w - 1 + i < SIZE:
                    a[y0:y1, x + w - 1 + i] = a[y0:y1, x + w - 1]
        return common.bleed_colours(a)

    def save(self, folder):
        common.save_png(self.pixels(), os.path.join(folder, self.file))
