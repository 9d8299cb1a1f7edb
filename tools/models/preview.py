"""Software preview of the models: a numpy z-buffer rasteriser with Gouraud
lighting like the game's fixed-function light, back-face culling on.

Writes /tmp/preview_tile.png, /tmp/preview_room.png (default camera with the
Turtle board on the table), /tmp/preview_room_far.png, /tmp/preview_cat.png.
Usage: preview.py [repository root] [which...]
"""
import math
import os
import sys
import numpy as np
from PIL import Image

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from objread import read_obj, read_mtl
import meshlib as ml

LIGHT = np.array([-43.9, 145.477, -61.424])
_tex_cache = {}


def load_tex(path):
    if path is None:
        return None
    if path not in _tex_cache:
        img = Image.open(path).convert('RGB')
        _tex_cache[path] = np.asarray(img, float)[::-1] / 255.0  # row 0 = v 0
    return _tex_cache[path]


def load_model(path):
    """-> list of (name, P, T, N, material)."""
    d = read_obj(path)
    mats = {}
    for m in d.mtllibs:
        mats.update(read_mtl(m))
    V, VT, VN = np.array(d.v), np.array(d.vt), np.array(d.vn)
    out = []
    for o in d.objects:
        F = np.array(o['faces'])
        out.append((o['name'], V[F[:, :, 0]], VT[F[:, :, 1]], VN[F[:, :, 2]], mats.get(o['material'])))
    return out


def look_at(eye, centre, up):
    f = centre - eye; f /= np.linalg.norm(f)
    s = np.cross(f, up); s /= np.linalg.norm(s)
    u = np.cross(s, f)
    M = np.eye(4)
    M[0, :3], M[1, :3], M[2, :3] = s, u, -f
    M[:3, 3] = -M[:3, :3] @ eye
    return M


class Canvas:
    def __init__(self, w, h, fovy, eye, centre, up, near=0.5, bg=(0.1, 0.1, 0.12)):
        self.w, self.h = w, h
        self.col = np.zeros((h, w, 3)); self.col[:] = bg
        self.depth = np.full((h, w), np.inf)
        self.view = look_at(np.asarray(eye, float), np.asarray(centre, float), np.asarray(up, float))
        self.f = 1 / math.tan(math.radians(fovy) / 2)
        self.aspect = w / h
        self.near = near
        self.eye = np.asarray(eye, float)

    def draw(self, P, T, N, mat, offset=(0, 0, 0), cull=True, light=True):
        if len(P) == 0:
            return
        mat = mat or {'Ka': (0, 0, 0), 'Kd': (1, 1, 1), 'Ke': (0, 0, 0), 'Ks': (0, 0, 0), 'map': None, 'Ns': 2}
        tex = load_tex(mat['map'])
        Pw = P + np.asarray(offset, float)
        # per-vertex lighting like fixed-function GL (global ambient 0.6, light 1.5)
        L = LIGHT - Pw; L /= np.linalg.norm(L, axis=2, keepdims=True)
        ndl = np.maximum(np.einsum('ijk,ijk->ij', N, L), 0)
        Ka, Kd, Ke, Ks = (np.array(mat[k]) for k in ('Ka', 'Kd', 'Ke', 'Ks'))
        lit = Ka * 0.6 + Kd * np.array([1.5, 1.5, 1.4]) * ndl[..., None] + Ke if light else np.ones(P.shape)
        Vv = self.eye - Pw; Vv /= np.linalg.norm(Vv, axis=2, keepdims=True)
        Hh = L + Vv; Hh /= np.linalg.norm(Hh, axis=2, keepdims=True)
        shine = (np.maximum(np.einsum('ijk,ijk->ij', N, Hh), 0) ** max(mat['Ns'], 1)) * (ndl > 0)
        shine = shine[..., None] * Ks * 0.5
        ph = np.concatenate([Pw, np.ones(Pw.shape[:2] + (1,))], axis=2) @ self.view.T
        z = ph[..., 2]
        keep = (z < -self.near).all(axis=1)
        sx = (self.f / self.aspect * ph[..., 0] / -z * 0.5 + 0.5) * self.w
        sy = (0.5 - self.f * ph[..., 1] / -z * 0.5) * self.h
        for i in np.nonzero(keep)[0]:
            xs, ys, ws = sx[i], sy[i], -z[i]
            area = (xs[1] - xs[0]) * (ys[2] - ys[0]) - (xs[2] - xs[0]) * (ys[1] - ys[0])
            if cull and area >= 0:   # y grows downwards: counter-clockwise gives area < 0
                continue
            if area == 0:
                continue
            x0 = max(int(math.floor(xs.min())), 0); x1 = min(int(math.ceil(xs.max())), self.w - 1)
            y0 = max(int(math.floor(ys.min())), 0); y1 = min(int(math.ceil(ys.max())), self.h - 1)
            if x0 > x1 or y0 > y1:
                continue
            gy, gx = np.mgrid[y0:y1 + 1, x0:x1 + 1] + 0.5
            w0 = ((xs[1] - gx) * (ys[2] - gy) - (xs[2] - gx) * (ys[1] - gy)) / area
            w1 = ((xs[2] - gx) * (ys[0] - gy) - (xs[0] - gx) * (ys[2] - gy)) / area
            w2 = 1 - w0 - w1
            inside = (w0 >= 0) & (w1 >= 0) & (w2 >= 0)
            if not inside.any():
                continue
            iw = np.array([1 / ws[0], 1 / ws[1], 1 / ws[2]])
            q = np.stack([w0 * iw[0], w1 * iw[1], w2 * iw[2]], -1)
            qs = q.sum(-1, keepdims=True)
            bc = q / qs
            depth = 1 / qs[..., 0]
            region = self.depth[y0:y1 + 1, x0:x1 + 1]
            m = inside & (depth < region)
            if not m.any():
                continue
            c = bc[m] @ lit[i]
            if tex is not None:
                uv = bc[m] @ T[i]
                th, tw = tex.shape[:2]
                tx = (np.floor(uv[:, 0] * tw).astype(int)) % tw
                ty = (np.floor(uv[:, 1] * th).astype(int)) % th
                c = c * tex[ty, tx]
            c = c + bc[m] @ shine[i]
            region[m] = depth[m]
            self.col[y0:y1 + 1, x0:x1 + 1][m] = np.clip(c, 0, 1)

    def save(self, path):
        Image.fromarray((self.col * 255).astype(np.uint8)).save(path)


def orbit_eye(dist, angles, target):
    ax, ay, az = angles
    R = ml.rot_y(ay) @ ml.rot_x(ax) @ ml.rot_z(az)
    off = R @ np.array([0, dist, 0.0])
    up = R @ np.array([0, 0, -1.0])
    return np.asarray(target) + off, up


def turtle():
    pos = []
    def run(z, y, xa, xb):
        for x in range(xa, xb + 1, 2):
            pos.append((x, y, z))
    run(0, 0, 2, 24); run(0, 2, 6, 20); run(0, 4, 4, 22); run(0, 6, 2, 24); run(0, 7, 0, 0)
    run(0, 8, 2, 24); run(0, 7, 26, 28); run(0, 10, 4, 22); run(0, 12, 6, 20); run(0, 14, 2, 24)
    for y in (2, 4, 6, 8, 10, 12):
        run(1, y, 8, 18)
    for y in (4, 6, 8, 10):
        run(2, y, 10, 16)
    for y in (6, 8):
        run(3, y, 12, 14)
    run(4, 7, 13, 13)
    assert len(pos) == 144
    return pos


def stamp_material():
    """A stand-in picture so the face orientation shows: a red bar at the top."""
    h, w = 120, 85
    img = np.ones((h, w, 3)) * np.array([0.95, 0.93, 0.86])
    img[8:20, 10:75] = (0.75, 0.1, 0.1)
    yy, xx = np.mgrid[0:h, 0:w]
    ring = (np.hypot(yy - 68, xx - 42) < 26) & (np.hypot(yy - 68, xx - 42) > 18)
    img[ring] = (0.1, 0.45, 0.3)
    img[95:108, 10:30] = (0.1, 0.2, 0.6)   # blue mark at bottom-left
    path = '/tmp/preview_stamp.png'
    Image.fromarray((img * 255).astype(np.uint8)).save(path)
    return path


def draw_board(cv, root):
    tile = load_model(os.path.join(root, 'Assets/Tiles/tile.obj'))
    allP = np.concatenate([o[1] for o in tile]).reshape(-1, 3)
    w = allP[:, 0].max() - allP[:, 0].min(); h = allP[:, 1].max() - allP[:, 1].min()
    d = allP[:, 2].max() - allP[:, 2].min()
    stamp = stamp_material()
    for (x, y, z) in turtle():
        off = ((x - 14) * w / 2, z * h, (y - 7) * d / 2)
        for name, P, T, N, mat in tile:
            if name == 'Face':
                T2 = T.copy(); T2[..., 0] *= 17; T2[..., 1] = (T2[..., 1] - 5 / 6) * 6
                m2 = dict(mat); m2['map'] = stamp
                cv.draw(P, T2, N, m2, off)
            else:
                cv.draw(P, T, N, mat, off)
    return w, h, d


def draw_model(cv, parts, offset=(0, 0, 0), rot_y_deg=0.0):
    R = ml.rot_y(rot_y_deg)
    for name, P, T, N, mat in parts:
        cv.draw(P @ R.T, T, N @ R.T, mat, offset)


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..')
    which = sys.argv[2:] or ['tile', 'room', 'far', 'cat']
    if 'tile' in which:
        tile = load_model(os.path.join(root, 'Assets/Tiles/tile.obj'))
        stamp = stamp_material()
        for k, (eye, fn) in enumerate((((3.5, 6, 7), 'preview_tile.png'), ((-4, -3, -6), 'preview_tile_under.png'))):
            cv = Canvas(480, 400, 40, eye, (0, 0.9, 0), (0, 1, 0), near=0.1)
            for name, P, T, N, mat in tile:
                if name == 'Face':
                    T2 = T.copy(); T2[..., 0] *= 17; T2[..., 1] = (T2[..., 1] - 5 / 6) * 6
                    m2 = dict(mat); m2['map'] = stamp
                    cv.draw(P, T2, N, m2)
                else:
                    cv.draw(P, T, N, mat)
            cv.save('/tmp/' + fn)
    room_path = os.path.join(root, 'Assets/Scenes/Bedroom/room.obj')
    cat = load_model(os.path.join(root, 'Assets/Rewards/luckycat.obj')) if os.path.exists(
        os.path.join(root, 'Assets/Rewards/luckycat.obj')) else []
    catcfg = read_cfg(os.path.join(root, 'Assets/Rewards/luckycat.cfg'))
    if 'room' in which or 'far' in which:
        room = load_model(room_path)
        views = []
        if 'room' in which:
            eye, up = orbit_eye(60, (18, 0, 15), (-1, 0, 0.1))
            views.append(('preview_room.png', eye, np.array([-1, 0, 0.1]), up, 40, True))
        if 'far' in which:
            eye, up = orbit_eye(150, (62, 25, 10), (-1, 0, 0.1))
            views.append(('preview_room_far.png', eye, np.array([-1, 0, 0.1]), up, 50, True))
            views.append(('preview_room_back.png', np.array([150, 60, 110.0]), np.array([-40, 20, -140.0]),
                          np.array([0, 1, 0.0]), 60, False))
            views.append(('preview_room_shelf.png', np.array([60, 40, 40.0]), np.array([-140, 60, -70.0]),
                          np.array([0, 1, 0.0]), 55, True))
            views.append(('preview_room_front.png', np.array([-100, 100, -120.0]), np.array([60, -20, 100.0]),
                          np.array([0, 1, 0.0]), 60, True))
        for fn, eye, centre, up, fov, board in views:
            print('eye', np.round(eye, 2), 'up', np.round(up, 3))
            cv = Canvas(800, 500, fov, eye, centre, up, near=1.0)
            for name, P, T, N, mat in room:
                cv.draw(P, T, N, mat)
            if board:
                draw_board(cv, root)
            if cat and catcfg:
                draw_model(cv, cat, catcfg['Position'], catcfg['Rotation'][1])
            cv.save('/tmp/' + fn)
    if 'cat' in which and cat:
        for fn, eye in (('preview_cat.png', (16, 22, 58)), ('preview_cat_side.png', (-56, 18, 14))):
            cv = Canvas(400, 480, 40, eye, (0, 13, 0), (0, 1, 0), near=0.5, bg=(0.3, 0.3, 0.33))
            draw_model(cv, cat)
            cv.save('/tmp/' + fn)
        # the Swivel take's extremes: the paw turned about its pivot from the rewards file
        piv = read_pivots(os.path.join(root, 'Assets/Rewards/luckycat.cfg'))
        for rx in (-30, 30):
            parts = []
            for name, P, T, N, mat in cat:
                if name in piv:
                    R = ml.rot_x(rx * 22 / 30) if name == 'Paw' else ml.rot_z(rx / 6)
                    c = np.asarray(piv[name])
                    P = (P - c) @ R.T + c; N = N @ R.T
                parts.append((name, P, T, N, mat))
            cv = Canvas(400, 480, 40, (40, 24, 40), (0, 13, 0), (0, 1, 0), near=0.5, bg=(0.3, 0.3, 0.33))
            draw_model(cv, parts)
            cv.save('/tmp/preview_cat_wave%+d.png' % rx)


def read_pivots(path):
    w = open(path).read().split()
    return {w[i + 1]: tuple(map(float, w[i + 2:i + 5])) for i, k in enumerate(w) if k == 'Pivot:'}


def read_cfg(path):
    if not os.path.exists(path):
        return None
    w = open(path).read().split()
    out = {'Position': (0, 0, 0), 'Rotation': (0, 0, 0)}
    for i, k in enumerate(w):
        if k in ('Position:', 'Rotation:'):
            out[k[:-1]] = tuple(map(float, w[i + 1:i + 4]))
    return out


if __name__ == '__main__':
    main()
