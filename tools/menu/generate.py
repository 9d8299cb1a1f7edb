"""Generates the game's menu: Assets/Menu/menu.obj, menu.mtl, menu.anim,
menu.cfg, the texture pages, font.cfg and font.png. Deterministic: the
layout is fixed, pages are packed in a fixed order and PNGs carry no time
stamps. Usage: generate.py [repository root]."""
import os
import sys

import numpy as np

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import art  # noqa: E402
import atlas  # noqa: E402
import bitfont  # noqa: E402
from model import Item, assign_depths, write_anim, write_cfg, write_mtl, write_obj  # noqa: E402

W, H = 1280, 800
TOP, BOTTOM = 56, 752            # the bars: [0, TOP) and [BOTTOM, H)
MID = (TOP + BOTTOM) // 2

TITLE = (0.93, 0.76, 0.36)
INK = art.INK
PALE = (0.80, 0.88, 0.82)
IVORY = art.IVORY
WARNING = (1.0, 0.62, 0.45)


class Builder:
    def __init__(self, font):
        self.font = font
        self.ui = atlas.Page("menu_ui.png", "Menu_UI")
        self.doors = atlas.Page("menu_doors.png", "Menu_Doors")
        self.buttons = atlas.Page("menu_buttons.png", "Menu_Buttons")
        self.preview = atlas.Page("menu_preview.png", "Menu_Preview")
        self.preview.whole = True
        for p in (self.ui, self.doors, self.buttons):
            p.whole = False
        for p in (self.ui, self.doors, self.buttons, self.preview):
            p.texture = p.file
        self.blank = self.ui.cell(4, 4, lambda ctx: None)
        self.shared = {}
        self.lacquer = self.ui.cell(120, 120, lambda ctx: art.lacquer_panel(ctx, 120, 120, 12))
        self.paper = self.ui.cell(64, 64, lambda ctx: art.paper(ctx, 64, 64))
        self.rule = self.ui.cell(32, 2, lambda ctx: (ctx.set_source_rgba(*art.GOLD_DARK, 0.8), ctx.paint()))

    # ---------------------------------------------------------------- items
    def block(self, key, page, w, h, rows, cols, draw):
        if key not in self.shared:
            self.shared[key] = page.looks(w, h, rows, cols, draw)
        return self.shared[key]

    def text_button(self, parent, id, action, rect, style, caption, size):
        """A panel button with its caption painted in (own texture page)."""
        return self.button(parent, id, action, rect, style_button(style, caption, size), page=self.buttons)

    def button(self, parent, id, action, rect, draw, key=None, page=None, kind="button", **kw):
        page = page or self.ui
        x0, y0, x1, y1 = rect
        w, h = x1 - x0, y1 - y0
        cell, (sx, sy) = self.block(key or id, page, w, h, 3, 1, lambda ctx, r, c: draw(ctx, w, h, r))
        it = parent.add(kind, id, action=action, **kw)
        it.picture(page, rect, cell)
        it.hover = (0, sy)
        it.click = (0, 2 * sy)
        return it

    def checkbox(self, parent, id, action, rect, caption):
        x0, y0, x1, y1 = rect
        w, h = x1 - x0, y1 - y0
        cell, (sx, sy) = self.ui.looks(w, h, 3, 2, lambda ctx, r, c: art.checkbox(ctx, w, h, r, c == 1, caption))
        it = parent.add("checkbox", id, action=action)
        it.picture(self.ui, rect, cell)
        it.toggle = (sx, 0)
        it.hover = (0, sy)
        it.click = (0, 2 * sy)
        return it

    def label(self, parent, id, text, rect, color, kind="label"):
        it = parent.add(kind, id, text=text, color=color)
        it.picture(self.ui, rect, self.blank)
        return it

    def text_px(self, text, h):
        """Width in window pixels of text fitted to a line h pixels high."""
        scale = (h / H) / self.font.line_height
        return (self.font.text_width(text) + bitfont.TRACKING / bitfont.TEXTURE_SIZE) * scale * W

    def static(self, parent, id, text, x, top, h, color, align="left"):
        """A label of fixed text whose box is exactly as wide as the text, so
        that it is placed (left, centred or right) where the design wants."""
        w = self.text_px(text, h) + 2
        x0 = {"left": x, "center": x - w / 2, "right": x - w}[align]
        return self.label(parent, id, text, (round(x0, 2), top, round(x0 + w, 2), top + h), color)

    def panel(self, parent, id, rect, title, close=True):
        x0, y0, x1, y1 = rect
        p = parent.add("Rect", id, visible=False)
        p.nine(self.ui, (x0 - 12, y0 - 12, x1 + 12, y1 + 12), self.lacquer, 34)
        self.static(p, id + "Title", title, (x0 + x1) / 2, y0 + 16, 42, TITLE, "center")
        if close:
            self.button(p, id + "Close", "CLOSE_PANELS", (x1 - 46, y0 + 16, x1 - 16, y0 + 46),
                        lambda ctx, w, h, s: art.round_button(ctx, w, h, s, "cross"), key="close")
        return p

    def inset(self, panel, rect):
        panel.nine(self.ui, rect, self.paper, 14, layer=1)

    def rule_line(self, panel, x0, x1, y):
        panel.picture(self.ui, (x0, y, x1, y + 1), self.rule, layer=2)


def style_button(style, caption, size=None, icon=None):
    return lambda ctx, w, h, s: art.button(ctx, w, h, style, s, caption, size=size, icon=icon)


def arrow(glyph):
    return lambda ctx, w, h, s: art.round_button(ctx, w, h, s, glyph)


# ------------------------------------------------------------------ layout

def build(font):
    b = Builder(font)
    root = Item("Rect", "MenuRoot")
    # A box of no size: the root holds the pointer wherever it is (a zero
    # size sets no limit) and draws nothing, where a blank picture over the
    # whole window would cost every frame a pass over every pixel.
    root.picture(b.ui, (0, 0, 0, 0), b.blank)

    # Holding slots, left of the board.
    well = b.ui.cell(84, 108, lambda ctx: art.slot_well(ctx, 84, 108))
    y = MID - (3 * 108 + 2 * 14) // 2
    for i in range(1, 4):
        s = root.add("tileslot", "Slot%d" % i)
        s.picture(b.ui, (18, y, 102, y + 108), well)
        y += 122

    top_bar(b, root)
    bottom_bar(b, root)
    doors = main_menu_doors(b, root)
    layout_chooser(b, root)
    chooser(b, root, "TileSetPanel", "Tile Sets", "TileSetName", "TileSetPreview", "PREV_TILESET",
            "NEXT_TILESET", "SELECT_TILESET", "Play This Set", "Standard")
    options_panel(b, root)
    player_panel(b, root)
    stats_panel(b, root)
    no_moves_panel(b, root)
    won_panel(b, root)
    new_player_panel(b, root)
    delete_panel(b, root)
    assign_depths(root)
    return b, root, doors


def top_bar(b, root):
    bar_cell = b.ui.cell(64, TOP, lambda ctx: art.bar(ctx, 64, TOP, True))
    bar = root.add("Rect", "TopBar")
    bar.nine(b.ui, (0, 0, W, TOP), bar_cell, 12)
    mark = bar.add("Rect", "TopBarTitle")
    mark.picture(b.ui, (14, 8, 214, 48), b.ui.cell(200, 40, lambda ctx: art.wordmark(ctx, 200, 40)))
    buttons = [("MenuButton", "MAIN_MENU", "Menu", art.icon_menu),
               ("NewGameButton", "NEW_GAME", "New Game", art.icon_new),
               ("RestartButton", "RESTART", "Restart", art.icon_restart),
               ("UndoButton", "UNDO", "Undo", art.icon_undo),
               ("HintButton", "HINT", "Hint", art.icon_hint),
               ("ShuffleButton", "SHUFFLE", "Shuffle", art.icon_shuffle),
               ("OptionsButton", "OPTIONS_PANEL", "Options", art.icon_options)]
    bw, gap = 140, 8
    x = W - 14 - (len(buttons) * bw + (len(buttons) - 1) * gap)
    for id, action, caption, icon in buttons:
        b.button(bar, id, action, (x, 8, x + bw, 48), style_button("jade", caption, 17, icon))
        x += bw + gap


def bottom_bar(b, root):
    bar_cell = b.ui.cell(64, H - BOTTOM, lambda ctx: art.bar(ctx, 64, H - BOTTOM, False))
    bar = root.add("Rect", "BottomBar")
    bar.nine(b.ui, (0, BOTTOM, W, H), bar_cell, 12)
    fields = [("TilesField", "TILES", "TilesText", "144"), ("MovesField", "MOVES", "MovesText", "0"),
              ("ScoreField", "SCORE", "ScoreText", "0"), ("TimeField", "TIME", "TimeText", "00:00")]
    pw, gap, cap = 250, 16, 96
    x = (W - (len(fields) * pw + (len(fields) - 1) * gap)) // 2
    for id, caption, label, initial in fields:
        f = bar.add("Rect", id)
        f.picture(b.ui, (x, BOTTOM + 6, x + pw, BOTTOM + 42),
                  b.ui.cell(pw, 36, lambda ctx, c=caption: art.plaque(ctx, pw, 36, c, cap)))
        b.label(f, label, initial, (x + cap + 12, BOTTOM + 9, x + pw - 10, BOTTOM + 39), IVORY)
        x += pw + gap
    # The dead-end warning's line, just over the moves field; the game shows
    # it only while the board cannot be won.
    mx = (W - (len(fields) * pw + (len(fields) - 1) * gap)) // 2 + pw + gap + pw // 2
    warn = b.label(root, "DeadEndText", "Dead end", (mx - 260, BOTTOM - 30, mx + 260, BOTTOM - 6), WARNING)
    warn.visible = False


def main_menu_doors(b, root):
    scale = 0.78            # door picture pixels per window pixel
    dw, dh = 640, BOTTOM - TOP
    cw, ch = int(dw * scale), int(dh * scale) + 1
    left_cell = b.doors.cell(cw, ch, lambda ctx: art.door(ctx, cw, ch, -1, scale))
    right_cell = b.doors.cell(cw, ch, lambda ctx: art.door(ctx, cw, ch, 1, scale))
    left = root.add("Rect", "MainMenuLeft")
    left.picture(b.doors, (0, TOP, dw, BOTTOM), left_cell)
    right = root.add("Rect", "MainMenuRight")
    right.picture(b.doors, (dw, TOP, W, BOTTOM), right_cell)
    bw, bh, pitch, y0 = 240, 48, 64, 320
    for door, cx, entries in (
            (left, 350, [("DoorNewGame", "NEW_GAME", "New Game", 0), ("DoorLayouts", "LAYOUT_PANEL", "Layouts", 1),
                         ("DoorTileSets", "TILESET_PANEL", "Tile Sets", 2), ("DoorPlayers", "PLAYER_PANEL", "Players", 3)]),
            (right, W - 350, [("DoorResume", "MAIN_MENU", "Resume", 0), ("DoorOptions", "OPTIONS_PANEL", "Options", 1),
                              ("DoorStatistics", "STATS_PANEL", "Statistics", 2), ("Exit", "EXIT", "Exit", 3)])):
        for id, action, caption, row in entries:
            y = y0 + row * pitch
            b.button(door, id, action, (cx - bw // 2, y, cx + bw // 2, y + bh),
                     style_button("jade", caption, 21), page=b.doors)
    return left, right


def chooser(b, root, id, title, name_id, preview_id, prev, nxt, select, select_caption, initial,
            side=340, below=0):
    """A panel browsing entries by their previews; `below` leaves that much
    room for rows of its own between the name and the select button."""
    w, h = 500, 244 + side + below
    x0, y0 = (W - w) // 2, MID - h // 2
    p = b.panel(root, id, (x0, y0, x0 + w, y0 + h), title)
    px0, py0 = x0 + (w - side) // 2, y0 + 76
    b.inset(p, (px0 - 10, py0 - 10, px0 + side + 10, py0 + side + 10))
    pic = p.add("Rect", preview_id)
    pic.quad(b.preview, (px0, py0, px0 + side, py0 + side), (0, 0, 1, 1))
    cy = py0 + side // 2
    b.button(p, id.replace("Panel", "Prev"), prev, (x0 + 18, cy - 22, x0 + 62, cy + 22), arrow("left"), key="prev")
    b.button(p, id.replace("Panel", "Next"), nxt, (x0 + w - 62, cy - 22, x0 + w - 18, cy + 22), arrow("right"), key="next")
    ny = py0 + side + 22
    b.inset(p, (px0, ny, px0 + side, ny + 44))
    b.label(p, name_id, initial, (px0 + 10, ny + 6, px0 + side - 10, ny + 38), INK)
    by = ny + 64 + below
    b.text_button(p, id.replace("Panel", "Select"), select, (W // 2 - 120, by, W // 2 + 120, by + 48),
                  "gold", select_caption, 20)
    return p, x0, ny


def layout_chooser(b, root):
    """The layouts chooser: besides the layout, the deal to play it with and,
    for a generated layout, its number and a Keep button that names it; the
    deal in play is shown quietly at the right end of the bottom bar."""
    p, x0, ny = chooser(b, root, "LayoutPanel", "Layouts", "LayoutName", "LayoutPreview", "PREV_LAYOUT",
                        "NEXT_LAYOUT", "SELECT_LAYOUT", "Play This Layout", "Turtle", side=300, below=112)
    b.text_button(p, "LayoutKeep", "KEEP_LAYOUT", (x0 + 410, ny, x0 + 480, ny + 44), "paper", "Keep", 17)

    def picker(parent, prefix, verb, caption, label, y):
        b.static(parent, prefix + "Caption", caption, x0 + 24, y + 11, 24, PALE)
        b.button(parent, prefix + "Prev", verb + "_PREV", (x0 + 140, y, x0 + 184, y + 44), arrow("left"),
                 key="prev")
        b.inset(parent, (x0 + 190, y, x0 + 320, y + 44))
        b.label(parent, label, "42", (x0 + 200, y + 6, x0 + 310, y + 38), INK)
        b.button(parent, prefix + "Next", verb + "_NEXT", (x0 + 326, y, x0 + 370, y + 44), arrow("right"),
                 key="next")
        b.text_button(parent, prefix + "Random", verb + "_RANDOM", (x0 + 384, y, x0 + 470, y + 44),
                      "paper", "Random", 16)

    picker(p, "Deal", "DEAL", "Deal", "LayoutDealNumber", ny + 56)
    row = p.add("Rect", "LayoutNumberRow", visible=False)
    row.picture(b.ui, (x0 + 20, ny + 112, x0 + 480, ny + 156), b.blank)
    picker(row, "LayoutNumber", "LAYOUT_NUMBER", "Number", "LayoutNumber", ny + 112)

    b.label(root, "DealText", "Deal 42", (W - 106, BOTTOM + 12, W - 8, BOTTOM + 36), PALE)

    w, h = 480, 260
    x0, y0 = (W - w) // 2, MID - h // 2
    k = b.panel(root, "LayoutKeepPanel", (x0, y0, x0 + w, y0 + h), "Keep Layout", close=False)
    b.label(k, "LayoutKeepPrompt", "Name it, then press Enter.", (x0 + 20, y0 + 72, x0 + w - 20, y0 + 98), PALE)
    box = k.add("TextBox", "LayoutKeepTextBox")
    box.nine(b.ui, (x0 + 40, y0 + 110, x0 + w - 40, y0 + 154), b.paper, 14)
    by = y0 + h - 24 - 46
    b.text_button(k, "LayoutKeepConfirm", "KEEP_LAYOUT_CONFIRMED", (x0 + 50, by, x0 + 230, by + 46), "gold", "Keep",
                  19)
    b.text_button(k, "LayoutKeepCancel", "KEEP_LAYOUT_CANCELLED", (x0 + w - 230, by, x0 + w - 50, by + 46), "paper",
                  "Cancel", 19)


def options_panel(b, root):
    w, h = 540, 448
    x0, y0 = (W - w) // 2, MID - h // 2
    p = b.panel(root, "OptionsPanel", (x0, y0, x0 + w, y0 + h), "Options")
    b.inset(p, (x0 + 24, y0 + 76, x0 + w - 24, y0 + h - 24))
    rx = x0 + 40
    r = [y0 + 92 + 48 * i for i in range(6)]
    b.checkbox(p, "FullscreenCheckbox", "FULLSCREEN", (rx, r[0], rx + 300, r[0] + 40), "Full screen")
    b.checkbox(p, "HighlightTilesCheckbox", "HIGHLIGHT_TILES", (rx, r[1], rx + 300, r[1] + 40),
               "Highlight free tiles")
    ax, tx0, tx1, nx = x0 + 252, x0 + 296, x0 + 448, x0 + 456
    b.static(p, "DifficultyCaption", "Difficulty", rx + 10, r[2] + 10, 21, INK)
    b.button(p, "DifficultyPrev", "DIFFICULTY_PREV", (ax, r[2] + 2, ax + 36, r[2] + 38), arrow("left"), key="sprev")
    b.label(p, "DifficultyText", "Normal", (tx0, r[2] + 8, tx1, r[2] + 32), INK)
    b.button(p, "DifficultyNext", "DIFFICULTY_NEXT", (nx, r[2] + 2, nx + 36, r[2] + 38), arrow("right"), key="snext")
    for id, action, on in (("MusicOn", "STOP_MUSIC", True), ("MusicOff", "PLAY_MUSIC", False)):
        b.button(p, id, action, (rx, r[3], rx + 300, r[3] + 40),
                 lambda ctx, w, h, s, on=on: art.switch(ctx, w, h, s, on, "Music"), visible=on)
    b.static(p, "VolumeCaption", "Volume", rx + 10, r[4] + 10, 21, INK)
    b.button(p, "VolumeDown", "VOLUME_DOWN", (ax, r[4] + 2, ax + 36, r[4] + 38), arrow("minus"), key="minus")
    track = p.add("Rect", "VolumeTrack")
    tw = tx1 - tx0
    track.picture(b.ui, (tx0, r[4], tx1, r[4] + 40), b.ui.cell(tw, 40, lambda ctx: art.volume_track(ctx, tw, 40)))
    # The knob's rest position is the track's left end; the game moves it
    # along the track by the object's translation.
    b.button(track, "VolumeKnob", "VOLUME_GRAB", (tx0, r[4] + 3, tx0 + 22, r[4] + 37),
             lambda ctx, w, h, s: art.volume_knob(ctx, w, h, s))
    b.button(p, "VolumeUp", "VOLUME_UP", (nx, r[4] + 2, nx + 36, r[4] + 38), arrow("plus"), key="plus")
    # Multisampling is chosen when the window is made: a change shows from
    # the next start, which the note beside the box says.
    b.checkbox(p, "SmoothEdgesCheckbox", "SMOOTH_EDGES", (rx, r[5], rx + 220, r[5] + 40), "Smooth edges")
    b.static(p, "SmoothEdgesNote", "from the next start", rx + 234, r[5] + 12, 17, INK)


def player_panel(b, root):
    w, h = 500, 536
    x0, y0 = (W - w) // 2, MID - h // 2
    p = b.panel(root, "PlayerPanel", (x0, y0, x0 + w, y0 + h), "Players")
    b.inset(p, (x0 + 24, y0 + 76, x0 + w - 24, y0 + 76 + 10 * 36 + 16))
    for i in range(1, 11):
        ry = y0 + 84 + (i - 1) * 36
        row = b.button(p, "PlayerRow%d" % i, "CHANGE_PLAYER%d" % i, (x0 + 36, ry, x0 + w - 80, ry + 34),
                       lambda ctx, w, h, s: art.row_highlight(ctx, w, h, s), key="row")
        b.label(row, "Player%d" % i, "", (x0 + 50, ry + 5, x0 + w - 92, ry + 29), INK)
        b.button(p, "PlayerDelete%d" % i, "DELETE_PLAYER%d" % i, (x0 + w - 70, ry + 3, x0 + w - 42, ry + 31),
                 lambda ctx, w, h, s: art.delete_cross(ctx, w, h, s), key="delete")
    by = y0 + h - 24 - 46
    b.text_button(p, "PlayerNew", "NEW_PLAYER", (x0 + 50, by, x0 + 240, by + 46), "paper", "New Player", 19)
    b.text_button(p, "PlayerSelect", "SELECT_PLAYER", (x0 + w - 240, by, x0 + w - 50, by + 46),
                  "gold", "Select Player", 19)


def no_moves_panel(b, root):
    w, h = 520, 200
    x0, y0 = (W - w) // 2, MID - h // 2
    p = b.panel(root, "NoMovesPanel", (x0, y0, x0 + w, y0 + h), "No More Moves", close=False)
    b.static(p, "NoMovesMessage", "No matching pair is left to take.", W / 2, y0 + 76, 28, PALE, "center")
    by = y0 + h - 24 - 46
    bw, gap = 140, 20
    x = (W - (3 * bw + 2 * gap)) // 2
    for id, action, caption, style in (("NoMovesUndo", "UNDO", "Undo", "paper"),
                                       ("NoMovesNewGame", "NEW_GAME", "New Game", "paper"),
                                       ("NoMovesClose", "CLOSE_NOMOVES", "Close", "gold")):
        b.text_button(p, id, action, (x, by, x + bw, by + 46), style, caption, 19)
        x += bw + gap


def won_panel(b, root):
    w, h = 560, 404
    x0, y0 = (W - w) // 2, MID - h // 2
    p = b.panel(root, "GameWonPanel", (x0, y0, x0 + w, y0 + h), "Board Cleared!", close=False)
    ix0, ix1 = x0 + 24, x0 + w - 24
    b.inset(p, (ix0, y0 + 76, ix1, y0 + 296))
    c1, v1, c2, v2, vend = x0 + 44, x0 + 160, x0 + 296, x0 + 414, x0 + w - 40
    lh, ch = 28, 22

    def pair(y, cap1, id1, cap2, id2, prefix):
        b.static(p, prefix + "Caption1", cap1, c1, y + 4, ch, INK)
        b.label(p, id1, "--", (v1, y + 1, c2 - 16, y + 1 + lh), INK)
        b.static(p, prefix + "Caption2", cap2, c2, y + 4, ch, INK)
        b.label(p, id2, "--", (v2, y + 1, vend, y + 1 + lh), INK)

    y = y0 + 92
    pair(y, "Your time", "GameWonTime", "Your score", "GameWonScore", "GameWonYours")
    b.rule_line(p, ix0 + 16, ix1 - 16, y + 40)
    y += 52
    b.static(p, "GameWonLayoutCaption", "Layout", c1, y + 4, ch, art.JADE_DARK)
    b.label(p, "GameWonLayoutName", "Turtle", (v1, y + 1, vend, y + 1 + lh), INK)
    y += 34
    pair(y, "Best time", "GameWonLayoutBestTime", "Best score", "GameWonLayoutBestScore", "GameWonLayoutBest")
    b.rule_line(p, ix0 + 16, ix1 - 16, y + 40)
    y += 52
    b.static(p, "GameWonTilesetCaption", "Tile set", c1, y + 4, ch, art.JADE_DARK)
    b.label(p, "GameWonTilesetName", "Standard", (v1, y + 1, vend, y + 1 + lh), INK)
    y += 34
    pair(y, "Best time", "GameWonTilesetBestTime", "Best score", "GameWonTilesetBestScore", "GameWonTilesetBest")
    by = y0 + h - 24 - 48
    b.text_button(p, "GameWonOK", "GAMEWON_OK", (W // 2 - 110, by, W // 2 + 110, by + 48), "gold", "Play Again", 20)


STATS_ROWS = 10
STATS_COLUMNS = (("Name", "", 0), ("Won", "Won", 236), ("Time", "Best time", 296),
                 ("Score", "Best score", 394), ("Hints", "Hints", 494), ("Shuffles", "Shuffles", 556),
                 ("Undos", "Undos", 640))


def stats_panel(b, root):
    """The current player's best results per layout and per tile set, a page
    of rows at a time."""
    w, h = 780, 560
    x0, y0 = (W - w) // 2, MID - h // 2
    p = b.panel(root, "StatsPanel", (x0, y0, x0 + w, y0 + h), "Statistics")
    b.label(p, "StatsPlayerName", "", (x0 + 60, y0 + 70, x0 + w - 60, y0 + 98), PALE)
    ix0, ix1, iy0 = x0 + 24, x0 + w - 24, y0 + 108
    row_h = 32
    b.inset(p, (ix0, iy0, ix1, iy0 + 48 + STATS_ROWS * row_h + 8))
    cx = ix0 + 20  # the columns' origin, inside the paper
    for key, caption, dx in STATS_COLUMNS:
        if caption:
            b.static(p, "StatsHead" + key, caption, cx + dx, iy0 + 14, 20, art.JADE_DARK)
    b.rule_line(p, ix0 + 16, ix1 - 16, iy0 + 42)
    ends = [dx for _, _, dx in STATS_COLUMNS[1:]] + [ix1 - 12 - cx]
    for i in range(1, STATS_ROWS + 1):
        ry = iy0 + 48 + (i - 1) * row_h
        for (key, _, dx), end in zip(STATS_COLUMNS, ends):
            b.label(p, "Stats%s%d" % (key, i), "", (cx + dx, ry + 4, cx + end - 8, ry + 28), INK)
    by = y0 + h - 24 - 44
    b.button(p, "StatsPrev", "STATS_PREV", (x0 + 40, by, x0 + 84, by + 44), arrow("left"), key="prev")
    b.label(p, "StatsPage", "", (W // 2 - 100, by + 10, W // 2 + 100, by + 36), PALE)
    b.button(p, "StatsNext", "STATS_NEXT", (x0 + w - 84, by, x0 + w - 40, by + 44), arrow("right"), key="next")


def new_player_panel(b, root):
    w, h = 480, 260
    x0, y0 = (W - w) // 2, MID - h // 2
    p = b.panel(root, "MenuNewPlayer", (x0, y0, x0 + w, y0 + h), "New Player", close=False)
    # Shown by the file: with no players yet the game opens on this panel.
    p.visible = True
    b.static(p, "MenuNewPlayerPrompt", "Type a name, then press Enter.", W / 2, y0 + 72, 26, PALE, "center")
    box = p.add("TextBox", "MenuNewPlayerTextBox")
    box.nine(b.ui, (x0 + 40, y0 + 110, x0 + w - 40, y0 + 154), b.paper, 14)
    by = y0 + h - 24 - 46
    b.text_button(p, "MenuNewPlayerAdd", "ADD_PLAYER", (x0 + 50, by, x0 + 230, by + 46), "gold", "Add Player", 19)
    b.text_button(p, "MenuNewPlayerCancel", "NEW_PLAYER_CANCELLED", (x0 + w - 230, by, x0 + w - 50, by + 46),
                  "paper", "Cancel", 19)


def delete_panel(b, root):
    w, h = 500, 250
    x0, y0 = (W - w) // 2, MID - h // 2
    p = b.panel(root, "DeletePlayerConfirmation", (x0, y0, x0 + w, y0 + h), "Delete Player?", close=False)
    b.inset(p, (x0 + 40, y0 + 74, x0 + w - 40, y0 + 116))
    b.label(p, "DeletePlayerLabelName", "", (x0 + 54, y0 + 79, x0 + w - 54, y0 + 111), INK)
    b.static(p, "DeletePlayerMessage", "Their scores and saved game go with them.", W / 2, y0 + 130, 21, PALE,
             "center")
    by = y0 + h - 24 - 46
    b.text_button(p, "DeletePlayerYes", "DELETE_CONFIRMED", (x0 + 50, by, x0 + 230, by + 46), "red", "Delete", 19)
    b.text_button(p, "DeletePlayerNo", "DELETE_CANCELLED", (x0 + w - 230, by, x0 + w - 50, by + 46),
                  "paper", "Keep", 19)


def door_takes(doors):
    left, right = doors
    moves = [(it.id, -0.5) for it in left.walk()] + [(it.id, 0.5) for it in right.walk()]
    back = [(o, -d) for o, d in moves]
    return [("open_doors", moves, 650), ("close_doors", back, 650)]


def preview_placeholder():
    # Shown only until the game gives the preview item its picture.
    a = np.zeros((64, 64, 4), np.uint8)
    a[...] = (12, 40, 33, 255)
    a[2:62, 2:62] = (20, 70, 56, 255)
    return a


def main():
    root_dir = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "..", ".."))
    folder = os.path.join(root_dir, "Assets", "Menu")
    os.makedirs(folder, exist_ok=True)
    font = bitfont.build()
    bitfont.write(font, folder, "Assets/Menu/font.png")
    b, root, doors = build(font)
    for page in (b.ui, b.doors, b.buttons):
        page.save(folder)
    atlas.common.save_png(preview_placeholder(), os.path.join(folder, b.preview.file))
    write_obj(root, os.path.join(folder, "menu.obj"), "menu.mtl", "menu.anim", atlas.SIZE)
    write_mtl([b.ui, b.doors, b.buttons, b.preview], os.path.join(folder, "menu.mtl"))
    write_anim(door_takes(doors), os.path.join(folder, "menu.anim"))
    write_cfg(root, os.path.join(folder, "menu.cfg"))
    return b, root, font


if __name__ == "__main__":
    main()
