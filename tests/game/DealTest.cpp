#include "BoardFixture.h"

#include <algorithm>
#include <ctime>

using DealTest = BoardTest;

namespace {
std::string place(const Tile* t)
{
    const Vector3& p = t->gridPosition;
    return std::to_string(p.x) + "," + std::to_string(p.y) + "," + std::to_string(p.z);
}

std::vector<std::string> faces(const Level& level)
{
    std::vector<std::string> out;
    for (const Tile* t : level.tiles)
        out.push_back(t->name + "@" + place(t));
    return out;
}
}

TEST_F(DealTest, SeedZeroMeansTheClock)
{
    Level level;
    const unsigned int before = static_cast<unsigned int>(std::time(nullptr));
    level.seedRand(0);
    EXPECT_GE(level.randomSeed, before);
    EXPECT_LE(level.randomSeed, before + 2);
}

TEST_F(DealTest, SameLayoutAndSetAlwaysGiveTheSameDeal)
{
    Level first, second, other;
    dealBuiltin(first, TileSet::standardFile);
    second.rng();  // a generator drawn from before the deal does not matter
    dealBuiltin(second, TileSet::standardFile);
    dealBuiltin(other, TileSet::standardFile, 7);
    ASSERT_EQ(144u, first.tiles.size());
    EXPECT_EQ(faces(first), faces(second));
    EXPECT_NE(faces(first), faces(other));
    EXPECT_EQ(1, first.tileSetMultiplier);
    // Dealing again on the same board repeats it exactly.
    std::vector<std::string> dealt = faces(first);
    first.deal();
    EXPECT_EQ(dealt, faces(first));
    EXPECT_EQ(144, first.tilesLeft());
    // Every face of the set is used exactly as often as its repeat allows.
    for (Tile* tmpl : first.tileSet->templates) {
        int n = static_cast<int>(std::count_if(first.tiles.begin(), first.tiles.end(),
                                               [tmpl](Tile* t) { return t->name == tmpl->name; }));
        EXPECT_EQ(tmpl->standardRepeat, n) << tmpl->name;
    }
}

TEST_F(DealTest, MultiplierCoversLayoutsLargerThanOnePassAndDealingStopsWithoutPairs)
{
    Level level;
    level.renderEngine = re;
    level.setLayout(new Layout(re, Layout::builtinTurtleFile));
    TileSet* ts = new TileSet(re, se, &level);
    for (int i = 0; i < 34; ++i)
        ts->templates.push_back(newTile(level, "Face" + std::to_string(i), {"Face" + std::to_string(i)}, 4));
    level.setTileSet(ts);
    EXPECT_EQ(136, ts->totalRepeat());
    ASSERT_TRUE(level.deal());
    EXPECT_EQ(2, level.tileSetMultiplier);
    EXPECT_EQ(144u, level.tiles.size());

    // Three uses for six positions: the multiplier doubles them, but only
    // Left and Right ever pair.
    Level few;
    few.renderEngine = re;
    few.setLayout(makeLayout(12, 4, 1, {{0, 0, 0}, {2, 0, 0}, {4, 0, 0}, {6, 0, 0}, {8, 0, 0}, {10, 0, 0}}));
    ts = new TileSet(re, se, &few);
    ts->templates = {newTile(few, "Left", {"Right"}), newTile(few, "Right", {}), newTile(few, "Alone", {})};
    few.setTileSet(ts);
    few.deal();
    EXPECT_EQ(2, few.tileSetMultiplier);
    ASSERT_EQ(4u, few.tiles.size());
    EXPECT_EQ(nullptr, few.cell(8, 0, 0));
    EXPECT_EQ(4, few.tilesLeft());
}

TEST_F(DealTest, MovesLeftCountsPairsOfFreeTiles)
{
    Level level;
    makeBoard(level, 16, 4, 2);
    Tile* a = put(level, "A", 0, 0, 0);
    Tile* a2 = put(level, "A", 4, 0, 0);
    put(level, "B", 8, 0, 0);
    EXPECT_EQ(1, level.movesLeft());
    EXPECT_EQ((std::vector<Tile*>{a, a2}), level.movableTiles);
    put(level, "A", 12, 0, 0);
    EXPECT_EQ(3, level.movesLeft());
    EXPECT_EQ(3u, level.movableTiles.size());
    // A covered tile takes no part.
    put(level, "C", 12, 0, 1);
    EXPECT_EQ(1, level.movesLeft());
}

TEST_F(DealTest, HintWithNoMovesAndWithASelection)
{
    Level level;
    makeBoard(level, 16, 4, 2);
    Tile* a = put(level, "A", 0, 0, 0);
    Tile* b = put(level, "B", 4, 0, 0);
    EXPECT_FALSE(level.hint());
    EXPECT_FALSE(a->hinted || b->hinted);
    EXPECT_FALSE(level.hintShown);

    Tile* a2 = put(level, "A", 8, 0, 0);
    level.selectTile(a, true);
    ASSERT_TRUE(level.hint());
    EXPECT_EQ((std::vector<Tile*>{a, a2}), level.hintTiles);
    EXPECT_TRUE(a->hinted && a2->hinted);
    EXPECT_FALSE(level.hintShown);
    EXPECT_EQ(nullptr, level.selectedTile);
    EXPECT_EQ(TILE_ON_BOARD, a->state);

    ASSERT_TRUE(level.hint());
    EXPECT_TRUE(level.hintShown);
    EXPECT_TRUE(a->hinted && a2->hinted);
    EXPECT_FALSE(b->hinted);
}

TEST_F(DealTest, HintAvoidsRepeatingThePreviousPair)
{
    Level level;
    makeBoard(level, 18, 4, 1);
    put(level, "A", 0, 0, 0);
    put(level, "A", 4, 0, 0);
    put(level, "B", 8, 0, 0);
    put(level, "B", 12, 0, 0);
    level.seedRand(5);
    for (int i = 0; i < 20; ++i) {
        ASSERT_TRUE(level.hint());
        std::vector<Tile*> previous = level.hintTiles;
        ASSERT_TRUE(level.hint());
        EXPECT_NE(previous[0], level.hintTiles[0]);
        EXPECT_NE(previous[1], level.hintTiles[1]);
        EXPECT_EQ(level.hintTiles[0]->name, level.hintTiles[1]->name);
    }
}

TEST_F(DealTest, HintEndsWithListsThatAreNotSymmetric)
{
    Level level;
    makeBoard(level, 18, 4, 1);
    Tile* x = makeTile(level, "X", {"Y", "Z"});
    Tile* y = makeTile(level, "Y", {});
    Tile* z = makeTile(level, "Z", {});
    level.placeTile(x, 0, 0, 0);
    level.placeTile(y, 4, 0, 0);
    level.placeTile(z, 8, 0, 0);
    EXPECT_EQ(2, level.movesLeft());
    // Every pair starts with X, so after the first hint each draw repeats
    // its first tile; the hint must still end and show a pair.
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(level.hint());
        EXPECT_EQ(x, level.hintTiles[0]);
        EXPECT_TRUE(level.hintTiles[1] == y || level.hintTiles[1] == z);
    }
}

TEST_F(DealTest, ShuffleMovesOnlyLiveTilesOverTheirOwnPositions)
{
    Level level;
    dealBuiltin(level, TileSet::standardFile);
    applyDifficulty(level, 1);
    Tile* cleared = level.tiles[10];
    Tile* slotted = level.tiles[20];
    cleared->state = TILE_CLEARED;
    ASSERT_TRUE(level.slotTile(slotted, true, false));
    const Vector3 clearedAt = cleared->gridPosition;
    const Vector3 slottedAt = slotted->gridPosition;
    auto positions = [&level]() {
        std::vector<std::string> out;
        for (Tile* t : level.tiles)
            if (t->state == TILE_ON_BOARD)
                out.push_back(place(t));
        std::sort(out.begin(), out.end());
        return out;
    };
    const std::vector<std::string> before = positions();
    const std::vector<std::string> order = faces(level);
    level.shuffleTiles();
    EXPECT_EQ(before, positions());
    EXPECT_NE(order, faces(level));
    EXPECT_EQ(clearedAt, cleared->gridPosition);
    EXPECT_EQ(slottedAt, slotted->gridPosition);
    EXPECT_EQ(cleared, level.cell(static_cast<int>(clearedAt.x), static_cast<int>(clearedAt.y),
                                  static_cast<int>(clearedAt.z)));
    // Every live tile sits in the cells it lists.
    for (Tile* t : level.tiles) {
        if (t->state != TILE_ON_BOARD)
            continue;
        ASSERT_EQ(4u, t->mapPoints.size());
        for (const Point& p : t->mapPoints)
            EXPECT_EQ(t, level.cell(p.x, p.y, p.z));
    }
}

TEST_F(DealTest, MakingSolvableEndsAfterBoundedPassesOnBoardsThatCannotClear)
{
    // Two tiles stacked: only the top one is ever free.
    Level level;
    withLayoutAndSet(level, makeLayout(4, 4, 2, {{0, 0, 0}, {0, 0, 1}}), TileSet::standardFile);
    EXPECT_FALSE(level.deal());
    EXPECT_EQ(Level::maxSolveAttempts, level.solveAttempts);
    EXPECT_TRUE(level.solution.empty());
    EXPECT_EQ(2, level.tilesLeft());
    for (Tile* t : level.tiles)
        EXPECT_EQ(TILE_ON_BOARD, t->state);

    // Moves are counted from earlier to later tiles, and only the later tile
    // lists the earlier one: no pass ever finds a pair to set aside.
    Level oneWay;
    makeBoard(oneWay, 12, 4, 1);
    Tile* right = makeTile(oneWay, "Right", {});
    Tile* left = makeTile(oneWay, "Left", {"Right"});
    oneWay.placeTile(right, 0, 0, 0);
    oneWay.placeTile(left, 6, 0, 0);
    EXPECT_FALSE(oneWay.makeSolvable());
    EXPECT_GE(oneWay.solveAttempts, 1);
    EXPECT_EQ(2, oneWay.tilesLeft());
    EXPECT_TRUE(oneWay.setAsideTiles.empty());
}
