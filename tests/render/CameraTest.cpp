#include <gtest/gtest.h>

#include <memory>

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

// A level whose room is made of hand-placed boxes; the camera looks at the
// origin from straight above.
class RoomTest : public ::testing::Test {
protected:
    RenderEngine re{std::make_unique<Renderer>()};
    Level level;
    Sprite* room = nullptr;

    RoomTest()
    {
        re.sprites.push_back(std::make_unique<Sprite>(&re, 0.0f, 0.0f, 0.0f));
        room = re.sprites.back().get();
        level.room = room;
    }
    ~RoomTest() override
    {
        level.room = nullptr;
        re.clean_up();
    }
    void addBox(Vector3 lo, Vector3 hi)
    {
        Object* o = room->addObject(std::make_unique<Object>());
        o->boxMin = lo;
        o->boxMax = hi;
        o->computeBounds();
    }
    Camera above(float d, Level* l)
    {
        Camera c(l);
        c.setDefaults(Vector3(), Vector3(), d - 50.0f, 40.0f);
        return c;
    }
};
}

TEST_F(RoomTest, ZoomStopsFiveUnitsFromTheLookAtPointAndTheFieldOfViewIsClamped)
{
    Camera c = above(5.0f, nullptr);
    c.zoom(-1.0f, false);
    expectNear(Vector3(0, 5, 0), c.eye);  // refused
    c.zoom(2.0f, false);
    expectNear(Vector3(0, 7, 0), c.eye);
    c.zoom(-100.0f, false);  // a long step stops at 5 instead of passing through
    expectNear(Vector3(0, 5, 0), c.eye);
    c.zoom(-0.5f, true);
    expectNear(Vector3(0, 5, 0), c.eye);
    c.setDefaults(Vector3(), Vector3(), 0.0f, 500.0f);  // a layout's field of view is clamped
    EXPECT_FLOAT_EQ(90.0f, c.fovy);
}

TEST_F(RoomTest, TheCameraDoesNotPassThroughFurniture)
{
    addBox(Vector3(-10, 20, -10), Vector3(10, 22, 10));  // a shelf over the board
    Camera c = above(40.0f, &level);
    c.zoom(-5.0f, false);
    expectNear(Vector3(0, 35, 0), c.eye);
    c.zoom(-20.0f, false);  // would pass through the shelf
    expectNear(Vector3(0, 35, 0), c.eye);
    c.translate(0.0f, -14.0f, 0.0f, false);
    expectNear(Vector3(0, 35, 0), c.eye);
    c.translate(1.0f, 2.0f, 3.0f, false);  // clear of the shelf
    expectNear(Vector3(1, 37, 3), c.eye);
    c.translate(0.0f, -14.0f, 0.0f, true);
    expectNear(Vector3(1, 23, 3), c.eye);

    // Tracking into a surface pushes the eye off it, 5 units away.
    RoomTest::addBox(Vector3(-50, 20, -50), Vector3(50, 22, 50));
    Camera t = above(40.0f, &level);
    t.translate(0.0f, -4.0f, 0.0f, true);
    t.track(0.0f, 0.0f, 0.0f, false);
    expectNear(Vector3(0, 15, 0), t.eye);
    EXPECT_FALSE(level.collision(t.target, t.eye, nullptr, nullptr));
    t.track(0.0f, 0.0f, 0.0f, true);
    expectNear(Vector3(0, 36, 0), t.eye);
}
