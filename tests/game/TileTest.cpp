#include "BoardFixture.h"

#include "render/Material.h"

using TileTestF = BoardTest;

TEST_F(TileTestF, MatchFollowsOnlyTheFirstTilesList)
{
    Level level;
    Tile* a = makeTile(level, "Bamboo1", {});
    Tile* b = makeTile(level, "Bamboo1", {"Bamboo1"});
    // Same name, but a does not list it.
    EXPECT_FALSE(a->match(b));
    EXPECT_TRUE(b->match(a));
    EXPECT_TRUE(b->match(b));

    Tile* plum = makeTile(level, "Plum", {"Bam", "Crys", "Plum", "Orc"});
    Tile* orc = makeTile(level, "Orc", {"Orc"});
    EXPECT_TRUE(plum->match(orc));
    EXPECT_FALSE(orc->match(plum));
    // Names compare by all their bytes.
    Tile* plu = makeTile(level, "Plu", {"Plum"});
    EXPECT_FALSE(plum->match(plu));
    EXPECT_FALSE(plum->match(nullptr));
}

TEST_F(TileTestF, SelectionHighlightWinsOverHover)
{
    Material highlight, hover;
    re->highlightMaterial = &highlight;
    re->hoverHighlightMaterial = &hover;
    Level level;
    Tile* t = makeTile(level, "Red", {"Red"});

    t->hoverHighlightTile(true);
    EXPECT_EQ(&hover, t->overlay);
    t->highlightTile(true);
    EXPECT_EQ(&highlight, t->overlay);
    // Turning hover off under a selection keeps the selection overlay.
    t->hoverHighlightTile(false);
    EXPECT_EQ(&highlight, t->overlay);
    t->hoverHighlightTile(true);
    EXPECT_EQ(&highlight, t->overlay);
    // Turning the selection off on a hovered tile shows the hover overlay.
    t->drawFlag = true;
    t->highlightTile(false);
    EXPECT_EQ(&hover, t->overlay);
    EXPECT_FALSE(t->drawFlag);
    t->hoverHighlightTile(false);
    EXPECT_EQ(nullptr, t->overlay);
    re->highlightMaterial = re->hoverHighlightMaterial = nullptr;
}

TEST_F(TileTestF, StampPlacementFromTheFaceObject)
{
    const std::string path = TileSet::tileModelFile;
    re->loadModel(path);
    Level level;
    Tile* t = makeTile(level, "Wheel5", {"Wheel5"});
    t->makeDuplicate(path);
    ASSERT_EQ(2u, t->objects.size());
    t->texturePosX = 4;
    t->texturePosY = 2;
    t->textureScaleX = 2.0f;
    t->setStampType();
    EXPECT_NEAR(0.1f, t->stampExtentU, 1e-6);
    EXPECT_NEAR(0.125f, t->stampExtentV, 1e-6);
    EXPECT_NEAR(0.1f * 4 * 2.0f, t->stampOffsetU, 1e-6);
    EXPECT_NEAR(0.125f * 2, t->stampOffsetV, 1e-6);

    // Without texture coordinates both extents are -1.
    Tile* bare = makeTile(level, "Bare", {});
    bare->texturePosX = 3;
    bare->texturePosY = 1;
    bare->setStampType();
    EXPECT_EQ(-1.0f, bare->stampExtentU);
    EXPECT_EQ(-1.0f, bare->stampExtentV);
    EXPECT_EQ(-3.0f, bare->stampOffsetU);
    EXPECT_EQ(-1.0f, bare->stampOffsetV);
}
