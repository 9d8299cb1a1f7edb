#pragma once
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "support/BoardSetup.h"
#include "support/FakeClock.h"
#include "support/RecordingRenderer.h"
#include "main/GameEngine.h"
#include "menu/Menu.h"
#include "menu/MenuButton.h"
#include "menu/MenuCheckbox.h"
#include "menu/MenuLabel.h"
#include "menu/MenuRect.h"
#include "menu/MenuTileSlot.h"
#include "render/Take.h"

namespace gamefixture {
inline Uint8 appState = SDL_APPACTIVE | SDL_APPINPUTFOCUS | SDL_APPMOUSEFOCUS;
inline Uint8 state() { return appState; }
}

// A game engine with the real board and no window, run from tests/data/game,
// where the tile model's clearing take lasts ten minutes unless a test ends
// it; the clock and the window's focus are the test's.
class GameTest : public ::testing::Test {
protected:
    WorkDir dir{JADELOOM_TEST_DATA "/game"};
    RecordingRenderer* renderer = new RecordingRenderer;
    GameEngine* engine = new GameEngine(renderer);
    Level* level = nullptr;

    void SetUp() override
    {
        fakeclock::now = 100000;
        gamefixture::appState = SDL_APPACTIVE | SDL_APPINPUTFOCUS | SDL_APPMOUSEFOCUS;
        engine->timer.tickSource = &fakeclock::ticks;
        engine->appStateSource = &gamefixture::state;
        engine->timer.start();
        engine->soundEngine = std::make_unique<SoundEngine>();
        engine->layoutFiles = {Layout::builtinTurtleFile};
        engine->tileSetFiles = {TileSet::standardFile};
        engine->selectedLayout = engine->currentLayout = engine->layoutFiles.begin();
        engine->selectedTileSet = engine->currentTileSet = engine->tileSetFiles.begin();
    }
    void TearDown() override { delete engine; }

    // The Turtle with the Standard set, dealt as at start-up, in play.
    void startBuiltin(int difficulty = DIFFICULTY_ADVANCED)
    {
        newLevel(Layout::builtinTurtleFile);
        engine->tileSet = new TileSet(&engine->renderEngine, engine->soundEngine.get(), level);
        engine->tileSet->createTileSet(TileSet::standardFile);
        level->setTileSet(engine->tileSet);
        ASSERT_TRUE(level->deal());
        play(difficulty);
    }

    // A board of named tiles at the given grid places, each tile matching
    // only its own name.
    void startTiles(const std::vector<std::pair<std::string, Point>>& tiles, int difficulty)
    {
        newLevel("no_such_layout.lyt");
        int gx = 4, gz = 2;
        for (const auto& t : tiles) {
            gx = std::max(gx, t.second.x + 4);
            gz = std::max(gz, t.second.z + 2);
        }
        engine->layout->gridX = gx;
        engine->layout->gridY = 4;
        engine->layout->gridZ = gz;
        level->newMap();
        for (const auto& [name, p] : tiles)
            board::put(*level, name, p.x, p.y, p.z);
        level->restart();
        play(difficulty);
    }

    void newLevel(const char* layoutFile)
    {
        engine->level = std::make_unique<Level>();
        level = engine->level.get();
        level->renderEngine = &engine->renderEngine;
        engine->renderEngine.showBoard(&level->tiles);
        level->soundEngine = engine->soundEngine.get();
        engine->layout = new Layout(&engine->renderEngine, layoutFile);
        level->setLayout(engine->layout);
    }

    void play(int difficulty)
    {
        engine->difficulty = difficulty;
        engine->setGameState(GS_PLAYING);
        engine->setDifficulty(0);
        engine->updateBottomText();
        engine->lastSecondTicks = engine->lastKeyTicks = static_cast<int>(engine->timer.get_ticks());
    }

    // A menu with the items the game drives; no item has a size, so the
    // pointer is inside all of them wherever it is.
    void addMenu()
    {
        Menu* menu = new Menu(&engine->renderEngine, &engine->input, "");
        menu->root = std::make_unique<MenuRect>("Root", &engine->renderEngine, &engine->input, nullptr);
        MenuItem* root = menu->root.get();
        for (const char* id : {"TilesText", "MovesText", "ScoreText", "TimeText", "DifficultyText"})
            root->addLabel(id, "");
        root->addRect("TopBar");
        root->addRect("NoMovesPanel")->setVisibility(false);
        root->addRect("GameWonPanel")->setVisibility(false);
        root->addCheckBox("FullscreenCheckbox");
        root->addCheckBox("HighlightTilesCheckbox");
        engine->slot1 = root->addTileSlot("Slot1");
        engine->slot2 = root->addTileSlot("Slot2");
        engine->slot3 = root->addTileSlot("Slot3");
        auto label = [root](const char* id) { return static_cast<MenuLabel*>(root->getItemByID(id)); };
        engine->tilesText = label("TilesText");
        engine->movesText = label("MovesText");
        engine->scoreText = label("ScoreText");
        engine->timeTextLabel = label("TimeText");
        engine->menu.reset(menu);
        if (level)
            level->attachSlots(engine->slot1, engine->slot2, engine->slot3);
    }

    std::string labelText(const char* id)
    {
        auto* label = dynamic_cast<MenuLabel*>(engine->menuItem(id));
        return label ? label->text : std::string("<none>");
    }

    void stopAnimations()
    {
        for (Tile* t : pointers(level->tiles))
            if (t->currentTake)
                t->currentTake->playing = false;
    }

    // Events handled one at a time, as the queue hands them over.
    void send(const SDL_Event& e)
    {
        engine->event = e;
        engine->handleEvent();
    }
    void key(SDLKey k, bool down)
    {
        SDL_Event e{};
        e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
        e.key.keysym.sym = k;
        send(e);
    }
    void tap(SDLKey k)
    {
        key(k, true);
        key(k, false);
    }
    void button(Uint8 b, bool down, int x = 10, int y = 10)
    {
        SDL_Event e{};
        e.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
        e.button.button = b;
        e.button.x = static_cast<Uint16>(x);
        e.button.y = static_cast<Uint16>(y);
        send(e);
    }
    void click(int x = 10, int y = 10)
    {
        button(SDL_BUTTON_LEFT, true, x, y);
        button(SDL_BUTTON_LEFT, false, x, y);
    }
    void motion(int x, int y, int xrel, int yrel)
    {
        SDL_Event e{};
        e.type = SDL_MOUSEMOTION;
        e.motion.x = static_cast<Uint16>(x);
        e.motion.y = static_cast<Uint16>(y);
        e.motion.xrel = static_cast<Sint16>(xrel);
        e.motion.yrel = static_cast<Sint16>(yrel);
        send(e);
    }

    // A free tile on the board and another free one that matches it.
    std::pair<Tile*, Tile*> freePair()
    {
        level->updateTilesFree();
        for (Tile* a : level->freeTiles)
            for (Tile* b : level->freeTiles)
                if (a != b && b->match(a) && a->state == TILE_ON_BOARD && b->state == TILE_ON_BOARD)
                    return {a, b};
        return {nullptr, nullptr};
    }
};
