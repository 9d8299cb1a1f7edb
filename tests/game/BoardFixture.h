#pragma once
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "audio/SoundEngine.h"
#include "game/Layout.h"
#include "game/Level.h"
#include "game/Tile.h"
#include "game/TileSet.h"
#include "render/RenderEngine.h"
#include "render/Renderer.h"

// Runs each test from tests/data/game, where "Assets/Tiles/tile.obj" is a
// small fixture model, with a do-nothing renderer and a silent sound engine.
class BoardTest : public ::testing::Test {
protected:
    std::filesystem::path savedDir = std::filesystem::current_path();
    RenderEngine* re = nullptr;
    SoundEngine* se = nullptr;

    void SetUp() override
    {
        std::filesystem::current_path(JADELOOM_TEST_DATA "/game");
        re = new RenderEngine(new Renderer);
        se = new SoundEngine;
    }

    void TearDown() override
    {
        re->clean_up();
        delete re;
        delete se;
        std::filesystem::current_path(savedDir);
    }

    // A layout with the given grid and positions, not read from any file.
    Layout* makeLayout(int gx, int gy, int gz, const std::vector<Vector3>& positions)
    {
        Layout* l = new Layout(re, "no_such_layout.lyt");
        l->gridX = gx;
        l->gridY = gy;
        l->gridZ = gz;
        l->tileCoordinates = positions;
        return l;
    }

    // A tile of the level with a name, a matches list and a repeat count.
    Tile* newTile(Level& level, const std::string& name, const std::vector<std::string>& matches,
                  int repeat = 1)
    {
        Tile* t = new Tile(re, &level, se, 0, 0, 0, 0.0f, 0.0f, 0.0f, 0);
        t->name = name;
        t->matches = matches;
        t->standardRepeat = repeat;
        return t;
    }

    // The same, free-standing on the level's board.
    Tile* makeTile(Level& level, const std::string& name, const std::vector<std::string>& matches)
    {
        level.tiles.push_back(newTile(level, name, matches));
        return level.tiles.back();
    }

    // A tile matching its own face, placed at (x, y, z) of the level's grid.
    Tile* put(Level& level, const std::string& name, int x, int y, int z)
    {
        Tile* t = makeTile(level, name, {name});
        level.placeTile(t, x, y, z);
        return t;
    }

    // An empty board with its own grid.
    void makeBoard(Level& level, int gx, int gy, int gz)
    {
        level.renderEngine = re;
        level.soundEngine = se;
        level.setLayout(makeLayout(gx, gy, gz, {}));
        level.newMap();
    }

    // A level with a layout and a set read by createTileSet, not yet dealt.
    void withLayoutAndSet(Level& level, Layout* layout, const char* setFile)
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

    // Difficulty as the game controller applies it: 0 Easy, 1 Normal, 2 Advanced.
    static void applyDifficulty(Level& level, int difficulty)
    {
        static const float multipliers[3] = {0.75f, 1.0f, 2.0f};
        level.setScoreMultiplier(multipliers[difficulty]);
        level.setSlotEnabled(0, difficulty <= 1);
        level.setSlotEnabled(1, difficulty == 0);
        level.setSlotEnabled(2, difficulty == 0);
    }
};
