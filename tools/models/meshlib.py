"""Small mesh toolkit: builds triangle soups, transforms them and writes OBJ/MTL.

A soup is a Tris record of three arrays: P (n,3,3) positions, T (n,3,2)
texture coordinates and N (n,3,3) normals, one row per triangle corner.
Every triangle is wound counter-clockwise seen from the side its normals
point to; add() enforces this so that back-face culling keeps the visible side.
"""
import math
import numpy as np


class Tris:
    def __init__(self, P=None, T=None, N=None):
        self.P = np.zeros((0, 3, 3)) if P is None else np.asarray(P, float).reshape(-1, 3, 3)
        self.T = np.zeros((0, 3, 2)) if T is None else np.asarray(T, float).reshape(-1, 3, 2)
        self.N = np.zeros((0, 3, 3)) if N is None else np.asarray(N, float).reshape(-1, 3, 3)

    def __add__(self, o):
        return Tris(np.concatenate([self.P, o.P]), np.concatenate([self.T, o.T]),
                    np.concatenate([self.N, o.N]))

    def copy(self):
        return Tris(self.P.copy(), self.T.copy(), self.N.copy())

    def transformed(self, M=None, t=(0, 0, 0)):
        """Linear map M (3x3) then translation t; normals use the inverse transpose."""
        M = np.eye(3) if M is None else np.asarray(M, float)
        P = self.P @ M.T + np.asarray(t, float)
        Nm = np.linalg.inv(M).T
        N = self.N @ Nm.T
        N /= np.maximum(np.linalg.norm(N, axis=2, keepdims=True), 1e-12)
        out = Tris(P, self.T.copy(), N)
        if np.linalg.det(M) < 0:  # a mirror flips winding
            out.P = out.P[:, [0, 2, 1]]
            out.T = out.T[:, [0, 2, 1]]
            out.N = out.N[:, [0, 2, 1]]
        return out

    def moved(self, t):
        return self.transformed(None, t)

    def uv_map(self, fn):
        """Replace texture coordinates by fn(P, N) -> (n,3,2)."""
        o = self.copy()
        o.T = fn(self.P, self.N)
        return o

    def flipped(self):
        o = Tris(self.P[:, [0, 2, 1]], self.T[:, [0, 2, 1]], -self.N[:, [0, 2, 1]])
        return o


def rot_x(deg):
    a = math.radians(deg); c, s = math.cos(a), math.sin(a)
    return np.array([[1, 0, 0], [0, c, -s], [0, s, c]])


def rot_y(deg):
    a = math.radians(deg); c, s = math.cos(a), math.sin(a)
    return np.array([[c, 0, s], [0, 1, 0], [-s, 0, c]])


def rot_z(deg):
    a = math.radians(deg); c, s = math.cos(a), math.sin(a)
    return np.array([[c, -s, 0], [s, c, 0], [0, 0, 1]])


def scale(sx, sy, sz):
    return np.diag([sx, sy, sz]).astype(float)


def _norm(v):
    v = np.asarray(v, float)
    n = np.linalg.norm(v, axis=-1, keepdims=True)
    return v / np.maximum(n, 1e-12)


def tri_list(P, T, N):
    """Build Tris and fix each triangle's winding to agree with its normals."""
    t = Tris(P, T, N)
    if len(t.P) == 0:
        return t
    fn = np.cross(t.P[:, 1] - t.P[:, 0], t.P[:, 2] - t.P[:, 0])
    bad = np.einsum('ij,ij->i', fn, t.N.sum(axis=1)) < 0
    t.P[bad] = t.P[bad][:, [0, 2, 1]]
    t.T[bad] = t.T[bad][:, [0, 2, 1]]
    t.N[bad] = t.N[bad][:, [0, 2, 1]]
    # drop degenerate triangles
    area = np.linalg.norm(fn, axis=1)
    keep = area > 1e-10
    return Tris(t.P[keep], t.T[keep], t.N[keep])


def grid_surface(pos, nrm, uv, nu, nv):
    """A parametric patch: pos(u,v)->(...,3), nrm(u,v)->(...,3), uv(u,v)->(...,2),
    sampled on (nu+1)x(nv+1) points of [0,1]^2."""
    u = np.linspace(0, 1, nu + 1) if np.isscalar(nu) else np.asarray(nu, float)
    v = np.linspace(0, 1, nv + 1) if np.isscalar(nv) else np.asarray(nv, float)
    U, V = np.meshgrid(u, v, indexing='ij')
    Pp = pos(U, V); Nn = _norm(nrm(U, V)); Tt = uv(U, V)
    a = (slice(0, -1), slice(0, -1)); b = (slice(1, None), slice(0, -1))
    c = (slice(1, None), slice(1, None)); d = (slice(0, -1), slice(1, None))
    def stack(A, *ks):
        return np.stack([A[k].reshape(-1, A.shape[-1]) for k in ks], axis=1)
    P = np.concatenate([stack(Pp, a, b, c), stack(Pp, a, c, d)])
    T = np.concatenate([stack(Tt, a, b, c), stack(Tt, a, c, d)])
    N = np.concatenate([stack(Nn, a, b, c), stack(Nn, a, c, d)])
    return tri_list(P, T, N)


def plane(origin, eu, ev, normal, nu=1, nv=1, uv_scale=(1, 1), uv_off=(0, 0)):
    """Rectangle origin + s*eu + t*ev facing `normal`; uv = off + (s, t) * scale."""
    o = np.asarray(origin, float); eu = np.asarray(eu, float); ev = np.asarray(ev, float)
    n = _norm(normal)
    return grid_surface(
        lambda U, V: o + U[..., None] * eu + V[..., None] * ev,
        lambda U, V: np.broadcast_to(n, U.shape + (3,)),
        lambda U, V: np.stack([uv_off[0] + U * uv_scale[0], uv_off[1] + V * uv_scale[1]], -1),
        nu, nv)


def box(lo, hi, inward=False, faces='xXyYzZ', uv_density=None, div=1):
    """Axis-aligned box. uv_density: texture repeats per unit (world-planar
    mapping); None maps each face to the unit square."""
    lo = np.asarray(lo, float); hi = np.asarray(hi, float)
    sz = hi - lo
    out = Tris()
    side_table = {
        'x': (lo, [0, 0, sz[2]], [0, sz[1], 0], [-1, 0, 0], (2, 1)),
        'X': ([hi[0], lo[1], hi[2]], [0, 0, -sz[2]], [0, sz[1], 0], [1, 0, 0], (2, 1)),
        'y': ([lo[0], lo[1], hi[2]], [sz[0], 0, 0], [0, 0, -sz[2]], [0, -1, 0], (0, 2)),
        'Y': (hi, [-sz[0], 0, 0], [0, 0, -sz[2]], [0, 1, 0], (0, 2)),
        'z': ([hi[0], lo[1], lo[2]], [-sz[0], 0, 0], [0, sz[1], 0], [0, 0, -1], (0, 1)),
        'Z': ([lo[0], lo[1], hi[2]], [sz[0], 0, 0], [0, sz[1], 0], [0, 0, 1], (0, 1)),
    }
    for f in faces:
        o, eu, ev, n, axes = side_table[f]
        if uv_density is None:
            sc = (1, 1)
        else:
            sc = (np.linalg.norm(eu) * uv_density, np.linalg.norm(ev) * uv_density)
        if inward:
            n = [-c for c in n]
        out = out + plane(o, eu, ev, n, div, div, sc)
    return out


def lathe(profile, segs=32, uv_v=None, a0=0.0, a1=360.0, smooth=True):
    """Surface of revolution about +y. profile: list of (r, y). Normals come
    from the profile's tangent so the outside faces outward (profile bottom to
    top gives outward normals)."""
    pr = np.asarray(profile, float)
    m = len(pr)
    # cumulative length for v
    seg = np.linalg.norm(np.diff(pr, axis=0), axis=1)
    L = np.concatenate([[0], np.cumsum(seg)])
    vv = L / max(L[-1], 1e-9) if uv_v is None else np.asarray(uv_v, float)
    # profile normals (2D): tangent (dr, dy) -> normal (dy, -dr)
    tang = np.zeros_like(pr)
    tang[1:-1] = pr[2:] - pr[:-2]
    tang[0] = pr[1] - pr[0]
    tang[-1] = pr[-1] - pr[-2]
    n2 = np.stack([tang[:, 1], -tang[:, 0]], -1)
    n2 = n2 / np.maximum(np.linalg.norm(n2, axis=1, keepdims=True), 1e-12)
    P, T, N = [], [], []
    angs = np.radians(np.linspace(a0, a1, segs + 1))
    for i in range(m - 1):
        if smooth:
            na, nb = n2[i], n2[i + 1]
        else:
            d = pr[i + 1] - pr[i]
            nf = np.array([d[1], -d[0]]); nf /= max(np.linalg.norm(nf), 1e-12)
            na = nb = nf
        for j in range(segs):
            q = []
            for (k, a) in ((i, angs[j]), (i + 1, angs[j]), (i + 1, angs[j + 1]), (i, angs[j + 1])):
                r, y = pr[k]
                nn = na if k == i else nb
                c, s = math.cos(a), math.sin(a)
                q.append(((r * s, y, r * c), (j / segs * (a1 - a0) / 360.0, vv[k]),
                          (nn[0] * s, nn[1], nn[0] * c)))
            for tri in ((q[0], q[1], q[2]), (q[0], q[2], q[3])):
                P.append([t[0] for t in tri]); T.append([t[1] for t in tri]); N.append([t[2] for t in tri])
    return tri_list(P, T, N)


def ellipsoid(center, radii, segs=24, rings=16, uv_fn=None):
    c = np.asarray(center, float); r = np.asarray(radii, float)
    def pos(U, V):
        th = U * 2 * np.pi; ph = (V - 0.5) * np.pi
        d = np.stack([np.cos(ph) * np.sin(th), np.sin(ph), np.cos(ph) * np.cos(th)], -1)
        return c + d * r
    def nrm(U, V):
        th = U * 2 * np.pi; ph = (V - 0.5) * np.pi
        d = np.stack([np.cos(ph) * np.sin(th), np.sin(ph), np.cos(ph) * np.cos(th)], -1)
        return d / r
    uv = uv_fn or (lambda U, V: np.stack([U, V], -1))
    return grid_surface(pos, nrm, uv, segs, rings)


def cylinder(center, radius, height, segs=24, caps=True, axis='y', uv_scale=(1, 1)):
    """Cylinder from center (base) up along +axis."""
    t = lathe([(radius, 0.0), (radius, height)], segs, smooth=False)
    t.T = t.T * np.asarray(uv_scale)
    if caps:
        t = t + disc(radius, segs, up=True).moved((0, height, 0)) + disc(radius, segs, up=False)
    if axis == 'x':
        t = t.transformed(rot_z(-90))
    elif axis == 'z':
        t = t.transformed(rot_x(90))
    return t.moved(center)


def disc(radius, segs=24, up=True, uv_center=(0.5, 0.5), uv_r=0.5):
    P, T, N = [], [], []
    n = (0, 1 if up else -1, 0)
    for j in range(segs):
        a = 2 * math.pi * j / segs; b = 2 * math.pi * (j + 1) / segs
        pa = (radius * math.sin(a), 0, radius * math.cos(a))
        pb = (radius * math.sin(b), 0, radius * math.cos(b))
        ta = (uv_center[0] + uv_r * math.sin(a), uv_center[1] + uv_r * math.cos(a))
        tb = (uv_center[0] + uv_r * math.sin(b), uv_center[1] + uv_r * math.cos(b))
        P.append([(0, 0, 0), pa, pb]); T.append([uv_center, ta, tb]); N.append([n, n, n])
    return tri_list(P, T, N)


def rounded_box(lo, hi, r, segs=3, uv_density=0.05):
    """Box with all edges and corners rounded by radius r (smooth normals),
    world-planar texture coordinates."""
    lo = np.asarray(lo, float); hi = np.asarray(hi, float)
    c = (lo + hi) / 2; h = (hi - lo) / 2 - r
    # parameter samples: a quarter circle at each end and one span across the core
    th = np.linspace(0, np.pi / 2, segs + 1)
    out = Tris()
    for axis in range(3):
        a1, a2 = [k for k in range(3) if k != axis]
        for sgn in (-1, 1):
            def coords(k):
                # positions along axis k on this face: rounded zone, core, rounded zone
                e = h[k]
                zone = np.sin(th) * r      # 0..r
                return np.concatenate([-(e + zone[::-1][:-1]), [-e, e], e + zone[1:]])
            xs, ys = coords(a1), coords(a2)
            def mk(U, V, axis=axis, sgn=sgn, a1=a1, a2=a2, xs=xs, ys=ys):
                q = np.zeros(U.shape + (3,))
                q[..., axis] = sgn * (h[axis] + r)
                q[..., a1] = np.interp(U, np.linspace(0, 1, len(xs)), xs)
                q[..., a2] = np.interp(V, np.linspace(0, 1, len(ys)), ys)
                inner = np.clip(q, -h, h)
                d = q - inner
                dn = d / np.maximum(np.linalg.norm(d, axis=-1, keepdims=True), 1e-12)
                return c + inner + dn * r, dn
            def uvf(U, V, mk=mk, a1=a1, a2=a2):
                p = mk(U, V)[0]
                return np.stack([p[..., a1] * uv_density, p[..., a2] * uv_density], -1)
            out = out + grid_surface(lambda U, V, mk=mk: mk(U, V)[0],
                                     lambda U, V, mk=mk: mk(U, V)[1], uvf,
                                     np.linspace(0, 1, len(xs)), np.linspace(0, 1, len(ys)))
    return out


class Group:
    def __init__(self, name, material):
        self.name = name
        self.material = material
        self.tris = Tris()

    def add(self, t):
        self.tris = self.tris + t
        return self


class ObjFile:
    def __init__(self):
        self.groups = []

    def group(self, name, material):
        g = Group(name, material)
        self.groups.append(g)
        return g

    def write(self, path, mtllib, animation=None, header=(), prec=4):
        vmap, tmap, nmap = {}, {}, {}
        vl, tl, nl = [], [], []
        body = []
        fmt = '%.' + str(prec) + 'f'
        def key(arr):
            return tuple(fmt % x for x in arr)
        def idx(m, l, arr):
            k = key(arr)
            # avoid "-0.0000"
            k = tuple('0.' + '0' * prec if s.strip('-0.') == '' else s for s in k)
            i = m.get(k)
            if i is None:
                l.append(k); i = m[k] = len(l)
            return i
        for g in self.groups:
            if len(g.tris.P) == 0:
                continue
            body.append('o %s' % g.name)
            body.append('usemtl %s' % g.material)
            body.append('s 1')
            P, T, N = g.tris.P, g.tris.T, g.tris.N
            for i in range(len(P)):
                cs = []
                for k in range(3):
                    a = idx(vmap, vl, P[i, k]); b = idx(tmap, tl, T[i, k]); c = idx(nmap, nl, N[i, k])
                    cs.append('%d/%d/%d' % (a, b, c))
                body.append('f ' + ' '.join(cs))
            body.append('# end of %s' % g.name)
        lines = ['# %s' % h for h in header]
        lines.append('mtllib %s' % mtllib)
        lines += ['v ' + ' '.join(k) for k in vl]
        lines += ['vt ' + ' '.join(k) for k in tl]
        lines += ['vn ' + ' '.join(k) for k in nl]
        lines += body
        if animation:
            # after the objects: a reader that loads the takes at once finds them
            lines.append('animation %s' % animation)
        lines.append('# end of file')
        with open(path, 'w', newline='\n') as f:
            f.write('\n'.join(lines) + '\n')
        return len(vl), sum(len(g.tris.P) for g in self.groups)


def write_mtl(path, materials, header=()):
    """materials: list of dicts with name, Ka, Kd, Ks, Ke, Ns, d, map."""
    out = ['# %s' % h for h in header]
    for m in materials:
        out.append('')
        out.append('newmtl %s' % m['name'])
        for k in ('Ka', 'Kd', 'Ks', 'Ke'):
            if k in m:
                out.append('%s %.3f %.3f %.3f' % ((k,) + tuple(m[k])))
        out.append('Ns %.1f' % m.get('Ns', 10.0))
        out.append('d %.3f' % m.get('d', 1.0))
        out.append('illum 2')
        if m.get('map'):
            out.append('map_Kd %s' % m['map'])
    with open(path, 'w', newline='\n') as f:
        f.write('\n'.join(out) + '\n')


def write_anim(path, takes, header=()):
    """takes: list of (take name, [(object name, [frame dict, ...]), ...]).
    Frame dict keys: t (ms), tx ty tz rx ry rz sx sy sz, visible (True/False)."""
    out = ['# %s' % h for h in header]
    keys = [('tx', 'translationX:'), ('ty', 'translationY:'), ('tz', 'translationZ:'),
            ('rx', 'rotX:'), ('ry', 'rotY:'), ('rz', 'rotZ:'),
            ('sx', 'scaleX:'), ('sy', 'scaleY:'), ('sz', 'scaleZ:')]
    for name, anims in takes:
        out.append('<take>')
        out.append('<name> %s' % name)
        for obj, frames in anims:
            out.append('<animation> %s' % obj)
            for fr in frames:
                out.append('<frame>')
                for k, word in keys:
                    if fr.get(k, 0) != 0:
                        out.append('%s %g' % (word, fr[k]))
                out.append('timeStamp: %d' % fr['t'])
                if 'visible' in fr:
                    out.append('visible: %s' % ('true' if fr['visible'] else 'false'))
                out.append('</frame>')
            out.append('</animation>')
        out.append('</take>')
    out.append('# end of file')
    with open(path, 'w', newline='\n') as f:
        f.write('\n'.join(out) + '\n')
