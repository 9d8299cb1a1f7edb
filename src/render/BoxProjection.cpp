#include "render/BoxProjection.h"

#include <algorithm>
#include <cmath>

namespace {
struct Clip {
    double x, y, z, w;
};

Clip transform(const double m[16], double x, double y, double z, double w)
{
    return {m[0] * x + m[4] * y + m[8] * z + m[12] * w, m[1] * x + m[5] * y + m[9] * z + m[13] * w,
            m[2] * x + m[6] * y + m[10] * z + m[14] * w, m[3] * x + m[7] * y + m[11] * z + m[15] * w};
}
}

bool BoxProjection::extend(const Vector3 (&corners)[8], const double modelview[16], const double projection[16],
                           const int viewport[4], double& x0, double& y0, double& x1, double& y1)
{
    Clip clip[8];
    double front[8];  // the distance in front of the near plane, in clip units
    for (int i = 0; i < 8; ++i) {
        const Clip eye = transform(modelview, corners[i].x, corners[i].y, corners[i].z, 1.0);
        clip[i] = transform(projection, eye.x, eye.y, eye.z, eye.w);
        front[i] = clip[i].z + clip[i].w;
    }
    bool any = false;
    auto add = [&](const Clip& c) {
        if (c.w <= 1e-9)
            return;
        const double sx = viewport[0] + viewport[2] * (c.x / c.w + 1.0) * 0.5;
        const double sy = viewport[1] + viewport[3] * (c.y / c.w + 1.0) * 0.5;
        x0 = std::min(x0, sx);
        y0 = std::min(y0, sy);
        x1 = std::max(x1, sx);
        y1 = std::max(y1, sy);
        any = true;
    };
    for (int i = 0; i < 8; ++i)
        if (front[i] >= 0.0)
            add(clip[i]);
    // Where the box crosses the near plane: every segment between a corner
    // in front and one behind meets it inside the box, and the box's own
    // edges are among them, so these points bound the cut face.
    for (int i = 0; i < 8; ++i)
        for (int j = i + 1; j < 8; ++j) {
            if ((front[i] >= 0.0) == (front[j] >= 0.0))
                continue;
            const double t = front[i] / (front[i] - front[j]);
            add({clip[i].x + (clip[j].x - clip[i].x) * t, clip[i].y + (clip[j].y - clip[i].y) * t,
                 clip[i].z + (clip[j].z - clip[i].z) * t, clip[i].w + (clip[j].w - clip[i].w) * t});
        }
    return any;
}

void BoxProjection::unite(int box[4], const int other[4])
{
    if (other[2] <= 0 || other[3] <= 0)
        return;
    if (box[2] <= 0 || box[3] <= 0) {
        std::copy(other, other + 4, box);
        return;
    }
    const int left = std::min(box[0], other[0]), bottom = std::min(box[1], other[1]);
    const int right = std::max(box[0] + box[2], other[0] + other[2]);
    const int top = std::max(box[1] + box[3], other[1] + other[3]);
    box[0] = left;
    box[1] = bottom;
    box[2] = right - left;
    box[3] = top - bottom;
}

bool BoxProjection::pixels(double x0, double y0, double x1, double y1, int margin, int width, int height,
                           int box[4])
{
    if (!std::isfinite(x0) || !std::isfinite(y0) || !std::isfinite(x1) || !std::isfinite(y1))
        return false;
    // Clamped first, so that a far-off bound cannot overflow an int.
    x0 = std::clamp(x0, -4.0, width + 4.0);
    x1 = std::clamp(x1, -4.0, width + 4.0);
    y0 = std::clamp(y0, -4.0, height + 4.0);
    y1 = std::clamp(y1, -4.0, height + 4.0);
    const int left = std::max(0, static_cast<int>(std::floor(x0)) - margin);
    const int bottom = std::max(0, static_cast<int>(std::floor(y0)) - margin);
    const int right = std::min(width, static_cast<int>(std::ceil(x1)) + margin);
    const int top = std::min(height, static_cast<int>(std::ceil(y1)) + margin);
    if (right <= left || top <= bottom)
        return false;
    box[0] = left;
    box[1] = bottom;
    box[2] = right - left;
    box[3] = top - bottom;
    return true;
}
