#include "support/BoardSetup.h"

#include "render/Object.h"
#include "render/Sprite.h"

using LevelInitTest = BoardTest;

TEST_F(LevelInitTest, InitDealsAsANewGameDoesAndLoadsTheRoomAndTheRewards)
{
    Level level;
    level.setLayout(new Layout(re, Layout::builtinTurtleFile));
    TileSet* ts = new TileSet(re, se, &level);
    ts->createTileSet(TileSet::standardFile);
    level.init(re, se, ts);
    EXPECT_TRUE(re->showsBoard(&level.tiles));
    EXPECT_EQ(&level, re->camera.level);
    Level again;
    dealBuiltin(again, TileSet::standardFile);
    ASSERT_EQ(144u, level.tiles.size());
    for (size_t i = 0; i < level.tiles.size(); ++i) {
        EXPECT_EQ(level.tiles[i]->name, again.tiles[i]->name);
        EXPECT_EQ(level.tiles[i]->gridPosition, again.tiles[i]->gridPosition);
    }

    ASSERT_NE(nullptr, level.room);
    EXPECT_EQ(2u, level.room->objects.size());
    ASSERT_EQ(2u, re->rewardSprites.size());
    Sprite* cat = re->rewardSprites[0].get();
    EXPECT_FALSE(cat->visible);
    EXPECT_EQ(Vector3(1, 2, 3), cat->worldPosition);
    EXPECT_EQ(Vector3(4, 5, 6), cat->objects[1]->pivot);
}
