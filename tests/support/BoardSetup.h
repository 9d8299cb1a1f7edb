#pragma once
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "WorkDir.h"
#include "audio/SoundEngine.h"
#include "game/Layout.h"
#include "game/Level.h"
#include "game/Tile.h"
#include "game/TileSet.h"
#include "render/RenderEngine.h"
#include "render/Renderer.h"

// Boards made by hand: a grid of a given size and tiles with a name and the
// names they match, on a level that already has its engines.
namespace board {
inline Layout* gridLayout(RenderEngine* re, int gx, int gy, int gz, const std::vector<Vector3>& positions = {})
{
    Layout* l = new Layout(re, "no_such_layout.lyt");
    l->gridX = gx;
    l->gridY = gy;
    l->gridZ = gz;
    l->tileCoordinates = positions;
    return l;
}

inline std::unique_ptr<Tile> newTile(Level& level, const std::string& name,
                                     const std::vector<std::string>& matches, int repeat = 1)
{
    auto t = std::make_unique<Tile>(level.renderEngine, &level, level.soundEngine, 0, 0, 0, 0, 0, 0, 0);
    t->name = name;
    t->matches = matches;
    t->standardRepeat = repeat;
    return t;
}

// Appends a tile matching its own name to the board, at (x, y, z).
inline Tile* put(Level& level, const std::string& name, int x, int y, int z)
{
    level.tiles.emplace_back(newTile(level, name, {name}));
    level.placeTile(level.tiles.back().get(), x, y, z);
    return level.tiles.back().get();
}
}

// Board tests run from tests/data/game, where "Assets/Tiles/tile.obj" is a
// small model whose clearing take lasts long, with a do-nothing renderer
// and a silent sound engine.
class BoardTest : public ::testing::Test {
protected:
    WorkDir dir{JADELOOM_TEST_DATA "/game"};
    RenderEngine* re = new RenderEngine(std::make_unique<Renderer>());
    SoundEngine* se = new SoundEngine;

    ~BoardTest() override
    {
        re->clean_up();
        delete re;
        delete se;
    }

    // An empty board with a grid of its own.
    void makeBoard(Level& level, int gx, int gy, int gz)
    {
        level.renderEngine = re;
        level.soundEngine = se;
        level.setLayout(board::gridLayout(re, gx, gy, gz));
        level.newMap();
    }
    Tile* put(Level& level, const std::string& name, int x, int y, int z) { return board::put(level, name, x, y, z); }
    std::unique_ptr<Tile> newTile(Level& level, const std::string& name, const std::vector<std::string>& matches,
                                  int repeat = 1)
    {
        level.renderEngine = re;
        level.soundEngine = se;
        return board::newTile(level, name, matches, repeat);
    }

    // A level with a layout and a tile set read by createTileSet, not dealt.
    void withLayoutAndSet(Level& level, Layout* layout, const std::string& setFile)
    {
        level.renderEngine = re;
        level.soundEngine = se;
        level.setLayout(layout);
        TileSet* ts = new TileSet(re, se, &level);
        ts->createTileSet(setFile);
        level.setTileSet(ts);
    }

    // The built-in layout with one of the built-in sets, dealt for a seed.
    void dealBuiltin(Level& level, const char* setFile, unsigned int seed = Level::dealSeed)
    {
        withLayoutAndSet(level, new Layout(re, Layout::builtinTurtleFile), setFile);
        level.deal(seed);
    }
};
