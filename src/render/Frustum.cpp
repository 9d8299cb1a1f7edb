#include "render/Frustum.h"

#include <cmath>

namespace {
// Element at row r, column c of a column-major matrix.
float at(const float m[16], int r, int c) { return m[c * 4 + r]; }
}

void Frustum::identity(float m[16])
{
    for (int i = 0; i < 16; ++i)
        m[i] = (i % 5 == 0) ? 1.0f : 0.0f;
}

void Frustum::multiply(const float a[16], const float b[16], float out[16])
{
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r)
            out[c * 4 + r] = at(a, r, 0) * at(b, 0, c) + at(a, r, 1) * at(b, 1, c)
                           + at(a, r, 2) * at(b, 2, c) + at(a, r, 3) * at(b, 3, c);
}

void Frustum::extract(const float modelview[16], const float projection[16], float planes[6][4])
{
    float clip[16];
    multiply(projection, modelview, clip);
    // The planes are the fourth row plus or minus each of the first three.
    for (int p = 0; p < 6; ++p) {
        const int row = p / 2;
        const float sign = (p % 2 == 0) ? 1.0f : -1.0f;
        for (int c = 0; c < 4; ++c)
            planes[p][c] = at(clip, 3, c) + sign * at(clip, row, c);
        const float len = std::sqrt(planes[p][0] * planes[p][0] + planes[p][1] * planes[p][1]
                                    + planes[p][2] * planes[p][2]);
        if (len > 0.0f && std::isfinite(len)) {
            for (float& v : planes[p])
                v /= len;
        } else {
            planes[p][0] = planes[p][1] = planes[p][2] = 0.0f;
            planes[p][3] = 1.0f;
        }
    }
}

bool Frustum::sphereInside(const float planes[6][4], float x, float y, float z, float radius)
{
    for (int i = 0; i < 6; ++i) {
        const float* p = planes[i];
        if (p[0] * x + p[1] * y + p[2] * z + p[3] <= -radius)
            return false;
    }
    return true;
}

bool Frustum::boxInside(const float planes[6][4], const Vector3* corners, const Vector3& offset)
{
    for (int k = 0; k < 6; ++k) {
        const float* p = planes[k];
        int inside = 0;
        for (int i = 0; i < 8; ++i) {
            const Vector3 c = corners[i] + offset;
            if (p[0] * c.x + p[1] * c.y + p[2] * c.z + p[3] > 0.0f)
                ++inside;
        }
        if (inside == 0)
            return false;
    }
    return true;
}

void Frustum::perspective(float fovyDegrees, float aspect, float zNear, float zFar, float m[16])
{
    const float f = 1.0f / std::tan(fovyDegrees * 0.5f * 0.017453292f);
    for (int i = 0; i < 16; ++i)
        m[i] = 0.0f;
    m[0] = f / aspect;
    m[5] = f;
    m[10] = (zFar + zNear) / (zNear - zFar);
    m[11] = -1.0f;
    m[14] = 2.0f * zFar * zNear / (zNear - zFar);
}

void Frustum::lookAt(const Vector3& eye, const Vector3& centre, const Vector3& up, float m[16])
{
    Vector3 f = (centre - eye).normalized();
    if (f.length() == 0.0f)
        f = Vector3(0.0f, 0.0f, -1.0f);
    Vector3 s = f.cross(up).normalized();
    if (s.length() < 1e-6f) {
        // The least aligned world axis serves as up.
        const Vector3 ax = std::fabs(f.y) < 0.9f ? Vector3(0.0f, 1.0f, 0.0f) : Vector3(0.0f, 0.0f, -1.0f);
        s = f.cross(ax).normalized();
    }
    const Vector3 u = s.cross(f);
    identity(m);
    m[0] = s.x;  m[4] = s.y;  m[8] = s.z;
    m[1] = u.x;  m[5] = u.y;  m[9] = u.z;
    m[2] = -f.x; m[6] = -f.y; m[10] = -f.z;
    m[12] = -s.dot(eye);
    m[13] = -u.dot(eye);
    m[14] = f.dot(eye);
}
