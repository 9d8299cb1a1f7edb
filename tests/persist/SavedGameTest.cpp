#include <gtest/gtest.h>

#include "persist/SavedGame.h"

TEST(SavedGameTest, ParsesEveryLineAndSkipsWhatItCannotRead)
{
    const SavedGame g = SavedGame::parse({
        "Time: 125", "NumHint: lots", "NumShuffle: 2", "NumUndo: 3", "RandomSeed: -5",
        "CameraPos: 1 2 3", "CameraTarget:", "Layout: a.lyt", "Difficulty: Easy", "Unknown: 9",
        "<Score>", "1500", "oops", "", "-20", "</Score>",
        "<Tiles>", "Dot1 0 0 0", "Dot2 2.5 0", "Dot2 2 0 1", "</Tiles>",
        "<TileStates7>", "Dot1 0 0 0 1000 false", "Dot2 2 0 1 1005 maybe", "</TileStates>",
        "<TileStates>", "Dot1 0 0 0 1002 yes", "Dot2 2 0 1 1002 false", "Dot3 4 0 0 1002",
        "</TileStates>", "<TilesCleared>", "Dot1 0 0 0", "</TilesCleared>", "Time: 7"});
    EXPECT_EQ(7, g.time);  // the last one wins
    EXPECT_EQ(0, g.hints);
    EXPECT_EQ(0u, g.seed);
    EXPECT_EQ("a.lyt", g.layout);
    EXPECT_FALSE(g.hasTileSet);
    EXPECT_EQ((std::vector<int>{1500, -20}), g.score);
    ASSERT_EQ(2u, g.tiles.size());
    EXPECT_EQ(1.0, g.tiles[1].z);
    ASSERT_EQ(2u, g.snapshots.size());
    // A word other than true or false repeats the flag before it (true first).
    EXPECT_FALSE(g.snapshots[0][1].shown);
    EXPECT_EQ(1005, g.snapshots[0][1].state);
    EXPECT_TRUE(g.snapshots[1][0].shown);
    EXPECT_FALSE(g.snapshots[1][2].shown);
    EXPECT_TRUE(g.complete);
}

TEST(SavedGameTest, CompleteOnlyOnceASnapshotWasRead)
{
    EXPECT_FALSE(SavedGame::parse({"Time: 5", "<Tiles>", "Dot1 0 0 0", "</Tiles>"}).complete);
    EXPECT_FALSE(SavedGame::parse({}).complete);
    // A block without its end line ends with the stored lines.
    const SavedGame cut = SavedGame::parse({"<TileStates0>", "Dot1 0 0 0 1002 true"});
    EXPECT_TRUE(cut.complete);
    ASSERT_EQ(1u, cut.snapshots.size());
    EXPECT_EQ(1u, cut.snapshots[0].size());
}
