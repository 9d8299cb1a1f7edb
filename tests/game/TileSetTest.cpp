#include "BoardFixture.h"

#include <set>

using TileSetTest = BoardTest;

namespace {
Tile* find(TileSet& ts, const std::string& name)
{
    for (Tile* t : ts.templates)
        if (t->name == name)
            return t;
    return nullptr;
}
}

TEST_F(TileSetTest, BuiltinStandardSet)
{
    TileSet ts(re, se, nullptr);
    ts.createTileSet(TileSet::standardFile);
    EXPECT_EQ("Standard", ts.name);
    ASSERT_EQ(42u, ts.templates.size());
    EXPECT_EQ(144, ts.totalRepeat());
    // Spot checks of the table: an atlas cell and a season used once.
    EXPECT_EQ("Chinese9", ts.templates[17]->name);
    EXPECT_EQ(8, ts.templates[17]->texturePosX);
    EXPECT_EQ(1, ts.templates[17]->texturePosY);
    EXPECT_EQ(1, find(ts, "Spring")->standardRepeat);
    EXPECT_TRUE(find(ts, "Plum")->match(find(ts, "Orc")));
    EXPECT_TRUE(find(ts, "Orc")->match(find(ts, "Plum")));
    EXPECT_TRUE(find(ts, "Winter")->match(find(ts, "Spring")));
    EXPECT_FALSE(find(ts, "Winter")->match(find(ts, "Plum")));
    EXPECT_FALSE(find(ts, "Bamboo1")->match(find(ts, "Bamboo2")));
    EXPECT_TRUE(find(ts, "Bamboo1")->match(find(ts, "Bamboo1")));

    // Every template has the click and clear sounds and its own model copy.
    ASSERT_EQ(2u, se->sounds.size());
    EXPECT_EQ("Assets/Sounds/clear.wav", se->sounds[ts.templates[5]->clearSound].file);
    EXPECT_EQ("Assets/Sounds/click.wav", se->sounds[ts.templates[5]->selectSound].file);
    EXPECT_EQ(2u, ts.templates[0]->objects.size());
    EXPECT_FLOAT_EQ(2.0f, ts.templates[0]->width);
    EXPECT_NEAR(0.1f * 8, ts.templates[8]->stampOffsetU, 1e-5);
}

TEST_F(TileSetTest, BuiltinHiraganaSet)
{
    TileSet ts(re, se, nullptr);
    ts.createTileSet(TileSet::hiraganaFile);
    EXPECT_EQ("Hiragana(Basic)", ts.name);
    ASSERT_EQ(92u, ts.templates.size());
    EXPECT_EQ(184, ts.totalRepeat());
    Tile* jn = ts.templates[90];
    Tile* rn = ts.templates[91];
    EXPECT_EQ("Japanese-N", jn->name);
    EXPECT_EQ("Romaji-N", rn->name);
    // N is syllable 45: column 45 mod 17, row 45 div 17, romaji three rows lower.
    EXPECT_EQ(11, jn->texturePosX);
    EXPECT_EQ(2, jn->texturePosY);
    EXPECT_EQ(11, rn->texturePosX);
    EXPECT_EQ(5, rn->texturePosY);
    EXPECT_TRUE(jn->match(rn));
    EXPECT_TRUE(rn->match(jn));
    EXPECT_FALSE(jn->match(jn));
    EXPECT_FALSE(ts.templates[0]->match(ts.templates[0]));
    EXPECT_FALSE(ts.templates[0]->match(rn));
    std::set<std::string> names;
    for (Tile* t : ts.templates)
        names.insert(t->name);
    EXPECT_EQ(92u, names.size());
}

TEST_F(TileSetTest, ReadsATileSetFile)
{
    TileSet ts(re, se, nullptr);
    ts.loadTiles("tilesets/small.tls");
    EXPECT_EQ("Small", ts.name);
    EXPECT_EQ("small_preview.png", ts.previewImage);
    EXPECT_EQ("small.mtl", ts.stamp);
    EXPECT_EQ(0.5f, ts.textureScaleX);
    EXPECT_EQ(1.0f, ts.textureScaleY);
    // A block left open is dropped; the one at the end of the file too.
    ASSERT_EQ(3u, ts.templates.size());
    Tile* early = ts.templates[0];
    Tile* plum = ts.templates[1];
    EXPECT_EQ("Early", early->name);
    EXPECT_EQ(1.0f, early->textureScaleX);  // read before the scale
    EXPECT_EQ("Plum", plum->name);
    EXPECT_EQ(0.5f, plum->textureScaleX);
    EXPECT_EQ(2, plum->texturePosX);
    EXPECT_EQ(4, plum->texturePosY);
    EXPECT_EQ(3, plum->standardRepeat);
    EXPECT_EQ((std::vector<std::string>{"Plum", "Orc", "Bam"}), plum->matches);
    EXPECT_EQ("Assets/Sounds/clear.wav", se->sounds.at(plum->clearSound).file);
    EXPECT_EQ("Assets/Sounds/click.wav", se->sounds.at(plum->selectSound).file);
    EXPECT_EQ("Unclosed", ts.templates[2]->name);
    // Reading again replaces the templates rather than adding to them.
    ts.loadTiles("tilesets/small.tls");
    EXPECT_EQ(3u, ts.templates.size());

    TileSet header(re, se, nullptr, "tilesets/small.tls");
    EXPECT_EQ("Small", header.name);
    EXPECT_TRUE(header.templates.empty());
    TileSet builtinHeader(re, se, nullptr, TileSet::hiraganaFile);
    EXPECT_EQ("Hiragana(Basic)", builtinHeader.name);
}

TEST_F(TileSetTest, SetsWithoutTilesAreRefusedBeforeADeal)
{
    for (const char* file : {"tilesets/empty.tls", "tilesets/missing.tls"}) {
        Level level;
        withLayoutAndSet(level, new Layout(re, Layout::builtinTurtleFile), file);
        EXPECT_TRUE(level.tileSet->templates.empty());
        EXPECT_FALSE(level.deal()) << file;
        EXPECT_TRUE(level.tiles.empty());
    }
}

TEST_F(TileSetTest, ChooseTilesTakesTheFirstAvailableFaceFromStart)
{
    Level level;
    TileSet ts(re, se, &level);
    ts.templates = {newTile(level, "Self", {"Self"}, 2),
                    newTile(level, "Lonely", {"Lonely"}),  // one copy cannot pair with itself
                    newTile(level, "Left", {"Right"}), newTile(level, "Right", {})};
    int a = -1, b = -1;
    ASSERT_TRUE(ts.chooseTiles(&a, &b, 1));
    EXPECT_EQ(2, a);
    EXPECT_EQ(3, b);
    ts.templates[2]->used = 1;
    ts.templates[3]->used = 1;
    ASSERT_TRUE(ts.chooseTiles(&a, &b, 1));  // wraps round to the start
    EXPECT_EQ(0, a);
    EXPECT_EQ(0, b);
    ts.templates[0]->used = 2;
    EXPECT_FALSE(ts.chooseTiles(&a, &b, 0));
    level.tileSetMultiplier = 2;  // doubles every allowance
    ASSERT_TRUE(ts.chooseTiles(&a, &b, 1));
    EXPECT_EQ(1, a);
    EXPECT_EQ(1, b);
    EXPECT_FALSE(ts.chooseTiles(&a, &b, 99));
    ts.reset();
    for (Tile* t : ts.templates)
        EXPECT_EQ(0, t->used);
}
