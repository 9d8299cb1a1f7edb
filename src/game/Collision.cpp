#include "game/Collision.h"

#include <algorithm>
#include <cmath>

#include "render/Model.h"  // the room's meshes are what the camera runs into
#include "render/Object.h"  // the room's meshes are what the camera runs into

int segmentPlaneIntersect(Vector3 p0, Vector3 p1, Vector3 q, Vector3 n, Vector3* out)
{
    if (n.x == 0.0f && n.y == 0.0f && n.z == 0.0f)
        return 0;
    Vector3 d = p1 - p0;
    float denom = d.dot(n);
    float num = -n.dot(p0 - q);
    if (std::fabs(denom) < 1e-8f)
        return num == 0.0f ? 2 : 0;
    float t = num / denom;
    if (t < 0.0f || t > 1.0f)
        return 0;
    if (out)
        *out = p0 + d * t;
    return 1;
}

namespace {
constexpr float boxMargin = 0.005f;

bool insideBox(const Vector3& p, const Vector3& lo, const Vector3& hi)
{
    return lo.x - boxMargin < p.x && p.x < hi.x + boxMargin
        && lo.y - boxMargin < p.y && p.y < hi.y + boxMargin
        && lo.z - boxMargin < p.z && p.z < hi.z + boxMargin;
}
}

bool modelCollision(const Model* model, Vector3 start, Vector3 end,
                    std::vector<CollisionObj>* hits, const std::vector<Object*>* ignore)
{
    if (!model)
        return false;
    bool result = false;
    const Vector3 offset = model->worldPosition;
    for (Object* obj : model->objects) {
        if (!obj)
            continue;
        if (ignore && std::find(ignore->begin(), ignore->end(), obj) != ignore->end())
            continue;
        const Vector3 lo = obj->boxMin + offset;
        const Vector3 hi = obj->boxMax + offset;
        for (int k = 0; k < 6; ++k) {
            const Vector3 normal = obj->planeNormals[k];
            Vector3 point;
            int crossing = segmentPlaneIntersect(start, end, obj->planePoints[k] + offset, normal, &point);
            if (crossing == 0)
                continue;
            if (crossing == 2)
                point = start;
            if (!insideBox(point, lo, hi))
                continue;
            result = true;
            if (!hits)
                continue;
            auto rec = std::find_if(hits->begin(), hits->end(),
                                    [obj](const CollisionObj& c) { return c.object == obj; });
            if (rec == hits->end()) {
                CollisionObj fresh;
                fresh.object = obj;
                fresh.normals.push_back(normal);
                fresh.points.push_back(point);
                hits->push_back(fresh);
            } else {
                rec->normals.push_back(normal);
                rec->points.push_back(point);
            }
        }
    }
    return result;
}
