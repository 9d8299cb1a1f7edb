#include "BoardFixture.h"

using LayoutTest = BoardTest;

TEST_F(LayoutTest, BuiltinTurtleHasItsPositionsInOrder)
{
    Layout l(re, Layout::builtinTurtleFile);
    // The default view reaches the camera: see LevelInitTest.
    EXPECT_EQ("Turtle", l.name);
    EXPECT_EQ(Vector3(30, 16, 5), Vector3(l.gridX, l.gridY, l.gridZ));
    EXPECT_EQ("Assets/Layouts/turtle_preview.png", l.previewImage);
    ASSERT_EQ(144u, l.tileCoordinates.size());

    // The table of runs: z, y, first x, last x (x steps by 2).
    const int runs[][4] = {
        {0, 0, 2, 24}, {0, 2, 6, 20}, {0, 4, 4, 22}, {0, 6, 2, 24}, {0, 7, 0, 0},
        {0, 8, 2, 24}, {0, 7, 26, 28}, {0, 10, 4, 22}, {0, 12, 6, 20}, {0, 14, 2, 24},
        {1, 2, 8, 18}, {1, 4, 8, 18}, {1, 6, 8, 18}, {1, 8, 8, 18}, {1, 10, 8, 18}, {1, 12, 8, 18},
        {2, 4, 10, 16}, {2, 6, 10, 16}, {2, 8, 10, 16}, {2, 10, 10, 16},
        {3, 6, 12, 14}, {3, 8, 12, 14}, {4, 7, 13, 13}};
    size_t i = 0;
    for (const auto& r : runs)
        for (int x = r[2]; x <= r[3]; x += 2, ++i)
            ASSERT_EQ(Vector3(x, r[1], r[0]), l.tileCoordinates[i]) << "position " << i;
    EXPECT_EQ(144u, i);
    EXPECT_TRUE(l.isPlayable());
}

TEST_F(LayoutTest, ReadsKeysAndCoordinatesFromAFile)
{
    Layout l(re, "layouts/two.lyt");
    EXPECT_EQ("TwoTiles", l.name);  // a key given twice takes its last value
    EXPECT_EQ(Vector3(1, 2, 3), l.defaultCameraTranslation);
    EXPECT_EQ(Vector3(10, 20, 30), l.defaultCameraTrack);
    EXPECT_EQ(12.5f, l.defaultCameraZoom);
    EXPECT_EQ(40.0f, l.defaultFov);  // a bad number keeps the default
    EXPECT_EQ(Vector3(6, 4, 2), Vector3(l.gridX, l.gridY, l.gridZ));
    // Words between "Tile" entries are skipped; a "Tile" cut short adds nothing.
    ASSERT_EQ(2u, l.tileCoordinates.size());
    EXPECT_EQ(Vector3(0, 0, 0), l.tileCoordinates[0]);
    EXPECT_EQ(Vector3(2, 0, 0), l.tileCoordinates[1]);
    EXPECT_TRUE(l.isPlayable());

    Layout cut(re, "layouts/truncated.lyt");
    EXPECT_EQ(2u, cut.tileCoordinates.size());
    Layout unfinished(re, "layouts/unfinished.lyt");
    EXPECT_EQ("Unfinished", unfinished.name);
    EXPECT_EQ(30, unfinished.gridX);
    EXPECT_TRUE(unfinished.tileCoordinates.empty());
}

TEST_F(LayoutTest, UnplayableLayoutsAreRefusedBeforeADeal)
{
    for (const char* file : {"layouts/nogrid.lyt", "layouts/outside.lyt", "layouts/missing.lyt",
                             "layouts/unfinished.lyt"}) {
        Level level;
        withLayoutAndSet(level, new Layout(re, file), TileSet::standardFile);
        EXPECT_FALSE(level.layout->isPlayable()) << file;
        EXPECT_FALSE(level.deal()) << file;
        EXPECT_TRUE(level.tiles.empty()) << file;
        EXPECT_EQ(0, level.tilesLeft());
    }
    Layout huge(re, "layouts/two.lyt");
    huge.gridX = 100000;
    EXPECT_FALSE(huge.isPlayable());
}

TEST_F(LayoutTest, OddLayoutLeavesItsLastPositionEmpty)
{
    Level level;
    withLayoutAndSet(level, new Layout(re, "layouts/odd.lyt"), TileSet::standardFile);
    EXPECT_TRUE(level.deal());
    ASSERT_EQ(2u, level.tiles.size());
    EXPECT_EQ(2, level.tilesLeft());
    EXPECT_EQ(nullptr, level.cell(4, 0, 0));
    for (Tile* t : level.tiles)
        EXPECT_FALSE(t->mapPoints.empty());
}
