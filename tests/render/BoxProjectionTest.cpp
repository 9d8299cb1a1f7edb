#include <gtest/gtest.h>

#include <vector>

#include "render/BoxProjection.h"

namespace {
// A camera at the origin looking down -z: a 90-degree perspective with the
// near plane at 1 and the far plane at 100, on a 200 × 200 viewport.
const double identity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
const double perspective[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, -101.0 / 99.0, -1, 0, 0, -200.0 / 99.0, 0};
const int viewport[4] = {0, 0, 200, 200};

struct Rect {
    double x0 = 1e9, y0 = 1e9, x1 = -1e9, y1 = -1e9;
};

bool project(double zNear, double zFar, double xMin, double xMax, Rect& r)
{
    Vector3 c[8];
    for (int i = 0; i < 8; ++i)
        c[i] = Vector3(static_cast<float>(i & 1 ? xMax : xMin), static_cast<float>(i & 2 ? 1.0 : -1.0),
                       static_cast<float>(i & 4 ? zFar : zNear));
    return BoxProjection::extend(c, identity, perspective, viewport, r.x0, r.y0, r.x1, r.y1);
}
}

TEST(BoxProjectionTest, ABoxBehindTheEyeCoversNothingAndOneAcrossTheNearPlaneIsCutThere)
{
    Rect behind;
    EXPECT_FALSE(project(2.0, 5.0, -1.0, 1.0, behind));  // z positive: behind the camera
    EXPECT_EQ(1e9, behind.x0);

    // Wholly in front, 2 to 4 units away: its near face spans half the view.
    Rect front;
    ASSERT_TRUE(project(-2.0, -4.0, -1.0, 1.0, front));
    EXPECT_NEAR(50.0, front.x0, 1e-6);
    EXPECT_NEAR(150.0, front.x1, 1e-6);

    // From 3 units behind to 3 in front: the part in front is cut at the
    // near plane, where a unit half-width fills the whole view, and no
    // mirrored corner widens it beyond.
    Rect across;
    ASSERT_TRUE(project(3.0, -3.0, 0.0, 1.0, across));
    EXPECT_NEAR(100.0, across.x0, 1e-6);
    EXPECT_NEAR(200.0, across.x1, 1e-6);
    EXPECT_NEAR(0.0, across.y0, 1e-6);
    EXPECT_NEAR(200.0, across.y1, 1e-6);
}

TEST(BoxProjectionTest, UnitingWithAnEmptyBoxTakesTheOtherWholeNotTheOrigin)
{
    int box[4] = {0, 0, 0, 0};
    const int a[4] = {100, 50, 20, 10}, b[4] = {90, 70, 5, 5}, empty[4] = {300, 300, 0, 8};
    BoxProjection::unite(box, a);
    EXPECT_EQ((std::vector<int>{100, 50, 20, 10}), std::vector<int>(box, box + 4));
    BoxProjection::unite(box, empty);
    BoxProjection::unite(box, b);
    EXPECT_EQ((std::vector<int>{90, 50, 30, 25}), std::vector<int>(box, box + 4));
}
