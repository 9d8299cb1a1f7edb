#include <gtest/gtest.h>

#include "game/Level.h"
#include "game/Difficulty.h"
#include "persist/SavedGame.h"

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

TEST(SavedGameTest, EveryFieldOfTheBoardComesBackAsWritten)
{
    Level level;
    level.randomSeed = 1234;
    level.matchPoints = {1500, 1700};
    const SavedGame g =
        SavedGame::parse(SavedGame::boardLines(level, 125, 3, 2, 4, "a.lyt", "b.tls", DIFFICULTY_EASY));
    EXPECT_EQ(125, g.time);
    EXPECT_EQ(3, g.hints);
    EXPECT_EQ(2, g.shuffles);
    EXPECT_EQ(4, g.undos);
    EXPECT_EQ(1234u, g.seed);
    EXPECT_EQ("a.lyt", g.layout);
    EXPECT_EQ("b.tls", g.tileSet);
    EXPECT_EQ("Easy", g.difficulty);
    EXPECT_EQ((std::vector<int>{1500, 1700}), g.score);
}
