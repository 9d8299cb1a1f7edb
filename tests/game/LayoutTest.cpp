#include "support/BoardSetup.h"

using LayoutTest = BoardTest;

TEST_F(LayoutTest, ReadsKeysAndCoordinatesFromAFile)
{
    Layout l(re, "layouts/two.lyt");
    EXPECT_EQ("TwoTiles", l.name);  // a key given twice takes its last value
    EXPECT_EQ(Vector3(10, 20, 30), l.defaultCameraTrack);
    EXPECT_EQ(40.0f, l.defaultFov);  // a bad number keeps the default
    EXPECT_EQ(Vector3(6, 4, 2), Vector3(l.gridX, l.gridY, l.gridZ));
    // Words between "Tile" entries are skipped; a "Tile" cut short adds nothing.
    EXPECT_EQ((std::vector<Vector3>{{0, 0, 0}, {2, 0, 0}}), l.tileCoordinates);
    EXPECT_EQ(2u, Layout(re, "layouts/truncated.lyt").tileCoordinates.size());
}

TEST_F(LayoutTest, UnplayableAndOverlappingLayoutsAreRefusedBeforeADeal)
{
    for (const char* file : {"layouts/nogrid.lyt", "layouts/outside.lyt", "layouts/missing.lyt",
                             "layouts/unfinished.lyt"}) {
        Level level;
        withLayoutAndSet(level, new Layout(re, file), TileSet::standardFile);
        EXPECT_FALSE(level.deal()) << file;
        EXPECT_TRUE(level.tiles.empty()) << file;
    }
    // Half a tile apart on one layer, or one on another: overlapping.
    for (const Vector3& second : {Vector3(1, 1, 0), Vector3(0, 0, 0), Vector3(1, 0, 0)}) {
        Level level;
        withLayoutAndSet(level, board::gridLayout(re, 8, 4, 2, {{0, 0, 0}, second, {4, 0, 0}, {6, 0, 1}}),
                         TileSet::standardFile);
        EXPECT_FALSE(level.deal());
        EXPECT_TRUE(dir.logged("Layout with overlapping positions refused: no_such_layout.lyt"));
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
    EXPECT_EQ(2, level.tilesLeft());
    EXPECT_EQ(nullptr, level.cell(4, 0, 0));
}
