// Generated layouts: pinned shapes for a few numbers, and a sweep over many
// numbers of every size checking each promise the generator makes, down to a
// solvable deal with both built-in tile sets.
#include <cstdio>
#include <memory>
#include <set>
#include <tuple>

#include "game/LayoutGenerator.h"
#include "support/BoardSetup.h"

namespace {
using Cell = std::tuple<int, int, int>;

// Sweeping is dealing thousands of boards; under the sanitizers a tenth of
// the numbers keeps the run short while every size is still covered.
#ifdef JADELOOM_SANITIZED
constexpr uint32_t sweepCount = 100;
#else
constexpr uint32_t sweepCount = 1000;
#endif

std::set<Cell> cellsOf(const std::vector<Point>& positions, std::string* error)
{
    std::set<Cell> cells;
    for (const Point& p : positions)
        for (int dx = 0; dx < 2; ++dx)
            for (int dy = 0; dy < 2; ++dy)
                if (!cells.insert({p.x + dx, p.y + dy, p.z}).second && error->empty())
                    *error = "two tiles share a cell";
    return cells;
}

// Empty when the layout keeps every promise, else what it breaks.
std::string checkShape(const LayoutGenerator& g)
{
    std::string error;
    const std::vector<Point>& ps = g.positions();
    if (static_cast<int>(ps.size()) != g.size())
        return "count " + std::to_string(ps.size());
    const std::set<Cell> cells = cellsOf(ps, &error);
    if (!error.empty())
        return error;
    std::set<Cell> tiles;
    int top = 0;
    for (const Point& p : ps) {
        tiles.insert({p.x, p.y, p.z});
        top = std::max(top, p.z);
        if (p.x < 0 || p.y < 0 || p.z < 0 || p.x > g.gridX() - 2 || p.y > g.gridY() - 2 || p.z > g.gridZ() - 1)
            return "outside the grid";
    }
    for (const Point& p : ps) {
        if (!tiles.count({g.gridX() - 2 - p.x, p.y, p.z}))
            return "no mirror image for " + std::to_string(p.x) + "," + std::to_string(p.y) + "," + std::to_string(p.z);
        for (int dx = 0; dx < 2 && p.z > 0; ++dx)
            for (int dy = 0; dy < 2; ++dy)
                if (!cells.count({p.x + dx, p.y + dy, p.z - 1}))
                    return "overhangs at " + std::to_string(p.x) + "," + std::to_string(p.y) + "," + std::to_string(p.z);
    }
    if (top < 2)
        return "fewer than three layers";
    return {};
}
}

using LayoutGeneratorTest = BoardTest;

TEST_F(LayoutGeneratorTest, PinnedNumbersKeepTheirShapes)
{
    // Shapes players may have kept or saved games on: any change to the
    // generator that alters them must be deliberate.
    const struct {
        uint32_t number;
        int size;
        uint64_t digest;
    } pinned[] = {
        {0, 72, 0xcd131b3c7a6f646aull},
        {1, 108, 0x68ac2024f04ef330ull},
        {42, 144, 0xaee9a022f316a270ull},
        {4294967295u, 144, 0xb4e8d2ec600c046bull},
    };
    for (const auto& p : pinned) {
        LayoutGenerator g(p.number, p.size);
        EXPECT_EQ(p.digest, g.digest()) << p.number << "/" << p.size << " now 0x" << std::hex << g.digest();
        EXPECT_EQ(g.digest(), LayoutGenerator(p.number, p.size).digest());
    }
    // The size is part of the seed: the same number gives unrelated shapes.
    EXPECT_NE(LayoutGenerator(7, 144).positions()[0], LayoutGenerator(7, 72).positions()[0]);
}

TEST_F(LayoutGeneratorTest, EveryNumberGivesASymmetricSupportedSolvableLayout)
{
    for (int size : LayoutGenerator::sizes) {
        Level levels[2];
        const char* sets[2] = {TileSet::standardFile, TileSet::hiraganaFile};
        for (int i = 0; i < 2; ++i)
            withLayoutAndSet(levels[i], board::gridLayout(re, 2, 2, 1), sets[i]);
        std::set<uint64_t> digests;
        for (uint32_t number = 1; number <= sweepCount; ++number) {
            LayoutGenerator g(number, size);
            const std::string error = checkShape(g);
            ASSERT_EQ("", error) << "number " << number << " size " << size;
            digests.insert(g.digest());
            for (Level& level : levels) {
                level.setLayout(g.makeLayout(re).release());
                ASSERT_TRUE(level.deal()) << "number " << number << " size " << size;
                ASSERT_EQ(size, level.tilesLeft()) << "number " << number;
            }
        }
        // Numbers are not mostly aliases of one another.
        EXPECT_GT(digests.size(), sweepCount * 9 / 10) << size;
    }
    EXPECT_EQ(0, dir.count("fell back"));
}

TEST_F(LayoutGeneratorTest, FileNameNamesNumberAndSizeAndNothingElse)
{
    LayoutGenerator g(123, 108);
    uint32_t number = 0;
    int size = 0;
    ASSERT_TRUE(LayoutGenerator::parseFileName(g.fileName(), &number, &size));
    EXPECT_EQ(123u, number);
    EXPECT_EQ(108, size);
    ASSERT_TRUE(LayoutGenerator::parseFileName("Generated/72/4294967295", &number, &size));
    EXPECT_EQ(4294967295u, number);
    for (const char* bad : {"Generated/100/1", "Generated/144/", "Generated/144/4294967296", "Generated/144/01",
                            "Generated/144/-1", "Generated/144/1x", "Generated//1", "generated/144/1",
                            "Assets/Layouts/arch.lyt", "Generated/144/99999999999999999999"})
        EXPECT_FALSE(LayoutGenerator::parseFileName(bad, &number, &size)) << bad;

    std::unique_ptr<Layout> l(g.makeLayout(re));
    EXPECT_TRUE(l->isPlayable());
    EXPECT_EQ(g.fileName(), l->fileName);
    EXPECT_EQ(108u, l->tileCoordinates.size());
    EXPECT_FALSE(dir.logged("Missing layout file"));
}

TEST_F(LayoutGeneratorTest, ASizeNotOfferedGivesTheLargestAndSaysSo)
{
    LayoutGenerator g(5, 100);
    EXPECT_EQ(144, g.size());
    EXPECT_EQ("", checkShape(g));
    EXPECT_TRUE(dir.logged("Generated layout size not offered: 100"));
}
