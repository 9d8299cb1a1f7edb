#include "support/BoardSetup.h"

#include "render/Material.h"

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

TEST_F(TileTest, SelectionHighlightWinsOverHover)
{
    Material highlight, hover;
    re->highlightMaterial = &highlight;
    re->hoverHighlightMaterial = &hover;
    Level level;
    Tile* t = newTile(level, "Red", {"Red"});
    t->hoverHighlightTile(true);
    EXPECT_EQ(&hover, t->overlay);
    t->highlightTile(true);
    t->hoverHighlightTile(false);
    t->hoverHighlightTile(true);
    EXPECT_EQ(&highlight, t->overlay);
    t->highlightTile(false);  // on a hovered tile the hover shows again
    EXPECT_EQ(&hover, t->overlay);
    t->hoverHighlightTile(false);
    EXPECT_EQ(nullptr, t->overlay);
    delete t;
    re->highlightMaterial = re->hoverHighlightMaterial = nullptr;
}

TEST_F(TileTest, StampsOfNeighbouringAtlasCellsTouchWithoutOverlapping)
{
    re->loadModel(TileSet::tileModelFile);
    Level level;
    Tile* left = newTile(level, "L", {});
    Tile* right = newTile(level, "R", {});
    for (Tile* t : {left, right})
        t->makeDuplicate(TileSet::tileModelFile);
    right->texturePosX = 1;
    left->setStampType();
    right->setStampType();
    EXPECT_GT(left->stampExtentU, 0.0f);
    EXPECT_FLOAT_EQ(left->stampOffsetU + left->stampExtentU, right->stampOffsetU);
    EXPECT_FLOAT_EQ(left->stampOffsetV, right->stampOffsetV);
    delete left;
    delete right;
}
