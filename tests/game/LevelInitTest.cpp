#include "BoardFixture.h"

#include "render/Object.h"
#include "render/Sprite.h"

using LevelInitTest = BoardTest;

TEST_F(LevelInitTest, InitDealsLoadsTheRoomAndTheRewards)
{
    Level level;
    level.setLayout(new Layout(re, Layout::builtinTurtleFile));
    TileSet* ts = new TileSet(re, se, &level);
    ts->createTileSet(TileSet::standardFile);
    level.init(re, se, ts);

    EXPECT_EQ(42u, level.randomSeed);
    EXPECT_EQ(144, level.tilesLeft());
    EXPECT_EQ(144u, level.solution.size());
    EXPECT_EQ(level.tiles, re->boardTiles);
    EXPECT_EQ(Vector3(-1, 0, 0.1f), re->camera.defaultTrack);
    EXPECT_EQ(Vector3(18, 0, 15), re->camera.defaultRotation);
    EXPECT_EQ(10.0f, re->camera.defaultZoom);
    EXPECT_EQ(40.0f, re->camera.fovy);  // the camera was put into its default view
    EXPECT_EQ(&level, re->camera.level);

    ASSERT_NE(nullptr, level.room);
    EXPECT_EQ(2u, level.room->objects.size());
    ASSERT_EQ(1u, re->sprites.size());
    EXPECT_EQ(level.room, re->sprites[0]);

    // Keys before the first model are ignored; a cut-short value changes nothing.
    ASSERT_EQ(2u, re->rewardSprites.size());
    Sprite* cat = re->rewardSprites[0];
    EXPECT_FALSE(cat->visible);
    EXPECT_EQ(Vector3(1, 2, 3), cat->worldPosition);
    EXPECT_EQ(Vector3(0, 90, 0), cat->rotation);
    EXPECT_EQ(Vector3(4, 5, 6), cat->objects[1]->pivot);
    EXPECT_EQ(Vector3(0, 0, 0), cat->objects[0]->pivot);
    EXPECT_EQ(Vector3(0, 0, 0), re->rewardSprites[1]->rotation);

    // The same layout and set deal the same board as a new game would.
    Level again;
    dealBuiltin(again, TileSet::standardFile);
    ASSERT_EQ(level.tiles.size(), again.tiles.size());
    for (size_t i = 0; i < level.tiles.size(); ++i) {
        EXPECT_EQ(level.tiles[i]->name, again.tiles[i]->name);
        EXPECT_EQ(level.tiles[i]->gridPosition, again.tiles[i]->gridPosition);
    }
}

TEST_F(LevelInitTest, MissingRewardsFileStopsStartUp)
{
    ASSERT_EQ(0, chdir("layouts"));
    Level level;
    EXPECT_THROW(level.loadRewards(), const char*);
    ASSERT_EQ(0, chdir(".."));
}
