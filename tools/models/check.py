"""Checks every model, material and animation file made by the model tools.

Usage: check.py [repository root]. Exits 1 on the first class of fault found
and prints one line per fault.
"""
import os
import sys
import numpy as np

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from objread import read_obj, read_mtl, read_anim

MODELS = {
    'Assets/Tiles/tile.obj': {'objects': ['Tile', 'Face'], 'takes': ['clear_tile', 'new_game', 'game_won'],
                              'materials': ['Tile_Material']},
    'Assets/Scenes/Bedroom/room.obj': {'objects': ['Floor', 'Ceiling', 'WallBack', 'WallFront', 'WallLeft',
                                                   'WallRight', 'Table', 'Bed', 'Shelves', 'Lamp'],
                                       'takes': [], 'materials': []},
    'Assets/Rewards/luckycat.obj': {'objects': ['Body', 'Paw'], 'takes': ['Swivel'], 'materials': []},
}
ANIM_KEYS = {'translationX', 'translationY', 'translationZ', 'rotX', 'rotY', 'rotZ', 'scaleX', 'scaleY',
             'scaleZ', 'texture', 'timeStamp', 'randomTimeStamp', 'minimumTimeStamp', 'visible'}


def winding_faults(d, obj):
    """Triangles whose winding disagrees with their corner normals."""
    V = np.array(d.v); N = np.array(d.vn)
    F = np.array(obj['faces'])
    if len(F) == 0:
        return 0
    p = V[F[:, :, 0]]; n = N[F[:, :, 2]].sum(axis=1)
    fn = np.cross(p[:, 1] - p[:, 0], p[:, 2] - p[:, 0])
    return int((np.einsum('ij,ij->i', fn, n) <= 0).sum())


def check(root):
    faults = []
    for rel, want in MODELS.items():
        path = os.path.join(root, rel)
        if not os.path.exists(path):
            faults.append('missing model %s' % rel); continue
        d = read_obj(path)
        faults += d.errors
        mats = {}
        for m in d.mtllibs:
            if not os.path.exists(m):
                faults.append('%s: missing material file %s' % (rel, m)); continue
            mats.update(read_mtl(m))
        for name, m in mats.items():
            if m['map'] and not os.path.exists(m['map']):
                faults.append('%s: material %s names missing texture %s' % (rel, name, m['map']))
            elif m['map']:
                from PIL import Image
                w, h = Image.open(m['map']).size
                limit = 1024 if 'Scenes' in rel else 512
                if w & (w - 1) or h & (h - 1) or max(w, h) > limit:
                    faults.append('%s: texture %s is %dx%d (powers of two up to %d wanted)'
                                  % (rel, m['map'], w, h, limit))
        for name in want['materials']:
            if name not in mats:
                faults.append('%s: material %s not defined' % (rel, name))
        names = [o['name'] for o in d.objects]
        for o in d.objects:
            if o['material'] not in mats:
                faults.append('%s: object %s uses unknown material %s' % (rel, o['name'], o['material']))
            if not o['faces']:
                faults.append('%s: object %s has no faces' % (rel, o['name']))
            if not o['built']:
                faults.append('%s: object %s is not built (no line after its faces)' % (rel, o['name']))
            bad = winding_faults(d, o)
            if bad:
                faults.append('%s: object %s has %d triangles wound against their normals'
                              % (rel, o['name'], bad))
        for name in want['objects']:
            if name not in names:
                faults.append('%s: object %s missing' % (rel, name))
        takes = []
        for a in d.animations:
            if not os.path.exists(a):
                faults.append('%s: missing animation file %s' % (rel, a)); continue
            for tname, anims in read_anim(a):
                takes.append(tname)
                for oname, frames in anims:
                    if oname not in names:
                        faults.append('%s: take %s animates unknown object %s' % (rel, tname, oname))
                    elif oname not in d.objects_before_animation:
                        faults.append('%s: object %s is defined after the animation line' % (rel, oname))
                    last = 0
                    for fr in frames:
                        unknown = set(fr) - ANIM_KEYS
                        if unknown:
                            faults.append('%s: take %s has unknown keys %s' % (rel, tname, sorted(unknown)))
                        t = int(fr.get('timeStamp', 0))
                        if t <= last:
                            faults.append('%s: take %s frame time %d not after %d' % (rel, tname, t, last))
                        last = t
        for t in want['takes']:
            if t not in takes:
                faults.append('%s: take %s missing' % (rel, t))
        print('%-34s %6d v %6d tris %2d objects %d takes' % (
            rel, len(d.v), sum(len(o['faces']) for o in d.objects), len(d.objects), len(takes)))
    # the face contract of the tile
    tile = os.path.join(root, 'Assets/Tiles/tile.obj')
    if os.path.exists(tile):
        d = read_obj(tile)
        face = [o for o in d.objects if o['name'] == 'Face'][-1]
        T = np.array(d.vt)[np.array(face['faces'])[:, :, 1]].reshape(-1, 2)
        V = np.array(d.v)[np.array(face['faces'])[:, :, 0]].reshape(-1, 3)
        if len(face['faces']) != 2:
            faults.append('tile: Face must be one quad (two triangles)')
        if not (np.isclose(T[:, 0].min(), 0) and np.isclose(T[:, 0].max(), 1 / 17, atol=1e-4)
                and np.isclose(T[:, 1].min(), 5 / 6, atol=1e-4) and np.isclose(T[:, 1].max(), 1)):
            faults.append('tile: Face texture box is not u [0,1/17] v [5/6,1]')
        top = V[np.argmax(T[:, 1])]; left = V[np.argmin(T[:, 0])]
        if top[2] >= 0 or left[0] >= 0:
            faults.append('tile: Face picture top must be towards -z and u must grow with +x')
        allv = np.array(d.v)
        if allv[:, 1].min() < -1e-6 or V[:, 1].min() <= max(p[1] for p in d.v if p not in set(map(tuple, V))):
            faults.append('tile: body must stand on y = 0 with the Face above it')
        body = [o for o in d.objects if o['name'] == 'Tile'][0]
        F = np.array(body['faces'])
        P = allv[F[:, :, 0]]; Nn = np.array(d.vn)[F[:, :, 2]]
        centre = (P.reshape(-1, 3).max(axis=0) + P.reshape(-1, 3).min(axis=0)) / 2
        if np.any(np.einsum('ijk,ijk->ij', Nn, P - centre) <= 0):
            faults.append('tile: some body normals point inwards')
        # the room shell's inner faces must face into the room
        room = os.path.join(root, 'Assets/Scenes/Bedroom/room.obj')
        if os.path.exists(room):
            r = read_obj(room)
            RV, RN = np.array(r.v), np.array(r.vn)
            for o in r.objects:
                if o['name'] in ('Floor', 'Ceiling', 'WallBack', 'WallFront', 'WallLeft', 'WallRight'):
                    F = np.array(o['faces'])
                    c = RV[F[:, :, 0]].mean(axis=1)
                    n = RN[F[:, :, 2]].mean(axis=1)
                    lo, hi = RV[F[:, :, 0]].reshape(-1, 3).min(0), RV[F[:, :, 0]].reshape(-1, 3).max(0)
                    thin = np.argmin(hi - lo)
                    inner = c[:, thin] == (hi[thin] if o['name'] in ('Floor', 'WallBack', 'WallLeft') else lo[thin])
                    toward = np.einsum('ij,ij->i', n[inner], np.array([-1.0, 20.0, 0.1]) - c[inner]) > 0
                    if not inner.any() or not toward.all():
                        faults.append('room: inner faces of %s do not face into the room' % o['name'])
        ratio = (V[:, 0].max() - V[:, 0].min()) / (V[:, 2].max() - V[:, 2].min())
        if abs(ratio - 0.71) > 0.02:
            faults.append('tile: Face ratio %.3f is not about 0.71' % ratio)
    return faults


def room_boxes(root):
    d = read_obj(os.path.join(root, 'Assets/Scenes/Bedroom/room.obj'))
    V = np.array(d.v)
    out = []
    for o in d.objects:
        idx = np.array(o['faces'])[:, :, 0].ravel()
        out.append((o['name'], V[idx].min(axis=0), V[idx].max(axis=0)))
    return out


def segment_hits(boxes, p0, p1):
    """The room collision test: every face plane of every object's box, a
    crossing counts when it lies inside the box enlarged by 0.005."""
    hits = []
    d = p1 - p0
    for name, lo, hi in boxes:
        for axis in range(3):
            for side, n_sign in ((lo, -1.0), (hi, 1.0)):
                ext = np.delete(hi - lo, axis)
                if ext[0] * ext[1] == 0:
                    continue          # a flat box has no side faces
                n = np.zeros(3); n[axis] = n_sign
                denom = d @ n
                if abs(denom) < 1e-8:
                    continue
                t = (side[axis] - p0[axis]) / d[axis]
                if t < 0 or t > 1:
                    continue
                q = p0 + t * d
                if np.all(q > lo - 0.005) and np.all(q < hi + 0.005):
                    hits.append((q, n, name))
    return hits


def orbit_sweep(root):
    """Orbits the camera round the default target as the game does (push the
    eye 5 units off the nearest surface it ran into, at most 8 times, else
    refuse the move) and reports how the room answers."""
    import math
    boxes = room_boxes(root)
    shell = {b[0]: b for b in boxes}
    inner_lo = np.array([shell['WallLeft'][2][0], shell['Floor'][2][1], shell['WallBack'][2][2]])
    inner_hi = np.array([shell['WallRight'][1][0], shell['Ceiling'][1][1], shell['WallFront'][1][2]])
    target = np.array([-1.0, 0.0, 0.1])
    faults = []
    def rot(axis, deg):
        a = math.radians(deg); c, s = math.cos(a), math.sin(a)
        return {'x': np.array([[1, 0, 0], [0, c, -s], [0, s, c]]),
                'y': np.array([[c, 0, s], [0, 1, 0], [-s, 0, c]]),
                'z': np.array([[c, -s, 0], [s, c, 0], [0, 0, 1]])}[axis]
    for dist in (60.0, 110.0, 160.0):
        free = pushed = refused = 0
        for ax in range(0, 360, 6):
            for ay in range(0, 360, 12):
                off = rot('y', ay) @ rot('x', ax) @ rot('z', 15) @ np.array([0, dist, 0])
                ok = True
                for k in range(9):
                    h = segment_hits(boxes, target, target + off)
                    if not h:
                        break
                    if k == 8:
                        ok = False
                        break
                    q, n, _ = min(h, key=lambda e: np.linalg.norm(e[0] - target))
                    p = q + 5.0 * n - target
                    off = np.where(n != 0, p, off)
                if not ok:
                    refused += 1
                    continue
                eye = target + off
                if k == 0:
                    free += 1
                else:
                    pushed += 1
                if np.any(eye < inner_lo) or np.any(eye > inner_hi):
                    faults.append('room: orbit %g (%d, %d) left the room at %s' % (dist, ax, ay, np.round(eye, 1)))
        print('orbit distance %3g: %4d free, %4d pushed off, %4d refused' % (dist, free, pushed, refused))
    for name, lo, hi in boxes:
        if np.min(hi - lo) < 0.03:
            faults.append('room: object %s has a flat bounding box' % name)
        for p in (target, np.array([-16.53, 55.12, 18.01])):
            if np.all(p > lo - 0.005) and np.all(p < hi + 0.005):
                faults.append('room: default target or eye inside %s' % name)
    return faults


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..')
    faults = check(root)
    if os.path.exists(os.path.join(root, 'Assets/Scenes/Bedroom/room.obj')):
        faults += orbit_sweep(root)
    for f in faults:
        print('FAULT', f)
    print('%d faults' % len(faults))
    sys.exit(1 if faults else 0)


if __name__ == '__main__':
    main()
