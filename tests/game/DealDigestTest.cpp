// The standard deal (seed 42) of every shipped layout with both tile sets,
// pinned by a digest of every tile's face and place in board order: anything
// that draws from the board's generator, or changes what the free-tile rule
// answers while dealing, changes a digest.
#include <cstdint>
#include <map>

#include <gtest/gtest.h>

#include "game/Tile.h"
#include "support/ShippedBoards.h"

namespace {
uint64_t digest(const Level& level)
{
    uint64_t h = 1469598103934665603ull;  // FNV-1a
    auto add = [&h](const std::string& s) {
        for (unsigned char c : s) {
            h ^= c;
            h *= 1099511628211ull;
        }
    };
    for (const Tile* t : level.tiles) {
        const Vector3& p = t->gridPosition;
        add(t->name + "@" + std::to_string(static_cast<int>(p.x)) + "," + std::to_string(static_cast<int>(p.y))
            + "," + std::to_string(static_cast<int>(p.z)) + ";");
    }
    return h;
}
}

TEST(DealDigest, SeedFortyTwoDealsAreUnchangedOnEveryShippedBoard)
{
    const std::map<std::string, uint64_t> pinned = {
        {"Assets/Layouts/arch.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0xda01b6cd7939efaaull},
        {"Assets/Layouts/arch.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0x1848db9b56941749ull},
        {"Assets/Layouts/butterfly.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0x197d2523eaabe714ull},
        {"Assets/Layouts/butterfly.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0xf03de167d8b98b6aull},
        {"Assets/Layouts/cross.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0xea8880c26c5e13e6ull},
        {"Assets/Layouts/cross.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0x7418833812f04ec1ull},
        {"Assets/Layouts/fortress.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0xaf1e384224a6e8e8ull},
        {"Assets/Layouts/fortress.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0x9ccba3fce191619ull},
        {"Assets/Layouts/pyramid.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0x8845ea897a92dd5eull},
        {"Assets/Layouts/pyramid.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0x8c2aefa81e72de43ull},
        {"Assets/Layouts/steps.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0x101560f64d4f7135ull},
        {"Assets/Layouts/steps.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0x32e26ba69fee540eull},
        {"Assets/Layouts/turtle_demo.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0xa00669317d188954ull},
        {"Assets/Layouts/turtle_demo.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0x6b1437c74de5efb1ull},
    };
    shipped::Session session;
    size_t checked = 0;
    for (const std::string& file : shipped::layoutFiles()) {
        for (const char* set : shipped::tileSets()) {
            Level level;
            shipped::prepare(level, session.re, session.se, file, set);
            ASSERT_TRUE(level.deal(Level::dealSeed)) << file << " " << set;
            const std::string key = file + " " + set;
            const uint64_t d = digest(level);
            auto it = pinned.find(key);
            ASSERT_NE(pinned.end(), it) << "a layout without a pinned deal: " << key;
            EXPECT_EQ(it->second, d) << key << ": 0x" << std::hex << d;
            ++checked;
            level.renderEngine = nullptr;
        }
    }
    EXPECT_EQ(pinned.size(), checked);  // no shipped layout went missing
}
