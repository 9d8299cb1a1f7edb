// The deals of every shipped layout with both tile sets, pinned by a digest
// of every tile's face and place in board order: anything that draws from
// the board's generator, or changes what the free-tile rule answers while
// dealing, changes a digest.
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
    for (const Tile* t : pointers(level.tiles)) {
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

// The standard deal (seed 42) and seeds 1 to 30 of every board, one digest
// per board over the thirty-one deals: any change to the order of the deal's
// draws shows here, whichever seeds it happens to leave alone.
TEST(DealDigest, TheStandardDealAndSeedsOneToThirtyDealAsTheyDidOnEveryShippedBoard)
{
    const std::map<std::string, uint64_t> pinned = {
        {"Assets/Layouts/arch.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0x89ee107e879593daull},
        {"Assets/Layouts/arch.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0xb428a926c28e6529ull},
        {"Assets/Layouts/archipelago.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0xcd29cd23a028c95ull},
        {"Assets/Layouts/archipelago.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0x59df1928c9ca9ef1ull},
        {"Assets/Layouts/bridges.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0x374b3f648ed527c6ull},
        {"Assets/Layouts/bridges.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0xcaff09f7fc9b1148ull},
        {"Assets/Layouts/butterfly.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0x2447ba18561f101eull},
        {"Assets/Layouts/butterfly.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0xa7b0d638129f35d4ull},
        {"Assets/Layouts/comb.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0xafb15a9c025d4cc8ull},
        {"Assets/Layouts/comb.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0x5457a0fb572d6b7cull},
        {"Assets/Layouts/crescent.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0x29117a56f6053d1aull},
        {"Assets/Layouts/crescent.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0x4e912ed4e04e970eull},
        {"Assets/Layouts/cross.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0x69f2c54e13d37adaull},
        {"Assets/Layouts/cross.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0xdcbdf70a2703a707ull},
        {"Assets/Layouts/diamond.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0x9feb9bb05864bdb0ull},
        {"Assets/Layouts/diamond.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0xd20512e259ca5d47ull},
        {"Assets/Layouts/fortress.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0xcfe478ba873e4cc6ull},
        {"Assets/Layouts/fortress.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0xde8d56ae799b18full},
        {"Assets/Layouts/hourglass.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0x34fbc00273593e47ull},
        {"Assets/Layouts/hourglass.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0x7791299c8e5ee2d1ull},
        {"Assets/Layouts/junk.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0x66bc15eb3d9a39e5ull},
        {"Assets/Layouts/junk.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0x74612d3f619a28b8ull},
        {"Assets/Layouts/ladder.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0x3313e5b0af32c92aull},
        {"Assets/Layouts/ladder.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0xb2a100c308d4986dull},
        {"Assets/Layouts/meadow.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0x2afc2fdfc1731d97ull},
        {"Assets/Layouts/meadow.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0x40af301899fe413dull},
        {"Assets/Layouts/pagoda.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0x2af6b369b034a24ull},
        {"Assets/Layouts/pagoda.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0x9d39e308cc2f5356ull},
        {"Assets/Layouts/pyramid.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0x6c7067a3cf4774c4ull},
        {"Assets/Layouts/pyramid.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0x6f4879029883228full},
        {"Assets/Layouts/rampart.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0xe529ac52c0dc5188ull},
        {"Assets/Layouts/rampart.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0x25eaf9bb41e208d7ull},
        {"Assets/Layouts/serpent.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0xf33b130e26d2c4d1ull},
        {"Assets/Layouts/serpent.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0x2412505f23c78aecull},
        {"Assets/Layouts/spire.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0xab6ea83baaacc009ull},
        {"Assets/Layouts/spire.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0x570360b136619e2cull},
        {"Assets/Layouts/star.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0xe18216fe5e048a8full},
        {"Assets/Layouts/star.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0x489338696802a881ull},
        {"Assets/Layouts/steps.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0xd09020119eb1f38full},
        {"Assets/Layouts/steps.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0xd6cf689ef5ff0d6cull},
        {"Assets/Layouts/temple.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0x553bc377fcf7ba3full},
        {"Assets/Layouts/temple.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0xf9e6cefc59856250ull},
        {"Assets/Layouts/trellis.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0xe2ce4176b18ea6f8ull},
        {"Assets/Layouts/trellis.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0x38144860690f39bull},
        {"Assets/Layouts/turtle_demo.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0xab2a50482c983188ull},
        {"Assets/Layouts/turtle_demo.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0x9cdeb59c529cb8full},
        {"Assets/Layouts/twins.lyt Assets/Tiles/Standard/standard_tiles_demo.tls", 0xd222d3372c2c565eull},
        {"Assets/Layouts/twins.lyt Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", 0x259c96e7f9465efull},
    };
    expectPinned(pinned, [](Level& level, const std::string& key) {
        EXPECT_TRUE(level.deal(Level::dealSeed)) << key;
        uint64_t all = digest(level);
        for (unsigned int seed = 1; seed <= 30; ++seed) {
            EXPECT_TRUE(level.deal(seed)) << key << " " << seed;
            all = all * 1099511628211ull ^ digest(level);
        }
        return all;
    });
}
