#pragma once
#include "base/Vector3.h"

// The view volume as six planes (a, b, c, d) with unit (a, b, c): a point p
// lies on the inner side of a plane when a*p.x + b*p.y + c*p.z + d > 0.
// Plane order: left, right, bottom, top, near, far.
//
// Also the column-major 4x4 matrix helpers (as OpenGL stores matrices) that
// the view, the culling and the picking are computed with, so that all of it
// can be checked without an OpenGL context.
class Frustum {
public:
    // Planes of the volume seen through projection * modelview. A plane
    // whose normal collapses to zero (a degenerate matrix) becomes one that
    // keeps everything.
    static void extract(const float modelview[16], const float projection[16], float planes[6][4]);

    // False when the sphere lies wholly outside some plane (touching a plane
    // from outside counts as outside).
    static bool sphereInside(const float planes[6][4], float x, float y, float z, float radius);
    // False when all eight corners, moved by offset, lie outside some plane;
    // a box straddling a plane counts as inside.
    static bool boxInside(const float planes[6][4], const Vector3* corners, const Vector3& offset);

    // out = a * b (column-major; out may not alias a or b).
    static void multiply(const float a[16], const float b[16], float out[16]);
    static void identity(float m[16]);
    // The matrices gluPerspective and gluLookAt make. lookAt never yields
    // NaN: coincident eye and centre look down -z, and an up vector that is
    // zero or parallel to the view direction is replaced by a world axis.
    static void perspective(float fovyDegrees, float aspect, float zNear, float zFar, float m[16]);
    static void lookAt(const Vector3& eye, const Vector3& centre, const Vector3& up, float m[16]);
};
