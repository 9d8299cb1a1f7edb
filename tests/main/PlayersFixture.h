#pragma once
#include <sstream>

#include "GameFixture.h"
#include "support/WorkDir.h"
#include "menu/MenuTextbox.h"
#include "persist/Player.h"
#include "persist/PlayerFile.h"

// Players, their statistics and their saved games, on the real board.
namespace playersfixture {
// The tiles as the player sees them, one line each: cleared and parked
// tiles are not shown on the board.
inline std::vector<std::string> look(const Level& level)
{
    std::vector<std::string> out;
    for (const Tile* t : pointers(level.tiles)) {
        const bool shown = t->state != TILE_CLEARED && t->state != TILE_SLOTTED && t->visible;
        std::ostringstream s;
        s << t->name << " " << t->gridPosition.x << " " << t->gridPosition.y << " " << t->gridPosition.z << " "
          << t->state << " " << shown;
        out.push_back(s.str());
    }
    return out;
}

inline void answerYes(GameEngine& e)
{
    e.action = "DELETE_CONFIRMED";
}
}

class PlayersTest : public GameTest {
protected:
    void addPlayerMenu()
    {
        addMenu();
        MenuItem* root = engine->menu->root.get();
        for (int i = 1; i <= 10; ++i)
            root->addLabel("Player" + std::to_string(i), "");
        MenuTextbox* box = root->addTextBox("MenuNewPlayerTextBox");
        box->label = box->addLabel("TextBoxText", "");
        box->defaultText = "Enter Name Here";
        box->reset();
        root->addLabel("DeletePlayerLabelName", "");
        for (const char* id : {"MenuNewPlayer", "PlayerPanel", "DeletePlayerConfirmation", "MenuButton",
                               "MainMenuLeft", "MainMenuRight"})
            root->addRect(id);
    }

    // The name typed into the new-player panel and Enter pressed.
    Player* add(const std::string& name)
    {
        if (engine->gameState != GS_NEW_PLAYER)
            engine->setGameState(GS_NEW_PLAYER);
        engine->setLabel("TextBoxText", name);
        engine->action = "ADD_PLAYER";
        engine->processAction();
        return engine->activePlayer();
    }

    // Two pairs cleared and one tile parked on "Normal", as a player leaves a
    // game: 4 tiles cleared, Slot1 taken, counters and clock running.
    void playSomeMoves()
    {
        auto [a, b] = freePair();
        level->selectTile(a);  // parked in Slot1
        level->selectTile(b);  // clears against it
        auto [c, d] = freePair();
        level->selectTile(c);
        level->selectTile(d);
        auto [e, f] = freePair();
        level->selectTile(e);  // parked
        ASSERT_EQ(4u, level->clearedTiles.size());
        ASSERT_EQ(e, level->slots[0]->tile);
        engine->hintsUsed = 1;
        engine->undosUsed = 2;
        engine->minutes = 2;
        engine->seconds = 5;
    }
};

