"""A trivial reader for the OBJ/MTL/animation subset the game uses.

It follows the game's rules closely enough to catch data faults: a group's
faces are built only when another line follows them, lines are at most 255
characters, faces are triangles with p/t/n corners.
"""
import os


class ObjData:
    def __init__(self):
        self.v, self.vt, self.vn = [], [], []
        self.objects = []          # dicts: name, material, faces [(p,t,n)x3], built
        self.mtllibs, self.animations = [], []
        self.objects_before_animation = []
        self.errors = []


def read_obj(path):
    d = ObjData()
    base = os.path.dirname(path)
    cur = None
    pending = False
    with open(path) as f:
        for ln, line in enumerate(f, 1):
            line = line.rstrip('\n')
            if len(line) > 255:
                d.errors.append('%s:%d: line longer than 255 characters' % (path, ln))
                break
            w = line.split()
            key = w[0] if w else ''
            if pending and key not in ('f', 's'):
                cur['built'] = True
                pending = False
            if key == 'v':
                d.v.append(tuple(map(float, w[1:4])))
            elif key == 'vt':
                d.vt.append(tuple(map(float, w[1:3])))
            elif key == 'vn':
                d.vn.append(tuple(map(float, w[1:4])))
            elif key in ('o', 'g'):
                cur = {'name': w[1] if len(w) > 1 else '', 'material': None, 'faces': [], 'built': False}
                d.objects.append(cur)
            elif key == 'usemtl':
                if cur is None:
                    d.errors.append('%s:%d: usemtl before any group' % (path, ln))
                else:
                    cur['material'] = w[1]
            elif key == 'mtllib':
                d.mtllibs += [os.path.join(base, x) for x in w[1:]]
            elif key == 'animation':
                d.animations += [os.path.join(base, x) for x in w[1:]]
                d.objects_before_animation = [o['name'] for o in d.objects]
            elif key == 'f':
                if cur is None:
                    d.errors.append('%s:%d: face before any group' % (path, ln))
                    continue
                if len(w) != 4:
                    d.errors.append('%s:%d: face is not a triangle' % (path, ln))
                    continue
                corners = []
                for c in w[1:]:
                    parts = c.split('/')
                    if len(parts) != 3 or not all(parts):
                        d.errors.append('%s:%d: corner %s is not p/t/n' % (path, ln, c))
                        break
                    p, t, n = map(int, parts)
                    if not (1 <= p <= len(d.v) and 1 <= t <= len(d.vt) and 1 <= n <= len(d.vn)):
                        d.errors.append('%s:%d: index out of range in %s' % (path, ln, c))
                        break
                    corners.append((p - 1, t - 1, n - 1))
                else:
                    cur['faces'].append(corners)
                    pending = True
    if pending:
        d.errors.append('%s: the last group\'s faces end the file and would not be built' % path)
    return d


def read_mtl(path):
    mats = {}
    cur = None
    base = os.path.dirname(path)
    with open(path) as f:
        for line in f:
            w = line.split()
            if not w:
                continue
            if w[0] == 'newmtl':
                cur = mats[w[1]] = {'Ka': (0, 0, 0), 'Kd': (1, 1, 1), 'Ks': (0, 0, 0), 'Ke': (0, 0, 0),
                                    'd': 1.0, 'Ns': 2.0, 'map': None}
            elif cur is None:
                continue
            elif w[0] in ('Ka', 'Kd', 'Ks', 'Ke'):
                cur[w[0]] = tuple(map(float, w[1:4]))
            elif w[0] in ('d', 'Tr', 'Ns'):
                cur['d' if w[0] != 'Ns' else 'Ns'] = float(w[1])
            elif w[0] == 'map_Kd':
                cur['map'] = os.path.join(base, w[1])
    return mats


def read_anim(path):
    """Returns [(take name, [(object, [frame dict])])]."""
    takes = []
    take = anim = frame = None
    with open(path) as f:
        for line in f:
            w = line.split()
            if not w:
                continue
            k = w[0]
            if k == '<take>':
                take = ['', []]
            elif k == '<name>' and take is not None:
                take[0] = w[1]
            elif k == '<animation>' and take is not None:
                anim = (w[1], [])
            elif k == '<frame>':
                frame = {}
            elif k == '</frame>' and anim is not None:
                anim[1].append(frame); frame = None
            elif k == '</animation>' and take is not None and anim is not None:
                take[1].append(anim); anim = None
            elif k == '</take>' and take is not None:
                takes.append(tuple(take)); take = None
            elif frame is not None and k.endswith(':'):
                frame[k[:-1]] = w[1] if len(w) > 1 else ''
    return takes
