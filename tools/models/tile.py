"""The tile: a thick ivory tile with rounded edges and a jade back layer.

Contract with the tile sets and the board:
- y up, the tile lies flat from y = 0 up, its picture faces +y with its top
  towards -z; centred on x and z so that the board centres on the origin.
- Object "Face": one quad (two triangles) just above the body, texture
  coordinates u in [0, 1/17] (growing with +x), v in [5/6, 1] (v = 1 at the
  picture's top edge, -z).
- Body size sets the board spacing: W along x, D along z, H (+ face lift).
"""
import math
import os
import sys
import numpy as np

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import meshlib as ml
import texlib as tl

W, D, HB = 2.8, 3.8, 1.9        # body width (x), depth (z), height (y)
RB = 0.18                       # bevel radius of top and bottom edges
RC = 0.38                       # corner radius seen from above
FACE_LIFT = 0.02                # face quad above the body top
FW, FD = 2.36, 3.32             # picture size, ratio 0.711 (one atlas cell)
HOLE_MARGIN = 0.2               # the top's hole under the face, inside the face's edge
JADE_Y = 0.78                   # height of the jade back layer
CORNER_SEGS = 3                 # enough for a rounded corner a few pixels across
# The bevel is a pixel or two wide at play distance: one flat band shows it.
# A software renderer pays for every block of pixels a thin band crosses,
# so the body has as few long thin bands as its look allows.
BEVEL_SEGS = 1


def outline(delta):
    """Rounded rectangle inset by delta: points, outward normals, arc param."""
    a, b = W / 2, D / 2
    # corners in order of increasing angle from +x towards -z (counter-clockwise seen from +y)
    pts, nrm = [], []
    for i, (cx, cz) in enumerate([(a - RC, -(b - RC)), (-(a - RC), -(b - RC)),
                                  (-(a - RC), b - RC), (a - RC, b - RC)]):
        base = [0, 90, 180, 270][i]
        for k in range(CORNER_SEGS + 1):
            ang = math.radians(base + 90.0 * k / CORNER_SEGS)
            # angle measured from +x towards -z
            nx, nz = math.cos(ang), -math.sin(ang)
            r = RC - delta
            pts.append((cx + r * nx, cz + r * nz))
            nrm.append((nx, nz))
    pts.append(pts[0]); nrm.append(nrm[0])
    p = np.array(pts)
    seg = np.linalg.norm(np.diff(p, axis=0), axis=1)
    s = np.concatenate([[0], np.cumsum(seg)]); s /= s[-1]
    return p, np.array(nrm), s


def side_v(y):
    return 0.01 + 0.48 * (y / HB)


def build_body():
    rings = []  # (delta, y, ny_scale, nh_scale)
    for k in range(BEVEL_SEGS + 1):
        phi = math.radians(-90 + 90.0 * k / BEVEL_SEGS)
        rings.append((RB * (1 - math.cos(phi)), RB + RB * math.sin(phi), math.sin(phi), math.cos(phi)))
    for k in range(BEVEL_SEGS + 1):
        phi = math.radians(90.0 * k / BEVEL_SEGS)
        rings.append((RB * (1 - math.cos(phi)), HB - RB + RB * math.sin(phi), math.sin(phi), math.cos(phi)))
    # No ring at the jade line: the side's texture coordinate is linear in y,
    # so one band from bevel to bevel shows the same colour edge.
    P, T, N = [], [], []
    _, _, s = outline(0)
    ring_pts = []
    for delta, y, ny, nh in rings:
        p, n, _ = outline(delta)
        pos = np.column_stack([p[:, 0], np.full(len(p), y), p[:, 1]])
        nor = np.column_stack([n[:, 0] * nh, np.full(len(p), ny), n[:, 1] * nh])
        uv = np.column_stack([s, np.full(len(p), side_v(y))])
        ring_pts.append((pos, nor, uv))
    for r in range(len(rings) - 1):
        p0, n0, t0 = ring_pts[r]; p1, n1, t1 = ring_pts[r + 1]
        for i in range(len(p0) - 1):
            P.append([p0[i], p0[i + 1], p1[i + 1]]); T.append([t0[i], t0[i + 1], t1[i + 1]])
            N.append([n0[i], n0[i + 1], n1[i + 1]])
            P.append([p0[i], p1[i + 1], p1[i]]); T.append([t0[i], t1[i + 1], t1[i]])
            N.append([n0[i], n1[i + 1], n1[i]])
    body = ml.tri_list(P, T, N)
    # caps: top is ivory (texture's upper-left quarter), bottom jade (upper-right)
    p, _, _ = outline(RB)
    q2 = p[:-1]
    P, T, N = [], [], []

    def cap_uv(q, u0):
        return (u0 + q[0] / W * 0.44, 0.75 - q[2] / D * 0.44)

    def add(tri, up, u0):
        P.append(tri); T.append([cap_uv(v, u0) for v in tri]); N.append([[0, up, 0]] * 3)

    # The top is a ring around the face: the face is opaque and always drawn
    # with the body, so the top under it could never show, yet a software
    # renderer would still test every sample of it against the face's depth.
    # The hole stays HOLE_MARGIN inside the face's edge, so that a view along
    # the table sees the top, not the hollow, past the lifted face.
    xi, zi = FW / 2 - HOLE_MARGIN, FD / 2 - HOLE_MARGIN
    inner = [np.array([x, HB, z]) for x, z in ((xi, -zi), (-xi, -zi), (-xi, zi), (xi, zi))]
    top = [np.array([x, HB, z]) for x, z in q2]
    per = CORNER_SEGS + 1
    for c in range(4):
        for k in range(CORNER_SEGS):
            add([top[c * per + k], top[c * per + k + 1], inner[c]], 1.0, 0.25)
        last, first = top[c * per + CORNER_SEGS], top[((c + 1) % 4) * per]
        add([last, first, inner[(c + 1) % 4]], 1.0, 0.25)
        add([last, inner[(c + 1) % 4], inner[c]], 1.0, 0.25)
    # The bottom never faces the camera: a zigzag across the outline, broad
    # triangles rather than thin wedges from the centre.
    bottom = [np.array([x, 0.0, z]) for x, z in q2]
    order, lo, hi = [], 0, len(bottom) - 1
    while lo <= hi:
        order.append(lo); lo += 1
        if lo <= hi:
            order.append(hi); hi -= 1
    for k in range(len(order) - 2):
        add([bottom[order[k + j]] for j in range(3)], -1.0, 0.75)
    return body + ml.tri_list(P, T, N)


def build_face():
    y = HB + FACE_LIFT
    x0, x1, z0, z1 = -FW / 2, FW / 2, -FD / 2, FD / 2
    def uv(x, z):
        return ((x - x0) / FW / 17.0, 5.0 / 6.0 + (z1 - z) / FD / 6.0)
    q = [(x0, z1), (x1, z1), (x1, z0), (x0, z0)]
    P = [[(x, y, z) for x, z in (q[0], q[1], q[2])], [(x, y, z) for x, z in (q[0], q[2], q[3])]]
    T = [[uv(x, z) for x, z in (q[0], q[1], q[2])], [uv(x, z) for x, z in (q[0], q[2], q[3])]]
    N = [[(0, 1, 0)] * 3] * 2
    return ml.tri_list(P, T, N)


def texture(path):
    S = 512
    img = np.zeros((S, S, 3))
    ivory = np.array([240, 233, 214.0])
    grain = tl.fbm(S, S, 6, 4, 11, aspect=0.25)
    fine = tl.value_noise(S, S, 128, 128, 12)
    iv = ivory[None, None, :] * (0.965 + 0.05 * grain[..., None]) + (fine[..., None] - 0.5) * 4
    jade_c = tl.fbm(S, S, 3, 5, 21)
    jade_v = tl.fbm(S, S, 8, 3, 22, aspect=2.0)
    jd = tl.lerp((30, 128, 94), (96, 190, 146), np.clip(jade_c * 1.5 - 0.25, 0, 1))
    jd = jd * (0.9 + 0.2 * jade_v[..., None])
    # upper half of the picture (v in [0.5, 1]): left ivory top, right jade bottom
    img[:256, :256] = iv[:256, :256]
    img[:256, 256:] = jd[:256, 256:]
    # lower half: the side band, v = side_v(y); PNG row r has v = 1 - (r + 0.5) / S
    rows = np.arange(256, S)
    v = 1 - (rows + 0.5) / S
    yv = (v - 0.01) / 0.48 * HB
    is_jade = (yv < JADE_Y)[:, None, None]
    band = np.where(is_jade, jd[256:], iv[256:])
    # a slight glue line where the two layers meet, and a soft darkening just above it
    dist = (yv - JADE_Y)[:, None, None]
    band = band * np.where((dist > 0) & (dist < 0.05), 0.82, 1.0)
    band = band * np.where((dist >= 0.05) & (dist < 0.2), 0.95 + 0.05 * (dist - 0.05) / 0.15, 1.0)
    img[256:] = band
    tl.save(img, path)


def animations(path):
    # clear_tile: lift, spin away while shrinking, then hide and put the
    # object's transform back so an undone tile reappears in place.
    lift1, lift2, spin, shrink = 2.5, 28.0, 720.0, -0.97
    clear = [
        {'t': 140, 'ty': lift1, 'ry': 20},
        {'t': 620, 'ty': lift2, 'ry': spin - 20, 'sx': shrink, 'sy': shrink, 'sz': shrink},
        {'t': 621, 'ty': -(lift1 + lift2), 'ry': -spin, 'sx': -shrink, 'sy': -shrink, 'sz': -shrink,
         'visible': False},
    ]
    # new_game: the whole board hops once and settles with a small bounce
    # (no turn: neighbouring tiles would pass through each other)
    new_game = [
        {'t': 170, 'ty': 1.6},
        {'t': 340, 'ty': -1.6},
        {'t': 420, 'ty': 0.4},
        {'t': 500, 'ty': -0.4},
    ]
    # game_won: the cleared tiles pop back at 0.6 size (small enough to spin
    # without touching their neighbours), rise and twirl, then vanish upwards.
    # The object's translation is scaled with it, so lifts are divided by the scale.
    won = [
        {'t': 1, 'sx': -0.95, 'sy': -0.95, 'sz': -0.95, 'visible': True},
        {'t': 700, 'ty': 10.0, 'ry': 360, 'sx': 0.55, 'sy': 0.55, 'sz': 0.55},
        {'t': 1500, 'ty': 4.0, 'ry': 360},
        {'t': 2200, 'ty': 26.0, 'ry': 540, 'sx': -0.57, 'sy': -0.57, 'sz': -0.57},
        {'t': 2201, 'ty': -40.0, 'ry': -1260, 'sx': 0.97, 'sy': 0.97, 'sz': 0.97, 'visible': False},
    ]
    takes = []
    for name, frames in (('clear_tile', clear), ('new_game', new_game), ('game_won', won)):
        takes.append((name, [('Tile', frames), ('Face', frames)]))
    ml.write_anim(path, takes, header=['Tile animations: clear_tile, new_game, game_won.',
                                       'Generated by tools/models/tile.py'])


def main(out):
    d = os.path.join(out, 'Assets', 'Tiles')
    os.makedirs(d, exist_ok=True)
    f = ml.ObjFile()
    f.group('Tile', 'Tile_Material').add(build_body())
    f.group('Face', 'Tile_Face_Material').add(build_face())
    nv, nt = f.write(os.path.join(d, 'tile.obj'), 'tile.mtl', 'tile.anim',
                     header=['Jadeloom tile: body %.2f x %.2f x %.2f (x, y, z), face %.2f x %.2f'
                             % (W, HB + FACE_LIFT, D, FW, FD),
                             'Generated by tools/models/tile.py'])
    ml.write_mtl(os.path.join(d, 'tile.mtl'), [
        {'name': 'Tile_Material', 'Ka': (0.42, 0.42, 0.42), 'Kd': (0.5, 0.5, 0.5),
         'Ks': (0.28, 0.28, 0.26), 'Ns': 48, 'map': 'tile.png'},
        {'name': 'Tile_Face_Material', 'Ka': (0.42, 0.42, 0.42), 'Kd': (0.5, 0.5, 0.5),
         'Ks': (0.18, 0.18, 0.17), 'Ns': 40, 'map': 'tile.png'},
    ], header=['Tile materials. Generated by tools/models/tile.py'])
    texture(os.path.join(d, 'tile.png'))
    animations(os.path.join(d, 'tile.anim'))
    print('tile: %d vertices, %d triangles' % (nv, nt))


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), '..', '..'))
