#pragma once
#include "base/Vector3.h"

class Level;
class RenderEngine;

// The single orbit camera of the scene: the eye sits on a sphere around
// target, at distance, placed by three orbit angles.
//
// Every move but resetCamera is guarded by the level's room collision test
// (when there is a level). No input, however degenerate, leaves a NaN in
// the camera's vectors: non-finite arguments are ignored, and a move that
// would carry a position more than a million units from the origin is
// refused.
class Camera {
public:
    // Closest the eye comes to the look-at point by zooming in.
    static constexpr float minZoomDistance = 5.0f;
    // How far the eye is pushed off a surface that an orbit move ran into.
    static constexpr float pushOffDistance = 5.0f;
    // Bound on the push-off passes of one orbit move; a move whose pushed
    // position still hits after them is refused.
    static constexpr int maxPushOffs = 8;

    float distance = 40.0f;
    Vector3 defaultRotation{18.0f, 0.0f, 25.0f};
    Vector3 defaultTrack{-0.9f, 0.0f, 0.2f};
    float defaultZoom = 40.0f;
    float defaultFov = 40.0f;
    Vector3 eye;
    float fovy = 25.0f;
    Level* level = nullptr;
    Vector3 angles;
    Vector3 target;
    Vector3 centre;
    Vector3 up;
    // The engine that loads the view into the renderer (updateView); the
    // camera draws nothing without one.
    RenderEngine* engine = nullptr;

    explicit Camera(Level* lvl) : level(lvl) {}

    // Stores the default view (offset, orbit angles, zoom, field of view) and
    // puts the camera into it.
    void setDefaults(Vector3 track, Vector3 rotation, float zoom, float fov);
    void resetCamera();

    // Orbit by angle increments in degrees; a position inside the room's
    // furniture is pushed off the surface it crossed.
    void track(float dx, float dy, float dz, bool ignoreCollision);
    // Moves eye, target and look-at point together; refused on a hit.
    void translate(float dx, float dy, float dz, bool ignoreCollision);
    // Moves the eye along the line from the look-at point (positive: away).
    void zoom(float amount, bool ignoreCollision);
    // Turns the view in place by angle degrees about the axis (ax, ay, az).
    void rotate(float angle, float ax, float ay, float az, bool unused);
    // Turns in place about the world y axis (yaw) and/or the camera's side
    // axis (pitch).
    void relativeRotate(float angle, bool yaw, bool pitch, bool unused);
    // Field of view plus delta, kept within [1, 90] degrees.
    void fov(float delta);
    void updateView();

    // The orbit offset of the eye from the target for these angles and
    // distance, and the matching up vector (unit length or zero).
    static Vector3 orbitOffset(const Vector3& angles, float distance);
    static Vector3 orbitUp(const Vector3& angles);
    // v rotated by angle degrees about the axis, right-handed; a zero or
    // non-finite axis leaves v unchanged.
    static Vector3 rotateAbout(const Vector3& v, float angle, Vector3 axis);

private:
    bool hits(const Vector3& from, const Vector3& to) const;
};
