#include "BoardFixture.h"

// Plays a dealt board to the end with clicks alone, taking the pairs in the
// order the deal was made solvable in.
class FullGameTest : public BoardTest {
protected:
    void playToTheEnd(const char* setFile, int difficulty, bool withSoundEngine)
    {
        SCOPED_TRACE(std::string(setFile) + " difficulty " + std::to_string(difficulty));
        if (!withSoundEngine) {
            delete se;  // no sound engine at all
            se = nullptr;
        }
        Level level;
        dealBuiltin(level, setFile);
        applyDifficulty(level, difficulty);
        // The deal leaves every tile on the board, shown, and one snapshot.
        ASSERT_EQ(144, level.tilesLeft());
        for (Tile* t : level.tiles)
            ASSERT_TRUE(t->state == TILE_ON_BOARD && t->visible && !t->hinted);
        EXPECT_FALSE(level.hintShown);
        EXPECT_EQ(1u, level.undoHistory.size());
        const std::vector<Tile*> order = level.solution;
        ASSERT_EQ(144u, order.size());
        int matches = 0;
        for (size_t i = 0; i + 1 < order.size(); i += 2) {
            Tile* a = order[i];
            Tile* b = order[i + 1];
            ASSERT_TRUE(level.isFree(a) && level.isFree(b)) << "pair " << i / 2;
            ASSERT_GT(level.movesLeft(), 0);
            // The second click is matched against the first tile.
            if (!b->match(a))
                std::swap(a, b);
            level.handleSelection(a);
            level.handleSelection(b);
            ASSERT_EQ(TILE_CLEARED, a->state) << "pair " << i / 2;
            ASSERT_EQ(TILE_CLEARED, b->state) << "pair " << i / 2;
            ++matches;
            ASSERT_EQ(144 - 2 * matches, level.tilesLeft());
        }
        EXPECT_EQ(0, level.tilesLeft());
        EXPECT_EQ(0, level.movesLeft());
        EXPECT_EQ(72u, level.matchPoints.size());
        EXPECT_EQ(72 * (level.basePoints + 1000), level.score());
        EXPECT_EQ(144u, level.clearedTiles.size());
        // One snapshot per match, and one more per parking where slots are open.
        EXPECT_EQ(difficulty == 2 ? 73u : 145u, level.undoHistory.size());
        for (int s = 0; s < 3; ++s)
            EXPECT_EQ(nullptr, level.slots[s]->tile);
        // The last pair is still running its clearing animation.
        EXPECT_FALSE(level.checkAnimationFinished(""));
        EXPECT_FALSE(level.checkAnimationFinished("clear_tile"));
        EXPECT_TRUE(level.checkAnimationFinished("game_won"));
        level.update();
        EXPECT_TRUE(level.tilesAnimating);
        level.gameWon();

        // Undo the last match, then restart: the dealt board is back.
        EXPECT_TRUE(level.undo());
        EXPECT_EQ(2, level.tilesLeft());
        level.restart();
        EXPECT_EQ(144, level.tilesLeft());
        EXPECT_EQ(0, level.score());
    }
};

TEST_F(FullGameTest, StandardSetOnEveryDifficulty)
{
    for (int d = 0; d < 3; ++d)
        playToTheEnd(TileSet::standardFile, d, true);
}

TEST_F(FullGameTest, HiraganaSetOnEveryDifficultyWithoutSound)
{
    for (int d = 0; d < 3; ++d)
        playToTheEnd(TileSet::hiraganaFile, d, false);
}

TEST_F(FullGameTest, ManySeedsAllGiveClearableDeals)
{
    for (unsigned int seed = 1; seed <= 30; ++seed) {
        Level level;
        dealBuiltin(level, seed % 2 ? TileSet::standardFile : TileSet::hiraganaFile, seed);
        ASSERT_EQ(144u, level.solution.size()) << "seed " << seed;
        // Replaying the solution on the board's own rule clears it.
        for (size_t i = 0; i + 1 < level.solution.size(); i += 2) {
            Tile* a = level.solution[i];
            Tile* b = level.solution[i + 1];
            ASSERT_TRUE(level.isFree(a) && level.isFree(b)) << "seed " << seed << " pair " << i / 2;
            ASSERT_TRUE(a->match(b) || b->match(a));
            a->state = b->state = TILE_CLEARED;
        }
        EXPECT_EQ(0, level.tilesLeft());
    }
}
