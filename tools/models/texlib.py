"""Procedural texture helpers (deterministic: every function takes its seed)."""
import numpy as np
from PIL import Image


def value_noise(h, w, cells_y, cells_x, seed, wrap=True):
    """Smooth noise in [0,1]: a random lattice upsampled with cubic smoothing.
    With wrap the result tiles seamlessly."""
    rng = np.random.RandomState(seed)
    g = rng.rand(cells_y + 1, cells_x + 1)
    if wrap:
        g[-1, :] = g[0, :]
        g[:, -1] = g[:, 0]
    y = np.linspace(0, cells_y, h, endpoint=not wrap)
    x = np.linspace(0, cells_x, w, endpoint=not wrap)
    y0 = np.minimum(np.floor(y).astype(int), cells_y - 1); fy = y - y0
    x0 = np.minimum(np.floor(x).astype(int), cells_x - 1); fx = x - x0
    sy = fy * fy * (3 - 2 * fy); sx = fx * fx * (3 - 2 * fx)
    a = g[y0][:, x0]; b = g[y0][:, x0 + 1]; c = g[y0 + 1][:, x0]; d = g[y0 + 1][:, x0 + 1]
    top = a + (b - a) * sx[None, :]
    bot = c + (d - c) * sx[None, :]
    return top + (bot - top) * sy[:, None]


def fbm(h, w, base_cells, octaves, seed, wrap=True, gain=0.5, aspect=1.0):
    tot = np.zeros((h, w)); amp = 1.0; norm = 0.0
    for o in range(octaves):
        cy = max(1, int(round(base_cells * (2 ** o))))
        cx = max(1, int(round(base_cells * (2 ** o) * aspect)))
        tot += amp * value_noise(h, w, cy, cx, seed * 131 + o * 7, wrap)
        norm += amp; amp *= gain
    return tot / norm


def lerp(a, b, t):
    a = np.asarray(a, float); b = np.asarray(b, float)
    return a + (b - a) * t[..., None]


def save(img, path):
    arr = np.clip(np.round(img), 0, 255).astype(np.uint8)
    mode = 'RGBA' if arr.shape[-1] == 4 else 'RGB'
    Image.fromarray(arr, mode).save(path, optimize=True)


def wood(h, w, seed, light=(196, 140, 88), dark=(120, 72, 40), rings=9.0, stretch=10.0,
         planks=0, plank_gap=(55, 35, 20)):
    """Wood grain running along x. planks > 0 draws that many plank rows with
    staggered joints and per-plank tint."""
    rng = np.random.RandomState(seed)
    yy, xx = np.mgrid[0:h, 0:w] / np.array([h, w], float)[:, None, None]
    warp = fbm(h, w, 3, 3, seed + 1, aspect=0.7)               # rings drift slowly along the board
    wob = fbm(h, w, 8, 2, seed + 5, aspect=0.5)
    r = yy * rings + warp * 3.0 + wob * 0.35
    late = (0.5 + 0.5 * np.cos(2 * np.pi * r)) ** 8          # thin dark late-wood lines
    late = late * (0.6 + 0.6 * fbm(h, w, 4, 2, seed + 6))
    streak = fbm(h, w, 96, 3, seed + 2, aspect=0.04)           # fine fibres along the grain
    pores = value_noise(h, w, 256, 16, seed + 3)
    broad = fbm(h, w, 3, 3, seed + 4)
    t = 0.45 * late + 0.42 * streak + 0.12 * pores + 0.3 * (broad - 0.5)
    img = lerp(light, dark, np.clip(t, 0, 1))
    if planks:
        ph = h / planks
        row = (np.arange(h) // ph).astype(int)
        tint = 0.86 + 0.28 * rng.rand(planks * 4)
        offs = rng.rand(planks)
        seg = ((xx + offs[row][:, None]) * 2).astype(int)  # two boards per row length
        k = row[:, None] * 2 + seg % 2
        img *= tint[k % len(tint)][..., None]
        ydist = (np.arange(h) % ph)[:, None] * np.ones((1, w))
        xj = ((xx + offs[row][:, None]) * 2) % 1.0
        gap = (ydist < 1.5) | (xj < 0.003) | (xj > 0.997)
        img[gap] = plank_gap
    return img
