// Hints from the analyst: following them from the deal wins every deal of
// every shipped board, and they come from a kept line without drawing from
// the board's generator.
#include <gtest/gtest.h>

#include "game/HintAdvisor.h"
#include "game/Tile.h"
#include "support/BoardSetup.h"
#include "support/ShippedBoards.h"

namespace {
// Deterministic: nodes run out long before the clock on any machine.
const AnalystBudget nodesOnly{600000.0, 3000000};

#if defined(__SANITIZE_ADDRESS__)
constexpr unsigned int seeds = 12;  // the sanitizer build is some ten times slower
#else
constexpr unsigned int seeds = 200;
#endif
}

TEST(HintAdvisorTable, FollowingTheHintsWinsEveryDealOfEveryShippedBoard)
{
    shipped::Session session;
    const std::vector<std::string> layouts = shipped::layoutFiles();
    ASSERT_GE(layouts.size(), 7u);
    for (const std::string& file : layouts) {
        for (const char* set : shipped::tileSets()) {
            Level level;
            shipped::prepare(level, session.re, session.se, file, set);
            for (unsigned int seed = 1; seed <= seeds; ++seed) {
                SCOPED_TRACE(file + " " + set + " seed " + std::to_string(seed));
                ASSERT_TRUE(level.deal(seed));
                HintAdvisor advisor;
                advisor.budget = nodesOnly;
                // As the player does with H and Return: take the pair shown.
                while (level.tilesLeft() > 0) {
                    ASSERT_TRUE(advisor.hint(level));
                    ASSERT_EQ(Analyst::Verdict::Winnable, advisor.lastVerdict());
                    ASSERT_TRUE(level.hintShown);
                    Tile* a = level.hintTiles[0];
                    Tile* b = level.hintTiles[1];
                    ASSERT_TRUE(a->hinted && b->hinted);
                    ASSERT_TRUE(level.isFree(a) && level.isFree(b));
                    ASSERT_TRUE(a->match(b) || b->match(a));
                    level.clearTiles(a, b);
                }
            }
            level.renderEngine = nullptr;
        }
    }
}

using HintAdvisorTest = BoardTest;

TEST_F(HintAdvisorTest, KeepsItsLineAndLeavesTheGeneratorAlone)
{
    Level level;
    dealBuiltin(level, TileSet::standardFile);
    HintAdvisor advisor;
    advisor.budget = nodesOnly;
    Level twin;
    dealBuiltin(twin, TileSet::standardFile);

    Tile* a = nullptr;
    Tile* b = nullptr;
    ASSERT_TRUE(advisor.winningPair(level, a, b));
    level.clearTiles(a, b);
    Tile* c = nullptr;
    Tile* d = nullptr;
    ASSERT_TRUE(advisor.winningPair(level, c, d));
    // An undo goes back onto the line: the same pair again.
    ASSERT_TRUE(level.undo());
    Tile* e = nullptr;
    Tile* f = nullptr;
    ASSERT_TRUE(advisor.winningPair(level, e, f));
    EXPECT_EQ(a, e);
    EXPECT_EQ(b, f);
    // A pair off the line: a fresh analysis, still a winning pair.
    level.clearTiles(c, d);
    ASSERT_TRUE(advisor.winningPair(level, e, f));
    EXPECT_TRUE(level.isFree(e) && level.isFree(f) && (e->match(f) || f->match(e)));
    // Neither the hints nor the analyses drew from the board's generator.
    EXPECT_EQ(twin.rng(), level.rng());

    // A new deal on the same board is a new board, whatever the addresses.
    ASSERT_TRUE(level.deal(7));
    ASSERT_TRUE(advisor.winningPair(level, e, f));
    const PointerView<Tile> tiles = pointers(level.tiles);
    EXPECT_NE(tiles.end(), std::find(tiles.begin(), tiles.end(), e));
    EXPECT_TRUE(level.isFree(e) && level.isFree(f) && (e->match(f) || f->match(e)));
}

TEST_F(HintAdvisorTest, FallsBackToTheBoardsHintWhenTheBoardIsLost)
{
    Level level;
    makeBoard(level, 20, 4, 2);
    put(level, "A", 0, 0, 0);
    put(level, "A", 0, 0, 1);
    put(level, "B", 6, 0, 0);
    put(level, "B", 10, 0, 0);
    level.updateTilesFree();
    HintAdvisor advisor;
    advisor.budget = nodesOnly;
    ASSERT_TRUE(advisor.hint(level));  // the board's own hint: some free pair
    EXPECT_EQ(Analyst::Verdict::NotWinnable, advisor.lastVerdict());
    EXPECT_TRUE(level.hintShown);
    ASSERT_EQ(2u, level.hintTiles.size());
    EXPECT_EQ("B", level.hintTiles[0]->name);  // the only free pair
}
