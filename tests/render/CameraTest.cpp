#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "game/Level.h"
#include "render/Camera.h"
#include "render/Object.h"
#include "render/RenderEngine.h"
#include "render/Renderer.h"
#include "render/Sprite.h"

namespace {
void expectNear(const Vector3& want, const Vector3& got, float tol = 1e-3f)
{
    EXPECT_NEAR(want.x, got.x, tol);
    EXPECT_NEAR(want.y, got.y, tol);
    EXPECT_NEAR(want.z, got.z, tol);
}

bool finite(const Vector3& v)
{
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

void expectFinite(const Camera& c)
{
    EXPECT_TRUE(finite(c.eye));
    EXPECT_TRUE(finite(c.centre));
    EXPECT_TRUE(finite(c.target));
    EXPECT_TRUE(finite(c.up));
    EXPECT_TRUE(finite(c.angles));
    EXPECT_TRUE(std::isfinite(c.distance));
    EXPECT_TRUE(std::isfinite(c.fovy));
}

// A level whose room is made of hand-placed boxes, with a do-nothing renderer.
class RoomTest : public ::testing::Test {
protected:
    RenderEngine re{new Renderer};
    Level level;
    Sprite* room = nullptr;

    void SetUp() override
    {
        room = new Sprite(&re, 0.0f, 0.0f, 0.0f);
        re.sprites.push_back(room);
        level.room = room;
    }
    void TearDown() override
    {
        level.room = nullptr;
        re.clean_up();
    }
    void addBox(Vector3 lo, Vector3 hi)
    {
        Object* o = new Object;
        o->boxMin = lo;
        o->boxMax = hi;
        o->computeBounds();
        room->objects.push_back(o);
    }
    // Camera looking at the origin from distance d straight above.
    Camera above(float d)
    {
        Camera c(&level);
        c.setDefaults(Vector3(), Vector3(), d - 50.0f, 40.0f);
        return c;
    }
};
}

TEST(CameraTest, DefaultsGiveTheTopViewAndWrapAngles)
{
    Camera c(nullptr);
    c.setDefaults(Vector3(), Vector3(), 0.0f, 45.0f);
    expectNear(Vector3(0, 50, 0), c.eye);
    expectNear(Vector3(), c.centre);
    expectNear(Vector3(0, 0, -1), c.up);
    EXPECT_FLOAT_EQ(45.0f, c.fovy);
    EXPECT_FLOAT_EQ(50.0f, c.distance);

    // The layout's view: zoom moves the eye out, the offset moves everything,
    // the orbit keeps the eye at distance from the target with up at right
    // angles to the line of sight.
    c.setDefaults(Vector3(-1, 0, 0.1f), Vector3(18, 0, 15), 10.0f, 40.0f);
    expectNear(Vector3(-1, 0, 0.1f), c.target);
    expectNear(Vector3(-1, 0, 0.1f), c.centre);
    EXPECT_NEAR(60.0f, Vector3::Distance(c.eye, c.target), 1e-3f);
    EXPECT_NEAR(0.0f, c.up.dot(c.eye - c.centre), 1e-3f);
    EXPECT_GT(c.eye.y, 50.0f);   // above the board
    EXPECT_GT(c.eye.z, c.target.z);  // from the front (+z)
    EXPECT_LT(c.eye.x, c.target.x);  // turned to the left by the z angle

    const Vector3 before = c.angles;
    c.track(370.0f, 0.0f, 0.0f, true);
    EXPECT_NEAR(std::fmod(before.x + 10.0f, 360.0f), c.angles.x, 1e-3f);
    c.track(-400.0f, 725.0f, 0.0f, true);
    EXPECT_NEAR(std::fmod(before.x + 10.0f - 400.0f, 360.0f), c.angles.x, 1e-3f);
    EXPECT_NEAR(5.0f, c.angles.y, 1e-3f);
}

TEST(CameraTest, FieldOfViewIsClamped)
{
    Camera c(nullptr);
    EXPECT_FLOAT_EQ(25.0f, c.fovy);
    c.fov(100.0f);
    EXPECT_FLOAT_EQ(90.0f, c.fovy);
    c.fov(-100.0f);
    EXPECT_FLOAT_EQ(1.0f, c.fovy);
    c.fov(4.5f);
    EXPECT_FLOAT_EQ(5.5f, c.fovy);
    // A layout's field of view is kept in range as well.
    c.setDefaults(Vector3(), Vector3(), 0.0f, 0.0f);
    EXPECT_FLOAT_EQ(1.0f, c.fovy);
    c.setDefaults(Vector3(), Vector3(), 0.0f, 500.0f);
    EXPECT_FLOAT_EQ(90.0f, c.fovy);
}

TEST(CameraTest, ZoomStopsFiveUnitsFromTheLookAtPoint)
{
    Camera c(nullptr);
    c.setDefaults(Vector3(), Vector3(), -45.0f, 40.0f);  // distance 5
    EXPECT_FLOAT_EQ(5.0f, c.distance);
    c.zoom(-1.0f, false);
    expectNear(Vector3(0, 5, 0), c.eye);  // refused
    c.zoom(2.0f, false);
    expectNear(Vector3(0, 7, 0), c.eye);  // out is allowed
    EXPECT_FLOAT_EQ(7.0f, c.distance);
    // A long step in stops at 5 instead of passing through the look-at point.
    c.zoom(-100.0f, false);
    expectNear(Vector3(0, 5, 0), c.eye);
    c.zoom(-0.5f, true);
    expectNear(Vector3(0, 5, 0), c.eye);
}

TEST(CameraTest, DegenerateInputNeverLeavesNaN)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    Camera c(nullptr);
    c.setDefaults(Vector3(nan, 0, 0), Vector3(0, inf, 0), nan, nan);
    expectFinite(c);
    c.defaultZoom = -50.0f;  // the eye would sit on the target
    c.resetCamera();
    expectFinite(c);
    EXPECT_GE(c.distance, Camera::minZoomDistance);

    c.track(nan, 1.0f, inf, true);
    c.translate(inf, 0, 0, true);
    c.zoom(nan, false);
    c.rotate(nan, 0, 1, 0, false);
    c.rotate(30.0f, 0, 0, 0, false);  // no axis: no turn
    c.fov(nan);
    expectFinite(c);
    // Finite steps whose sum overflows.
    for (int i = 0; i < 4; ++i) {
        c.translate(3e38f, 0, 0, true);
        c.zoom(3e38f, true);
    }
    expectFinite(c);

    // Eye on the look-at point, up along nothing.
    c.eye = c.centre = Vector3(1, 2, 3);
    c.up = Vector3();
    c.zoom(-3.0f, false);
    c.relativeRotate(20.0f, true, true, false);
    c.track(10.0f, 10.0f, 10.0f, true);
    expectFinite(c);
}

TEST(CameraTest, RotateTurnsTheViewInPlace)
{
    Camera c(nullptr);
    c.setDefaults(Vector3(), Vector3(), 0.0f, 40.0f);
    c.rotate(90.0f, 1.0f, 0.0f, 0.0f, false);
    // The look-at point swings about the eye; the eye stays.
    expectNear(Vector3(0, 50, 0), c.eye);
    expectNear(Vector3(0, 50, -50), c.centre);
    expectNear(Vector3(0, 1, 0), c.up);
    // Pitching about the camera's side axis brings it back.
    c.relativeRotate(-90.0f, false, true, false);
    expectNear(Vector3(0, 0, 0), c.centre, 1e-2f);
    expectNear(Vector3(0, 0, -1), c.up);
}

TEST_F(RoomTest, TranslateAndZoomAreRefusedThroughFurniture)
{
    addBox(Vector3(-10, 20, -10), Vector3(10, 22, 10));  // a shelf over the board
    Camera c = above(40.0f);
    c.zoom(-5.0f, false);
    expectNear(Vector3(0, 35, 0), c.eye);
    c.zoom(-20.0f, false);  // would pass through the shelf
    expectNear(Vector3(0, 35, 0), c.eye);
    EXPECT_FLOAT_EQ(35.0f, c.distance);

    c.translate(0.0f, -14.0f, 0.0f, false);
    expectNear(Vector3(0, 35, 0), c.eye);
    expectNear(Vector3(), c.target);
    c.translate(1.0f, 2.0f, 3.0f, false);  // clear of the shelf
    expectNear(Vector3(1, 37, 3), c.eye);
    expectNear(Vector3(1, 2, 3), c.centre);
    expectNear(Vector3(1, 2, 3), c.target);
    c.translate(0.0f, -14.0f, 0.0f, true);
    expectNear(Vector3(1, 23, 3), c.eye);
}

TEST_F(RoomTest, TrackPushesTheEyeOffTheSurfaceItRanInto)
{
    addBox(Vector3(-50, 20, -50), Vector3(50, 22, 50));
    Camera c = above(40.0f);
    c.translate(0.0f, -4.0f, 0.0f, true);  // the target below the origin
    c.track(0.0f, 0.0f, 0.0f, false);
    // Pushed 5 units below the shelf's underside, whatever the target.
    expectNear(Vector3(0, 15, 0), c.eye);
    EXPECT_FALSE(level.collision(c.target, c.eye, nullptr, nullptr));
    // Ignoring collision puts the eye back on its orbit.
    c.track(0.0f, 0.0f, 0.0f, true);
    expectNear(Vector3(0, 36, 0), c.eye);
}

TEST_F(RoomTest, TrackThatCannotGetFreeKeepsTheLastSafePosition)
{
    // An enclosing box: its outward normals push the eye further out, so
    // the pushed position never stops hitting.
    addBox(Vector3(-30, -30, -30), Vector3(30, 30, 30));
    Camera c = above(40.0f);
    const Vector3 eye = c.eye, angles = c.angles, up = c.up;
    c.track(10.0f, 0.0f, 0.0f, false);
    expectNear(eye, c.eye);
    expectNear(angles, c.angles);
    expectNear(up, c.up);

    // Without a level nothing is refused.
    c.level = nullptr;
    c.track(10.0f, 0.0f, 0.0f, false);
    EXPECT_NEAR(10.0f, c.angles.x, 1e-4f);
}
