#include "render/PositionsPicture.h"

#include <SDL/SDL.h>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "game/Layout.h"
#include "render/Texture.h"

namespace {
struct Colour {
    float r, g, b;
};

const Colour jade{0.05f, 0.42f, 0.33f};
const Colour jadeDeep{0.02f, 0.17f, 0.14f};
const Colour gold{0.86f, 0.66f, 0.22f};
const Colour edge{0.45f, 0.38f, 0.25f};
// From the bottom layer up; layers above the last take the last.
const Colour layerTints[] = {{0.97f, 0.94f, 0.85f}, {0.96f, 0.90f, 0.76f}, {0.94f, 0.86f, 0.66f},
                             {0.93f, 0.81f, 0.55f}, {0.92f, 0.75f, 0.42f}};

Colour mix(Colour a, Colour b, float t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

class Canvas {
public:
    std::vector<uint8_t> rgba;

    explicit Canvas(int n) : rgba(static_cast<size_t>(n) * n * 4, 255), n_(n) {}

    // Blends c over the pixels of [x0, x1) x [y0, y1), partly covered edge
    // pixels in proportion, so small tiles keep their shapes.
    void fill(float x0, float y0, float x1, float y1, Colour c, float alpha)
    {
        const int ix0 = std::max(0, static_cast<int>(std::floor(x0)));
        const int iy0 = std::max(0, static_cast<int>(std::floor(y0)));
        const int ix1 = std::min(n_, static_cast<int>(std::ceil(x1)));
        const int iy1 = std::min(n_, static_cast<int>(std::ceil(y1)));
        for (int y = iy0; y < iy1; ++y) {
            const float cy = std::min(y + 1.0f, y1) - std::max(static_cast<float>(y), y0);
            for (int x = ix0; x < ix1; ++x) {
                const float cx = std::min(x + 1.0f, x1) - std::max(static_cast<float>(x), x0);
                blend(x, y, c, alpha * std::clamp(cx * cy, 0.0f, 1.0f));
            }
        }
    }

    void frame(float inset, float width, Colour c, float alpha)
    {
        const float a = inset, b = static_cast<float>(n_) - inset;
        fill(a, a, b, a + width, c, alpha);
        fill(a, b - width, b, b, c, alpha);
        fill(a, a + width, a + width, b - width, c, alpha);
        fill(b - width, a + width, b, b - width, c, alpha);
    }

    void blend(int x, int y, Colour c, float alpha)
    {
        uint8_t* p = &rgba[(static_cast<size_t>(y) * n_ + x) * 4];
        const float src[3] = {c.r, c.g, c.b};
        for (int i = 0; i < 3; ++i) {
            const float v = p[i] / 255.0f * (1.0f - alpha) + src[i] * alpha;
            p[i] = static_cast<uint8_t>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f));
        }
    }

private:
    int n_;
};
}

std::vector<uint8_t> PositionsPicture::draw(const std::vector<Vector3>& positions)
{
    Canvas canvas(size);
    // The ground: light near the middle, deep at the corners.
    const float centre = size / 2.0f;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const float d = std::hypot(x - centre, y - size * 0.45f) / (size * 0.75f);
            const Colour c = d < 0.6f ? mix(mix(jade, {1, 1, 1}, 0.08f), mix(jade, {0, 0, 0}, 0.35f), d / 0.6f)
                                      : mix(mix(jade, {0, 0, 0}, 0.35f), jadeDeep, std::min(1.0f, (d - 0.6f) / 0.4f));
            canvas.blend(x, y, c, 1.0f);
        }
    canvas.frame(5.0f, 1.5f, gold, 0.85f);
    canvas.frame(9.0f, 0.5f, gold, 0.85f);
    if (positions.empty())
        return canvas.rgba;

    // The extent in half-tile cells, each layer drawn lifted by `lift` cells.
    float minX = positions[0].x, maxX = minX, minY = positions[0].y, maxY = minY, maxZ = 0.0f;
    for (const Vector3& p : positions) {
        minX = std::min(minX, p.x);
        maxX = std::max(maxX, p.x + 2.0f);
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y + 2.0f);
        maxZ = std::max(maxZ, p.z);
    }
    // Tile faces are deeper than wide, as on the board.
    const float aspect = 1.34f;
    const float room = size - 32.0f;
    const float unit = std::min({room / 10.0f, room / (maxX - minX + maxZ * 0.4f),
                                 room / ((maxY - minY) * aspect + maxZ * 0.4f)});
    const float lift = unit * 0.4f;
    const float width = (maxX - minX) * unit + maxZ * lift;
    const float height = (maxY - minY) * unit * aspect + maxZ * lift;
    const float ox = (size - width) / 2.0f + maxZ * lift - minX * unit;
    const float oy = (size - height) / 2.0f + maxZ * lift - minY * unit * aspect;

    std::vector<Vector3> order = positions;
    std::stable_sort(order.begin(), order.end(), [](const Vector3& a, const Vector3& b) {
        return a.z != b.z ? a.z < b.z : a.y != b.y ? a.y < b.y : a.x < b.x;
    });
    const int tints = static_cast<int>(sizeof layerTints / sizeof layerTints[0]);
    for (const Vector3& p : order) {
        const float x = ox + p.x * unit - p.z * lift;
        const float y = oy + p.y * unit * aspect - p.z * lift;
        const float w = 2.0f * unit - 1.0f, h = 2.0f * unit * aspect - 1.0f;
        const float side = std::max(1.0f, unit * 0.18f);
        canvas.fill(x + side + 0.5f, y + side + 0.5f, x + w + side + 0.5f, y + h + side + 0.5f, {0, 0, 0}, 0.35f);
        canvas.fill(x + side * 0.5f, y + side * 0.5f, x + w + side * 0.5f, y + h + side * 0.5f,
                    mix(jade, {0, 0, 0}, 0.1f), 1.0f);
        const Colour tint = layerTints[std::clamp(static_cast<int>(p.z), 0, tints - 1)];
        canvas.fill(x, y, x + w, y + h, edge, 1.0f);
        canvas.fill(x + 0.8f, y + 0.8f, x + w - 0.8f, y + h - 0.8f, mix(tint, {1, 1, 1}, 0.25f), 1.0f);
    }
    return canvas.rgba;
}

std::unique_ptr<Texture> PositionsPicture::texture(RenderEngine* re, const Layout& layout)
{
    if (!re)
        return nullptr;
    const std::vector<uint8_t> rgba = draw(layout.tileCoordinates);
    // Kept in a surface as pictures read from files are: bottom row first,
    // bytes in red, green, blue, alpha order whatever the machine's order.
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, size, size, 32, 0, 0, 0, 0);
    if (!s)
        return nullptr;
    auto t = std::make_unique<Texture>(re, "", 0, "Preview of " + layout.fileName);
    auto* out = static_cast<uint8_t*>(s->pixels);
    for (int row = 0; row < size; ++row)
        std::memcpy(out + static_cast<size_t>(row) * s->pitch, &rgba[static_cast<size_t>(size - 1 - row) * size * 4],
                    static_cast<size_t>(size) * 4);
    t->freeSurface();
    t->surface = s;
    t->pixels = out;
    t->width = t->height = size;
    t->bpp = 32;
    t->flipped = true;
    // The empty texture made with it gives way to the picture.
    t->removeTexture();
    t->createTexture(t->pixels, size, size, 0);
    return t;
}
