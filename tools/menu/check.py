"""Checks the generated menu: every item and action the game relies on is in
menu.cfg, every item has its geometry in menu.obj, materials, textures,
the doors' takes and the font are complete and consistent, the looks stay
inside their textures and the panels keep clear of the bars.
Usage: check.py [repository root]; exits 1 listing every problem."""
import os
import re
import sys

from PIL import Image

IDS = (["TopBar", "ShuffleButton", "HintButton", "UndoButton", "MenuButton",
        "TilesText", "MovesText", "ScoreText", "TimeText", "Slot1", "Slot2", "Slot3",
        "MainMenuLeft", "MainMenuRight", "Exit",
        "LayoutPanel", "LayoutName", "LayoutPreview", "TileSetPanel", "TileSetName", "TileSetPreview",
        "OptionsPanel", "FullscreenCheckbox", "HighlightTilesCheckbox", "SmoothEdgesCheckbox", "DifficultyText",
        "MusicOn", "MusicOff", "VolumeKnob", "PlayerPanel", "MenuNewPlayer", "MenuNewPlayerTextBox",
        "GameWonPanel", "GameWonTime", "GameWonScore", "GameWonLayoutName", "GameWonLayoutBestTime",
        "GameWonLayoutBestScore", "GameWonTilesetName", "GameWonTilesetBestTime", "GameWonTilesetBestScore",
        "NoMovesPanel", "DeletePlayerConfirmation", "DeletePlayerLabelName", "DeadEndText",
        "StatsPanel", "StatsPlayerName", "StatsPage"]
       + ["Player%d" % i for i in range(1, 11)]
       + ["Stats%s%d" % (c, i) for c in ("Name", "Won", "Time", "Score", "Hints", "Shuffles", "Undos")
          for i in range(1, 11)])
ACTIONS = (["MAIN_MENU", "NEW_GAME", "RESTART", "UNDO", "HINT", "SHUFFLE", "OPTIONS_PANEL",
            "LAYOUT_PANEL", "TILESET_PANEL", "PLAYER_PANEL", "EXIT", "PREV_LAYOUT", "NEXT_LAYOUT",
            "SELECT_LAYOUT", "PREV_TILESET", "NEXT_TILESET", "SELECT_TILESET", "FULLSCREEN",
            "HIGHLIGHT_TILES", "DIFFICULTY_PREV", "DIFFICULTY_NEXT", "STOP_MUSIC", "PLAY_MUSIC",
            "VOLUME_GRAB", "VOLUME_DOWN", "VOLUME_UP", "NEW_PLAYER", "SELECT_PLAYER",
            "NEW_PLAYER_CANCELLED", "GAMEWON_OK", "CLOSE_NOMOVES", "DELETE_CONFIRMED", "DELETE_CANCELLED",
            "STATS_PANEL", "STATS_PREV", "STATS_NEXT", "SMOOTH_EDGES"]
           + ["CHANGE_PLAYER%d" % i for i in range(1, 11)] + ["DELETE_PLAYER%d" % i for i in range(1, 11)])
# The layouts chooser's deal and generated-layout pickers and its keep panel.
IDS += ["LayoutDealNumber", "LayoutNumberRow", "LayoutNumber", "LayoutKeep", "DealText",
        "LayoutKeepPanel", "LayoutKeepPrompt", "LayoutKeepTextBox"]
ACTIONS += ["DEAL_PREV", "DEAL_NEXT", "DEAL_RANDOM", "LAYOUT_NUMBER_PREV", "LAYOUT_NUMBER_NEXT",
            "LAYOUT_NUMBER_RANDOM", "KEEP_LAYOUT", "KEEP_LAYOUT_CONFIRMED", "KEEP_LAYOUT_CANCELLED"]
HIDDEN = ["LayoutPanel", "TileSetPanel", "OptionsPanel", "PlayerPanel", "GameWonPanel", "NoMovesPanel",
          "DeletePlayerConfirmation", "DeadEndText", "StatsPanel"]
SHOWN = ["MenuNewPlayer", "TopBar"]
KINDS = {"checkbox": ["FullscreenCheckbox", "HighlightTilesCheckbox", "SmoothEdgesCheckbox"],
         "TextBox": ["MenuNewPlayerTextBox"],
         "tileslot": ["Slot1", "Slot2", "Slot3"],
         "label": ["TilesText", "MovesText", "ScoreText", "TimeText", "DifficultyText", "LayoutName",
                   "TileSetName", "DeletePlayerLabelName", "DeadEndText", "StatsPlayerName", "StatsPage"]
                  + ["Player%d" % i for i in range(1, 11)]}
TAGS = ["Rect", "button", "checkbox", "label", "TextBox", "tileslot"]
TOP, BOTTOM = 56 / 800, 752 / 800      # the bars' inner edges, fractions of the window height


class Node:
    def __init__(self, kind, name, parent):
        self.kind, self.id, self.parent = kind, name, parent
        self.keys = {}
        self.children = []
        self.text = None


def read_cfg(path, problems):
    root, cur = None, None
    nodes = []
    with open(path, newline="") as fh:
        for line in fh:
            words = line.split()
            if not words:
                continue
            if words[0].startswith("#"):
                # not a comment to the game: its words are read as tokens
                if any(w.endswith(":") or re.fullmatch(r"</?\w+>", w) for w in words):
                    problems.append("comment line with a key or tag word: " + line.strip())
                continue
            w = words[0]
            m = re.fullmatch(r"<(/?)(\w+)>", w)
            if m and m.group(2) in TAGS:
                if m.group(1):
                    if cur is None or m.group(2) != cur.kind:
                        problems.append("unmatched closing tag %s" % w)
                    elif cur.parent is not None:
                        cur = cur.parent
                    continue
                node = Node(m.group(2), words[1], cur)
                if m.group(2) == "label":
                    rest = line.split(None, 2)[2].rstrip("\n")
                    node.text = rest[len("text: "):] if rest.startswith("text: ") else rest.split()[0]
                if cur is None:
                    root = node
                else:
                    cur.children.append(node)
                cur = node
                nodes.append(node)
            elif w.endswith(":"):
                if cur is None:
                    problems.append("key before the root: %s" % w)
                else:
                    cur.keys[w[:-1]] = words[1:]
    return root, nodes


def read_obj(path):
    objects, v, vt = {}, [], []
    cur, mtls, anims = None, [], []
    with open(path) as fh:
        for line in fh:
            p = line.split()
            if not p:
                continue
            if p[0] == "v":
                v.append(tuple(map(float, p[1:4])))
            elif p[0] == "vt":
                vt.append(tuple(map(float, p[1:3])))
            elif p[0] == "o":
                cur = {"name": p[1], "faces": [], "mtl": None}
                objects.setdefault(p[1], []).append(cur)
            elif p[0] == "usemtl":
                cur["mtl"] = p[1]
            elif p[0] == "f":
                cur["faces"].append([tuple(int(i) for i in c.split("/")) for c in p[1:]])
            elif p[0] == "mtllib":
                mtls += p[1:]
            elif p[0] == "animation":
                anims += p[1:]
    return objects, v, vt, mtls, anims


def main():
    root_dir = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", ".."))
    folder = os.path.join(root_dir, "Assets", "Menu")
    problems = []
    root, nodes = read_cfg(os.path.join(folder, "menu.cfg"), problems)
    by_id = {}
    for n in nodes:
        by_id.setdefault(n.id, n)
        if n.keys.get("ID", [n.id])[0] != n.id:
            problems.append("item %s has another ID key" % n.id)
    if len(by_id) != len(nodes):
        problems.append("duplicate item IDs")
    for i in IDS:
        if i not in by_id:
            problems.append("missing item " + i)
    actions = {n.keys["action"][0] for n in nodes if "action" in n.keys}
    for a in ACTIONS:
        if a not in actions:
            problems.append("missing action " + a)
    for kind, ids in KINDS.items():
        for i in ids:
            if i in by_id and by_id[i].kind != kind:
                problems.append("%s should be a %s" % (i, kind))
    for i in HIDDEN:
        if i in by_id and by_id[i].keys.get("visible") != ["false"]:
            problems.append(i + " should start hidden")
    for i in SHOWN:
        if i in by_id and by_id[i].keys.get("visible") == ["false"]:
            problems.append(i + " should start shown")
    for i in ["Player%d" % k for k in range(1, 11)] + ["DeletePlayerLabelName"]:
        # an empty row is how the game knows a row has no player
        if i in by_id and by_id[i].text != "":
            problems.append("label %s must start empty" % i)
    knob = by_id.get("VolumeKnob")
    if knob and (knob.parent is None or knob.parent.kind != "Rect"):
        problems.append("VolumeKnob needs its track as parent")
    for n in nodes:
        if n.text is not None and any(not (32 <= ord(c) < 127) for c in n.text):
            problems.append("label %s has a character outside the font" % n.id)

    objects, v, vt, mtls, anims = read_obj(os.path.join(folder, "menu.obj"))
    for n in nodes:
        if n.id not in objects:
            problems.append("item %s has no object in menu.obj" % n.id)
    for name in objects:
        if name not in by_id:
            problems.append("object %s belongs to no item" % name)

    # materials and their pictures
    materials = {}
    for m in mtls:
        cur = None
        for line in open(os.path.join(folder, m)):
            p = line.split()
            if p and p[0] == "newmtl":
                cur = p[1]
            elif p and p[0] == "map_Kd":
                materials[cur] = p[1]
    sizes = {}
    for mat, tex in materials.items():
        path = os.path.join(folder, tex)
        if not os.path.exists(path):
            problems.append("missing texture " + tex)
            continue
        sizes[mat] = Image.open(path).size
        if max(sizes[mat]) > 1024:
            problems.append("texture %s larger than 1024" % tex)

    def extent(name):
        xs, ys, us, vs = [], [], [], []
        for o in objects[name]:
            for face in o["faces"]:
                for c in face:
                    if not (len(c) == 3 and 0 < c[0] <= len(v) and 0 < c[1] <= len(vt) and c[2] == 1):
                        problems.append("bad face corner in " + name)
                        return None
                    xs.append(v[c[0] - 1][0])
                    ys.append(v[c[0] - 1][1])
                    us.append(vt[c[1] - 1][0])
                    vs.append(vt[c[1] - 1][1])
        return min(xs), min(ys), max(xs), max(ys), min(us), min(vs), max(us), max(vs)

    for name, objs in objects.items():
        for o in objs:
            if o["mtl"] not in materials:
                problems.append("object %s has an unknown material" % name)
            if len(o["faces"]) == 0:
                problems.append("object %s has no faces" % name)
        e = extent(name)
        if e is None or name not in by_id:
            continue
        x0, y0, x1, y1, u0, v0, u1, v1 = e
        if x0 < 0 or y0 < 0 or x1 > 1 or y1 > 1:
            problems.append("object %s leaves the window" % name)
        node = by_id[name]
        # every look must stay inside the item's texture
        for key in ("textureOffset", "hoverOffset", "clickOffset"):
            if key in node.keys:
                du = int(node.keys[key][0]) / 1024.0
                dv = int(node.keys[key][1]) / 1024.0
                extra_u = int(node.keys.get("textureOffset", ["0", "0"])[0]) / 1024.0 if key != "textureOffset" else 0
                extra_v = int(node.keys.get("textureOffset", ["0", "0"])[1]) / 1024.0 if key != "textureOffset" else 0
                if u1 + du + extra_u > 1.0001 or v0 - dv - extra_v < -0.0001:
                    problems.append("%s of %s leaves the texture" % (key, name))
        if node.kind == "Rect" and name.endswith("Panel") or name in ("MenuNewPlayer", "DeletePlayerConfirmation"):
            if y1 > 1 - TOP + 1e-6 or y0 < 1 - BOTTOM - 1e-6:
                problems.append("panel %s overlaps a bar" % name)
    if knob and knob.parent and knob.parent.id in objects and "VolumeKnob" in objects:
        k, t = extent("VolumeKnob"), extent(knob.parent.id)
        if k and t and (abs(k[0] - t[0]) > 1e-6 or k[2] > t[2] or k[1] < t[1] or k[3] > t[3]):
            problems.append("VolumeKnob must rest at its track's left end, inside the track")

    # the doors' takes
    takes, cur, anim_objects = {}, None, set()
    for a in anims:
        for line in open(os.path.join(folder, a)):
            p = line.split()
            if not p:
                continue
            if p[0] == "<name>":
                cur = takes.setdefault(p[1], {})
            elif p[0] == "<animation>":
                anim_objects.add(p[1])
                obj = p[1]
            elif p[0] == "translationX:":
                cur[obj] = float(p[1])
    for t in ("open_doors", "close_doors"):
        if t not in takes:
            problems.append("missing take " + t)
    for o in anim_objects:
        if o not in objects:
            problems.append("animation of unknown object " + o)
    if "open_doors" in takes and "close_doors" in takes:
        od, cd = takes["open_doors"], takes["close_doors"]
        if od.get("MainMenuLeft", 0) >= 0 or od.get("MainMenuRight", 0) <= 0:
            problems.append("open_doors must move the doors apart")
        if any(abs(od[o] + cd.get(o, 0)) > 1e-9 for o in od):
            problems.append("close_doors must undo open_doors")

    check_font(folder, problems)
    for p in problems:
        print("menu check:", p)
    if problems:
        sys.exit(1)
    print("menu check: %d items, %d objects, %d actions: ok" % (len(nodes), len(objects), len(actions)))


def check_font(folder, problems):
    text = open(os.path.join(folder, "font.cfg")).read()
    sections = ("CharacterList", "FirstCharacter:", "Tracking:", "Texture:", "TextureSize:", "BuildFont();",
                "CharacterRectangles:", "KerningPairs:")
    for line in text.splitlines():
        if line.startswith("#") and any(w in sections for w in line.split()):
            problems.append("font comment holds a section name: " + line)
    chars = re.search(r"CharacterList\s*\{(.*?)\n\}", text, re.S).group(1)
    listed = re.findall(r"'(.)'", chars)
    if listed != [chr(c) for c in range(32, 127)]:
        problems.append("font does not list printable ASCII in order")
    if "FirstCharacter: 32" not in text:
        problems.append("font must start at the blank")
    size = int(re.search(r"TextureSize: (\d+)", text).group(1))
    tex = re.search(r"Texture: (\S+)", text).group(1)
    path = os.path.join(folder, "..", "..", tex)
    if not os.path.exists(path) or Image.open(path).size != (size, size):
        problems.append("font texture missing or not %d square" % size)
    rects = re.findall(r"\( (\d+) , (\d+) , (\d+) , (\d+) \)", text)
    if len(rects) != len(listed):
        problems.append("font has %d rectangles for %d characters" % (len(rects), len(listed)))
    if any(not (0 <= int(l) <= int(r) <= size and 0 <= int(t) < int(b) <= size) for l, t, r, b in rects):
        problems.append("font rectangle outside the texture")
    pairs = re.findall(r"\( '(.)' , '(.)' , (-?[\d.]+) \)", text)
    if len(pairs) < 50:
        problems.append("font has too few kerning pairs")
    if text.rstrip().split()[-1] != "BuildFont();":
        problems.append("font must end with BuildFont();")


if __name__ == "__main__":
    main()
