"""Seventeen more shipped layouts, each with its own character: flat and
wide or tall and narrow, bridges across gaps, eaves hanging over the layer
below, boards that open with many free tiles and boards that open with few.
Written and checked as layouts.py does (raised tiles may overhang, but each
rests on at least one tile of the layer below)."""

from common import out_path
from layouts import block, check, lyt_text
from turtle_layout import preview


def meadow():
    # Flat and wide: a long low field, a second layer broken twice, and a
    # few tiles higher up; long rows free only their ends, so it opens with
    # few free tiles for its size.
    pos = block(0, 0, 18, 5, 0)
    pos += [p for p in block(2, 2, 16, 2, 1) if p[0] not in (10, 24)]
    pos += block(2, 3, 4, 1, 2) + block(12, 3, 6, 1, 2) + block(26, 3, 4, 1, 2)
    pos += [(13, 3, 3), (21, 3, 3)]
    return pos


def spire():
    # Tall and narrow: six courses three tiles wide on a small footing, and
    # a cap; only the ends of each row are free, a few tiles at a time.
    pos = []
    for z in range(6):
        pos += block(0, 0, 3, 4, z)
    pos += [(2, 2, 6), (2, 4, 6)]
    return pos


def bridges():
    # Two towers with a channel one tile wide between them; at every other
    # row two tiles meet over the channel, each resting on one tower.
    pos = []
    for z in range(3):
        pos += block(0, 0, 3, 6, z) + block(8, 0, 3, 6, z)
    for y in (0, 4, 8):
        pos += [(5, y, 3), (7, y, 3)]
    pos += [(2, 2, 3), (10, 2, 3), (2, 6, 3), (10, 6, 3)]
    return pos


def pagoda():
    # Tiers that alternate narrow and wide: each wide tier hangs half a tile
    # over the one beneath on every side, like eaves.
    pos = []
    tiers = [(2, 2, 9, 3), (1, 1, 10, 4), (3, 3, 8, 2), (2, 2, 9, 3), (4, 4, 8, 1), (3, 3, 8, 2)]
    for z, (x0, y0, cols, rows) in enumerate(tiers):
        pos += block(x0, y0, cols, rows, z)
    return pos


def archipelago():
    # Many small islands, each two tiles and one across them: most tiles
    # are free from the first move. The corner islands rise one higher.
    pos = []
    for iy in range(4):
        for ix in range(6):
            x, y = ix * 6, iy * 5
            pos += block(x, y, 2, 1, 0) + [(x + 1, y, 1)]
            if ix in (0, 5) and iy in (0, 3):
                pos.append((x + 1, y, 2))
    return pos


def rampart():
    # A long wall four courses high with battlements: along its length only
    # the ends and the gaps of the top course give free tiles.
    pos = []
    for z in range(4):
        pos += block(0, 0, 16, 2, z)
    pos += block(0, 0, 16, 2, 4, lambda i, j: i % 2 == 0 and j == 0)
    return pos


def diamond():
    # Diamond layers round one centre, each smaller than the last.
    pos = []
    for z, r in enumerate([6, 4, 2, 1]):
        for j in range(-r, r + 1):
            w = r - abs(j)
            pos += [(12 + 2 * i, 12 + 2 * j, z) for i in range(-w, w + 1)]
    return pos


def hourglass():
    # Two triangles meeting at a narrow waist, deep rather than wide.
    widths = [9, 7, 5, 3, 1, 3, 5, 7, 9]
    pos = [(8, 8, 1)]  # the waist's knot
    for j, w in enumerate(widths):
        pos += [(2 * i + (9 - w), 2 * j, 0) for i in range(w)]
        if w >= 3:
            pos += [(2 * i + (9 - w) + 2, 2 * j, 1) for i in range(w - 2)]
        if w >= 7:
            pos += [(2 * i + (9 - w) + 4, 2 * j, 2) for i in range(w - 4)]
    return pos


def twins():
    # Two stepped peaks on one shared footing.
    pos = block(0, 0, 16, 4, 0)
    for x0 in (0, 16):
        pos += block(x0 + 1, 1, 7, 3, 1)
        pos += block(x0 + 2, 2, 6, 2, 2)
        pos += block(x0 + 3, 3, 5, 1, 3)
        pos += [(x0 + 6, 3, 4), (x0 + 8, 3, 4)]
    return pos


def serpent():
    # A band that snakes across the board, each segment half a tile lower
    # than the last, with a ridge along its back.
    pos = []
    for k in range(12):
        y = [0, 1, 2, 3, 4, 5, 5, 4, 3, 2, 1, 0][k]
        pos += block(2 * k, y, 1, 4, 0)
        pos += block(2 * k, y + 2, 1, 2, 1)
        if 2 <= k <= 9:
            pos += [(2 * k, y + 2, 2)]
    return pos


def trellis():
    # Pillars two high with a tile's gap between them, and beams laid
    # across them: every beam tile rests on one pillar and reaches over a
    # gap to meet the next, so each beam is a row of little bridges.
    pos = []
    for z in (0, 1):
        pos += [(4 * i, 4 * j, z) for j in range(5) for i in range(7)]
    pos += [(x, 4 * j + 1, 2) for j in range(5) for x in range(1, 24, 2)]
    pos += [(2, 1, 3), (22, 1, 3), (2, 17, 3), (22, 17, 3), (10, 9, 3), (14, 9, 3)]
    return pos


def star():
    # Eight arms round a raised hub.
    pos = block(8, 8, 3, 3, 0) + block(8, 8, 3, 3, 1) + block(9, 9, 2, 2, 2) + [(10, 9, 3), (10, 11, 3)]
    for d in range(2, 6):
        for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1), (1, 1), (-1, -1), (1, -1), (-1, 1)):
            pos.append((10 + 2 * d * dx, 10 + 2 * d * dy, 0))
            if d <= 3 and 0 in (dx, dy):
                pos.append((10 + 2 * d * dx, 10 + 2 * d * dy, 1))
    return pos


def temple():
    # Three broad steps, five columns two high, an architrave laid across
    # the columns (each of its tiles reaching over a gap) and a roof.
    pos = block(0, 0, 14, 4, 0) + block(2, 1, 12, 3, 1) + block(4, 2, 10, 2, 2)
    for z in (3, 4):
        pos += [(x, 3, z) for x in (5, 9, 13, 17, 21)]
    pos += [(x, 3, 5) for x in range(4, 23, 2)]
    pos += [(x, 3, 6) for x in range(5, 22, 2)]
    pos += [(x, 3, 7) for x in (9, 13, 17)]
    return pos


def junk():
    # A boat: a hull that widens by half a tile at every course, two cabins
    # and a tall mast.
    pos = []
    for z, (x0, cols) in enumerate([(6, 7), (5, 8), (4, 9), (3, 10)]):
        pos += block(x0, 0, cols, 3, z)
    pos += block(5, 1, 3, 2, 4) + block(15, 1, 3, 2, 4)
    pos += [(12, 2, z) for z in range(4, 10)]
    return pos


def comb():
    # A spine with long teeth: every tooth ends in a free tile.
    pos = block(0, 0, 17, 2, 0)
    for i in range(0, 17, 2):
        pos += [(2 * i, y, 0) for y in range(4, 14, 2)]
    pos += block(0, 0, 17, 1, 1)
    pos += [(x, 0, 2) for x in (1, 7, 13, 19, 25, 31)]
    return pos


def crescent():
    # A new moon's sickle: a thick middle thinning to two horns.
    rows = {0: (8, 12), 2: (4, 16), 4: (2, 8), 6: (0, 5), 8: (0, 4), 10: (0, 5), 12: (2, 8), 14: (4, 16),
            16: (8, 12)}
    pos = []
    for y, (x0, n) in rows.items():
        pos += [(x0 + 2 * i, y, 0) for i in range(n // 2 + 1) if x0 + 2 * i <= x0 + n]
    raised = [p for p in pos if p[0] <= 6 and 2 <= p[1] <= 14]
    pos += [(x + 1, y, 1) for x, y, _ in raised if (x + 2, y, 0) in pos]
    pos += [(x + 1, y, 2) for x, y, z in list(pos) if z == 1 and (x + 2, y, 1) in pos and y in (6, 8, 10)]
    return pos


def ladder():
    # Two rails two courses high with a tile's gap between them, and rungs
    # across: each rung is two tiles meeting over the gap, capped by a third
    # that rests on both.
    pos = []
    for z in (0, 1):
        pos += block(0, 0, 15, 1, z) + block(0, 4, 15, 1, z)
    for x in range(0, 29, 4):
        pos += [(x, 1, 2), (x, 3, 2), (x, 2, 3)]
    return pos


LAYOUTS = [
    ("Meadow", meadow, 12.5),
    ("Spire", spire, 6.5),
    ("Bridges", bridges, 8.0),
    ("Pagoda", pagoda, 8.5),
    ("Archipelago", archipelago, 12.5),
    ("Rampart", rampart, 11.0),
    ("Diamond", diamond, 14.0),
    ("Hourglass", hourglass, 11.5),
    ("Twins", twins, 11.5),
    ("Serpent", serpent, 9.5),
    ("Trellis", trellis, 14.0),
    ("Star", star, 13.0),
    ("Temple", temple, 9.5),
    ("Junk", junk, 10.0),
    ("Comb", comb, 12.0),
    ("Crescent", crescent, 11.5),
    ("Ladder", ladder, 10.0),
]



def grid_of(pos):
    """The smallest grid that holds the positions."""
    return (max(p[0] for p in pos) + 2, max(p[1] for p in pos) + 2, max(p[2] for p in pos) + 1)


def main():
    for name, make, zoom in LAYOUTS:
        pos = sorted(set(make()), key=lambda p: (p[2], p[1], p[0]))
        grid = grid_of(pos)
        check(name, pos, grid)
        stem = name.lower()
        preview_path = "Assets/Layouts/%s_preview.png" % stem
        with open(out_path("Assets", "Layouts", "%s.lyt" % stem), "w", newline="\n") as f:
            f.write(lyt_text(name, pos, grid, zoom, preview_path))
        preview(pos, out_path(*preview_path.split("/")), grid=grid, title=name)
        print("%-12s %3d positions, grid %d x %d x %d" % ((name, len(pos)) + grid))


if __name__ == "__main__":
    main()
