#include <set>

#include "support/BoardSetup.h"

using TileSetTest = BoardTest;

// That the built-in sets deal full, solvable boards is the deal digests' and
// the hint table's to show.
TEST_F(TileSetTest, BuiltinSetsHaveUniqueFacesWithTheirModelAndSound)
{
    for (const char* file : {TileSet::standardFile, TileSet::hiraganaFile}) {
        Level level;
        dealBuiltin(level, file);
        std::set<std::string> names;
        for (const Tile* t : pointers(level.tileSet->templates)) {
            names.insert(t->name);
            EXPECT_EQ(2u, t->objects.size());
            EXPECT_EQ("Assets/Sounds/clear.wav", se->sounds.at(t->clearSound).file);
        }
        EXPECT_EQ(level.tileSet->templates.size(), names.size()) << file;
    }
}

TEST_F(TileSetTest, ReadsATileSetFile)
{
    TileSet ts(re, se, nullptr);
    ts.loadTiles("tilesets/small.tls");
    EXPECT_EQ("Small", ts.name);
    EXPECT_EQ(1.0f, ts.textureScaleY);  // a bad number keeps the default
    // A block left open is dropped; the one at the end of the file too.
    ASSERT_EQ(3u, ts.templates.size());
    Tile* plum = ts.templates[1].get();
    EXPECT_EQ("Plum", plum->name);
    EXPECT_EQ(3, plum->standardRepeat);
    EXPECT_EQ((std::vector<std::string>{"Plum", "Orc", "Bam"}), plum->matches);
    ts.loadTiles("tilesets/small.tls");  // read again: replaced, not added to
    EXPECT_EQ(3u, ts.templates.size());
    EXPECT_TRUE(TileSet(re, se, nullptr, "tilesets/small.tls").templates.empty());  // header only
}

TEST_F(TileSetTest, SetsWithoutTilesAreRefusedBeforeADeal)
{
    for (const char* file : {"tilesets/empty.tls", "tilesets/missing.tls"}) {
        Level level;
        withLayoutAndSet(level, new Layout(re, Layout::builtinTurtleFile), file);
        EXPECT_FALSE(level.deal()) << file;
        EXPECT_TRUE(level.tiles.empty());
    }
}
