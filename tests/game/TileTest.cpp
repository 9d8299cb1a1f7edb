#include "support/BoardSetup.h"

using TileTest = BoardTest;

TEST_F(TileTest, MatchFollowsOnlyTheFirstTilesList)
{
    Level level;
    const auto a = newTile(level, "Bamboo1", {});
    const auto b = newTile(level, "Bamboo1", {"Bamboo1"});
    const auto plum = newTile(level, "Plum", {"Bam", "Plum", "Orc"});
    const auto plu = newTile(level, "Plu", {"Plum"});
    EXPECT_FALSE(a->match(b.get()));  // same name, but a does not list it
    EXPECT_TRUE(b->match(a.get()));
    EXPECT_FALSE(plum->match(plu.get()));  // names compare by all their bytes
    EXPECT_TRUE(plu->match(plum.get()));
    EXPECT_FALSE(plum->match(nullptr));
}
