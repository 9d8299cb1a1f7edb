#include <sstream>

#include "support/BoardSetup.h"

using FreeTileTest = BoardTest;

namespace {
// A board of tiles "x,y,z" (a block of 2 x 2 cells from there), the first
// one checked. Later words change a tile: "cN", "sN", "aN" clear, park in a
// slot or set aside tile N.
struct Row {
    const char* board;
    const char* changes;
    bool free;
};

const Row rows[] = {
    {"2,2,0", "", true},
    // Anything covering any quarter of it; not what lies beside its block.
    {"2,2,0 1,1,1", "", false}, {"2,2,0 3,1,1", "", false}, {"2,2,0 1,3,1", "", false},
    {"2,2,0 3,3,1", "", false}, {"2,2,0 4,2,1", "", true}, {"2,2,1 2,2,2", "", false},
    // A cover cleared or parked no longer counts.
    {"2,2,0 3,3,1", "c1", true}, {"2,2,0 3,3,1", "s1", true},
    // Sides block only when both are taken; half a tile of room is enough.
    {"4,2,0 2,2,0", "", true}, {"4,2,0 2,2,0 6,2,0", "", false}, {"4,2,0 2,2,0 6,2,0", "a1", true},
    {"2,2,0 0,2,0 5,2,0", "", true},
    // Neighbours half a tile up or down block the side they share.
    {"4,2,0 2,3,0 6,1,0", "", false}, {"4,2,0 2,4,0 6,2,0", "", true},
    // Nothing is ever to the left of the first column.
    {"0,2,0 2,2,0", "", true},
    // Cleared and set-aside tiles are never free; parked ones always are.
    {"2,2,0", "c0", false}, {"2,2,0", "a0", false}, {"2,2,0 0,2,0 4,2,0", "s0", true},
    {"4,2,0 2,2,0 6,2,0", "s1", true},
};
}

TEST_F(FreeTileTest, TheFreeTileRule)
{
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.board) + " / " + row.changes);
        Level level;
        makeBoard(level, 12, 8, 3);
        level.setSlotEnabled(0, true);
        std::istringstream tiles(row.board);
        for (std::string t; tiles >> t;) {
            int x, y, z;
            char comma;
            std::istringstream(t) >> x >> comma >> y >> comma >> z;
            put(level, "T", x, y, z);
        }
        std::istringstream changes(row.changes);
        for (std::string c; changes >> c;) {
            Tile* t = level.tiles.at(std::stoul(c.substr(1))).get();
            if (c[0] == 's')
                ASSERT_TRUE(level.slotTile(t, true, false));
            else
                t->state = c[0] == 'c' ? TILE_CLEARED : TILE_SET_ASIDE;
        }
        EXPECT_EQ(row.free, level.isFree(level.tiles[0].get()));
    }
}

TEST_F(FreeTileTest, CountsAndPlacement)
{
    Level level;
    makeBoard(level, 10, 6, 2);
    Tile* a = put(level, "A", 0, 0, 0);
    Tile* b = put(level, "B", 2, 0, 0);
    Tile* c = put(level, "C", 4, 0, 0);
    Tile* d = put(level, "D", 6, 0, 0);
    Tile* e = put(level, "E", 2, 0, 1);
    level.updateTilesFree();
    EXPECT_EQ(3, level.tilesFree());  // a, d and the top tile e
    EXPECT_EQ(5, level.tilesLeft());
    b->state = TILE_SELECTED;
    level.setSlotEnabled(0, true);
    level.slotTile(c, true, false);
    e->state = TILE_CLEARED;
    d->state = TILE_SET_ASIDE;
    level.tiles.push_back(nullptr);
    EXPECT_EQ(3, level.tilesLeft());  // a, selected b, slotted c

    // A block fills its four cells; one that would leave the grid is
    // refused and touches nothing.
    ASSERT_TRUE(level.placeTile(a, 4, 2, 1));
    EXPECT_EQ((std::vector<Point>{{4, 2, 1}, {5, 2, 1}, {4, 3, 1}, {5, 3, 1}}), a->mapPoints);
    EXPECT_EQ(a, level.cell(5, 3, 1));
    for (const Point& off : {Point(9, 0, 0), Point(0, 5, 0), Point(0, 0, 2), Point(-1, 0, 0)})
        EXPECT_FALSE(level.placeTile(a, off.x, off.y, off.z));
    EXPECT_EQ(Point(4, 2, 1), a->mapPoints[0]);
}
