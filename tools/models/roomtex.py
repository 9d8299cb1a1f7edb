"""Procedural textures of the bedroom. PNG row 0 is the top of the picture
(texture v = 1 after the game's loader turns the rows over)."""
import math
import numpy as np
from PIL import Image, ImageDraw, ImageFilter

import texlib as tl


def floor(path, S=1024):
    img = tl.wood(S, S, 101, light=(186, 132, 84), dark=(128, 80, 46), rings=22, planks=8,
                  plank_gap=(70, 44, 26))
    img *= (0.94 + 0.08 * tl.fbm(S, S, 4, 3, 102))[..., None]
    tl.save(img, path)


def wall(path, S=1024):
    """u repeats every 130 units of wall; v spans the whole wall height
    (250 units): skirting, wainscot panels, a rail, then wallpaper."""
    im = Image.new('RGB', (S, S), (226, 214, 190))
    d = ImageDraw.Draw(im)
    # seigaiha (wave) wallpaper: rows of concentric half circles
    R = 64
    bg, ring_a, ring_b = (231, 220, 197), (221, 208, 183), (236, 227, 207)
    rows = int(S / (R / 2)) + 4
    for j in range(-2, rows):
        cy = j * R / 2
        off = 0 if j % 2 == 0 else R
        for i in range(-1, S // (2 * R) + 2):
            cx = i * 2 * R + off
            for k, rr in enumerate(range(R, 6, -9)):
                col = ring_a if k % 2 == 0 else ring_b
                d.ellipse([cx - rr, cy - rr, cx + rr, cy + rr], fill=col)
            d.ellipse([cx - 5, cy - 5, cx + 5, cy + 5], fill=ring_a)
    paper = np.asarray(im, float)
    paper *= (0.97 + 0.05 * tl.fbm(S, S, 8, 3, 111))[..., None]
    img = paper.copy()
    # lower part: wood wainscot with panels (v < 0.36), rail, skirting (v < 0.045)
    yv = 1 - (np.arange(S) + 0.5) / S
    wood = tl.wood(S, S, 112, light=(170, 118, 72), dark=(118, 74, 42), rings=3, stretch=2)
    wood = np.transpose(tl.wood(S, S, 113, light=(172, 120, 74), dark=(122, 78, 44), rings=14), (1, 0, 2))
    wains = yv < 0.36
    img[wains] = wood[wains]
    x = (np.arange(S) + 0.5) / S
    # panel frames: 4 panels per repeat
    px = (x * 4) % 1.0
    inset = ((px < 0.08) | (px > 0.92))[None, :] | ((yv < 0.09) | (yv > 0.31))[:, None]
    shade = np.where(inset, 1.0, 0.9)
    img[wains] *= shade[wains][..., None]
    # bevel lines around panels
    edge = (((np.abs(px - 0.08) < 0.006) | (np.abs(px - 0.92) < 0.006))[None, :] & ((yv > 0.09) & (yv < 0.31))[:, None]) | \
           (((np.abs(yv - 0.09) < 0.002) | (np.abs(yv - 0.31) < 0.002))[:, None] & ((px > 0.08) & (px < 0.92))[None, :])
    img[edge & wains] *= 0.7
    rail = (yv >= 0.36) & (yv < 0.38)
    img[rail] = np.array([112, 70, 40]) * (0.9 + 0.2 * (yv[rail] - 0.36)[:, None] / 0.02)[..., None] / 1.0
    skirt = yv < 0.045
    img[skirt] = (92, 58, 34)
    img[(yv >= 0.045) & (yv < 0.05)] = (70, 44, 26)
    # a soft shadow of the rail on the paper
    sh = (yv >= 0.38) & (yv < 0.40)
    img[sh] *= (0.88 + 0.12 * (yv[sh] - 0.38)[:, None] / 0.02)[..., None]
    tl.save(img, path)


def ceiling(path, S=256):
    n = tl.fbm(S, S, 6, 4, 121)
    img = tl.lerp((232, 226, 214), (246, 242, 232), n)
    tl.save(img, path)


def rug(path, S=512):
    """Rectangular rug: indigo field, red and cream borders, a medallion."""
    yy, xx = np.mgrid[0:S, 0:S] / (S - 1.0)
    edge = np.minimum(np.minimum(xx, 1 - xx), np.minimum(yy, 1 - yy))
    cx, cy = xx - 0.5, yy - 0.5
    indigo, red, cream, gold = (np.array(c, float) for c in ((38, 52, 96), (150, 38, 38), (226, 212, 178), (200, 150, 60)))
    img = np.zeros((S, S, 3)) + indigo
    # field pattern: small lozenges
    loz = (np.abs(((xx * 24) % 1) - 0.5) + np.abs(((yy * 18) % 1) - 0.5)) < 0.18
    img[loz] = indigo * 1.35
    # medallion: lobed rings with an eight-petal flower, quarter medallions in the corners
    def medallion(cx, cy, scale):
        r = np.hypot((xx - cx) * 1.25, yy - cy) / scale
        ang = np.arctan2(yy - cy, (xx - cx) * 1.25)
        lobes = 0.2 + 0.025 * np.cos(ang * 12)
        img[r < lobes + 0.012] = gold
        img[r < lobes] = red
        img[(r < 0.15) & (r > 0.138)] = cream
        petal = r < 0.12 * (0.55 + 0.45 * np.abs(np.cos(ang * 4)))
        img[r < 0.13] = indigo * 0.8
        img[petal] = cream
        img[r < 0.045] = red
        img[r < 0.022] = gold
    medallion(0.5, 0.5, 1.0)
    for cx, cy in ((0.16, 0.16), (0.84, 0.16), (0.16, 0.84), (0.84, 0.84)):
        medallion(cx, cy, 0.45)
    # borders
    img[edge < 0.16] = red
    band = (edge >= 0.06) & (edge < 0.12)
    wave = np.sin((np.where(np.minimum(xx, 1 - xx) < np.minimum(yy, 1 - yy), yy, xx)) * 60) > 0.3
    img[band & wave] = cream
    img[(edge >= 0.155) & (edge < 0.165)] = gold
    img[(edge >= 0.045) & (edge < 0.055)] = gold
    img[edge < 0.03] = cream * 0.9
    # woven texture
    weave = tl.value_noise(S, S, 256, 256, 131)
    img *= (0.9 + 0.16 * weave)[..., None]
    img *= (0.93 + 0.1 * tl.fbm(S, S, 4, 3, 132))[..., None]
    tl.save(img, path)


def mat(path, S=512):
    """Felt playing mat: deep teal with a thin gold border near the edge."""
    yy, xx = np.mgrid[0:S, 0:S] / (S - 1.0)
    edge = np.minimum(np.minimum(xx, 1 - xx) * 1.36, np.minimum(yy, 1 - yy))
    base = np.array([22, 74, 72.0])
    img = np.zeros((S, S, 3)) + base
    img *= (0.85 + 0.22 * tl.fbm(S, S, 16, 3, 141))[..., None]
    img *= (0.92 + 0.1 * tl.value_noise(S, S, 200, 200, 142))[..., None]
    gold = np.array([196, 160, 82.0])
    img[(edge > 0.035) & (edge < 0.045)] = gold
    img[(edge > 0.055) & (edge < 0.06)] = gold * 0.85
    img[edge < 0.012] = base * 0.6
    tl.save(img, path)


def wood_dark(path, S=512):
    img = tl.wood(S, S, 151, light=(128, 74, 46), dark=(72, 38, 24), rings=18)
    tl.save(img, path)


def wood_light(path, S=512):
    img = tl.wood(S, S, 161, light=(206, 160, 110), dark=(150, 104, 62), rings=16)
    tl.save(img, path)


def bedspread(path, S=512):
    """Indigo quilt with white sashiko stitching (a diamond grid with crosses)."""
    yy, xx = np.mgrid[0:S, 0:S].astype(float)
    base = np.array([34, 56, 104.0])
    img = np.zeros((S, S, 3)) + base
    img *= (0.9 + 0.15 * tl.fbm(S, S, 8, 3, 171))[..., None]
    P = 64.0
    def stitch(coord, along):
        on_line = np.abs(((coord / P) % 1.0) - 0.5) < 0.02
        dashes = ((along / 10.0) % 1.0) < 0.6
        return on_line & dashes
    a = (xx + yy) / math.sqrt(2); b = (xx - yy) / math.sqrt(2)
    s = stitch(a * math.sqrt(2), b) | stitch(b * math.sqrt(2), a)
    s |= stitch(xx, yy) & (np.abs(((yy / P) % 1.0) - 0.5) < 0.2)
    img[s] = (225, 225, 218)
    # quilting puffs
    puff = np.cos(xx / P * 2 * math.pi) * np.cos(yy / P * 2 * math.pi)
    img *= (0.93 + 0.07 * puff)[..., None]
    tl.save(img, path)


def sheet(path, S=256):
    n = tl.fbm(S, S, 8, 3, 181)
    img = tl.lerp((228, 226, 218), (246, 244, 238), n)
    tl.save(img, path)


def books(path, S=512):
    """16 spines side by side (u = i/16 .. (i+1)/16), v along the spine."""
    rng = np.random.RandomState(191)
    palette = [(120, 30, 32), (32, 64, 110), (40, 96, 62), (150, 110, 40), (90, 40, 90), (60, 60, 60),
               (170, 150, 120), (20, 80, 90), (140, 70, 40), (200, 180, 150)]
    img = np.zeros((S, S, 3))
    bw = S // 16
    yv = np.arange(S)
    for i in range(16):
        c = np.array(palette[rng.randint(len(palette))], float) * (0.8 + 0.4 * rng.rand())
        col = np.zeros((S, bw, 3)) + c
        shade = 0.78 + 0.22 * np.sin(np.linspace(0.15, math.pi - 0.15, bw))
        col *= shade[None, :, None]
        gold = np.array([210, 175, 90.0])
        for b in rng.choice([40, 70, 420, 450, 470], size=rng.randint(1, 4), replace=False):
            col[b:b + 6] = gold * shade[None, :, None]
        # title block
        if rng.rand() < 0.6:
            t0 = rng.randint(150, 230)
            col[t0:t0 + 110, bw // 3:bw - bw // 3] = gold * 0.85
        img[:, i * bw:(i + 1) * bw] = col
    img *= (0.94 + 0.08 * tl.fbm(S, S, 16, 2, 192))[..., None]
    tl.save(img, path)


def view(path, W=1024, H=1024):
    """The view from the window: spring sky, far mountains, a hill with
    cherry trees in bloom, a nearer blossoming branch."""
    yy, xx = np.mgrid[0:H, 0:W] / np.array([H, W], float)[:, None, None]
    sky = tl.lerp((150, 192, 232), (232, 226, 236), np.clip(yy / 0.62, 0, 1))
    img = sky.copy()
    # soft clouds
    cl = tl.fbm(H, W, 3, 5, 201, aspect=2.0)
    cloud = np.clip((cl - 0.52) * 4, 0, 1) * np.clip(1 - yy / 0.5, 0, 1)
    img = img * (1 - cloud[..., None] * 0.7) + np.array([250, 250, 252.0]) * cloud[..., None] * 0.7
    x = np.arange(W) / W
    def ridge(seed, base, amp, cells):
        n = tl.fbm(1, W, cells, 5, seed)[0]
        return base - amp * n
    far = ridge(202, 0.62, 0.25, 3)
    mid = ridge(203, 0.78, 0.18, 5)
    near = ridge(204, 0.92, 0.12, 4)
    hz = np.array([150, 160, 190.0])
    m = yy > far[None, :]
    img[m] = tl.lerp(hz, (176, 180, 204), (yy - far[None, :])[m] * 3)
    # snow cap on the far range
    cap = m & (yy < far[None, :] + 0.03) & (far[None, :] < 0.47)
    img[cap] = (238, 240, 246)
    m2 = yy > mid[None, :]
    img[m2] = tl.lerp((92, 124, 112), (110, 140, 120), np.clip((yy - mid[None, :])[m2] * 4, 0, 1))
    m3 = yy > near[None, :]
    img[m3] = tl.lerp((88, 128, 80), (70, 104, 62), np.clip((yy - near[None, :])[m3] * 5, 0, 1))
    # cherry trees on the middle and near hills: pink blobs
    rng = np.random.RandomState(205)
    im = Image.fromarray(np.clip(img, 0, 255).astype(np.uint8))
    d = ImageDraw.Draw(im)
    for layer, ridge_y, count, size in ((0, mid, 40, 10), (1, near, 26, 18)):
        for k in range(count):
            cx = rng.randint(0, W)
            cy = ridge_y[cx] * H + size * 0.4
            d.line([cx, cy, cx + rng.randint(-2, 3), cy + size * 1.2], fill=(80, 56, 50), width=max(1, size // 6))
            for b in range(14):
                ox = rng.randn() * size * 0.7; oy = rng.randn() * size * 0.45 - size * 0.2
                rr = size * (0.35 + 0.3 * rng.rand())
                pink = (244 - rng.randint(0, 25), 184 + rng.randint(0, 30), 204 + rng.randint(0, 25))
                d.ellipse([cx + ox - rr, cy + oy - rr, cx + ox + rr, cy + oy + rr], fill=pink)
    # a near branch across the upper corner
    for k in range(7):
        x0, y0 = W * 0.62 + k * 40, -10 + k * 22
        d.line([x0, y0, x0 + 60, y0 + 30], fill=(70, 46, 40), width=5)
    for b in range(160):
        t = rng.rand()
        bx = W * 0.62 + t * 300 + rng.randn() * 18
        by = -10 + t * 170 + rng.randn() * 14
        rr = 5 + rng.rand() * 6
        pink = (250, 196 + rng.randint(0, 30), 214 + rng.randint(0, 25))
        d.ellipse([bx - rr, by - rr, bx + rr, by + rr], fill=pink)
        d.ellipse([bx - 1.5, by - 1.5, bx + 1.5, by + 1.5], fill=(214, 90, 120))
    im = im.filter(ImageFilter.GaussianBlur(0.6))
    im.save(path, optimize=True)


def lantern(path, S=256):
    """Paper lantern: warm paper with the bamboo ribs as horizontal lines and
    a red band with a flower round it. v runs bottom to top."""
    yy, xx = np.mgrid[0:S, 0:S] / (S - 1.0)
    img = np.zeros((S, S, 3)) + np.array([250, 236, 204.0])
    img *= (0.94 + 0.08 * tl.fbm(S, S, 12, 3, 211))[..., None]
    ribs = np.abs(((yy * 18) % 1) - 0.5) > 0.46
    img[ribs] *= 0.82
    band = (yy > 0.4) & (yy < 0.6)
    img[band] = img[band] * np.array([0.95, 0.45, 0.38])
    # five-petal blossoms on the band, four round
    for k in range(4):
        cx = (k + 0.5) / 4
        r = np.hypot((xx - cx) * 4, (yy - 0.5) * 1.0)
        ang = np.arctan2(yy - 0.5, (xx - cx) * 4)
        fl = r < 0.07 * (0.7 + 0.3 * np.cos(5 * ang))
        img[fl] = (255, 240, 230)
        img[r < 0.015] = (240, 200, 80)
    tl.save(img, path)


def scroll(path, W=256, H=512):
    """Hanging scroll: silk mount, a paper panel with a blossoming branch."""
    im = Image.new('RGB', (W, H), (112, 92, 70))
    d = ImageDraw.Draw(im)
    d.rectangle([18, 56, W - 19, H - 56], fill=(236, 226, 200))
    rng = np.random.RandomState(221)
    pts = [(W * 0.85, 96)]
    for k in range(8):
        x, y = pts[-1]
        pts.append((x - 18 - rng.rand() * 14, y + 32 + rng.rand() * 16))
    d.line(pts, fill=(60, 42, 36), width=6, joint='curve')
    for (x, y) in pts[1:-1]:
        d.line([x, y, x + 30 + rng.rand() * 20, y - 10 - rng.rand() * 20], fill=(60, 42, 36), width=3)
    for b in range(46):
        k = rng.randint(1, len(pts) - 1)
        x, y = pts[k]
        bx, by = x + rng.randn() * 22 + 10, y + rng.randn() * 14 - 8
        rr = 4 + rng.rand() * 4
        d.ellipse([bx - rr, by - rr, bx + rr, by + rr], fill=(236, 150, 170))
        d.ellipse([bx - 1.5, by - 1.5, bx + 1.5, by + 1.5], fill=(180, 60, 80))
    # red seal and a column of brush-written characters
    d.rectangle([40, H - 120, 60, H - 100], fill=(190, 40, 40))
    for k in range(5):
        x0, y0 = 38, 80 + k * 34
        for st in range(3 + rng.randint(3)):
            kind = rng.randint(3)
            if kind == 0:
                ya = y0 + rng.randint(4, 28)
                d.line([x0 + rng.randint(0, 8), ya, x0 + rng.randint(16, 26), ya - rng.randint(0, 4)],
                       fill=(36, 32, 30), width=3 + rng.randint(2))
            elif kind == 1:
                xa = x0 + rng.randint(6, 20)
                d.line([xa, y0 + rng.randint(0, 8), xa + rng.randint(-2, 3), y0 + rng.randint(20, 32)],
                       fill=(36, 32, 30), width=3 + rng.randint(2))
            else:
                xa, ya = x0 + rng.randint(2, 14), y0 + rng.randint(4, 16)
                sgn = 1 if rng.rand() < 0.5 else -1
                d.line([xa, ya, xa + sgn * rng.randint(6, 12), ya + rng.randint(8, 16)], fill=(36, 32, 30), width=3)
    img = np.asarray(im, float)
    img *= (0.95 + 0.07 * tl.fbm(H, W, 8, 3, 222, aspect=W / H))[..., None]
    tl.save(img, path)


def solid(path, rgb, S=8):
    tl.save(np.zeros((S, S, 3)) + np.array(rgb, float), path)


def print_wave(path, W=512, H=512):
    """Woodblock-style print: a snow-capped mountain, a red sun, waves."""
    yy, xx = np.mgrid[0:H, 0:W] / np.array([H, W], float)[:, None, None]
    img = tl.lerp((240, 226, 196), (226, 206, 170), yy)
    sun = np.hypot((xx - 0.74) * 1.3, yy - 0.24) < 0.1   # shown 70 x 54 units
    img[sun] = (204, 62, 48)
    peak = 0.62 - np.abs(xx - 0.42) * 1.1
    mnt = yy > 0.24 + (0.62 - peak)
    img[mnt] = tl.lerp((60, 84, 120), (40, 58, 92), np.clip((yy - 0.3) * 2, 0, 1))[mnt]
    snow = mnt & (yy < 0.24 + (0.62 - peak) + 0.08 + 0.02 * np.sin(xx * 60))
    img[snow] = (244, 242, 236)
    for k in range(5):
        base = 0.66 + k * 0.07
        wy = base + 0.025 * np.sin(xx * 2 * np.pi * (3 + k) + k * 1.7)
        band = yy > wy
        img[band] = tl.lerp((44, 82, 140), (30, 60, 110), np.full(band.sum(), k / 5.0))
        crest = band & (yy < wy + 0.012)
        img[crest] = (236, 236, 228)
    img[(xx < 0.025) | (xx > 0.975) | (yy < 0.03) | (yy > 0.97)] = (236, 228, 206)
    img *= (0.94 + 0.08 * tl.fbm(H, W, 10, 3, 231, aspect=W / H))[..., None]
    tl.save(img, path)
