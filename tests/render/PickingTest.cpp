#include <gtest/gtest.h>

#include "game/Tile.h"
#include "render/Frustum.h"
#include "render/Object.h"
#include "render/Picking.h"
#include "render/RenderEngine.h"
#include "render/Renderer.h"

namespace {
constexpr int width = 1280, height = 800;

// Tiles whose last object is a flat face 2.36 x 3.32 at the top of a body
// 1.92 high, as the game's tile mesh has, seen from above and in front.
class PickingTest : public ::testing::Test {
protected:
    RenderEngine re{new Renderer};
    std::vector<Tile*> tiles;
    std::vector<Tile*> hits;
    float projection[16], modelview[16];
    const int viewport[4] = {0, 0, width, height};
    Vector3 eye{0, 50, 20};

    void SetUp() override
    {
        Frustum::perspective(40.0f, float(width) / height, 1.0f, 500.0f, projection);
        Frustum::lookAt(eye, Vector3(), Vector3(0, 0, -1), modelview);
    }
    void TearDown() override
    {
        for (Tile* t : tiles)
            delete t;
    }
    Tile* tileAt(Vector3 at)
    {
        Tile* t = new Tile(&re, nullptr, nullptr, 0, 0, 0, 0, 0, 0, 0);
        Object* face = new Object;
        face->name = "Face";
        face->boxMin = Vector3(-1.18f, 1.92f, -1.66f);
        face->boxMax = Vector3(1.18f, 1.92f, 1.66f);
        face->computeBounds();
        t->objects.push_back(face);
        t->worldPosition = at;
        tiles.push_back(t);
        return t;
    }
    // Window pixel (y downwards) where a world point shows.
    void project(Vector3 p, int& x, int& y)
    {
        float pm[16];
        Frustum::multiply(projection, modelview, pm);
        const float c[4] = {p.x, p.y, p.z, 1.0f};
        float clip[4];
        for (int r = 0; r < 4; ++r)
            clip[r] = pm[r] * c[0] + pm[4 + r] * c[1] + pm[8 + r] * c[2] + pm[12 + r] * c[3];
        x = int((clip[0] / clip[3] * 0.5f + 0.5f) * width);
        y = height - int((clip[1] / clip[3] * 0.5f + 0.5f) * height);
    }
    Tile* pickAt(Vector3 p)
    {
        int x, y;
        project(p, x, y);
        return Picking::select(x, y, height, modelview, projection, viewport, tiles, eye, hits);
    }
};
}

TEST_F(PickingTest, TheUpperOfTwoStackedTilesIsPickedAndAHiddenOneIsNot)
{
    Tile* lower = tileAt(Vector3(0, 0, 0));
    Tile* upper = tileAt(Vector3(0, 1.92f, 0));
    Tile* beside = tileAt(Vector3(4, 0, 0));
    EXPECT_EQ(upper, pickAt(Vector3(0, 3.84f, 0)));
    EXPECT_EQ(2u, hits.size());  // both faces under the pointer

    EXPECT_EQ(beside, pickAt(Vector3(4, 1.92f, 0.5f)));
    // A hidden tile is not there for the ray.
    upper->visible = false;
    EXPECT_EQ(lower, pickAt(Vector3(0, 3.84f, 0)));

    // Beside the board: nothing, and no hits left over.
    EXPECT_EQ(nullptr, pickAt(Vector3(12, 1.92f, 0)));
    EXPECT_TRUE(hits.empty());
}
