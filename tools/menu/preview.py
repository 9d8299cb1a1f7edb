"""Pictures of the menu as the game draws it, for looking at while working
on the design (written to build-menu/, never committed). The drawing
follows the game's rules: items in tree order, hidden subtrees skipped, the
toggled, hover and pressed looks as texture shifts, label text fitted to
its box with the bitmap font's measures and drawn glyph by glyph."""
import os
import sys

import numpy as np
from PIL import Image

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import bitfont  # noqa: E402
import generate  # noqa: E402

W, H = generate.W, generate.H
REPO = os.path.abspath(os.path.join(HERE, "..", ".."))
OUT = os.path.join(REPO, "build-menu")
SEL = (0.42578125, 0.58984375, 0.8046875)


class Scene:
    def __init__(self, **kw):
        self.show = kw.get("show", set())
        self.hide = kw.get("hide", set())
        self.toggled = kw.get("toggled", set())
        self.hover = kw.get("hover", set())
        self.pressed = kw.get("pressed", set())
        self.texts = kw.get("texts", {})
        self.colors = kw.get("colors", {})
        self.centred = kw.get("centred", set())
        self.moved = kw.get("moved", {})
        self.pictures = kw.get("pictures", {})


class Painter:
    def __init__(self, builder, root, font, folder):
        self.root = root
        self.font = font
        self.pages = {}
        for p in (builder.ui, builder.doors, builder.buttons, builder.preview):
            self.pages[p.material] = Image.open(os.path.join(folder, p.file)).convert("RGBA")
        self.glyphs = Image.fromarray(font.image, "RGBA")
        bg = os.path.join(REPO, "docs", "screenshot.png")
        self.background = Image.open(bg).convert("RGBA").resize((W, H), Image.LANCZOS)

    def visible(self, it, scene):
        if it.id in scene.show:
            return True
        if it.id in scene.hide:
            return False
        return it.visible

    def blit(self, canvas, src, screen, uv, dx=0.0):
        x0, y0, x1, y1 = screen
        x0 += dx * W
        x1 += dx * W
        sw, sh = int(round(x1)) - int(round(x0)), int(round(y1)) - int(round(y0))
        if sw <= 0 or sh <= 0:
            return
        u0, v0, u1, v1 = uv
        piece = src.crop((int(round(u0)), int(round(v0)), int(round(u1)), int(round(v1))))
        piece = piece.resize((sw, sh), Image.BILINEAR)
        canvas.alpha_composite(piece, (int(round(x0)), int(round(y0))))

    def draw_item(self, canvas, it, scene):
        src = self.pages[it.page.material]
        off = np.zeros(2)
        if it.id in scene.toggled and it.toggle:
            off += it.toggle
        if it.id in scene.pressed and it.click:
            off += it.click
        elif it.id in scene.hover and it.hover:
            off += it.hover
        dx = scene.moved.get(it.id, 0.0)
        if it.id in scene.pictures:
            pic = Image.open(scene.pictures[it.id]).convert("RGBA")
            for screen, _, _ in it.quads:
                self.blit(canvas, pic, screen, (0, 0, pic.width, pic.height), dx)
            return
        for screen, uv, _ in it.quads:
            if it.page.whole:
                uv = (0, 0, src.width, src.height)
            u0, v0, u1, v1 = uv
            self.blit(canvas, src, screen, (u0 + off[0], v0 + off[1], u1 + off[0], v1 + off[1]), dx)

    def draw_text(self, canvas, text, rect, color, centre, margins=(0, 0, 0, 0), selected=False):
        """rect in pixels; margins (top, left, right, bottom) in fractions."""
        x0, y0, x1, y1 = rect
        top, left, right, bottom = margins
        f = self.font
        widths, advances = f.layout(text)
        tw = sum(widths) + sum(advances)
        track = bitfont.TRACKING / bitfont.TEXTURE_SIZE
        sy = ((y1 - y0) / H - bottom - top) / f.line_height
        sx = ((x1 - x0) / W - left - right) / (tw + track) if tw + track > 0 else sy
        s = min(sx, sy)
        off_y = ((y1 - y0) - s * f.line_height * H) / H * 0.5
        off_x = ((x1 - x0) / W) * 0.5 - tw * s * 0.5 if centre else 0.0
        px = x0 / W + left + off_x
        py = y0 / H + bottom + off_y
        if selected:
            sel = Image.new("RGBA", (max(1, int(tw * s * W)), int((y1 - y0) - 0.016 * H)),
                            tuple(int(c * 255) for c in SEL) + (255,))
            canvas.alpha_composite(sel, (int(px * W), int(y0 + 0.008 * H)))
        pen = 0.0
        chars = [c for c in text if c in f.rects]
        for c, w, a in zip(chars, widths, advances):
            pen += a * s
            l, t, r, b = f.rects[c]
            gw, gh = int(round((r - l) / bitfont.TEXTURE_SIZE * s * W)), int(round((b - t) / bitfont.TEXTURE_SIZE * s * H))
            if gw > 0 and gh > 0 and c != " ":
                g = self.glyphs.crop((l, t, r, b)).resize((gw, gh), Image.LANCZOS)
                tint = Image.new("RGBA", g.size, tuple(int(v * 255) for v in color) + (0,))
                tint.putalpha(g.getchannel("A"))
                canvas.alpha_composite(tint, (int(round((px + pen) * W)), int(round(py * H))))
            pen += w * s

    def walk(self, canvas, it, scene, dx=0.0):
        if not self.visible(it, scene):
            return
        if it.kind == "label":
            text = scene.texts.get(it.id, it.text)
            color = scene.colors.get(it.id, it.color or (0, 0, 0))
            x0, y0, x1, y1 = it.rect()
            d = scene.moved.get(it.id, 0.0) * W
            self.draw_text(canvas, text, (x0 + d, y0, x1 + d, y1), color, it.id in scene.centred)
        elif it.quads:
            self.draw_item(canvas, it, scene)
        if it.kind == "TextBox":
            text = scene.texts.get("TextBoxText", "Enter Name Here")
            self.draw_text(canvas, text, it.rect(), (0, 0, 0), False, (0.005, 0.01, 0.01, 0.0025),
                           selected=text == "Enter Name Here")
        for c in it.children:
            self.walk(canvas, c, scene)

    def render(self, scene):
        canvas = self.background.copy()
        self.walk(canvas, self.root, scene)
        return canvas


def door_moves(b, root, open_):
    if not open_:
        return {}
    left = root.children[[c.id for c in root.children].index("MainMenuLeft")]
    right = root.children[[c.id for c in root.children].index("MainMenuRight")]
    m = {it.id: -0.5 for it in left.walk()}
    m.update({it.id: 0.5 for it in right.walk()})
    return m


def scenes(b, root):
    names = ["Mei", "Hiroshi", "Anna-Lena", "Tomasz", "Grandpa Joe"]
    players = {"Player%d" % (i + 1): n for i, n in enumerate(names)}
    hidden_doors = {"MainMenuLeft", "MainMenuRight"}
    play = dict(hide=hidden_doors | {"MenuNewPlayer", "Slot2", "Slot3"},
                texts={"TilesText": "86", "MovesText": "7", "ScoreText": "1240", "TimeText": "04:37",
                       "DifficultyText": "Normal"}, centred={"DifficultyText", "LayoutName", "TileSetName"})
    menu = dict(play, hide={"MenuNewPlayer", "Slot2", "Slot3"})
    volume_x = 0.7 * (152 - 22) / W
    opts = {"VolumeKnob": volume_x}
    t = os.path.join(REPO, "Assets")
    return {
        "play": Scene(**play, hover={"NewGameButton"}, pressed={"UndoButton"}),
        "main_menu": Scene(**menu, hover={"DoorLayouts"}),
        "layouts": Scene(**dict(menu, show={"LayoutPanel"}), pictures={"LayoutPreview": t + "/Layouts/turtle_preview.png"},
                         hover={"LayoutNext"}),
        "tilesets": Scene(**dict(menu, show={"TileSetPanel"}, texts=dict(menu["texts"], TileSetName="Standard")),
                          pictures={"TileSetPreview": t + "/Tiles/Standard/standard_tiles_preview.png"},
                          pressed={"TileSetSelect"}),
        "options": Scene(**dict(play, show={"OptionsPanel"}, moved=opts), toggled={"HighlightTilesCheckbox"},
                         hover={"FullscreenCheckbox", "VolumeKnob"}),
        "players": Scene(**dict(menu, show={"PlayerPanel"}, texts=dict(menu["texts"], **players),
                                colors={"Player2": (0, 0, 1)}), hover={"PlayerRow4", "PlayerDelete4"}),
        "new_player": Scene(**dict(play, hide=hidden_doors | {"Slot2", "Slot3"})),
        "won": Scene(**dict(play, show={"GameWonPanel"},
                            texts=dict(play["texts"], GameWonTime="06:12", GameWonScore="2310",
                                       GameWonLayoutName="Turtle", GameWonLayoutBestTime="06:12",
                                       GameWonLayoutBestScore="2980", GameWonTilesetName="Standard",
                                       GameWonTilesetBestTime="05:48", GameWonTilesetBestScore="2310"),
                            colors={"GameWonLayoutBestTime": (0, 0, 1), "GameWonTilesetBestScore": (0, 0, 1)}),
                     hover={"GameWonOK"}),
        "no_moves": Scene(**dict(play, show={"NoMovesPanel"}), hover={"NoMovesClose"}),
        "delete": Scene(**dict(menu, show={"PlayerPanel", "DeletePlayerConfirmation"},
                               texts=dict(menu["texts"], DeletePlayerLabelName="Tomasz", **players),
                               colors={"Player2": (0, 0, 1)}), hover={"DeletePlayerNo"}),
    }


def main():
    b, root, font = generate.main()
    folder = os.path.join(REPO, "Assets", "Menu")
    painter = Painter(b, root, font, folder)
    os.makedirs(OUT, exist_ok=True)
    for name, scene in scenes(b, root).items():
        painter.render(scene).convert("RGB").save(os.path.join(OUT, "menu_%s.png" % name))
    print("previews in", OUT)


if __name__ == "__main__":
    main()
