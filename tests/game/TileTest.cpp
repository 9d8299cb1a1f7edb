#include "support/BoardSetup.h"

using TileTest = BoardTest;

TEST_F(TileTest, MatchFollowsOnlyTheFirstTilesList)
{
    Level level;
    Tile* a = newTile(level, "Bamboo1", {});
    Tile* b = newTile(level, "Bamboo1", {"Bamboo1"});
    Tile* plum = newTile(level, "Plum", {"Bam", "Plum", "Orc"});
    Tile* plu = newTile(level, "Plu", {"Plum"});
    EXPECT_FALSE(a->match(b));  // same name, but a does not list it
    EXPECT_TRUE(b->match(a));
    EXPECT_FALSE(plum->match(plu));  // names compare by all their bytes
    EXPECT_TRUE(plu->match(plum));
    EXPECT_FALSE(plum->match(nullptr));
    for (Tile* t : {a, b, plum, plu})
        delete t;
}
