"""The bedroom around the board. One unit is about one centimetre.

The board stands on the table at the origin: the table's playing mat ends at
y = -0.02 (the tiles stand from y = 0 up). Floor y = -75, ceiling y = 165,
walls at x = -150 and 190, z = -145 (back, with the window) and z = 125.
The room's longest diagonal stays under the renderer's 500-unit far plane.
Every object is its own group: the camera's collision tests each object's
bounding box, so walls, floor and ceiling are slabs 10 units thick that
overlap at the corners (no gap to leave the room through), and even thin
things (rug, mat, scroll) get some thickness.
"""
import math
import os
import sys
import numpy as np

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import meshlib as ml
import roomtex as rt
import texlib as tl

X0, X1, Z0, Z1 = -150.0, 190.0, -145.0, 125.0
FLOOR, CEIL = -75.0, 165.0
T = 10.0                                  # wall, floor and ceiling thickness
WIN = (-95.0, 10.0, -5.0, 115.0)         # window opening x0, x1, y0, y1 (back wall)
TABLE_TOP = -0.06                         # top of the table's wood
MAT_TOP = -0.02                           # top of the playing mat
LANTERN = (-43.9, 145.477, -61.424)       # the scene light hangs inside the paper lantern
SHELVES_AT = (X0 + 17.0, 0.0, -65.0)      # bookcase centre on the left wall; its top is y = 85


def slab_face(p_of, n, a0, a1, y0, y1, u_of, nu, nv):
    def pos(U, V):
        return p_of(a0 + (a1 - a0) * U, y0 + (y1 - y0) * V)
    def nrm(U, V):
        return np.broadcast_to(np.asarray(n, float), U.shape + (3,))
    def uv(U, V):
        a = a0 + (a1 - a0) * U; y = y0 + (y1 - y0) * V
        return np.stack([u_of(a), (y - FLOOR) / (CEIL - FLOOR)], -1)
    return ml.grid_surface(pos, nrm, uv, nu, nv)


def build_walls():
    """Returns {name: Tris} for the four walls (inner faces subdivided for
    the per-vertex light, outer faces give the slab its thickness)."""
    walls = {}
    H = (FLOOR - T, CEIL + T)
    # back wall (z = Z0), facing +z, seen from inside: u grows with x
    back_p = lambda a, y: np.stack(np.broadcast_arrays(a, y, np.full(np.shape(a), Z0)), -1)
    u_back = lambda a: (a - X0) / 130.0
    wx0, wx1, wy0, wy1 = WIN
    t = ml.Tris()
    for a0, a1, y0, y1, nu, nv in ((X0, X1, FLOOR, wy0, 12, 2), (X0, X1, wy1, CEIL, 12, 2),
                                   (X0, wx0, wy0, wy1, 4, 4), (wx1, X1, wy0, wy1, 8, 4)):
        t = t + slab_face(back_p, (0, 0, 1), a0, a1, y0, y1, u_back, nu, nv)
    t = t + ml.plane((X1 + T, H[0], Z0 - T), (-(X1 - X0 + 2 * T), 0, 0), (0, H[1] - H[0], 0), (0, 0, -1))
    walls['WallBack'] = t
    # front wall (z = Z1), facing -z: seen from inside, right is -x
    front_p = lambda a, y: np.stack(np.broadcast_arrays(a, y, np.full(np.shape(a), Z1)), -1)
    t = slab_face(front_p, (0, 0, -1), X0, X1, FLOOR, CEIL, lambda a: (X1 - a) / 130.0, 12, 6)
    t = t + ml.plane((X0 - T, H[0], Z1 + T), (X1 - X0 + 2 * T, 0, 0), (0, H[1] - H[0], 0), (0, 0, 1))
    walls['WallFront'] = t
    # left wall (x = X0), facing +x: right is -z
    left_p = lambda a, y: np.stack(np.broadcast_arrays(np.full(np.shape(a), X0), y, a), -1)
    t = slab_face(left_p, (1, 0, 0), Z0, Z1, FLOOR, CEIL, lambda a: (Z1 - a) / 130.0, 12, 6)
    t = t + ml.plane((X0 - T, H[0], Z0 - T), (0, 0, Z1 - Z0 + 2 * T), (0, H[1] - H[0], 0), (-1, 0, 0))
    walls['WallLeft'] = t
    # right wall (x = X1), facing -x: right is +z
    right_p = lambda a, y: np.stack(np.broadcast_arrays(np.full(np.shape(a), X1), y, a), -1)
    t = slab_face(right_p, (-1, 0, 0), Z0, Z1, FLOOR, CEIL, lambda a: (a - Z0) / 130.0, 12, 6)
    t = t + ml.plane((X1 + T, H[0], Z1 + T), (0, 0, -(Z1 - Z0 + 2 * T)), (0, H[1] - H[0], 0), (1, 0, 0))
    walls['WallRight'] = t
    return walls


def build_floor_ceiling():
    ext = (X0 - T, X1 + T, Z0 - T, Z1 + T)
    sx, sz = ext[1] - ext[0], ext[3] - ext[2]
    floor = ml.plane((ext[0], FLOOR, ext[3]), (sx, 0, 0), (0, 0, -sz), (0, 1, 0), 14, 12,
                     uv_scale=(sx / 200.0, sz / 200.0))
    floor = floor + ml.plane((ext[0], FLOOR - T, ext[2]), (sx, 0, 0), (0, 0, sz), (0, -1, 0))
    ceil = ml.plane((ext[0], CEIL, ext[2]), (sx, 0, 0), (0, 0, sz), (0, -1, 0), 10, 8,
                    uv_scale=(sx / 150.0, sz / 150.0))
    ceil = ceil + ml.plane((ext[0], CEIL + T, ext[3]), (sx, 0, 0), (0, 0, -sz), (0, 1, 0))
    return floor, ceil


def build_window():
    """Trim, reveal, frame with mullions and sill (light wood), the view outside."""
    wx0, wx1, wy0, wy1 = WIN
    zi, zo = Z0, Z0 - T
    wd = 0.02  # texture density
    t = ml.Tris()
    # reveal of the opening
    t = t + ml.plane((wx0, wy0, zo), (wx1 - wx0, 0, 0), (0, 0, T), (0, 1, 0), uv_scale=(2, 0.2))
    t = t + ml.plane((wx0, wy1, zi), (wx1 - wx0, 0, 0), (0, 0, -T), (0, -1, 0), uv_scale=(2, 0.2))
    t = t + ml.plane((wx0, wy0, zi), (0, 0, -T), (0, wy1 - wy0, 0), (1, 0, 0), uv_scale=(0.2, 2))
    t = t + ml.plane((wx1, wy0, zo), (0, 0, T), (0, wy1 - wy0, 0), (-1, 0, 0), uv_scale=(0.2, 2))
    # architrave round the opening and a sill board
    tw, tp = 8.0, 2.0
    t = t + ml.box((wx0 - tw, wy1, zi), (wx1 + tw, wy1 + tw, zi + tp), uv_density=wd)
    t = t + ml.box((wx0 - tw, wy0, zi), (wx0, wy1, zi + tp), uv_density=wd)
    t = t + ml.box((wx1, wy0, zi), (wx1 + tw, wy1, zi + tp), uv_density=wd)
    t = t + ml.box((wx0 - tw - 3, wy0 - 4, zi), (wx1 + tw + 3, wy0, zi + 8), uv_density=wd)
    t = t + ml.box((wx0 - tw, wy0 - 12, zi), (wx1 + tw, wy0 - 4, zi + 2), uv_density=wd)
    # frame and mullions in the middle of the wall thickness (3 x 2 panes)
    zf0, zf1 = Z0 - 6.5, Z0 - 3.5
    fw = 4.0
    t = t + ml.box((wx0, wy0, zf0), (wx1, wy0 + fw, zf1), uv_density=wd)
    t = t + ml.box((wx0, wy1 - fw, zf0), (wx1, wy1, zf1), uv_density=wd)
    t = t + ml.box((wx0, wy0, zf0), (wx0 + fw, wy1, zf1), uv_density=wd)
    t = t + ml.box((wx1 - fw, wy0, zf0), (wx1, wy1, zf1), uv_density=wd)
    for k in (1, 2):
        x = wx0 + (wx1 - wx0) * k / 3
        t = t + ml.box((x - 1.5, wy0, zf0 + 0.5), (x + 1.5, wy1, zf1 - 0.5), uv_density=wd)
    y = wy0 + (wy1 - wy0) * 0.62
    t = t + ml.box((wx0, y - 1.5, zf0 + 0.5), (wx1, y + 1.5, zf1 - 0.5), uv_density=wd)
    # curtain rod
    t = t + ml.cylinder((wx0 - 44, wy1 + 16, Z0 + 9), 1.6, (wx1 - wx0) + 82, 10, axis='x')
    for x in (wx0 - 45, wx1 + 39):
        t = t + ml.ellipsoid((x, wy1 + 16, Z0 + 9), (3, 3, 3), 10, 6)
        t = t + ml.box((x - 1, wy1 + 14, Z0), (x + 1, wy1 + 18, Z0 + 9), uv_density=wd)
    # the landscape 25 units behind the wall: the picture covers what is seen
    # through the opening; skirts repeat its edges for grazing looks
    vz = Z0 - T - 25
    vx0, vx1, vy0, vy1 = wx0 - 70, wx1 + 70, wy0 - 50, wy1 + 60
    view = ml.plane((vx0, vy0, vz), (vx1 - vx0, 0, 0), (0, vy1 - vy0, 0), (0, 0, 1), 4, 4)
    big = 320.0
    xs = [(vx0 - big, vx0, 0.002, 0.002), (vx0, vx1, 0.0, 1.0), (vx1, vx1 + big, 0.998, 0.998)]
    ys = [(vy0 - big, vy0, 0.002, 0.002), (vy0, vy1, 0.0, 1.0), (vy1, vy1 + big, 0.998, 0.998)]
    for xa, xb, ua, ub in xs:
        for ya, yb, va, vb in ys:
            if ua == 0.0 and va == 0.0:
                continue
            q = ml.plane((xa, ya, vz), (xb - xa, 0, 0), (0, yb - ya, 0), (0, 0, 1), 2, 2,
                         uv_scale=(ub - ua, vb - va), uv_off=(ua, va))
            view = view + q
    view = view + ml.plane((vx1 + big, vy0 - big, vz - 1), (-(vx1 - vx0 + 2 * big), 0, 0),
                           (0, vy1 - vy0 + 2 * big, 0), (0, 0, -1))
    return t, view


def build_curtains():
    wx0, wx1, wy0, wy1 = WIN
    out = ml.Tris()
    for xa, xb in ((wx0 - 40, wx0 - 4), (wx1 + 4, wx1 + 34)):
        y0, y1 = wy0 - 22, wy1 + 14
        folds = 4
        def pos(U, V, xa=xa, xb=xb, y0=y0, y1=y1):
            x = xa + (xb - xa) * U
            z = Z0 + 7 + 3.2 * np.sin(U * folds * 2 * np.pi)
            return np.stack([x, y0 + (y1 - y0) * V, z], -1)
        def nrm(U, V, xa=xa, xb=xb):
            dz = 3.2 * folds * 2 * np.pi * np.cos(U * folds * 2 * np.pi) / (xb - xa)
            return np.stack([-dz, np.zeros_like(U), np.ones_like(U)], -1)
        def uv(U, V):
            return np.stack([U * 2, V * 3], -1)
        out = out + ml.grid_surface(pos, nrm, uv, folds * 8, 3)
        # back side so the curtain is seen from behind too
        out = out + ml.grid_surface(pos, lambda U, V, nrm=nrm: -nrm(U, V), uv, folds * 8, 3)
    return out


def top_with_hole(t, core, hole, y, density):
    """The flat core of a box's top (x0, z0, x1, z1) replaced by a frame
    around a hole: four strips with the same world-planar coordinates."""
    flat = (np.abs(t.P[:, :, 1] - y) < 1e-6).all(axis=1) & (t.N[:, :, 1] > 0.999).all(axis=1)
    inside = ((t.P[:, :, 0] >= core[0] - 1e-6) & (t.P[:, :, 0] <= core[2] + 1e-6)
              & (t.P[:, :, 2] >= core[1] - 1e-6) & (t.P[:, :, 2] <= core[3] + 1e-6)).all(axis=1)
    keep = ~(flat & inside)
    rest = ml.Tris(t.P[keep], t.T[keep], t.N[keep])
    x0, z0, x1, z1 = core
    hx0, hz0, hx1, hz1 = hole
    P, T, N = [], [], []
    for a, b, c, d in ((x0, z0, x1, hz0), (x0, hz1, x1, z1), (x0, hz0, hx0, hz1), (hx1, hz0, x1, hz1)):
        q = [np.array([x, y, z]) for x, z in ((a, b), (c, b), (c, d), (a, d))]
        for tri in ((q[0], q[1], q[2]), (q[0], q[2], q[3])):
            P.append(tri); T.append([(v[0] * density, v[2] * density) for v in tri]); N.append([(0, 1, 0)] * 3)
    return rest + ml.tri_list(P, T, N)


def build_table():
    t = ml.rounded_box((-44, TABLE_TOP - 4, -33), (44, TABLE_TOP, 33), 1.0, 2, uv_density=1 / 45.0)
    # The mat lies on the table for good and hides the wood under it; left
    # out, that wood costs a software renderer nothing. The hole stays a
    # unit inside the mat's edge.
    t = top_with_hole(t, (-43, -32, 43, 32), (-28, -20.3, 28, 20.3), TABLE_TOP, 1 / 45.0)
    for sx in (-1, 1):
        for sz in (-1, 1):
            x, z = sx * 37, sz * 26
            t = t + ml.box((x - 3, FLOOR, z - 3), (x + 3, TABLE_TOP - 4, z + 3), faces='xXzZy',
                           uv_density=1 / 70.0).transformed(np.eye(3))
    # aprons
    t = t + ml.box((-36, TABLE_TOP - 12, -28), (36, TABLE_TOP - 4, -26), faces='xXzZy', uv_density=1 / 70.0)
    t = t + ml.box((-36, TABLE_TOP - 12, 26), (36, TABLE_TOP - 4, 28), faces='xXzZy', uv_density=1 / 70.0)
    t = t + ml.box((-39, TABLE_TOP - 12, -23), (-37, TABLE_TOP - 4, 23), faces='xXzZy', uv_density=1 / 70.0)
    t = t + ml.box((37, TABLE_TOP - 12, -23), (39, TABLE_TOP - 4, 23), faces='xXzZy', uv_density=1 / 70.0)
    # side stretchers near the floor, joining the legs
    for x in (-37, 37):
        t = t + ml.box((x - 1.5, FLOOR + 12, -23), (x + 1.5, FLOOR + 15, 23), faces='xXyYzZ', uv_density=1 / 70.0)
    mat = ml.box((-29, TABLE_TOP, -21.3), (29, MAT_TOP, 21.3), faces='xXyYzZ')
    return t, mat


def build_bed():
    bx0, bx1, bz0, bz1 = 88.0, 186.0, -143.0, 55.0
    d = 1 / 80.0
    frame = ml.box((bx0 + 8, FLOOR, bz0 + 10), (bx1 - 8, FLOOR + 10, bz1 - 8), faces='xXzZ', uv_density=d)
    frame = frame + ml.rounded_box((bx0, FLOOR + 10, bz0 + 6), (bx1, FLOOR + 30, bz1), 1.5, 2, uv_density=d)
    # headboard with a rounded top rail and two posts
    frame = frame + ml.rounded_box((bx0 - 2, FLOOR, bz0), (bx1 + 2, FLOOR + 92, bz0 + 6), 2.0, 2, uv_density=d)
    frame = frame + ml.rounded_box((bx0 - 5, FLOOR + 88, bz0 - 1), (bx1 + 5, FLOOR + 98, bz0 + 8), 3.0, 2,
                                   uv_density=d)
    mattress = ml.rounded_box((bx0 + 3, FLOOR + 30, bz0 + 8), (bx1 - 3, FLOOR + 52, bz1 - 2), 5.0, 3,
                              uv_density=1 / 60.0)
    spread = ml.rounded_box((bx0 + 0.5, FLOOR + 33, bz0 + 62), (bx1 - 0.5, FLOOR + 57, bz1 + 1.5), 7.0, 3,
                            uv_density=1 / 70.0)
    # the turned-down top edge of the quilt
    spread = spread + ml.rounded_box((bx0 + 0.2, FLOOR + 45, bz0 + 58), (bx1 - 0.2, FLOOR + 60, bz0 + 78), 6.0, 3,
                                     uv_density=1 / 70.0)
    pillows = ml.Tris()
    for xa, xb in ((bx0 + 14, bx1 - 14),):
        p = ml.rounded_box((xa, FLOOR + 50, bz0 + 12), (xb, FLOOR + 66, bz0 + 50), 7.5, 3, uv_density=1 / 60.0)
        # plump the middle a little
        c = np.array([(xa + xb) / 2, FLOOR + 58, bz0 + 31])
        q = p.P - c
        bulge = 1 + 0.25 * np.clip(1 - (q[..., 0] / ((xb - xa) / 2)) ** 2, 0, 1) * np.clip(
            1 - (q[..., 2] / 19) ** 2, 0, 1)
        p.P = c + q * np.stack([np.ones_like(bulge), bulge, np.ones_like(bulge)], -1)
        pillows = pillows + p
    return frame, mattress, spread, pillows


def build_nightstand():
    x0, x1, z0, z1 = 44.0, 84.0, -144.0, -108.0
    d = 1 / 60.0
    t = ml.rounded_box((x0, FLOOR + 6, z0), (x1, FLOOR + 52, z1), 1.2, 2, uv_density=d)
    for x in (x0 + 3, x1 - 7):
        for z in (z0 + 3, z1 - 7):
            t = t + ml.box((x, FLOOR, z), (x + 4, FLOOR + 6, z + 4), faces='xXzZ', uv_density=d)
    # drawer fronts: slightly proud panels
    for y0, y1 in ((FLOOR + 10, FLOOR + 28), (FLOOR + 31, FLOOR + 48)):
        t = t + ml.box((x0 + 3, y0, z1), (x1 - 3, y1, z1 + 0.8), faces='xXyYZ', uv_density=d)
    knobs = ml.Tris()
    for y in (FLOOR + 19, FLOOR + 39.5):
        knobs = knobs + ml.ellipsoid(((x0 + x1) / 2, y, z1 + 2.0), (1.8, 1.8, 1.6), 10, 6)
    # the bedside lamp: celadon base and a glowing paper shade
    cx, cz, top = (x0 + x1) / 2, (z0 + z1) / 2, FLOOR + 52
    base = ml.lathe([(0.01, top), (6, top), (6.5, top + 2), (8.5, top + 10), (7.5, top + 18), (3, top + 24),
                     (1.6, top + 28), (1.6, top + 34), (0.01, top + 34)], 20)
    base = base.moved((cx, 0, cz))
    shade = ml.lathe([(12, top + 30), (8, top + 47)], 24, smooth=False).moved((cx, 0, cz))
    shade = shade + ml.lathe([(8, top + 47), (12, top + 30)], 24, smooth=False).moved((cx, 0, cz)).uv_map(
        lambda P, N: np.zeros(P.shape[:2] + (2,)) + 0.5)
    return t, knobs, base, shade


def build_shelves():
    """A bookcase against the left wall: sides, top, plinth, three shelves,
    back. Built facing +z round the origin, then turned to face +x."""
    x0, x1, z0, z1 = -40.0, 40.0, -17.0, 17.0
    top = 82.0
    d = 1 / 60.0
    t = ml.Tris()
    t = t + ml.box((x0, FLOOR, z0), (x0 + 2.5, top, z1), uv_density=d)
    t = t + ml.box((x1 - 2.5, FLOOR, z0), (x1, top, z1), uv_density=d)
    t = t + ml.rounded_box((x0 - 1.5, top, z0), (x1 + 1.5, top + 3, z1 + 1.5), 0.8, 2, uv_density=d)
    t = t + ml.box((x0 + 2.5, FLOOR, z1 - 3), (x1 - 2.5, FLOOR + 8, z1 - 1), faces='Z', uv_density=d)
    t = t + ml.box((x0 + 2.5, FLOOR, z0), (x1 - 2.5, FLOOR + 8, z1 - 3), faces='Y', uv_density=d)
    t = t + ml.box((x0 + 2.5, FLOOR + 8, z0), (x1 - 2.5, top, z0 + 1.5), faces='Z', uv_density=d)
    levels = [FLOOR + 8, -28.0, 12.0, 48.0]
    for y in levels[1:]:
        t = t + ml.box((x0 + 2.5, y - 2.2, z0 + 1.5), (x1 - 2.5, y, z1), faces='yYZ', uv_density=d)
    # books on three levels, leaning a little at the ends
    rng = np.random.RandomState(301)
    books = ml.Tris()
    for li, y in enumerate(levels):
        x = x0 + 4 if li != 3 else x0 + 30
        limit = x1 - (30 if li == 1 else 4)
        while True:
            w = 2.2 + rng.rand() * 2.8
            h = 22 + rng.rand() * 10 if li != 0 else 26 + rng.rand() * 8
            h = min(h, 30.0) if li == 3 else h
            dz = 18 + rng.rand() * 6
            if x + w > limit:
                break
            k = rng.randint(16)
            b = ml.box((0, 0, 0), (w, h, dz), faces='xXYZ')
            # spine (+z face) shows one column of the atlas
            spine_u = np.array([k / 16 + 0.004, (k + 1) / 16 - 0.004])
            def uvf(P, N, w=w, h=h, su=spine_u):
                u = su[0] + (su[1] - su[0]) * np.clip(P[..., 0] / w, 0, 1)
                v = 0.04 + 0.92 * np.clip(P[..., 1] / h, 0, 1)
                side = np.abs(N[..., 2]) < 0.5
                u = np.where(side, su[0] + 0.2 * (su[1] - su[0]), u)
                return np.stack([u, v], -1)
            b = b.uv_map(uvf)
            books = books + b.moved((x, y, z1 - 2 - dz))
            x += w + 0.15
    # a celadon vase and a small bowl on the middle shelf's free end
    vase = ml.lathe([(0.01, 0), (4, 0), (6.5, 5), (7, 10), (5, 17), (2.2, 21), (2.0, 24), (3.2, 26),
                     (2.6, 26.5), (0.01, 24)], 22)
    vase = vase.moved((x1 - 15, levels[1], z0 + 17))
    bowl = ml.lathe([(0.01, 0), (3, 0), (6, 3), (7.5, 6), (6.8, 6.2), (5.2, 3.6), (0.01, 2.4)], 22)
    bowl = bowl.moved((x0 + 15, top + 3, 0))
    place = lambda q: q.transformed(ml.rot_y(90), SHELVES_AT)
    return place(t), place(books), place(vase + bowl)


def build_lamp():
    """Paper lantern hanging from the ceiling round the light, with its cord."""
    cx, cy, cz = LANTERN
    prof = []
    for k in range(13):
        a = math.pi * k / 12
        prof.append((6 + 13 * math.sin(a), cy - 1 - 13 * math.cos(a)))
    paper = ml.lathe(prof, 28).moved((cx, 0, cz))
    frame = ml.cylinder((cx, cy - 16, cz), 7.5, 3, 20)
    frame = frame + ml.cylinder((cx, cy + 11, cz), 7.5, 3, 20)
    frame = frame + ml.cylinder((cx, cy + 14, cz), 0.6, CEIL - cy - 14, 6, caps=False)
    frame = frame + ml.cylinder((cx, CEIL - 2, cz), 5, 2, 16)
    # a red tassel below
    frame = frame + ml.cylinder((cx, cy - 23, cz), 0.5, 7, 6, caps=False)
    tassel = ml.lathe([(0.01, cy - 36), (2.0, cy - 35), (1.3, cy - 25), (0.01, cy - 23)], 10).moved((cx, 0, cz))
    return paper, frame, tassel


def build_scroll():
    z0, z1, y0, y1 = 20.0, 70.0, 5.0, 130.0
    s = ml.box((X0, y0, z0), (X0 + 0.6, y1, z1), faces='X')
    s = s + ml.box((X0, y0, z0), (X0 + 0.6, y1, z1), faces='x').uv_map(lambda P, N: np.zeros(P.shape[:2] + (2,)) + 0.1)
    rods = ml.cylinder((X0 + 2, y0 - 1, z0 - 3), 1.6, z1 - z0 + 6, 10, axis='z')
    rods = rods.transformed(np.eye(3))
    rods = rods + ml.cylinder((X0 + 1.5, y1 + 1, z0 - 1), 1.1, z1 - z0 + 2, 10, axis='z')
    rods = rods + ml.cylinder((X0 + 0.5, y1 + 2, (z0 + z1) / 2), 0.4, 14, 6, caps=False)
    return s, rods


def build_door():
    x0, x1 = 92.0, 176.0
    d = ml.box((x0, FLOOR, Z1 - 3), (x1, FLOOR + 206, Z1), faces='xXYz', uv_density=1 / 90.0)
    # frame
    d = d + ml.box((x0 - 8, FLOOR, Z1 - 2), (x0, FLOOR + 214, Z1), faces='xXYz', uv_density=1 / 90.0)
    d = d + ml.box((x1, FLOOR, Z1 - 2), (x1 + 8, FLOOR + 214, Z1), faces='xXYz', uv_density=1 / 90.0)
    d = d + ml.box((x0, FLOOR + 206, Z1 - 2), (x1, FLOOR + 214, Z1), faces='xXyYz', uv_density=1 / 90.0)
    # raised panels
    for y0, y1 in ((FLOOR + 14, FLOOR + 92), (FLOOR + 108, FLOOR + 192)):
        d = d + ml.box((x0 + 12, y0, Z1 - 4.2), (x1 - 12, y1, Z1 - 3), faces='xXyYz', uv_density=1 / 90.0)
    handle = ml.cylinder((x0 + 10, FLOOR + 100, Z1 - 9), 1.0, 6, 8, axis='z')
    handle = handle + ml.box((x0 + 6, FLOOR + 99, Z1 - 10), (x0 + 20, FLOOR + 101.5, Z1 - 8))
    handle = handle + ml.box((x0 + 7, FLOOR + 94, Z1 - 4), (x0 + 13, FLOOR + 108, Z1 - 3))
    return d, handle


def build_plant():
    """A potted plant in the corner by the window: pot, soil and leaf clusters."""
    cx, cz = -128.0, 103.0
    pot = ml.lathe([(0.01, FLOOR), (11, FLOOR), (14, FLOOR + 26), (15, FLOOR + 28), (13.5, FLOOR + 28),
                    (12.5, FLOOR + 26)], 20).moved((cx, 0, cz))
    leaves = ml.Tris()
    rng = np.random.RandomState(311)
    for k in range(26):
        a = rng.rand() * 2 * math.pi
        r = 2 + rng.rand() * 10
        h = 20 + rng.rand() * 45
        leaf = ml.ellipsoid((0, 0, 0), (2.2 + rng.rand() * 2, 0.6, 7 + rng.rand() * 5), 8, 4)
        leaf = leaf.transformed(ml.rot_y(math.degrees(a)) @ ml.rot_x(-35 - rng.rand() * 30))
        leaves = leaves + leaf.moved((cx + r * math.sin(a), FLOOR + 26 + h * 0.5, cz + r * math.cos(a)))
    stems = ml.cylinder((cx, FLOOR + 24, cz), 1.2, 40, 6, caps=False)
    return pot, leaves + stems


def build_chair():
    """A wooden chair behind the table (towards the window), facing it, with a
    quilted cushion."""
    cz, cx = -62.0, 0.0
    d = 1 / 60.0
    seat_y = FLOOR + 45
    x0, x1, z0, z1 = cx - 21, cx + 21, cz - 20, cz + 20
    t = ml.rounded_box((x0, seat_y - 3, z0), (x1, seat_y, z1), 0.8, 2, uv_density=d)
    for x in (x0 + 1.5, x1 - 5.5):
        for z in (z0 + 1.5, z1 - 5.5):
            top = seat_y - 3 if z > cz else seat_y + 48
            t = t + ml.box((x, FLOOR, z), (x + 4, top, z + 4), faces='xXzZY', uv_density=d)
    # back: top rail and a splat between the rear posts
    t = t + ml.rounded_box((x0, seat_y + 40, z0 + 1), (x1, seat_y + 48, z0 + 5), 1.2, 2, uv_density=d)
    t = t + ml.box((cx - 6, seat_y, z0 + 2), (cx + 6, seat_y + 40, z0 + 4), uv_density=d)
    # stretchers
    for z in (z0 + 3.5, z1 - 3.5):
        t = t + ml.box((x0 + 5.5, FLOOR + 14, z - 1), (x1 - 5.5, FLOOR + 17, z + 1), faces='yYzZ', uv_density=d)
    cushion = ml.rounded_box((x0 + 2, seat_y, z0 + 5), (x1 - 2, seat_y + 5, z1 - 1), 2.2, 3, uv_density=1 / 40.0)
    return t, cushion


def build_picture():
    """A framed woodblock-style print on the right wall above the bed."""
    z0, z1, y0, y1 = -98.0, -28.0, 38.0, 92.0
    x = X1
    frame = ml.Tris()
    fw = 4.0
    for lo, hi in (((x - 2.5, y0 - fw, z0 - fw), (x, y0, z1 + fw)), ((x - 2.5, y1, z0 - fw), (x, y1 + fw, z1 + fw)),
                   ((x - 2.5, y0, z0 - fw), (x, y1, z0)), ((x - 2.5, y0, z1), (x, y1, z1 + fw))):
        frame = frame + ml.box(lo, hi, faces='xyYzZ', uv_density=1 / 30.0)
    # the print faces -x: seen from the room its right-hand side is +z
    pic = ml.plane((x - 1.0, y0, z0), (0, 0, z1 - z0), (0, y1 - y0, 0), (-1, 0, 0))
    pic = pic + ml.plane((x - 0.2, y0, z1), (0, 0, -(z1 - z0)), (0, y1 - y0, 0), (1, 0, 0)).uv_map(
        lambda P, N: np.zeros(P.shape[:2] + (2,)) + 0.02)
    return frame, pic


def textures(d):
    rt.floor(os.path.join(d, 'floor.png'))
    rt.wall(os.path.join(d, 'wall.png'))
    rt.ceiling(os.path.join(d, 'ceiling.png'))
    rt.rug(os.path.join(d, 'rug.png'))
    rt.mat(os.path.join(d, 'mat.png'))
    rt.wood_dark(os.path.join(d, 'wood_dark.png'))
    rt.wood_light(os.path.join(d, 'wood_light.png'))
    rt.bedspread(os.path.join(d, 'bedspread.png'))
    rt.sheet(os.path.join(d, 'sheet.png'))
    rt.books(os.path.join(d, 'books.png'))
    rt.view(os.path.join(d, 'view.png'))
    rt.lantern(os.path.join(d, 'lantern.png'))
    rt.scroll(os.path.join(d, 'scroll.png'))
    rt.print_wave(os.path.join(d, 'print.png'))
    rt.solid(os.path.join(d, 'celadon.png'), (150, 196, 170))
    rt.solid(os.path.join(d, 'iron.png'), (48, 42, 40))
    rt.solid(os.path.join(d, 'brass.png'), (200, 160, 80))
    rt.solid(os.path.join(d, 'red.png'), (200, 40, 44))
    rt.solid(os.path.join(d, 'leaf.png'), (70, 124, 58))
    rt.solid(os.path.join(d, 'clay.png'), (170, 90, 60))
    S = 256
    n = tl.fbm(S, S, 6, 3, 321)
    tl.save(tl.lerp((236, 214, 210), (246, 230, 226), n), os.path.join(d, 'curtain.png'))


MATERIALS = [
    {'name': 'Floor', 'Ka': (0.45,) * 3, 'Kd': (0.5,) * 3, 'Ks': (0.12,) * 3, 'Ns': 30, 'map': 'floor.png'},
    {'name': 'Wall', 'Ka': (0.5,) * 3, 'Kd': (0.48,) * 3, 'Ks': (0,) * 3, 'Ns': 2, 'map': 'wall.png'},
    {'name': 'Ceiling', 'Ka': (0.62,) * 3, 'Kd': (0.42,) * 3, 'map': 'ceiling.png'},
    {'name': 'Rug', 'Ka': (0.5,) * 3, 'Kd': (0.5,) * 3, 'map': 'rug.png'},
    {'name': 'TableWood', 'Ka': (0.45,) * 3, 'Kd': (0.52,) * 3, 'Ks': (0.35,) * 3, 'Ns': 60, 'map': 'wood_dark.png'},
    {'name': 'Felt', 'Ka': (0.5,) * 3, 'Kd': (0.5,) * 3, 'Ks': (0.02,) * 3, 'map': 'mat.png'},
    {'name': 'LightWood', 'Ka': (0.45,) * 3, 'Kd': (0.5,) * 3, 'Ks': (0.15,) * 3, 'Ns': 30, 'map': 'wood_light.png'},
    {'name': 'Sheet', 'Ka': (0.5,) * 3, 'Kd': (0.45,) * 3, 'map': 'sheet.png'},
    {'name': 'Quilt', 'Ka': (0.55,) * 3, 'Kd': (0.55,) * 3, 'map': 'bedspread.png'},
    {'name': 'Books', 'Ka': (0.5,) * 3, 'Kd': (0.5,) * 3, 'Ks': (0.1,) * 3, 'map': 'books.png'},
    {'name': 'Landscape', 'Ka': (0.1,) * 3, 'Kd': (0.12,) * 3, 'Ke': (0.85, 0.85, 0.85), 'map': 'view.png'},
    {'name': 'LanternPaper', 'Ka': (0.3,) * 3, 'Kd': (0.3,) * 3, 'Ke': (0.78, 0.64, 0.44), 'map': 'lantern.png'},
    {'name': 'ShadePaper', 'Ka': (0.3,) * 3, 'Kd': (0.3,) * 3, 'Ke': (0.72, 0.6, 0.42), 'map': 'sheet.png'},
    {'name': 'DarkWood', 'Ka': (0.45,) * 3, 'Kd': (0.5,) * 3, 'Ks': (0.25,) * 3, 'Ns': 50, 'map': 'wood_dark.png'},
    {'name': 'Celadon', 'Ka': (0.45,) * 3, 'Kd': (0.5,) * 3, 'Ks': (0.5,) * 3, 'Ns': 90, 'map': 'celadon.png'},
    {'name': 'Iron', 'Ka': (0.5,) * 3, 'Kd': (0.5,) * 3, 'Ks': (0.3,) * 3, 'Ns': 40, 'map': 'iron.png'},
    {'name': 'Brass', 'Ka': (0.45,) * 3, 'Kd': (0.5,) * 3, 'Ks': (0.6,) * 3, 'Ns': 70, 'map': 'brass.png'},
    {'name': 'Tassel', 'Ka': (0.5,) * 3, 'Kd': (0.5,) * 3, 'map': 'red.png'},
    {'name': 'ScrollPaper', 'Ka': (0.5,) * 3, 'Kd': (0.5,) * 3, 'map': 'scroll.png'},
    {'name': 'Print', 'Ka': (0.5,) * 3, 'Kd': (0.5,) * 3, 'map': 'print.png'},
    {'name': 'Curtain', 'Ka': (0.5,) * 3, 'Kd': (0.5,) * 3, 'map': 'curtain.png'},
    {'name': 'Leaf', 'Ka': (0.45,) * 3, 'Kd': (0.5,) * 3, 'Ks': (0.2,) * 3, 'Ns': 30, 'map': 'leaf.png'},
    {'name': 'Clay', 'Ka': (0.45,) * 3, 'Kd': (0.5,) * 3, 'Ks': (0.2,) * 3, 'Ns': 30, 'map': 'clay.png'},
]


def main(out):
    d = os.path.join(out, 'Assets', 'Scenes', 'Bedroom')
    os.makedirs(d, exist_ok=True)
    f = ml.ObjFile()
    floor, ceil = build_floor_ceiling()
    f.group('Floor', 'Floor').add(floor)
    f.group('Ceiling', 'Ceiling').add(ceil)
    for name, t in build_walls().items():
        f.group(name, 'Wall').add(t)
    f.group('Rug', 'Rug').add(ml.box((-100, FLOOR, -72), (100, FLOOR + 0.8, 72), faces='xXYzZ'))
    table, mat = build_table()
    f.group('Table', 'TableWood').add(table)
    f.group('Mat', 'Felt').add(mat)
    window, view = build_window()
    f.group('Window', 'LightWood').add(window)
    f.group('WindowView', 'Landscape').add(view)
    f.group('Curtains', 'Curtain').add(build_curtains())
    frame, mattress, spread, pillows = build_bed()
    f.group('Bed', 'LightWood').add(frame)
    f.group('Mattress', 'Sheet').add(mattress)
    f.group('Bedspread', 'Quilt').add(spread)
    f.group('Pillows', 'Sheet').add(pillows)
    stand, knobs, lbase, shade = build_nightstand()
    f.group('Nightstand', 'DarkWood').add(stand)
    f.group('Knobs', 'Brass').add(knobs)
    f.group('LampBase', 'Celadon').add(lbase)
    f.group('LampShade', 'ShadePaper').add(shade)
    shelves, books, vase = build_shelves()
    f.group('Shelves', 'DarkWood').add(shelves)
    f.group('Books', 'Books').add(books)
    f.group('Vase', 'Celadon').add(vase)
    paper, lframe, tassel = build_lamp()
    f.group('Lamp', 'LanternPaper').add(paper)
    f.group('LampFrame', 'DarkWood').add(lframe)
    f.group('LampTassel', 'Tassel').add(tassel)
    scroll, rods = build_scroll()
    f.group('Scroll', 'ScrollPaper').add(scroll)
    f.group('ScrollRods', 'DarkWood').add(rods)
    door, handle = build_door()
    f.group('Door', 'LightWood').add(door)
    f.group('DoorHandle', 'Brass').add(handle)
    chair, cushion = build_chair()
    f.group('Chair', 'DarkWood').add(chair)
    f.group('ChairCushion', 'Quilt').add(cushion)
    pframe, pic = build_picture()
    f.group('PictureFrame', 'DarkWood').add(pframe)
    f.group('Picture', 'Print').add(pic)
    pot, plant = build_plant()
    f.group('PlantPot', 'Clay').add(pot)
    f.group('Plant', 'Leaf').add(plant)
    # material names are shared engine-wide: keep the room's apart from other models'
    for g in f.groups:
        g.material = 'Bedroom_' + g.material
    mats = [dict(m, name='Bedroom_' + m['name']) for m in MATERIALS]
    nv, nt = f.write(os.path.join(d, 'room.obj'), 'room.mtl', None, header=[
        'Jadeloom bedroom. Units ~ cm; floor y = %g, ceiling y = %g, walls x = %g..%g, z = %g..%g.'
        % (FLOOR, CEIL, X0, X1, Z0, Z1),
        'The board stands on the mat at the origin (mat top y = %g).' % MAT_TOP,
        'Generated by tools/models/room.py'])
    ml.write_mtl(os.path.join(d, 'room.mtl'), mats, header=['Bedroom materials. Generated by tools/models/room.py'])
    textures(d)
    print('room: %d vertices, %d triangles' % (nv, nt))


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), '..', '..'))
