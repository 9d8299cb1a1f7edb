#include <gtest/gtest.h>

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
