#include <algorithm>

#include "game/Difficulty.h"
#include "support/BoardSetup.h"

using DealTest = BoardTest;

namespace {
std::vector<std::string> faces(const Level& level)
{
    std::vector<std::string> out;
    for (const Tile* t : pointers(level.tiles)) {
        const Vector3& p = t->gridPosition;
        out.push_back(t->name + "@" + std::to_string(p.x) + "," + std::to_string(p.y) + "," + std::to_string(p.z));
    }
    return out;
}
}

TEST_F(DealTest, HandComputedDealShuffleAndHint)
{
    // Seed 7 draws 115966623 757954066 | 3085763960 68504932 1351277860
    // 1413651332 1095319578 2107714294 3397480255 1043268029 | 3559557406
    // 1798678027 (MT19937 seeded with the words 7 + 0x12345 ... 7 + 0x45678).
    Level level;
    makeBoard(level, 16, 4, 1);
    level.layout->tileCoordinates = {{0, 0, 0}, {4, 0, 0}, {8, 0, 0}, {12, 0, 0}};
    TileSet* ts = new TileSet(re, se, &level);
    for (const char* name : {"A", "B", "C"})
        ts->templates.push_back(newTile(level, name, {name}, 2));
    level.setTileSet(ts);
    level.seedRand(7);
    ASSERT_TRUE(level.createTileLayout());
    // Faces from draw mod 3: 0 gives A twice, 1 gives B twice.
    EXPECT_EQ((std::vector<std::string>{"A@0.000000,0.000000,0.000000", "A@4.000000,0.000000,0.000000",
                                        "B@8.000000,0.000000,0.000000", "B@12.000000,0.000000,0.000000"}),
              faces(level));
    // Position by position a tile number is drawn mod 4, again while it is
    // taken: 0; 0 0 0 2; 2 3; 1.
    level.shuffleTiles();
    EXPECT_EQ((std::vector<std::string>{"A@0.000000,0.000000,0.000000", "A@12.000000,0.000000,0.000000",
                                        "B@4.000000,0.000000,0.000000", "B@8.000000,0.000000,0.000000"}),
              faces(level));
    EXPECT_EQ(level.tiles[2].get(), level.cell(5, 1, 0));
    // The hint draws from the movable tiles 0 1 2 3: 2 and then 3.
    ASSERT_TRUE(level.hint());
    EXPECT_EQ((std::vector<Tile*>{level.tiles[2].get(), level.tiles[3].get()}), level.hintTiles);
}

TEST_F(DealTest, MultiplierCoversLargeLayoutsAndDealingStopsWithoutPairs)
{
    Level level;
    TileSet* ts = new TileSet(re, se, &level);
    for (int i = 0; i < 34; ++i)
        ts->templates.push_back(newTile(level, "F" + std::to_string(i), {"F" + std::to_string(i)}, 4));
    level.setLayout(new Layout(re, Layout::builtinTurtleFile));
    level.setTileSet(ts);
    ASSERT_TRUE(level.deal());  // 136 uses for 144 positions
    EXPECT_EQ(144, level.tilesLeft());

    // Only Left and Right ever pair: two pairs for six positions.
    Level few;
    makeBoard(few, 12, 4, 1);
    few.layout->tileCoordinates = {{0, 0, 0}, {2, 0, 0}, {4, 0, 0}, {6, 0, 0}, {8, 0, 0}, {10, 0, 0}};
    ts = new TileSet(re, se, &few);
    ts->templates.push_back(newTile(few, "Left", {"Right"}));
    ts->templates.push_back(newTile(few, "Right", {}));
    ts->templates.push_back(newTile(few, "Alone", {}));
    few.setTileSet(ts);
    few.deal();
    EXPECT_EQ(4, few.tilesLeft());
    EXPECT_EQ(nullptr, few.cell(8, 0, 0));
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
    put(level, "C", 12, 0, 1);  // covers the third A
    EXPECT_EQ(1, level.movesLeft());
}

TEST_F(DealTest, HintWithNoMovesWithASelectionWithoutRepeatingAndOneWayMatches)
{
    Level level;
    makeBoard(level, 20, 4, 2);
    Tile* a = put(level, "A", 0, 0, 0);
    Tile* b = put(level, "B", 4, 0, 0);
    EXPECT_FALSE(level.hint());
    EXPECT_FALSE(a->hinted || b->hinted || level.hintShown);

    Tile* a2 = put(level, "A", 8, 0, 0);
    level.selectTile(a, true);
    ASSERT_TRUE(level.hint());  // the selected tile's partner, not shown as a random hint
    EXPECT_EQ((std::vector<Tile*>{a, a2}), level.hintTiles);
    EXPECT_FALSE(level.hintShown);
    EXPECT_EQ(nullptr, level.selectedTile);

    put(level, "B", 12, 0, 0);
    level.seedRand(5);
    for (int i = 0; i < 20; ++i) {  // never the same hint twice running
        ASSERT_TRUE(level.hint());
        const Tile* previous = level.hintTiles[0];
        ASSERT_TRUE(level.hint());
        EXPECT_NE(previous, level.hintTiles[0]);
    }

    // Match lists that are not symmetric: only X lists its partners.
    Level oneWay;
    makeBoard(oneWay, 18, 4, 1);
    for (auto [name, matches] : {std::pair<const char*, std::vector<std::string>>{"X", {"Y", "Z"}}, {"Y", {}}, {"Z", {}}}) {
        oneWay.tiles.emplace_back(newTile(oneWay, name, matches));
        oneWay.placeTile(oneWay.tiles.back().get(), 4 * static_cast<int>(oneWay.tiles.size()), 0, 0);
    }
    EXPECT_EQ(2, oneWay.movesLeft());
    ASSERT_TRUE(oneWay.hint());
    EXPECT_EQ(oneWay.tiles[0].get(), oneWay.hintTiles[0]);
}

TEST_F(DealTest, ShuffleMovesOnlyLiveTilesOverTheirOwnPositions)
{
    Level level;
    dealBuiltin(level, TileSet::standardFile);
    level.applyDifficulty(DIFFICULTY_NORMAL);
    Tile* cleared = level.tiles[10].get();
    Tile* slotted = level.tiles[20].get();
    cleared->state = TILE_CLEARED;
    ASSERT_TRUE(level.slotTile(slotted, true, false));
    const Vector3 clearedAt = cleared->gridPosition, slottedAt = slotted->gridPosition;
    auto livePlaces = [&level]() {
        std::vector<std::string> out = faces(level);
        for (size_t i = 0; i < out.size(); ++i)
            out[i] = level.tiles[i]->state == TILE_ON_BOARD ? out[i].substr(out[i].find('@')) : "";
        std::sort(out.begin(), out.end());
        return out;
    };
    const std::vector<std::string> before = livePlaces(), order = faces(level);
    level.shuffleTiles();
    EXPECT_EQ(before, livePlaces());
    EXPECT_NE(order, faces(level));
    EXPECT_EQ(clearedAt, cleared->gridPosition);
    EXPECT_EQ(slottedAt, slotted->gridPosition);
}

TEST_F(DealTest, MakingSolvableEndsOnBoardsThatCannotClear)
{
    // Two tiles stacked: only the top one is ever free.
    Level level;
    withLayoutAndSet(level, board::gridLayout(re, 4, 4, 2, {{0, 0, 0}, {0, 0, 1}}), TileSet::standardFile);
    EXPECT_FALSE(level.deal());
    EXPECT_EQ(Level::maxSolveAttempts, level.solveAttempts);
    EXPECT_EQ(2, level.tilesLeft());

    // Only the later tile lists the earlier one: no pair is ever found.
    Level oneWay;
    makeBoard(oneWay, 12, 4, 1);
    oneWay.tiles.push_back(newTile(oneWay, "Right", {}));
    oneWay.tiles.push_back(newTile(oneWay, "Left", {"Right"}));
    oneWay.placeTile(oneWay.tiles[0].get(), 0, 0, 0);
    oneWay.placeTile(oneWay.tiles[1].get(), 6, 0, 0);
    EXPECT_FALSE(oneWay.makeSolvable());
    EXPECT_EQ(2, oneWay.tilesLeft());
}

TEST_F(DealTest, ParkedTilesSkipABoardAnimationForTheRestOnly)
{
    Level level;
    dealBuiltin(level, TileSet::standardFile);
    level.applyDifficulty(DIFFICULTY_EASY);
    Tile* parked = level.tiles[5].get();
    ASSERT_TRUE(level.slotTile(parked, true, false));
    level.playAnimation("clear_tile", false);
    EXPECT_FALSE(parked->isAnimating());
    EXPECT_TRUE(level.tiles[6]->isAnimating("clear_tile"));
    level.playAnimation("clear_tile", true);
    EXPECT_TRUE(parked->isAnimating());
}
