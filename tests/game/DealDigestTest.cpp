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

// Every shipped board, prepared and handed to boardDigest, against its
// pinned digest; a board with none pinned, or a pinned one gone, fails.
template <class BoardDigest>
void expectPinned(const std::map<std::string, uint64_t>& pinned, BoardDigest boardDigest)
{
    shipped::Session session;
    size_t checked = 0;
    for (const std::string& file : shipped::layoutFiles()) {
        for (const char* set : shipped::tileSets()) {
            Level level;
            shipped::prepare(level, session.re, session.se, file, set);
            const std::string key = file + " " + set;
            const uint64_t d = boardDigest(level, key);
            level.renderEngine = nullptr;
            auto it = pinned.find(key);
            if (it == pinned.end()) {
                ADD_FAILURE() << "a board without a pinned digest: " << key << ": 0x" << std::hex << d;
                continue;
            }
            EXPECT_EQ(it->second, d) << key << ": 0x" << std::hex << d;
            ++checked;
        }
    }
    EXPECT_EQ(pinned.size(), checked);  // no shipped board went missing
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
        {"Assets/Layouts/archipelago.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0xd0652c51d0c8a30eull},
        {"Assets/Layouts/archipelago.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0x947af79ccaae626bull},
        {"Assets/Layouts/bridges.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0xd5f797ee0324ccc0ull},
        {"Assets/Layouts/bridges.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0x234c183c0c66bd7cull},
        {"Assets/Layouts/comb.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0x40df3ca02f1d5e20ull},
        {"Assets/Layouts/comb.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0x5033b0b76005460aull},
        {"Assets/Layouts/crescent.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0x80b44393af216740ull},
        {"Assets/Layouts/crescent.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0x8424c3d3f9be56f2ull},
        {"Assets/Layouts/diamond.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0xa8c009bea7e9c7e8ull},
        {"Assets/Layouts/diamond.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0x953ef223ddaf13b3ull},
        {"Assets/Layouts/hourglass.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0x8470867a35fd0ee3ull},
        {"Assets/Layouts/hourglass.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0xd77a6048b47e0753ull},
        {"Assets/Layouts/junk.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0x3c63245fd18b19full},
        {"Assets/Layouts/junk.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0x1f8dbb713950b30eull},
        {"Assets/Layouts/ladder.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0x59b2573bafb850faull},
        {"Assets/Layouts/ladder.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0x9e32921a302f02c3ull},
        {"Assets/Layouts/meadow.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0xc9a459f21faf0d47ull},
        {"Assets/Layouts/meadow.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0x330a257b20d3744dull},
        {"Assets/Layouts/pagoda.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0xf8f1ea3e95047798ull},
        {"Assets/Layouts/pagoda.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0x61aee66c1ae0c64ull},
        {"Assets/Layouts/rampart.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0x6df4ad2df4d736cull},
        {"Assets/Layouts/rampart.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0x35cc2c2004332759ull},
        {"Assets/Layouts/serpent.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0xaf75301e2e30a201ull},
        {"Assets/Layouts/serpent.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0x2bd34a6e2d955bf8ull},
        {"Assets/Layouts/spire.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0x2ad7db1910fede22ull},
        {"Assets/Layouts/spire.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0x4486755e875ed5d0ull},
        {"Assets/Layouts/star.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0xed73878a08b8f7c8ull},
        {"Assets/Layouts/star.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0x87cbd81c923cdee9ull},
        {"Assets/Layouts/temple.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0xe44d2ed35f610149ull},
        {"Assets/Layouts/temple.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0xbd4e3c9a2e0f4a40ull},
        {"Assets/Layouts/trellis.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0x840524f79b9325cull},
        {"Assets/Layouts/trellis.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0x91893c24d5364b93ull},
        {"Assets/Layouts/twins.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0xabc329a131c821f4ull},
        {"Assets/Layouts/twins.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0xa30638030871dfd3ull},
    };
    expectPinned(pinned, [](Level& level, const std::string& key) {
        EXPECT_TRUE(level.deal(Level::dealSeed)) << key;
        return digest(level);
    });
}

// Seeds 1 to 30 of every board, one digest per board over the thirty deals:
// any change to the order of the deal's draws shows here even when it
// happens to leave seed 42 alone.
TEST(DealDigest, SeedsOneToThirtyDealAsTheyDidOnEveryShippedBoard)
{
    const std::map<std::string, uint64_t> pinned = {
        {"Assets/Layouts/arch.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0x86f3316796541870ull},
        {"Assets/Layouts/arch.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0xee20c2373be0a078ull},
        {"Assets/Layouts/archipelago.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0xc7143667755a1887ull},
        {"Assets/Layouts/archipelago.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0x7b8359489aa97ceaull},
        {"Assets/Layouts/bridges.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0x6644ccdd2a492686ull},
        {"Assets/Layouts/bridges.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0xbecc1b8e1dc927e4ull},
        {"Assets/Layouts/butterfly.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0x6fb6422474c7daaull},
        {"Assets/Layouts/butterfly.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0x6693209083aef416ull},
        {"Assets/Layouts/comb.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0x522094e7aa393ae8ull},
        {"Assets/Layouts/comb.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0xda8c2124cf8f27b6ull},
        {"Assets/Layouts/crescent.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0x462d25cc691c9adaull},
        {"Assets/Layouts/crescent.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0xb8153714045ba9e4ull},
        {"Assets/Layouts/cross.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0xf5c1790e7d5b3a6cull},
        {"Assets/Layouts/cross.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0xf80910961a09b39eull},
        {"Assets/Layouts/diamond.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0x4f8ce8330f68a608ull},
        {"Assets/Layouts/diamond.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0x6e805e10b21e75b4ull},
        {"Assets/Layouts/fortress.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0xa4636df50e09e61eull},
        {"Assets/Layouts/fortress.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0x4660df19d8ddfbeeull},
        {"Assets/Layouts/hourglass.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0x72b07e7d89ad03fcull},
        {"Assets/Layouts/hourglass.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0x4db9413b6756bc2aull},
        {"Assets/Layouts/junk.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0x5f84f4c1b73579d6ull},
        {"Assets/Layouts/junk.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0x515191e0d5879b16ull},
        {"Assets/Layouts/ladder.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0x45f3bc5ec8a2b848ull},
        {"Assets/Layouts/ladder.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0x5ada8252fb274c6eull},
        {"Assets/Layouts/meadow.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0xd13171d5bd5b3d5cull},
        {"Assets/Layouts/meadow.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0x9736f65c4ff91924ull},
        {"Assets/Layouts/pagoda.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0x7bd3f3daf0c9f6ccull},
        {"Assets/Layouts/pagoda.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0x3ace87727dfb5842ull},
        {"Assets/Layouts/pyramid.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0xfd05d4c62017c5d2ull},
        {"Assets/Layouts/pyramid.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0x98730d03e7f909cull},
        {"Assets/Layouts/rampart.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0xeaa71654e56caa4cull},
        {"Assets/Layouts/rampart.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0x88849b87dd7a49eeull},
        {"Assets/Layouts/serpent.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0x883d875d901c8868ull},
        {"Assets/Layouts/serpent.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0x432f02a4e1088674ull},
        {"Assets/Layouts/spire.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0x8d1dbf1b0ca9f04full},
        {"Assets/Layouts/spire.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0xfeb97973f67f6d9cull},
        {"Assets/Layouts/star.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0x448ddf6a3ed0bbc7ull},
        {"Assets/Layouts/star.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0x9890a88e7904f010ull},
        {"Assets/Layouts/steps.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0x305fc5b28233a3b6ull},
        {"Assets/Layouts/steps.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0x653d1d1d20a97edaull},
        {"Assets/Layouts/temple.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0x3e97556dc3409be6ull},
        {"Assets/Layouts/temple.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0x50350d9c92400390ull},
        {"Assets/Layouts/trellis.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0x6e8ad764303325dcull},
        {"Assets/Layouts/trellis.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0xa9fb332d2f4aa1e4ull},
        {"Assets/Layouts/turtle_demo.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0x74725948be3753f4ull},
        {"Assets/Layouts/turtle_demo.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0x4e2e2610ee257e52ull},
        {"Assets/Layouts/twins.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0xbbc21660b0418a2aull},
        {"Assets/Layouts/twins.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0x46e4713122593fc4ull},
    };
    expectPinned(pinned, [](Level& level, const std::string& key) {
        uint64_t all = 0;
        for (unsigned int seed = 1; seed <= 30; ++seed) {
            EXPECT_TRUE(level.deal(seed)) << key << " " << seed;
            all = all * 1099511628211ull ^ digest(level);
        }
        return all;
    });
}
