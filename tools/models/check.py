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
        ratio = (V[:, 0].max() - V[:, 0].min()) / (V[:, 2].max() - V[:, 2].min())
        if abs(ratio - 0.71) > 0.02:
            faults.append('tile: Face ratio %.3f is not about 0.71' % ratio)
    return faults


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..')
    faults = check(root)
    for f in faults:
        print('FAULT', f)
    print('%d faults' % len(faults))
    sys.exit(1 if faults else 0)


if __name__ == '__main__':
    main()
