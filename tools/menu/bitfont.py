"""The menu's bitmap font: white glyphs with coverage in the alpha channel on
one square texture, described by font.cfg (character list, rectangles,
tracking and the typeface's kerning pairs).

Glyphs are stored narrowed by DESIGN_ASPECT: the game stretches menu text
with the window (text is laid out in fractions of the window width and
height), so on the 1280 x 800 window the menu is designed for they show in
their true proportions. Every rectangle is the glyph's full advance box
over the whole line height, so consecutive glyphs butt together on one
baseline.
"""
import os

import numpy as np
from PIL import Image, ImageDraw, ImageFont

FONT_FILE = "/usr/share/fonts/opentype/urw-base35/P052-Bold.otf"
EM = 112                 # pixel size the glyphs are rendered at
DESIGN_W, DESIGN_H = 1280, 800
DESIGN_ASPECT = DESIGN_H / DESIGN_W   # horizontal squeeze of the stored glyphs
TEXTURE_SIZE = 1024
TRACKING = 1             # texture pixels between any two characters
FIRST = 32
CHARS = [chr(c) for c in range(32, 127)]
GAP = 14                 # texture pixels between glyph boxes (mipmap margin)
KERN_MIN = 0.75          # smaller kerning amounts (texture pixels) are dropped


class Font:
    """Glyph boxes and kerning as the game reads them, plus the measures the
    game computes from them (in texture units)."""

    def __init__(self):
        self.rects = {}      # char -> (left, top, right, bottom)
        self.kern = {}       # (first, second) -> amount in texture pixels
        self.height = 0
        self.image = None

    def width(self, c):
        l, t, r, b = self.rects[c]
        return r - l

    def layout(self, text):
        """Per-character widths and advances in texture units, as measured by
        the game: advance 0 for the first character, else tracking plus the
        kerning amount of the pair."""
        widths, advances = [], []
        prev = None
        for c in text:
            if c not in self.rects:
                continue
            widths.append(self.width(c) / TEXTURE_SIZE)
            if prev is None:
                advances.append(0.0)
            else:
                advances.append((TRACKING + self.kern.get((prev, c), 0.0)) / TEXTURE_SIZE)
            prev = c
        return widths, advances

    def text_width(self, text):
        w, a = self.layout(text)
        return sum(w) + sum(a)

    @property
    def line_height(self):
        return self.height / TEXTURE_SIZE


def build():
    face = ImageFont.truetype(FONT_FILE, EM, layout_engine=ImageFont.Layout.RAQM)
    ascent, descent = face.getmetrics()
    top_ink = min(face.getbbox(c)[1] for c in CHARS if c != " ")
    bottom_ink = max(face.getbbox(c)[3] for c in CHARS if c != " ")
    top = min(0, top_ink) - 1
    bottom = max(ascent + descent, bottom_ink) + 1
    line = bottom - top

    glyphs = {}
    for c in CHARS:
        adv = face.getlength(c, features=["-kern"])
        if c == " ":
            ink_l, ink_r = 0, 0
        else:
            ink_l, _, ink_r, _ = face.getbbox(c)
        left = min(0.0, ink_l - 1)
        right = max(adv, ink_r + 1)
        w_full = right - left
        # Rendered with the pen at -left, then squeezed horizontally (a
        # Lanczos squeeze keeps the strokes' weight and vertical sharpness).
        tmp = Image.new("L", (int(np.ceil(w_full)) + 2, line), 0)
        ImageDraw.Draw(tmp).text((-left, -top), c, font=face, fill=255)
        tw = max(1, int(round(w_full * DESIGN_ASPECT)))
        squeezed = tmp.crop((0, 0, int(np.ceil(w_full)), line)).resize((tw, line), Image.LANCZOS)
        glyphs[c] = squeezed

    # Kerning pairs from the typeface, in squeezed texture pixels. Pairs with
    # a blank are left out: the blank carries no ink to kern against.
    kern = {}
    printable = [c for c in CHARS if c != " "]
    for a in printable:
        for b in printable:
            k = face.getlength(a + b) - face.getlength(a + b, features=["-kern"])
            k *= DESIGN_ASPECT
            if abs(k) >= KERN_MIN:
                kern[(a, b)] = round(k * 4) / 4

    # Shelf packing in character order.
    img = np.zeros((TEXTURE_SIZE, TEXTURE_SIZE), np.uint8)
    font = Font()
    font.height = line
    x, y = GAP, GAP
    for c in CHARS:
        g = np.array(glyphs[c])
        h, w = g.shape
        if x + w + GAP > TEXTURE_SIZE:
            x = GAP
            y += line + GAP
        if y + line + GAP > TEXTURE_SIZE:
            raise SystemExit("font texture too small")
        img[y:y + h, x:x + w] = g
        font.rects[c] = (x, y, x + w, y + line)
        x += w + GAP
    font.kern = kern
    rgba = np.zeros((TEXTURE_SIZE, TEXTURE_SIZE, 4), np.uint8)
    rgba[..., :3] = 255
    rgba[..., 3] = img
    font.image = rgba
    return font


def quoted(c):
    return "'" + c + "'"


def write(font, folder, texture_path):
    png = os.path.join(folder, "font.png")
    Image.fromarray(font.image, "RGBA").save(png, format="PNG", optimize=True)
    out = []
    # Words that are not sections are skipped; the header holds no section name.
    out.append("# Jadeloom menu font, P052 Bold (URW base 35), printable ASCII, glyphs")
    out.append("# narrowed to 0.625 of their width for a 16 by 10 window")
    out.append("# generated by tools/menu/generate.py - do not edit")
    out.append("FirstCharacter: %d" % FIRST)
    out.append("Tracking: %d" % TRACKING)
    out.append("TextureSize: %d" % TEXTURE_SIZE)
    out.append("Texture: %s" % texture_path)
    out.append("CharacterList")
    out.append("{")
    for i in range(0, len(CHARS), 16):
        out.append(" ".join(quoted(c) for c in CHARS[i:i + 16]))
    out.append("}")
    out.append("CharacterRectangles:")
    out.append("{")
    for c in CHARS:
        out.append("( %d , %d , %d , %d )" % font.rects[c])
    out.append("}")
    out.append("KerningPairs:")
    out.append("{")
    for (a, b) in sorted(font.kern):
        out.append("( %s , %s , %s )" % (quoted(a), quoted(b), fmt(font.kern[(a, b)])))
    out.append("}")
    out.append("BuildFont();")
    with open(os.path.join(folder, "font.cfg"), "w", newline="\n") as f:
        f.write("\n".join(out) + "\n")


def fmt(v):
    s = ("%.2f" % v).rstrip("0").rstrip(".")
    return "0" if s in ("-0", "") else s
