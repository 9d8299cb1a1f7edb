// The dead-end watch answers from its own thread, keeps each answer by
// position and drops a question overtaken by a newer one.
#include <chrono>
#include <thread>

#include "game/DeadEndWatch.h"
#include "support/BoardSetup.h"

namespace {
// Waits for the watch's news, for long enough on a busy machine.
bool newsComes(DeadEndWatch& watch)
{
    for (int i = 0; i < 3000; ++i) {
        if (watch.takeNews())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}
}

using DeadEndWatchTest = BoardTest;

TEST_F(DeadEndWatchTest, AnswersBesidePlayAndNeverWorksAPositionOutTwice)
{
    // Taking the two lone A loses: the other A each lie on a B whose partner
    // lies under the other.
    Level level;
    makeBoard(level, 24, 4, 2);
    put(level, "B", 0, 0, 0);
    put(level, "A", 0, 0, 1);
    put(level, "A", 4, 0, 0);
    put(level, "B", 4, 0, 1);
    Tile* a3 = put(level, "A", 8, 0, 0);
    Tile* a4 = put(level, "A", 12, 0, 0);
    Tile* c1 = put(level, "C", 16, 0, 0);
    Tile* c2 = put(level, "C", 20, 0, 0);
    level.restart();

    DeadEndWatch watch;
    DeadEndProbe::Report report;
    auto ask = [&] {
        watch.watch(level);
        ASSERT_TRUE(newsComes(watch));
        ASSERT_TRUE(watch.answer(report));
    };
    ASSERT_NO_FATAL_FAILURE(ask());
    EXPECT_EQ(Analyst::Verdict::Winnable, report.now);
    EXPECT_EQ(0, report.undosBack);

    level.clearTiles(a3, a4);
    ASSERT_NO_FATAL_FAILURE(ask());
    EXPECT_EQ(Analyst::Verdict::NotWinnable, report.now);
    EXPECT_EQ(1, report.undosBack);

    level.clearTiles(c1, c2);
    ASSERT_NO_FATAL_FAILURE(ask());
    EXPECT_EQ(2, report.undosBack);
    EXPECT_EQ(3u, watch.known());

    // Back to a position worked out before: answered at once, from memory.
    ASSERT_TRUE(level.undo());
    watch.watch(level);
    EXPECT_TRUE(watch.takeNews());
    ASSERT_TRUE(watch.answer(report));
    EXPECT_EQ(1, report.undosBack);
    EXPECT_EQ(3u, watch.known());

    // A restart comes back to the first position, with the same history.
    level.restart();
    watch.watch(level);
    EXPECT_TRUE(watch.takeNews());
    EXPECT_EQ(3u, watch.known());

    // With no history to go back through, no way back is found.
    level.clearTiles(a3, a4);
    level.undoHistory.erase(level.undoHistory.begin(), level.undoHistory.end() - 1);
    EXPECT_EQ(-1, DeadEndProbe::probe(level, AnalystBudget{60000.0, 50000000}).undosBack);
}

TEST_F(DeadEndWatchTest, TheLastPositionAskedIsTheOneAnswered)
{
    Level level;
    dealBuiltin(level, TileSet::standardFile);
    DeadEndWatch watch;
    for (int i = 0; i < 5; ++i) {
        Tile* a = nullptr;
        Tile* b = nullptr;
        level.updateTilesFree();
        for (Tile* x : level.freeTiles)
            for (Tile* y : level.freeTiles)
                if (!a && x != y && x->match(y)) {
                    a = x;
                    b = y;
                }
        ASSERT_TRUE(a);
        level.clearTiles(a, b);
        watch.watch(level);  // each question overtakes the one before
    }
    ASSERT_TRUE(newsComes(watch));
    DeadEndProbe::Report report;
    EXPECT_TRUE(watch.answer(report));
}
