// The action table: every command a menu item carries or game code posts,
// matched in table order; an action that matches nothing is dropped.
#include <cstring>

#include "main/GameEngine.h"

namespace {
// What the handler of a numbered action ("CHANGE_PLAYER3") is given: the
// row, 1..10; 0 for plain actions.
using Handler = void (*)(GameEngine&, int row);

struct ActionEntry {
    const char* name;
    bool numbered;  // the name is followed by a row number 1..10
    Handler run;
};

// The player, panel and music operations come with the panels; until then
// their actions are taken and dropped, so that none stays pending forever.
void dropAction(GameEngine& e, int)
{
    e.action.clear();
}

// The volume knob follows the mouse while the left button is held: the
// action stays pending until the button comes up.
void volumeGrab(GameEngine& e, int)
{
    if (!e.leftHeld)
        e.action.clear();
}

const ActionEntry actionTable[] = {
    {"ADD_PLAYER", false, [](GameEngine& e, int) { e.addPlayer(); }},
    {"CHANGE_LAYOUT", false, [](GameEngine& e, int) { e.changeLayout(); }},
    {"CHANGE_PLAYER", true, [](GameEngine& e, int row) { e.changePlayer("Player" + std::to_string(row)); }},
    {"CHANGE_TILESET", false, [](GameEngine& e, int) { e.changeTileSet(nullptr); }},
    {"CLOSE_NOMOVES", false, [](GameEngine& e, int) { e.noMovesPanel(true); }},
    {"DELETE_PLAYER", true, [](GameEngine& e, int row) { e.deletePlayer("Player" + std::to_string(row)); }},
    {"DIFFICULTY_CHANGE", false, [](GameEngine& e, int) { e.setDifficulty(1); }},
    {"DIFFICULTY_NEXT", false, [](GameEngine& e, int) { e.setDifficulty(2); }},
    {"DIFFICULTY_PREV", false, [](GameEngine& e, int) { e.setDifficulty(3); }},
    {"EXIT", false, [](GameEngine& e, int) { e.exitGame(); }},
    {"FULLSCREEN", false, [](GameEngine& e, int) { e.fullscreen(); }},
    {"GAME_WON_PANEL", false, [](GameEngine& e, int) { e.gameWonPanelToggle(false); }},
    {"GAMEWON_OK", false, [](GameEngine& e, int) { e.gameWonPanelToggle(true); }},
    {"HIGHLIGHT_TILES", false, [](GameEngine& e, int) { e.highlightTiles(); }},
    {"HINT", false, [](GameEngine& e, int) { e.hint(); }},
    {"LAYOUT_PANEL", false, dropAction},
    {"MAIN_MENU", false, dropAction},
    {"MENU_OPEN_DOORS", false, dropAction},
    {"NEW_GAME", false, [](GameEngine& e, int) { e.changeLayout(); }},
    {"NEW_PLAYER", false, dropAction},
    {"NEW_PLAYER_CANCELLED", false, dropAction},
    {"NEXT_LAYOUT", false, dropAction},
    {"NEXT_TILESET", false, dropAction},
    {"NOMOVES_LEFT", false, [](GameEngine& e, int) { e.noMovesPanel(false); }},
    {"OPTIONS_PANEL", false, dropAction},
    {"PLAY_MUSIC", false, dropAction},
    {"PLAYER_PANEL", false, dropAction},
    {"PREV_LAYOUT", false, dropAction},
    {"PREV_TILESET", false, dropAction},
    {"RESTART", false, [](GameEngine& e, int) { e.restart(); }},
    {"SELECT_LAYOUT", false, [](GameEngine& e, int) { e.changeLayout(); }},
    {"SELECT_PLAYER", false, [](GameEngine& e, int) { e.selectPlayer(); }},
    {"SELECT_TILESET", false, [](GameEngine& e, int) { e.changeTileSet(nullptr); }},
    {"SHUFFLE", false, [](GameEngine& e, int) { e.shuffle(); }},
    {"STOP_MUSIC", false, dropAction},
    {"TILESET_PANEL", false, dropAction},
    {"UNDO", false, [](GameEngine& e, int) { e.undo(); }},
    {"VOLUME_DOWN", false, dropAction},
    {"VOLUME_GRAB", false, volumeGrab},
    {"VOLUME_UP", false, dropAction},
};

// The row of a numbered action: name followed by exactly "1".."10"; 0 when
// the action is not that name with a row.
int rowOf(const std::string& action, const char* name)
{
    const size_t n = std::strlen(name);
    if (action.size() <= n || action.compare(0, n, name) != 0)
        return 0;
    const std::string digits = action.substr(n);
    for (int row = 1; row <= 10; ++row)
        if (digits == std::to_string(row))
            return row;
    return 0;
}
}

void GameEngine::processAction()
{
    for (const ActionEntry& entry : actionTable) {
        if (entry.numbered) {
            const int row = rowOf(action, entry.name);
            if (row > 0) {
                entry.run(*this, row);
                return;
            }
        } else if (action == entry.name) {
            entry.run(*this, 0);
            return;
        }
    }
    action.clear();
}
