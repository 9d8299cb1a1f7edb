// The analyst's verdicts on positions made by hand whose answer is known,
// and on small random positions checked against a plain exhaustive search
// (the dead-end watch's test plays the wrong pair of four).
#include <functional>
#include <random>
#include <unordered_set>

#include "game/Analyst.h"
#include "support/BoardSetup.h"

namespace {
const AnalystBudget unlimited{60000.0, 50000000};

// Plays the line on the board by the game's own rule; true when it clears it.
bool lineClears(Level& level, const std::vector<std::pair<Tile*, Tile*>>& line)
{
    for (const auto& [a, b] : line) {
        if (!level.isFree(a) || !level.isFree(b) || !(a->match(b) || b->match(a)))
            return false;
        level.clearTiles(a, b);
    }
    return level.tilesLeft() == 0;
}

Analyst::Verdict verdict(const Level& level)
{
    return Analyst::analyse(level, unlimited).verdict;
}

// Every order of pairs, with the lost sets of cleared tiles remembered.
bool clearable(Level& level, uint32_t cleared, std::unordered_set<uint32_t>& lost)
{
    if (level.tilesLeft() == 0)
        return true;
    if (lost.count(cleared))
        return false;
    const PointerView<Tile> tiles = pointers(level.tiles);
    for (size_t i = 0; i < tiles.size(); ++i) {
        for (size_t j = i + 1; j < tiles.size(); ++j) {
            Tile* a = tiles[i];
            Tile* b = tiles[j];
            if (!level.isFree(a) || !level.isFree(b) || !(a->match(b) || b->match(a)))
                continue;
            const int sa = a->state, sb = b->state;
            a->state = b->state = TILE_CLEARED;
            const bool won = clearable(level, cleared | 1u << i | 1u << j, lost);
            a->state = sa;
            b->state = sb;
            if (won)
                return true;
        }
    }
    lost.insert(cleared);
    return false;
}
}

using AnalystTest = BoardTest;

TEST_F(AnalystTest, ParkedTilesAreFreeAndHoldNothing)
{
    // A1 under B1; B2 under A2. Both B on top of an A would wait on each
    // other; with B2 parked in a slot, B1 and B2 pair and free both A.
    Level level;
    makeBoard(level, 12, 4, 2);
    put(level, "A", 0, 0, 0);
    put(level, "B", 0, 0, 1);
    Tile* b2 = put(level, "B", 6, 0, 0);
    put(level, "A", 6, 0, 1);
    EXPECT_EQ(Analyst::Verdict::NotWinnable, verdict(level));

    level.setSlotEnabled(0, true);
    ASSERT_TRUE(level.slotTile(b2, true, false));
    const Analyst::Result result = Analyst::analyse(level, unlimited);
    ASSERT_EQ(Analyst::Verdict::Winnable, result.verdict);
    EXPECT_TRUE(lineClears(level, result.line));
}

TEST_F(AnalystTest, TheLastTilesOfAKindOnOneAnotherLose)
{
    Level level;
    makeBoard(level, 16, 4, 3);
    put(level, "C", 0, 0, 0);
    put(level, "C", 0, 0, 1);
    put(level, "D", 6, 0, 0);
    put(level, "D", 10, 0, 0);
    const Analyst::Result result = Analyst::analyse(level, unlimited);
    EXPECT_EQ(Analyst::Verdict::NotWinnable, result.verdict);
    EXPECT_LE(result.nodes, 1);  // seen without a search

    // Four of a kind, three stacked: whatever pairs with the lone one, the
    // other two lie on one another.
    Level three;
    makeBoard(three, 16, 4, 3);
    for (int z = 0; z < 3; ++z)
        put(three, "C", 0, 0, z);
    put(three, "C", 8, 0, 0);
    EXPECT_EQ(Analyst::Verdict::NotWinnable, verdict(three));

    // Tiles that pair only across two faces: one of each on one another
    // loses, side by side wins.
    for (const bool stacked : {true, false}) {
        Level across;
        makeBoard(across, 16, 4, 2);
        across.tiles.emplace_back(newTile(across, "Kana", {"Latin"}));
        across.placeTile(across.tiles.back().get(), 0, 0, 0);
        across.tiles.emplace_back(newTile(across, "Latin", {"Kana"}));
        across.placeTile(across.tiles.back().get(), stacked ? 0 : 6, 0, stacked ? 1 : 0);
        EXPECT_EQ(stacked ? Analyst::Verdict::NotWinnable : Analyst::Verdict::Winnable, verdict(across));
    }
}

TEST_F(AnalystTest, RowsAreClearedFromTheirEnds)
{
    // A B B A in one row: the ends pair, then the middle. A B A B and
    // A A B B: no pair is ever free together.
    for (const auto& [faces, winnable] : {std::pair<const char*, bool>{"ABBA", true},
                                          {"ABAB", false},
                                          {"AABB", false},
                                          {"ABCCBA", true},
                                          {"ABCABC", false}}) {
        Level level;
        makeBoard(level, 16, 4, 1);
        for (int i = 0; faces[i]; ++i)
            put(level, std::string(1, faces[i]), 2 * i, 0, 0);
        EXPECT_EQ(winnable ? Analyst::Verdict::Winnable : Analyst::Verdict::NotWinnable, verdict(level)) << faces;
    }
}

TEST_F(AnalystTest, AgreesWithAnExhaustiveSearchOnSmallBoards)
{
    std::mt19937 random(20261207);
    int winnable = 0;
    for (int round = 0; round < 300; ++round) {
        Level level;
        makeBoard(level, 12, 6, 3);
        const int pairs = 4 + static_cast<int>(random() % 5);
        for (int p = 0; p < pairs; ++p) {
            // Mostly faces that pair with themselves, some pairing only across.
            const bool across = random() % 4 == 0;
            const std::string face(1, static_cast<char>('A' + random() % 4));
            for (int k = 0; k < 2; ++k) {
                const std::string name = across ? face + (k ? "+" : "-") : face;
                const std::vector<std::string> matches = {across ? face + (k ? "-" : "+") : face};
                for (int attempt = 0; attempt < 50; ++attempt) {
                    const int x = static_cast<int>(random() % 11), y = static_cast<int>(random() % 5);
                    int z = 0;
                    for (int dx = 0; dx < 2; ++dx)
                        for (int dy = 0; dy < 2; ++dy)
                            for (int zz = 0; zz < 3; ++zz)
                                if (level.cell(x + dx, y + dy, zz))
                                    z = std::max(z, zz + 1);
                    if (z > 2)
                        continue;
                    level.tiles.emplace_back(newTile(level, name, matches));
                    level.placeTile(level.tiles.back().get(), x, y, z);
                    break;
                }
            }
        }
        if (random() % 3 == 0 && !level.tiles.empty()) {
            level.setSlotEnabled(0, true);
            level.slotTile(level.tiles[random() % level.tiles.size()].get(), true, false);
        }
        std::unordered_set<uint32_t> lost;
        const bool expected = clearable(level, 0, lost);
        const Analyst::Result result = Analyst::analyse(level, unlimited);
        ASSERT_EQ(expected ? Analyst::Verdict::Winnable : Analyst::Verdict::NotWinnable, result.verdict)
            << "round " << round;
        if (expected) {
            ++winnable;
            EXPECT_TRUE(lineClears(level, result.line)) << "round " << round;
        }
    }
    // Both answers were asked for often enough to mean something.
    EXPECT_GT(winnable, 50);
    EXPECT_LT(winnable, 250);
}
