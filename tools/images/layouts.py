"""The layouts shipped beside the built-in Turtle: each written as a layout
file with a preview picture drawn like the Turtle's.

Positions are in half-tile units (a tile covers 2 x 2 cells); every layout
is checked before it is written: an even number of positions, at most 144,
inside its grid, no two tiles sharing a cell, and every raised tile resting
on a tile of the layer below."""

from common import out_path
from turtle_layout import preview


def block(x0, y0, cols, rows, z, keep=lambda i, j: True):
    """A cols x rows block of tiles whose top-left tile sits at (x0, y0)."""
    return [(x0 + 2 * i, y0 + 2 * j, z) for j in range(rows) for i in range(cols) if keep(i, j)]


def pyramid():
    # Each layer one tile narrower and shallower, lifted half a tile in, so
    # every raised tile rests on four below.
    pos = []
    for k in range(6):
        pos += block(k, k, 7 - k, 6 - k, k)
    return pos


def fortress():
    ring = lambda i, j: i in (0, 9) or j in (0, 7)
    corner = lambda i, j: i in (0, 9) and j in (0, 7)
    pos = block(0, 0, 10, 8, 0, ring)          # outer wall
    pos += block(6, 4, 4, 4, 0)                # the keep's footing
    pos += block(0, 0, 10, 8, 1, ring)         # the wall's second course
    pos += block(6, 6, 4, 2, 1)                # the keep
    pos += block(8, 6, 2, 2, 2)                # the keep's roof
    pos += block(0, 0, 10, 8, 2, corner)       # four towers
    pos += block(0, 0, 10, 8, 3, corner)
    return pos


def arch():
    pos = []
    for z, (x0, cols) in enumerate([(0, 15), (4, 11), (8, 7), (12, 3)]):
        pos += block(x0, 0, cols, 3, z)
    return pos


def butterfly():
    half_heights = [1, 2, 3, 3, 2, 1]  # wing columns from the tip inwards
    pos = []
    for z, shrink in ((0, 0), (1, 1)):
        for i, h in enumerate(half_heights):
            h -= shrink
            for j in range(4 - h, 4 + h):
                pos.append((2 * i, 2 * j, z))            # left wing
                pos.append((24 - 2 * i, 2 * j, z))       # right wing, mirrored
    pos += block(12, 0, 1, 8, 0)  # the body
    pos += block(12, 2, 1, 6, 1)
    pos += block(12, 4, 1, 4, 2)
    return pos


def cross():
    arms = lambda lo, hi: (lambda i, j: lo <= i <= hi or lo <= j <= hi)
    pos = block(0, 0, 10, 10, 0, arms(3, 6))
    pos += block(2, 2, 8, 8, 1, arms(3, 4))
    pos += block(8, 8, 2, 2, 2)
    return pos


def steps():
    pos = []
    for z in range(4):
        pos += block(0, 4 * z, 7, 8 - 2 * z, z)
    return pos


# name, positions, grid, camera zoom
LAYOUTS = [
    ("Pyramid", pyramid, (14, 12, 6), 7.0),
    ("Fortress", fortress, (20, 16, 4), 10.0),
    ("Arch", arch, (30, 6, 4), 10.0),
    ("Butterfly", butterfly, (26, 16, 3), 10.0),
    ("Cross", cross, (20, 20, 3), 11.5),
    ("Steps", steps, (14, 16, 4), 9.5),
]


def check(name, pos, grid):
    gx, gy, gz = grid
    assert len(pos) % 2 == 0 and 2 <= len(pos) <= 144, (name, len(pos))
    for x, y, z in pos:
        assert 0 <= x <= gx - 2 and 0 <= y <= gy - 2 and 0 <= z <= gz - 1, (name, x, y, z)
    for a in range(len(pos)):
        xa, ya, za = pos[a]
        for b in range(a + 1, len(pos)):
            xb, yb, zb = pos[b]
            assert not (za == zb and abs(xa - xb) < 2 and abs(ya - yb) < 2), (name, pos[a], pos[b])
        if za > 0:
            assert any(z == za - 1 and abs(x - xa) < 2 and abs(y - ya) < 2 for x, y, z in pos), (name, pos[a])
    # The grid is no larger than the positions need, so the default view frames them.
    assert max(p[0] for p in pos) == gx - 2 and max(p[1] for p in pos) == gy - 2, name
    assert max(p[2] for p in pos) == gz - 1, name


def lyt_text(name, pos, grid, zoom, preview_path):
    lines = [
        "Name: %s" % name,
        "DefaultCameraTranslation: -1 0 0.1",
        "DefaultCameraTrack: 18 0 15",
        "DefaultCameraZoom: %g" % zoom,
        "DefaultFov: 40",
        "GridX: %d" % grid[0],
        "GridY: %d" % grid[1],
        "GridZ: %d" % grid[2],
        "PreviewImage: %s" % preview_path,
        "TileCoordinates:",
    ]
    lines += ["\tTile %d %d %d" % p for p in pos]
    return "\n".join(lines) + "\n"


def main():
    for name, make, grid, zoom in LAYOUTS:
        pos = make()
        check(name, pos, grid)
        stem = name.lower()
        preview_path = "Assets/Layouts/%s_preview.png" % stem
        with open(out_path("Assets", "Layouts", "%s.lyt" % stem), "w", newline="\n") as f:
            f.write(lyt_text(name, pos, grid, zoom, preview_path))
        preview(pos, out_path(*preview_path.split("/")), grid=grid, title=name)
        print("%-10s %3d positions, grid %d x %d x %d" % ((name, len(pos)) + grid))


if __name__ == "__main__":
    main()
