#include "render/Picking.h"

#include <cmath>

#include "game/Tile.h"
#include "render/Object.h"

namespace {
// Inverse of a column-major 4x4 matrix by cofactors; false when singular.
bool invert(const double m[16], double inv[16])
{
    inv[0] = m[5] * m[10] * m[15] - m[5] * m[11] * m[14] - m[9] * m[6] * m[15]
           + m[9] * m[7] * m[14] + m[13] * m[6] * m[11] - m[13] * m[7] * m[10];
    inv[4] = -m[4] * m[10] * m[15] + m[4] * m[11] * m[14] + m[8] * m[6] * m[15]
           - m[8] * m[7] * m[14] - m[12] * m[6] * m[11] + m[12] * m[7] * m[10];
    inv[8] = m[4] * m[9] * m[15] - m[4] * m[11] * m[13] - m[8] * m[5] * m[15]
           + m[8] * m[7] * m[13] + m[12] * m[5] * m[11] - m[12] * m[7] * m[9];
    inv[12] = -m[4] * m[9] * m[14] + m[4] * m[10] * m[13] + m[8] * m[5] * m[14]
            - m[8] * m[6] * m[13] - m[12] * m[5] * m[10] + m[12] * m[6] * m[9];
    inv[1] = -m[1] * m[10] * m[15] + m[1] * m[11] * m[14] + m[9] * m[2] * m[15]
           - m[9] * m[3] * m[14] - m[13] * m[2] * m[11] + m[13] * m[3] * m[10];
    inv[5] = m[0] * m[10] * m[15] - m[0] * m[11] * m[14] - m[8] * m[2] * m[15]
           + m[8] * m[3] * m[14] + m[12] * m[2] * m[11] - m[12] * m[3] * m[10];
    inv[9] = -m[0] * m[9] * m[15] + m[0] * m[11] * m[13] + m[8] * m[1] * m[15]
           - m[8] * m[3] * m[13] - m[12] * m[1] * m[11] + m[12] * m[3] * m[9];
    inv[13] = m[0] * m[9] * m[14] - m[0] * m[10] * m[13] - m[8] * m[1] * m[14]
            + m[8] * m[2] * m[13] + m[12] * m[1] * m[10] - m[12] * m[2] * m[9];
    inv[2] = m[1] * m[6] * m[15] - m[1] * m[7] * m[14] - m[5] * m[2] * m[15]
           + m[5] * m[3] * m[14] + m[13] * m[2] * m[7] - m[13] * m[3] * m[6];
    inv[6] = -m[0] * m[6] * m[15] + m[0] * m[7] * m[14] + m[4] * m[2] * m[15]
           - m[4] * m[3] * m[14] - m[12] * m[2] * m[7] + m[12] * m[3] * m[6];
    inv[10] = m[0] * m[5] * m[15] - m[0] * m[7] * m[13] - m[4] * m[1] * m[15]
            + m[4] * m[3] * m[13] + m[12] * m[1] * m[7] - m[12] * m[3] * m[5];
    inv[14] = -m[0] * m[5] * m[14] + m[0] * m[6] * m[13] + m[4] * m[1] * m[14]
            - m[4] * m[2] * m[13] - m[12] * m[1] * m[6] + m[12] * m[2] * m[5];
    inv[3] = -m[1] * m[6] * m[11] + m[1] * m[7] * m[10] + m[5] * m[2] * m[11]
           - m[5] * m[3] * m[10] - m[9] * m[2] * m[7] + m[9] * m[3] * m[6];
    inv[7] = m[0] * m[6] * m[11] - m[0] * m[7] * m[10] - m[4] * m[2] * m[11]
           + m[4] * m[3] * m[10] + m[8] * m[2] * m[7] - m[8] * m[3] * m[6];
    inv[11] = -m[0] * m[5] * m[11] + m[0] * m[7] * m[9] + m[4] * m[1] * m[11]
            - m[4] * m[3] * m[9] - m[8] * m[1] * m[7] + m[8] * m[3] * m[5];
    inv[15] = m[0] * m[5] * m[10] - m[0] * m[6] * m[9] - m[4] * m[1] * m[10]
            + m[4] * m[2] * m[9] + m[8] * m[1] * m[6] - m[8] * m[2] * m[5];
    const double det = m[0] * inv[0] + m[1] * inv[4] + m[2] * inv[8] + m[3] * inv[12];
    if (det == 0.0 || !std::isfinite(det))
        return false;
    for (int i = 0; i < 16; ++i)
        inv[i] /= det;
    return true;
}

bool insideWidened(const Vector3& p, const Vector3& lo, const Vector3& hi)
{
    const float e = Picking::boxMargin;
    return lo.x - e <= p.x && p.x <= hi.x + e && lo.y - e <= p.y && p.y <= hi.y + e
        && lo.z - e <= p.z && p.z <= hi.z + e;
}
}

bool Picking::unproject(double winX, double winY, double winZ, const float modelview[16],
                        const float projection[16], const int viewport[4], Vector3& out)
{
    if (viewport[2] <= 0 || viewport[3] <= 0)
        return false;
    double pm[16];
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r) {
            double sum = 0.0;
            for (int k = 0; k < 4; ++k)
                sum += static_cast<double>(projection[k * 4 + r]) * modelview[c * 4 + k];
            pm[c * 4 + r] = sum;
        }
    double inv[16];
    if (!invert(pm, inv))
        return false;
    const double ndc[4] = {(winX - viewport[0]) / viewport[2] * 2.0 - 1.0,
                           (winY - viewport[1]) / viewport[3] * 2.0 - 1.0, winZ * 2.0 - 1.0, 1.0};
    double world[4];
    for (int r = 0; r < 4; ++r)
        world[r] = inv[r] * ndc[0] + inv[4 + r] * ndc[1] + inv[8 + r] * ndc[2] + inv[12 + r] * ndc[3];
    if (world[3] == 0.0 || !std::isfinite(world[3]))
        return false;
    const Vector3 p(static_cast<float>(world[0] / world[3]), static_cast<float>(world[1] / world[3]),
                    static_cast<float>(world[2] / world[3]));
    if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.z))
        return false;
    out = p;
    return true;
}

bool Picking::collision(PointerView<Tile> tiles, const Vector3& from, const Vector3& to,
                        std::vector<Tile*>& hits)
{
    hits.clear();
    bool result = false;
    const Vector3 d = to - from;
    for (Tile* tile : tiles) {
        if (!tile || !tile->visible || tile->objects.empty() || !tile->objects.back())
            continue;
        const Object* obj = tile->objects.back();
        const Vector3 offset = tile->worldPosition;
        const Vector3 lo = obj->boxMin + offset;
        const Vector3 hi = obj->boxMax + offset;
        for (int k = 0; k < 6; ++k) {
            const Vector3& n = obj->planeNormals[k];
            if (n.x == 0.0f && n.y == 0.0f && n.z == 0.0f)
                continue;
            const Vector3 point = obj->planePoints[k] + offset;
            const float denom = d.dot(n);
            // A ray lying in a face plane meets the box through its other
            // faces; the plane itself gives no crossing.
            if (std::fabs(denom) < 1e-8f)
                continue;
            const float t = -n.dot(from - point) / denom;
            if (t < 0.0f || t > 1.0f)
                continue;
            const Vector3 crossing = from + d * t;
            if (!insideWidened(crossing, lo, hi))
                continue;
            tile->pickPoint = crossing;
            hits.push_back(tile);
            result = true;
            break;
        }
    }
    return result;
}

Tile* Picking::nearest(const std::vector<Tile*>& hits, const Vector3& eye)
{
    Tile* best = nullptr;
    float bestDistance = 0.0f;
    for (Tile* t : hits) {
        const float d = Vector3::Distance(t->worldPosition, eye);
        if (!best || d < bestDistance) {
            best = t;
            bestDistance = d;
        }
    }
    return best;
}

Tile* Picking::select(int x, int y, int windowHeight, const float modelview[16],
                      const float projection[16], const int viewport[4],
                      PointerView<Tile> tiles, const Vector3& eye, std::vector<Tile*>& hits)
{
    hits.clear();
    const double wy = static_cast<double>(windowHeight) - y;
    Vector3 nearPoint, farPoint;
    if (!unproject(x, wy, 0.0, modelview, projection, viewport, nearPoint)
        || !unproject(x, wy, 1.0, modelview, projection, viewport, farPoint))
        return nullptr;
    if (!collision(tiles, nearPoint, farPoint, hits))
        return nullptr;
    return nearest(hits, eye);
}
