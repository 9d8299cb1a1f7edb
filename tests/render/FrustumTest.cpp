#include <gtest/gtest.h>

#include <cmath>

#include "render/Frustum.h"
#include "render/GLRender.h"
#include "render/Object.h"
#include "render/RenderEngine.h"
#include "render/Sprite.h"
#include "render/Model.h"

namespace {
// Eye at the origin looking down -z, 90 degrees, square, near 1, far 500.
struct View {
    float planes[6][4];
    View(Vector3 eye = Vector3(), Vector3 centre = Vector3(0, 0, -1), Vector3 up = Vector3(0, 1, 0))
    {
        float projection[16], modelview[16];
        Frustum::perspective(90.0f, 1.0f, 1.0f, 500.0f, projection);
        Frustum::lookAt(eye, centre, up, modelview);
        Frustum::extract(modelview, projection, planes);
    }
};

void box(Vector3 lo, Vector3 hi, Vector3 out[8]) { Model::boxCorners(lo, hi, out); }
}

TEST(FrustumTest, PlanesAreUnitAndFaceInwards)
{
    View v(Vector3(3, 4, 5), Vector3(3, 4, -5), Vector3(0, 1, 0));
    for (const auto& p : v.planes)
        EXPECT_NEAR(1.0f, std::sqrt(p[0] * p[0] + p[1] * p[1] + p[2] * p[2]), 1e-5f);
    // Left plane of a 90 degree view: x - z distance; near plane 1 ahead.
    EXPECT_NEAR(1.0f / std::sqrt(2.0f), v.planes[0][0], 1e-5f);
    EXPECT_NEAR(-1.0f / std::sqrt(2.0f), v.planes[0][2], 1e-5f);
    EXPECT_NEAR(-1.0f, v.planes[4][2], 1e-5f);
    EXPECT_NEAR(4.0f, v.planes[4][3], 1e-4f);  // -z - 1 + 5 moved with the eye
    EXPECT_TRUE(Frustum::sphereInside(v.planes, 3, 4, -10, 0.1f));
    EXPECT_FALSE(Frustum::sphereInside(v.planes, 3, 4, 510, 0.1f));
}

TEST(FrustumTest, SphereOnThePlaneFromOutsideIsCulled)
{
    // Hand-made planes: only x > 0 restricts.
    float planes[6][4] = {{1, 0, 0, 0}, {0, 0, 0, 1}, {0, 0, 0, 1}, {0, 0, 0, 1}, {0, 0, 0, 1}, {0, 0, 0, 1}};
    EXPECT_FALSE(Frustum::sphereInside(planes, -2.0f, 0, 0, 2.0f));  // distance exactly -r
    EXPECT_TRUE(Frustum::sphereInside(planes, -2.0f, 0, 0, 2.001f));
    EXPECT_TRUE(Frustum::sphereInside(planes, 0.5f, 0, 0, 0.0f));

    View v;
    EXPECT_FALSE(Frustum::sphereInside(v.planes, 0, 0, 10, 1.0f));    // behind the eye
    EXPECT_TRUE(Frustum::sphereInside(v.planes, 0, 0, -0.5f, 1.0f));  // reaches past the near plane
    EXPECT_FALSE(Frustum::sphereInside(v.planes, -30, 0, -10, 1.0f)); // far to the left
    EXPECT_TRUE(Frustum::sphereInside(v.planes, -10.5f, 0, -10, 1.0f));
}

TEST(FrustumTest, BoxesStraddlingAnEdgeAreDrawn)
{
    View v;
    Vector3 corners[8];
    const Vector3 none;
    box(Vector3(-20, -1, -11), Vector3(-5, 1, -9), corners);  // across the left edge at z = -10
    EXPECT_TRUE(Frustum::boxInside(v.planes, corners, none));
    box(Vector3(-40, -1, -11), Vector3(-25, 1, -9), corners);  // wholly left
    EXPECT_FALSE(Frustum::boxInside(v.planes, corners, none));
    box(Vector3(-1, -1, 2), Vector3(1, 1, 4), corners);         // behind the eye
    EXPECT_FALSE(Frustum::boxInside(v.planes, corners, none));
    // The offset moves the corners: the same box moved in front is drawn.
    Vector3 ahead(0, 0, -20);
    EXPECT_TRUE(Frustum::boxInside(v.planes, corners, ahead));
    box(Vector3(-1000, -1000, -1000), Vector3(1000, 1000, 1000), corners);  // around everything
    EXPECT_TRUE(Frustum::boxInside(v.planes, corners, none));
}

TEST(FrustumTest, DegenerateViewsGiveFiniteMatrices)
{
    float m[16];
    Frustum::lookAt(Vector3(1, 2, 3), Vector3(1, 2, 3), Vector3(0, 0, 0), m);
    for (float x : m)
        EXPECT_TRUE(std::isfinite(x));
    Frustum::lookAt(Vector3(0, 5, 0), Vector3(0, 0, 0), Vector3(0, 1, 0), m);  // up along the view
    for (float x : m)
        EXPECT_TRUE(std::isfinite(x));
    // A rotation: the side row has unit length.
    EXPECT_NEAR(1.0f, std::sqrt(m[0] * m[0] + m[4] * m[4] + m[8] * m[8]), 1e-5f);

    float zero[16] = {}, planes[6][4];
    Frustum::extract(zero, zero, planes);
    for (const auto& p : planes)
        for (int i = 0; i < 4; ++i)
            EXPECT_TRUE(std::isfinite(p[i]));
}

// Model drawing skips what lies outside the planes and counts it. No
// context is current, so the drawing calls themselves go nowhere.
TEST(FrustumTest, ModelDrawingSkipsAndCountsObjectsOutsideTheView)
{
    RenderEngine re(new GLRender);
    View v;
    std::copy(&v.planes[0][0], &v.planes[0][0] + 24, &re.frustum[0][0]);
    Sprite model(&re, 0.0f, 0.0f, -20.0f);
    auto add = [&](Vector3 lo, Vector3 hi) {
        Object* o = new Object;
        o->boxMin = lo;
        o->boxMax = hi;
        o->computeBounds();
        model.objects.push_back(o);
    };
    add(Vector3(-1, -1, -1), Vector3(1, 1, 1));      // straight ahead
    add(Vector3(-1, -1, 30), Vector3(1, 1, 32));     // behind the eye once moved
    add(Vector3(-40, -1, -1), Vector3(-30, 1, 1));   // far to the left
    add(Vector3(-25, -1, -1), Vector3(-15, 1, 1));   // across the left edge
    re.culledCount = 0;
    re.renderer->renderModel(&model);
    EXPECT_EQ(2, re.culledCount);
    // Moved far away, everything is culled.
    model.worldPosition = Vector3(0, 0, -1000);
    re.culledCount = 0;
    model.draw();
    EXPECT_EQ(4, re.culledCount);
}
