"""The built-in Turtle layout written as a layout file, and its preview: the
144 positions seen from above, higher layers lifted and shaded."""

import cairo

from common import (GOLD, IVORY, JADE, JADE_DEEP, SERIF_BOLD, FACE_JP, draw_text, new_surface,
                    out_path, radial, linear, rounded_rect, surface_to_rgba, save_png, lighten, darken)

GRID = (30, 16, 5)


def turtle_positions():
    """(x, y, z) in the built-in order: runs of x stepping by 2."""
    runs = [
        (0, 0, 2, 24), (0, 2, 6, 20), (0, 4, 4, 22), (0, 6, 2, 24), (0, 7, 0, 0),
        (0, 8, 2, 24), (0, 7, 26, 28), (0, 10, 4, 22), (0, 12, 6, 20), (0, 14, 2, 24),
    ]
    runs += [(1, y, 8, 18) for y in (2, 4, 6, 8, 10, 12)]
    runs += [(2, y, 10, 16) for y in (4, 6, 8, 10)]
    runs += [(3, y, 12, 14) for y in (6, 8)]
    pos = []
    for z, y, x0, x1 in runs:
        pos += [(x, y, z) for x in range(x0, x1 + 1, 2)]
    pos.append((13, 7, 4))
    return pos


def lyt_text(pos):
    lines = [
        "Name: Turtle",
        "DefaultCameraTranslation: -1 0 0.1",
        "DefaultCameraTrack: 18 0 15",
        "DefaultCameraZoom: 10",
        "DefaultFov: 40",
        "GridX: %d" % GRID[0],
        "GridY: %d" % GRID[1],
        "GridZ: %d" % GRID[2],
        "PreviewImage: Assets/Layouts/turtle_preview.png",
        "TileCoordinates:",
    ]
    lines += ["\tTile %d %d %d" % p for p in pos]
    return "\n".join(lines) + "\n"


LAYER_TINT = [(0.97, 0.94, 0.85), (0.96, 0.90, 0.76), (0.94, 0.86, 0.66), (0.93, 0.81, 0.55), (0.92, 0.75, 0.42)]


def preview(pos, path, size=512, grid=GRID, title="Turtle"):
    surf = new_surface(size, size)
    ctx = cairo.Context(surf)
    ctx.set_source(radial(size / 2, size * 0.45, 0, size * 0.75,
                          [(0, lighten(JADE, 0.08)), (0.6, darken(JADE, 0.35)), (1, JADE_DEEP)]))
    ctx.paint()
    ctx.set_source_rgba(*GOLD, 0.85)
    ctx.set_line_width(3)
    ctx.rectangle(10, 10, size - 20, size - 20)
    ctx.stroke()
    ctx.set_line_width(1)
    ctx.rectangle(18, 18, size - 36, size - 36)
    ctx.stroke()
    # a half-tile grid unit: a tile is 2 units wide and 2 deep, its face 0.71 as wide as deep
    u = min(15.0, (size - 60.0) / grid[0], (size - 114.0) / (grid[1] * 1.34))
    sx, sy = u, u * 1.34
    lift = 5.0
    gw = grid[0] * sx
    gh = grid[1] * sy
    ox = (size - gw) / 2
    oy = 84 + (size - 84 - 30 - gh) / 2
    for x, y, z in sorted(pos, key=lambda p: (p[2], p[1], p[0])):
        px = ox + x * sx - z * lift
        py = oy + y * sy - z * lift
        w, h = 2 * sx - 1.5, 2 * sy - 1.5
        rounded_rect(ctx, px + 3, py + 3, w, h, 3)
        ctx.set_source_rgba(0, 0, 0, 0.35)
        ctx.fill()
        rounded_rect(ctx, px + 2, py + 2, w, h, 3)
        ctx.set_source_rgb(*darken(JADE, 0.1))
        ctx.fill()
        tint = LAYER_TINT[min(z, len(LAYER_TINT) - 1)]
        rounded_rect(ctx, px, py, w, h, 3)
        ctx.set_source(linear(px, py, px + w, py + h, [(0, lighten(tint, 0.5)), (1, darken(tint, 0.08))]))
        ctx.fill_preserve()
        ctx.set_source_rgba(0.45, 0.38, 0.25, 0.7)
        ctx.set_line_width(0.8)
        ctx.stroke()
    draw_text(ctx, title, size / 2, 58, size - 80, 42, GOLD, path=SERIF_BOLD, index=FACE_JP, em=46)
    save_png(surface_to_rgba(surf)[..., :3], path)


def main():
    pos = turtle_positions()
    assert len(pos) == 144
    with open(out_path("Assets", "Layouts", "turtle_demo.lyt"), "w", newline="\n") as f:
        f.write(lyt_text(pos))
    preview(pos, out_path("Assets", "Layouts", "turtle_preview.png"))


if __name__ == "__main__":
    main()
