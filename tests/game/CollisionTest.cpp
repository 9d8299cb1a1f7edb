#include "support/BoardSetup.h"

#include "game/Collision.h"
#include "render/Object.h"
#include "render/Sprite.h"

// The room fixture holds two boxes: "Crate" (0..2)^3 and "Shelf" x 10..12.
class RoomCollisionTest : public BoardTest {
protected:
    Level level;
    Sprite* room = nullptr;

    void SetUp() override
    {
        BoardTest::SetUp();
        re->loadModel("Assets/Scenes/Bedroom/room.obj");
        re->sprites.push_back(std::make_unique<Sprite>(re, 0, 0, 0));
        room = re->sprites.back().get();
        room->makeDuplicate("Assets/Scenes/Bedroom/room.obj");
        ASSERT_EQ(2u, room->objects.size());
        level.room = room;
    }
};

TEST_F(RoomCollisionTest, NothingOneWallOrThroughTheBox)
{
    std::vector<CollisionObj> hits;
    EXPECT_FALSE(level.collision({4, 1, 1}, {8, 1, 1}, &hits, nullptr));
    EXPECT_TRUE(hits.empty());
    EXPECT_FALSE(level.collision({4, 5, 1}, {14, 5, 1}, nullptr, nullptr));
    Level roomless;
    EXPECT_FALSE(roomless.collision({-5, 1, 1}, {5, 1, 1}, &hits, nullptr));

    // From outside into the crate: one face crossed.
    EXPECT_TRUE(level.collision({-1, 1, 1}, {1, 1, 1}, &hits, nullptr));
    ASSERT_EQ(1u, hits.size());
    EXPECT_EQ(room->objects[0], hits[0].object);
    EXPECT_EQ(std::vector<Vector3>{Vector3(0, 1, 1)}, hits[0].points);
    EXPECT_EQ(std::vector<Vector3>{Vector3(-1, 0, 0)}, hits[0].normals);

    // An ignored object is never reported.
    hits.clear();
    std::vector<Object*> ignore = {room->objects[0]};
    EXPECT_TRUE(level.collision({-1, 1, 1}, {13, 1, 1}, &hits, &ignore));
    ASSERT_EQ(1u, hits.size());
    EXPECT_EQ(room->objects[1], hits[0].object);
}
