#include "render/Camera.h"

#include <cmath>
#include <vector>

#include "game/CollisionObj.h"
#include "game/Level.h"
#include "render/RenderEngine.h"

namespace {
constexpr float degToRad = 0.017453292f;

bool finite(float v) { return std::isfinite(v); }
bool finite(const Vector3& v) { return finite(v.x) && finite(v.y) && finite(v.z); }

// Positions stay within this distance of the origin on every axis, so that
// no length computed from them overflows.
constexpr float worldLimit = 1.0e6f;

bool inWorld(const Vector3& v)
{
    return finite(v) && std::fabs(v.x) <= worldLimit && std::fabs(v.y) <= worldLimit
        && std::fabs(v.z) <= worldLimit;
}

float wrapAngle(float degrees) { return std::fmod(degrees, 360.0f); }

Vector3 wrapAngles(const Vector3& a)
{
    return {wrapAngle(a.x), wrapAngle(a.y), wrapAngle(a.z)};
}

// Non-finite components become 0.
Vector3 sanitized(const Vector3& v)
{
    return {finite(v.x) ? v.x : 0.0f, finite(v.y) ? v.y : 0.0f, finite(v.z) ? v.z : 0.0f};
}
}

Vector3 Camera::rotateAbout(const Vector3& v, float angle, Vector3 axis)
{
    axis = axis.normalized();
    if (!finite(axis) || axis.length() == 0.0f || !finite(angle))
        return v;
    const float rad = wrapAngle(angle) * degToRad;
    const float c = std::cos(rad), s = std::sin(rad);
    // Rodrigues: v cos + (k x v) sin + k (k . v)(1 - cos).
    return v * c + axis.cross(v) * s + axis * (axis.dot(v) * (1.0f - c));
}

Vector3 Camera::orbitOffset(const Vector3& a, float dist)
{
    Vector3 v(0.0f, dist, 0.0f);
    v = rotateAbout(v, a.z, {0.0f, 0.0f, 1.0f});
    v = rotateAbout(v, a.x, {1.0f, 0.0f, 0.0f});
    return rotateAbout(v, a.y, {0.0f, 1.0f, 0.0f});
}

Vector3 Camera::orbitUp(const Vector3& a)
{
    Vector3 v(0.0f, 0.0f, -1.0f);
    v = rotateAbout(v, a.z, {0.0f, 0.0f, 1.0f});
    v = rotateAbout(v, a.x, {1.0f, 0.0f, 0.0f});
    return rotateAbout(v, a.y, {0.0f, 1.0f, 0.0f}).normalized();
}

bool Camera::hits(const Vector3& from, const Vector3& to) const
{
    return level && level->collision(from, to, nullptr, nullptr);
}

void Camera::setDefaults(Vector3 track, Vector3 rotation, float zoom, float fovDegrees)
{
    // A hostile layout must not poison the view: non-finite values keep the
    // previous defaults.
    if (finite(track))
        defaultTrack = track;
    if (finite(rotation))
        defaultRotation = rotation;
    if (finite(zoom))
        defaultZoom = zoom;
    if (finite(fovDegrees))
        defaultFov = fovDegrees;
    resetCamera();
}

void Camera::resetCamera()
{
    eye = Vector3(0.0f, 50.0f, 0.0f);
    centre = target = angles = Vector3();
    up = Vector3(0.0f, 0.0f, -1.0f);
    fovy = defaultFov;
    fov(0.0f);  // keeps a layout's field of view within the usable range

    // Away from the look-at point by the default zoom, without a collision
    // test. The orbit below places the eye at distance along its own axis,
    // so only the length counts; it never collapses onto the target.
    eye = Vector3(0.0f, 50.0f + defaultZoom, 0.0f);
    distance = std::fabs(eye.y);
    if (!(distance >= minZoomDistance))
        distance = minZoomDistance;
    if (distance > worldLimit / 2.0f)
        distance = worldLimit / 2.0f;

    const Vector3 offset = inWorld(defaultTrack) ? defaultTrack : Vector3();
    eye += offset;
    centre += offset;
    target += offset;

    angles = wrapAngles(sanitized(defaultRotation));
    eye = target + orbitOffset(angles, distance);
    up = orbitUp(angles);
}

void Camera::track(float dx, float dy, float dz, bool ignoreCollision)
{
    if (!finite(dx) || !finite(dy) || !finite(dz))
        return;
    const Vector3 newAngles = wrapAngles(angles + Vector3(dx, dy, dz));
    Vector3 offset = orbitOffset(newAngles, distance);

    if (level && !ignoreCollision) {
        std::vector<CollisionObj> found;
        int passes = 0;
        while (level->collision(target, target + offset, &found, nullptr)) {
            if (passes++ == maxPushOffs)
                return;  // still inside something: stay where the eye was
            // The crossing nearest to the target is the surface the eye ran
            // into; the eye is put pushOffDistance off it along its normal.
            const Vector3* nearest = nullptr;
            const Vector3* normal = nullptr;
            float best = 0.0f;
            for (const CollisionObj& rec : found) {
                for (size_t i = 0; i < rec.points.size() && i < rec.normals.size(); ++i) {
                    const float d = Vector3::Distance(rec.points[i], target);
                    if (!nearest || d < best) {
                        best = d;
                        nearest = &rec.points[i];
                        normal = &rec.normals[i];
                    }
                }
            }
            if (!nearest)
                return;
            const Vector3 pushed = *nearest + *normal * pushOffDistance - target;
            if (normal->x != 0.0f)
                offset.x = pushed.x;
            if (normal->y != 0.0f)
                offset.y = pushed.y;
            if (normal->z != 0.0f)
                offset.z = pushed.z;
            found.clear();
        }
    }

    if (!inWorld(target + offset))
        return;
    eye = target + offset;
    angles = newAngles;
    up = orbitUp(newAngles);
}

void Camera::translate(float dx, float dy, float dz, bool ignoreCollision)
{
    const Vector3 step(dx, dy, dz);
    if (!finite(step) || !inWorld(eye + step) || !inWorld(centre + step) || !inWorld(target + step))
        return;
    if (!ignoreCollision && hits(eye, eye + step))
        return;
    eye += step;
    centre += step;
    target += step;
}

void Camera::zoom(float amount, bool ignoreCollision)
{
    if (finite(amount)) {
        const Vector3 d = (eye - centre).normalized();
        const float current = Vector3::Distance(centre, eye);
        // Signed distance from the look-at point after the move, along d.
        float after = current + amount;
        if (amount < 0.0f && after < minZoomDistance) {
            // Zooming in stops minZoomDistance short of the look-at point,
            // so the eye can neither reach nor pass through it.
            after = current <= minZoomDistance ? current : minZoomDistance;
        }
        const Vector3 step = d * (after - current);
        if (inWorld(eye + step) && (ignoreCollision || !hits(eye, eye + step)))
            eye += step;
    }
    distance = Vector3::Distance(target, eye);
}

void Camera::rotate(float angle, float ax, float ay, float az, bool)
{
    const Vector3 axis(ax, ay, az);
    if (!finite(angle) || !finite(axis))
        return;
    centre = eye + rotateAbout(centre - eye, angle, axis);
    up = rotateAbout(up, angle, axis).normalized();
}

void Camera::relativeRotate(float angle, bool yaw, bool pitch, bool)
{
    if (yaw)
        rotate(angle, 0.0f, 1.0f, 0.0f, false);
    if (pitch) {
        const Vector3 d = (eye - centre).normalized();
        const Vector3 side = up.cross(d).normalized();
        rotate(angle, side.x, side.y, side.z, false);
    }
}

void Camera::fov(float delta)
{
    if (finite(delta))
        fovy += delta;
    if (!(fovy >= 1.0f))
        fovy = 1.0f;
    if (fovy > 90.0f)
        fovy = 90.0f;
}

void Camera::updateView()
{
    if (engine)
        engine->updateView(this);
}
