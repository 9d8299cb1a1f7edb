#pragma once
#include "render/Vector3.h"

class Level;

// The single orbit camera of the scene: the eye sits on a sphere around
// target, at distance, placed by three orbit angles.
class Camera {
public:
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

    explicit Camera(Level* lvl) : level(lvl) {}
};
