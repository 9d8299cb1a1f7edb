"""The reward: a beckoning lucky cat. About 26 units tall, standing on y = 0,
facing +z. Objects: Body, Head, Paw (the raised paw, turning about its
shoulder), Collar, Bell, Coin, Details. The take "Swivel" waves the paw and
tilts the head; their pivots are set by the rewards file (luckycat.cfg).
"""
import math
import os
import sys
import numpy as np
from PIL import Image, ImageDraw, ImageFilter

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import meshlib as ml
import texlib as tl

SHOULDER = (5.2, 12.6, 1.2)      # pivot of the raised paw
NECK = (0.0, 13.5, 0.0)          # pivot of the head
PINK_UV = (0.95, 0.95)           # a pink spot of the body texture (paw pads)
WHITE_UV = (0.5, 0.45)           # plain white glaze of the body texture
SHELF_SPOT = (-133.0, 85.0, -79.0)   # top of the bookcase in the bedroom


def const_uv(uv):
    return lambda P, N: np.zeros(P.shape[:2] + (2,)) + np.asarray(uv, float)


def body():
    prof = [(0.01, 0.0), (6.8, 0.0), (7.9, 1.2), (8.3, 3.5), (8.0, 6.5), (7.1, 9.5), (6.0, 12.0),
            (5.2, 13.6), (4.2, 15.0), (0.01, 15.4)]
    b = ml.lathe(prof, 28).transformed(ml.rot_y(180) @ ml.scale(1, 1, 0.86))
    # haunches and front feet
    for sx in (-1, 1):
        b = b + ml.ellipsoid((sx * 5.2, 3.0, -0.8), (3.4, 3.2, 5.0), 16, 10).uv_map(const_uv(WHITE_UV))
        b = b + ml.ellipsoid((sx * 2.4, 1.3, 6.0), (2.0, 1.4, 2.4), 12, 8).uv_map(const_uv(WHITE_UV))
    # the left arm held down on the belly, holding the coin
    b = b + ml.ellipsoid((-4.2, 8.0, 4.2), (1.9, 3.6, 2.0), 12, 8).uv_map(const_uv(WHITE_UV))
    b = b + ml.ellipsoid((-2.9, 5.6, 6.6), (2.0, 1.7, 1.8), 12, 8).uv_map(const_uv(WHITE_UV))
    # tail curled round the right side
    for k in range(8):
        a = math.radians(-100 + k * 18)
        b = b + ml.ellipsoid((6.5 * math.sin(a) * 1.0 + 1.5, 1.3 + 0.15 * k, 6.5 * math.cos(a) - 1.0),
                             (1.3, 1.2, 1.3), 10, 6).uv_map(const_uv((0.06, 0.7)))
    return b


def head():
    def uvf(U, V):
        return np.stack([U, V], -1)
    h = ml.ellipsoid((0, 0, 0), (7.2, 6.2, 6.4), 32, 18, uv_fn=uvf).transformed(ml.rot_y(180))
    h = h.moved((0, 19.2, 0.4))
    # ears: cones tilted outwards, uv on the white top of the head
    for sx in (-1, 1):
        ear = ml.lathe([(2.9, 0), (1.7, 2.2), (0.5, 3.3), (0.01, 3.6)], 12)
        ear = ear.transformed(ml.rot_z(-sx * 24) @ ml.scale(1, 1, 0.6))
        h = h + ear.moved((sx * 4.0, 23.6, -0.2)).uv_map(const_uv((0.1, 0.95)))
    return h


def details():
    """Pink inner ears and the nose tip, in the body material's pink spot."""
    d = ml.Tris()
    for sx in (-1, 1):
        e = ml.ellipsoid((0, 0, 0), (1.6, 1.9, 0.3), 10, 6).transformed(ml.rot_z(-sx * 24))
        d = d + e.moved((sx * 4.3, 24.7, 0.75))
    return d.uv_map(const_uv(PINK_UV))


def paw():
    sx, sy, sz = SHOULDER
    arm = ml.ellipsoid((0, 0, 0), (2.0, 4.8, 2.1), 14, 10).transformed(ml.rot_z(-16))
    p = arm.moved((sx + 1.0, sy + 4.0, sz + 0.6))
    hand = ml.ellipsoid((sx + 2.4, sy + 9.0, sz + 0.8), (2.5, 2.3, 2.2), 14, 10)
    p = (p + hand).uv_map(const_uv(WHITE_UV))
    pads = ml.ellipsoid((sx + 2.4, sy + 8.6, sz + 2.85), (1.0, 0.9, 0.3), 8, 6)
    for ox in (-1.2, 0.0, 1.2):
        pads = pads + ml.ellipsoid((sx + 2.4 + ox, sy + 10.3, sz + 2.55), (0.45, 0.45, 0.2), 6, 4)
    return p + pads.uv_map(const_uv(PINK_UV))


def collar():
    prof = []
    for k in range(13):
        a = 2 * math.pi * k / 12 - math.pi / 2
        prof.append((5.4 + 0.75 * math.cos(a), 13.6 + 0.75 * math.sin(a)))
    return ml.lathe(prof, 28).transformed(ml.scale(1, 1, 0.9))


def bell():
    b = ml.ellipsoid((0, 12.1, 5.6), (1.5, 1.5, 1.5), 14, 10)
    b = b + ml.cylinder((0, 10.9, 5.6), 0.35, 0.6, 6, caps=False)
    return b


def coin():
    """Oval gold koban held against the belly, engraved face towards +z."""
    c = ml.ellipsoid((0, 0, 0), (3.2, 4.6, 0.7), 24, 10)
    c = c.uv_map(lambda P, N: np.stack([0.5 + P[..., 0] / 7.0, 0.5 + P[..., 1] / 9.6], -1))
    return c.transformed(ml.rot_x(-12)).moved((-1.2, 6.8, 6.6))


def textures(d):
    # body: glazed white with a few calico patches on the back
    S = 256
    n = tl.fbm(S, S, 6, 3, 401)
    img = tl.lerp((244, 242, 236), (252, 251, 248), n)
    im = Image.fromarray(img.astype(np.uint8))
    dr = ImageDraw.Draw(im)
    rng = np.random.RandomState(402)
    for col, cx, cy, r in (((226, 140, 60), 20, 70, 26), ((40, 36, 36), 235, 110, 20),
                           ((226, 140, 60), 240, 40, 18), ((40, 36, 36), 12, 150, 14)):
        pts = [(cx + r * (0.8 + 0.4 * rng.rand()) * math.cos(a), cy + r * (0.8 + 0.4 * rng.rand()) * math.sin(a))
               for a in np.linspace(0, 2 * math.pi, 14, endpoint=False)]
        dr.polygon(pts, fill=col)
    dr.rectangle([232, 0, 255, 24], fill=(246, 170, 180))   # pink spot (u, v ~ 0.95)
    im = im.filter(ImageFilter.GaussianBlur(1.0))
    im.save(os.path.join(d, 'cat_body.png'), optimize=True)
    # head: face painted round u = 0.5
    W, H = 512, 256
    n = tl.fbm(H, W, 6, 3, 403, aspect=2)
    img = tl.lerp((244, 242, 236), (252, 251, 248), n)
    im = Image.fromarray(img.astype(np.uint8))
    dr = ImageDraw.Draw(im)
    # calico patch on the crown and a black one over an ear
    dr.ellipse([150, 0, 240, 40], fill=(226, 140, 60))
    dr.ellipse([300, 4, 350, 34], fill=(40, 36, 36))
    cx, cy = 256, 128
    for sx in (-1, 1):
        ex = cx + sx * 30
        ey = cy - 14
        dr.ellipse([ex - 12, ey - 13, ex + 12, ey + 13], fill=(20, 18, 18))
        dr.ellipse([ex - 10, ey - 11, ex + 10, ey + 11], fill=(196, 176, 60))
        dr.ellipse([ex - 3, ey - 10, ex + 3, ey + 10], fill=(16, 14, 14))
        dr.ellipse([ex + sx * -5 - 3, ey - 8, ex + sx * -5 + 3, ey - 2], fill=(255, 255, 255))
        # red brows and blush
        dr.line([ex - 8, ey - 22, ex + 8, ey - 25 + sx * 0], fill=(200, 40, 40), width=3)
        dr.ellipse([ex + sx * 10 - 12, cy + 8, ex + sx * 10 + 12, cy + 20], fill=(250, 200, 200))
        # whiskers
        for k, dy in enumerate((-2, 4, 10)):
            dr.line([cx + sx * 26, cy + 12 + dy // 2, cx + sx * 80, cy + 4 + dy * 2], fill=(60, 50, 50), width=2)
    dr.polygon([(cx - 7, cy + 4), (cx + 7, cy + 4), (cx, cy + 12)], fill=(232, 110, 130))
    dr.line([cx, cy + 12, cx, cy + 17], fill=(60, 40, 40), width=2)
    dr.arc([cx - 12, cy + 11, cx, cy + 23], 20, 160, fill=(60, 40, 40), width=2)
    dr.arc([cx, cy + 11, cx + 12, cy + 23], 20, 160, fill=(60, 40, 40), width=2)
    im = im.filter(ImageFilter.GaussianBlur(0.7))
    im.save(os.path.join(d, 'cat_face.png'), optimize=True)
    # koban coin: gold with vertical engraved lines and an inked cartouche
    S = 256
    yy, xx = np.mgrid[0:S, 0:S] / (S - 1.0)
    g = tl.lerp((176, 128, 40), (246, 208, 110), np.clip(0.6 + 0.4 * np.cos((xx - 0.35) * 4) * np.cos((yy - 0.35) * 3), 0, 1))
    lines = (np.abs(((xx * 14) % 1) - 0.5) > 0.42) & (np.abs(yy - 0.5) > 0.08)
    g[lines] *= 0.78
    im = Image.fromarray(g.astype(np.uint8))
    dr = ImageDraw.Draw(im)
    dr.rectangle([100, 60, 156, 196], fill=(236, 196, 96))
    rng = np.random.RandomState(404)
    for k in range(3):                      # three brush-written signs down the cartouche
        x0, y0 = 110, 70 + k * 42
        for st in range(3 + rng.randint(2)):
            if rng.rand() < 0.5:
                ya = y0 + rng.randint(4, 30)
                dr.line([x0 + rng.randint(0, 8), ya, x0 + rng.randint(24, 36), ya - rng.randint(0, 4)],
                        fill=(40, 30, 20), width=4)
            else:
                xa = x0 + rng.randint(6, 30)
                dr.line([xa, y0 + rng.randint(0, 6), xa + rng.randint(-4, 5), y0 + rng.randint(22, 34)],
                        fill=(40, 30, 20), width=4)
    im.save(os.path.join(d, 'cat_coin.png'), optimize=True)
    tl.save(np.zeros((8, 8, 3)) + np.array([214, 36, 40.0]), os.path.join(d, 'cat_red.png'))
    tl.save(np.zeros((8, 8, 3)) + np.array([236, 190, 80.0]), os.path.join(d, 'cat_gold.png'))


def animations(path):
    # the paw beckons twice, then rests; the head tilts gently meanwhile
    paw = [{'t': 420, 'rx': 22}, {'t': 840, 'rx': -22}, {'t': 1260, 'rx': 22}, {'t': 1680, 'rx': -22},
           {'t': 3200}]
    head = [{'t': 800, 'rz': 5}, {'t': 2400, 'rz': -10}, {'t': 3200, 'rz': 5}]
    ml.write_anim(path, [('Swivel', [('Paw', paw), ('Head', head)])],
                  header=['Lucky cat: the paw beckons, the head tilts. Pivots come from luckycat.cfg.',
                          'Generated by tools/models/luckycat.py'])


def main(out):
    d = os.path.join(out, 'Assets', 'Rewards')
    os.makedirs(d, exist_ok=True)
    f = ml.ObjFile()
    f.group('Body', 'CatWhite').add(body())
    f.group('Head', 'CatFace').add(head())
    f.group('Paw', 'CatWhite').add(paw())
    f.group('Details', 'CatWhite').add(details())
    f.group('Collar', 'CatRed').add(collar())
    f.group('Bell', 'CatGold').add(bell())
    f.group('Coin', 'Koban').add(coin())
    nv, nt = f.write(os.path.join(d, 'luckycat.obj'), 'luckycat.mtl', 'luckycat.anim', header=[
        'Lucky cat reward, about 26 units tall, standing on y = 0, facing +z.',
        'Generated by tools/models/luckycat.py'])
    ml.write_mtl(os.path.join(d, 'luckycat.mtl'), [
        {'name': 'CatWhite', 'Ka': (0.5,) * 3, 'Kd': (0.5,) * 3, 'Ks': (0.6,) * 3, 'Ns': 90, 'map': 'cat_body.png'},
        {'name': 'CatFace', 'Ka': (0.5,) * 3, 'Kd': (0.5,) * 3, 'Ks': (0.6,) * 3, 'Ns': 90, 'map': 'cat_face.png'},
        {'name': 'CatRed', 'Ka': (0.5,) * 3, 'Kd': (0.5,) * 3, 'Ks': (0.4,) * 3, 'Ns': 60, 'map': 'cat_red.png'},
        {'name': 'CatGold', 'Ka': (0.45,) * 3, 'Kd': (0.5,) * 3, 'Ks': (0.9, 0.8, 0.5), 'Ns': 100,
         'map': 'cat_gold.png'},
        {'name': 'Koban', 'Ka': (0.45,) * 3, 'Kd': (0.5,) * 3, 'Ks': (0.9, 0.8, 0.5), 'Ns': 100,
         'map': 'cat_coin.png'},
    ], header=['Lucky cat materials. Generated by tools/models/luckycat.py'])
    textures(d)
    animations(os.path.join(d, 'luckycat.anim'))
    with open(os.path.join(d, 'luckycat.cfg'), 'w', newline='\n') as cfg:
        cfg.write('# The lucky cat stands on top of the bookcase on the left wall,\n'
                  '# looking towards the table. Pivots: the raised paw turns about\n'
                  '# its shoulder, the head about the neck (model coordinates).\n'
                  'Model: Assets/Rewards/luckycat.obj\n'
                  'Position: %g %g %g\n' % SHELF_SPOT +
                  'Rotation: 0 60 0\n'
                  'Pivot: Paw %g %g %g\n' % SHOULDER +
                  'Pivot: Head %g %g %g\n' % NECK)
    print('luckycat: %d vertices, %d triangles' % (nv, nt))


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), '..', '..'))
