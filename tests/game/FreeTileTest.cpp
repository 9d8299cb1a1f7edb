#include "support/BoardSetup.h"

using FreeTileTest = BoardTest;

TEST_F(FreeTileTest, CoveredByAnyQuarterIsNotFree)
{
    const Point quarters[4] = {{1, 1, 1}, {3, 1, 1}, {1, 3, 1}, {3, 3, 1}};
    for (const Point& q : quarters) {
        Level level;
        makeBoard(level, 10, 6, 3);
        Tile* low = put(level, "A", 2, 2, 0);
        EXPECT_TRUE(level.isFree(low));
        Tile* up = put(level, "B", q.x, q.y, q.z);
        EXPECT_FALSE(level.isFree(low)) << q.x << "," << q.y;
        up->state = TILE_CLEARED;
        EXPECT_TRUE(level.isFree(low));
        up->state = TILE_SLOTTED;
        EXPECT_TRUE(level.isFree(low));
        up->state = TILE_SELECTED;
        EXPECT_FALSE(level.isFree(low));
    }
    // A tile resting on the layer above but beside the block does not cover it.
    Level level;
    makeBoard(level, 10, 6, 3);
    Tile* low = put(level, "A", 2, 2, 0);
    put(level, "B", 4, 2, 1);
    EXPECT_TRUE(level.isFree(low));
}

TEST_F(FreeTileTest, SidesBlockOnlyWhenBothAreTaken)
{
    Level level;
    makeBoard(level, 12, 6, 2);
    Tile* mid = put(level, "M", 4, 2, 0);
    Tile* left = put(level, "L", 2, 2, 0);
    EXPECT_TRUE(level.isFree(mid));
    Tile* right = put(level, "R", 6, 2, 0);
    EXPECT_FALSE(level.isFree(mid));
    EXPECT_TRUE(level.isFree(left));
    EXPECT_TRUE(level.isFree(right));
    left->state = TILE_SET_ASIDE;
    EXPECT_TRUE(level.isFree(mid));
    EXPECT_FALSE(level.isFree(left));  // set aside: never free itself

    // Half a tile of room on one side is enough.
    Level gap;
    makeBoard(gap, 12, 6, 1);
    put(gap, "L", 0, 2, 0);
    Tile* m = put(gap, "M", 2, 2, 0);
    put(gap, "R", 5, 2, 0);
    EXPECT_TRUE(gap.isFree(m));
}

TEST_F(FreeTileTest, HalfTileOffsetNeighboursBlockTheSideTheyShare)
{
    Level level;
    makeBoard(level, 12, 8, 1);
    Tile* mid = put(level, "M", 4, 2, 0);       // rows 2 and 3
    Tile* left = put(level, "L", 2, 3, 0);      // rows 3 and 4: shares row 3
    put(level, "R", 6, 1, 0);                   // rows 1 and 2: shares row 2
    EXPECT_FALSE(level.isFree(mid));
    left->state = TILE_CLEARED;
    EXPECT_TRUE(level.isFree(mid));

    Level apart;
    makeBoard(apart, 12, 8, 1);
    Tile* m2 = put(apart, "M", 4, 2, 0);
    put(apart, "L", 2, 4, 0);                   // rows 4 and 5: no shared row
    put(apart, "R", 6, 2, 0);
    EXPECT_TRUE(apart.isFree(m2));
}

TEST_F(FreeTileTest, EdgeColumnsSlottedAndClearedTiles)
{
    Level level;
    makeBoard(level, 8, 4, 2);
    Tile* edge = put(level, "E", 0, 0, 0);
    Tile* next = put(level, "N", 2, 0, 0);
    Tile* far = put(level, "F", 4, 0, 0);
    Tile* top = put(level, "T", 0, 0, 1);
    EXPECT_FALSE(level.isFree(edge));  // covered
    top->state = TILE_CLEARED;
    EXPECT_TRUE(level.isFree(edge));   // nothing can be to its left
    EXPECT_FALSE(level.isFree(next));
    EXPECT_FALSE(level.isFree(top));   // cleared: never free

    // Parked in a slot: free whatever surrounds it, and no longer blocking.
    level.setSlotEnabled(0, true);
    ASSERT_TRUE(level.slotTile(next, true, true));
    EXPECT_TRUE(level.isFree(next));
    EXPECT_TRUE(level.isFree(far));
    put(level, "Cover", 2, 0, 1);
    EXPECT_TRUE(level.isFree(next));
}

TEST_F(FreeTileTest, CountsOfFreeAndRemainingTiles)
{
    Level level;
    makeBoard(level, 10, 4, 2);
    Tile* a = put(level, "A", 0, 0, 0);
    Tile* b = put(level, "B", 2, 0, 0);
    Tile* c = put(level, "C", 4, 0, 0);
    Tile* d = put(level, "D", 6, 0, 0);
    Tile* e = put(level, "E", 2, 0, 1);
    EXPECT_EQ(0, level.tilesFree());
    level.updateTilesFree();
    EXPECT_EQ(3, level.tilesFree());  // a, d and the top tile e
    EXPECT_TRUE(a->free);
    EXPECT_FALSE(b->free);
    EXPECT_EQ(5, level.tilesLeft());

    b->state = TILE_SELECTED;
    level.setSlotEnabled(0, true);
    level.slotTile(c, true, false);
    e->state = TILE_CLEARED;
    d->state = TILE_SET_ASIDE;
    EXPECT_EQ(3, level.tilesLeft());  // a, selected b, slotted c
    level.tiles.push_back(nullptr);
    EXPECT_EQ(3, level.tilesLeft());
    level.updateTilesFree();
    EXPECT_EQ(3, level.tilesFree());
    EXPECT_FALSE(d->free);
}

TEST_F(FreeTileTest, PlacementCellsAndPosition)
{
    re->loadModel(TileSet::tileModelFile);
    Level level;
    makeBoard(level, 10, 6, 3);
    level.tiles.push_back(newTile(level, "A", {"A"}));
    Tile* t = level.tiles.back();
    t->makeDuplicate(TileSet::tileModelFile);
    t->setVisibility(false);
    ASSERT_TRUE(level.placeTile(t, 4, 2, 1));
    EXPECT_EQ((std::vector<Point>{{4, 2, 1}, {5, 2, 1}, {4, 3, 1}, {5, 3, 1}}), t->mapPoints);
    EXPECT_EQ(t, level.cell(5, 3, 1));
    EXPECT_TRUE(t->visible);
    // Centred on the room: half a tile per grid step, a tile height per layer.
    EXPECT_FLOAT_EQ(0.0f, t->worldPosition.x);
    EXPECT_FLOAT_EQ(1.5f, t->worldPosition.y);
    EXPECT_FLOAT_EQ(0.0f, t->worldPosition.z);
    ASSERT_TRUE(level.placeTile(t, 0, 4, 0));
    EXPECT_FLOAT_EQ(-4.0f, t->worldPosition.x);
    EXPECT_FLOAT_EQ(3.0f, t->worldPosition.z);
    EXPECT_EQ(4u, t->mapPoints.size());

    // A block that would leave the grid is refused and touches nothing.
    for (const Point& off : {Point(9, 0, 0), Point(0, 5, 0), Point(0, 0, 3), Point(-1, 0, 0)})
        EXPECT_FALSE(level.placeTile(t, off.x, off.y, off.z));
    EXPECT_EQ(Point(0, 4, 0), t->mapPoints[0]);
    EXPECT_FALSE(level.inMapBounds(Point(10, 0, 0)));
    EXPECT_TRUE(level.inMapBounds(Point(9, 5, 2)));
}
