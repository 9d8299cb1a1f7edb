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

const ActionEntry actionTable[] = {
    {"ADD_PLAYER", false, [](GameEngine& e, int) { e.addPlayer(); }},
    {"CHANGE_LAYOUT", false, [](GameEngine& e, int) { e.changeLayout(); }},
    {"CHANGE_PLAYER", true, [](GameEngine& e, int row) { e.changePlayer("Player" + std::to_string(row)); }},
    {"CHANGE_TILESET", false, [](GameEngine& e, int) { e.changeTileSet(nullptr); }},
    {"CLOSE_NOMOVES", false, [](GameEngine& e, int) { e.noMovesPanel(true); }},
    // The close button of the choosers, the options and the player panel.
    {"CLOSE_PANELS", false, [](GameEngine& e, int) { e.closePanels(); e.action.clear(); }},
    {"DELETE_PLAYER", true, [](GameEngine& e, int row) { e.deletePlayer("Player" + std::to_string(row)); }},
    {"DEAL_NEXT", false, [](GameEngine& e, int) { e.dealPick(1); }},
    {"DEAL_PREV", false, [](GameEngine& e, int) { e.dealPick(-1); }},
    {"DEAL_RANDOM", false, [](GameEngine& e, int) { e.dealPick(0); }},
    {"DIFFICULTY_CHANGE", false, [](GameEngine& e, int) { e.setDifficulty(1); }},
    {"DIFFICULTY_NEXT", false, [](GameEngine& e, int) { e.setDifficulty(2); }},
    {"DIFFICULTY_PREV", false, [](GameEngine& e, int) { e.setDifficulty(3); }},
    {"EXIT", false, [](GameEngine& e, int) { e.exitGame(); }},
    {"FULLSCREEN", false, [](GameEngine& e, int) { e.fullscreen(); }},
    {"GAME_WON_PANEL", false, [](GameEngine& e, int) { e.gameWonPanelToggle(false); }},
    {"GAMEWON_OK", false, [](GameEngine& e, int) { e.gameWonPanelToggle(true); }},
    {"HIGHLIGHT_TILES", false, [](GameEngine& e, int) { e.highlightTiles(); }},
    {"HINT", false, [](GameEngine& e, int) { e.hint(); }},
    {"KEEP_LAYOUT", false, [](GameEngine& e, int) { e.keepPanelToggle(false); }},
    {"KEEP_LAYOUT_CANCELLED", false, [](GameEngine& e, int) { e.keepPanelToggle(true); }},
    {"KEEP_LAYOUT_CONFIRMED", false, [](GameEngine& e, int) { e.keepLayout(); }},
    {"LAYOUT_NUMBER_NEXT", false, [](GameEngine& e, int) { e.layoutNumberPick(1); }},
    {"LAYOUT_NUMBER_PREV", false, [](GameEngine& e, int) { e.layoutNumberPick(-1); }},
    {"LAYOUT_NUMBER_RANDOM", false, [](GameEngine& e, int) { e.layoutNumberPick(0); }},
    {"LAYOUT_PANEL", false, [](GameEngine& e, int) { e.layoutPanelOpen(); }},
    {"MAIN_MENU", false, [](GameEngine& e, int) { e.mainMenuToggle(); }},
    {"MENU_OPEN_DOORS", false, [](GameEngine& e, int) { e.mainMenuOpenDoors(); }},
    {"NEW_GAME", false, [](GameEngine& e, int) { e.changeLayout(); }},
    {"NEW_PLAYER", false, [](GameEngine& e, int) { e.newPlayerPanelToggle(false); }},
    {"NEW_PLAYER_CANCELLED", false, [](GameEngine& e, int) { e.newPlayerPanelToggle(true); }},
    {"NEXT_LAYOUT", false, [](GameEngine& e, int) { e.layoutPanelChange(1); }},
    {"NEXT_TILESET", false, [](GameEngine& e, int) { e.tileSetPanelChange(1); }},
    {"NOMOVES_LEFT", false, [](GameEngine& e, int) { e.noMovesPanel(false); }},
    {"OPTIONS_PANEL", false, [](GameEngine& e, int) { e.optionsPanelOpen(); }},
    {"PLAY_MUSIC", false, [](GameEngine& e, int) { e.musicToggle(true); }},
    {"PLAYER_PANEL", false, [](GameEngine& e, int) { e.playerPanelOpen(); }},
    {"PREV_LAYOUT", false, [](GameEngine& e, int) { e.layoutPanelChange(-1); }},
    {"PREV_TILESET", false, [](GameEngine& e, int) { e.tileSetPanelChange(-1); }},
    {"REDO", false, [](GameEngine& e, int) { e.redo(); }},
    {"RESTART", false, [](GameEngine& e, int) { e.restart(); }},
    {"SELECT_LAYOUT", false, [](GameEngine& e, int) { e.selectLayout(); }},
    {"SELECT_PLAYER", false, [](GameEngine& e, int) { e.selectPlayer(); }},
    {"SELECT_TILESET", false, [](GameEngine& e, int) { e.changeTileSet(nullptr); }},
    {"SHUFFLE", false, [](GameEngine& e, int) { e.shuffle(); }},
    {"SMOOTH_EDGES", false, [](GameEngine& e, int) { e.smoothEdges(); }},
    {"STATS_NEXT", false, [](GameEngine& e, int) { e.statsPageStep(1); }},
    {"STATS_PANEL", false, [](GameEngine& e, int) { e.statsPanelOpen(); }},
    {"STATS_PREV", false, [](GameEngine& e, int) { e.statsPageStep(-1); }},
    {"STOP_MUSIC", false, [](GameEngine& e, int) { e.musicToggle(false); }},
    {"TILESET_PANEL", false, [](GameEngine& e, int) { e.tileSetPanelOpen(); }},
    {"UNDO", false, [](GameEngine& e, int) { e.undo(); }},
    {"VOLUME_DOWN", false, [](GameEngine& e, int) { e.volumeChange(-1); }},
    {"VOLUME_GRAB", false, [](GameEngine& e, int) { e.volumeChange(0); }},
    {"VOLUME_UP", false, [](GameEngine& e, int) { e.volumeChange(1); }},
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
    const ActionEntry* match = nullptr;
    int row = 0;
    for (const ActionEntry& entry : actionTable) {
        row = entry.numbered ? rowOf(action, entry.name) : 0;
        if (entry.numbered ? row > 0 : action == entry.name) {
            match = &entry;
            break;
        }
    }
    if (match)
        match->run(*this, row);
    else
        action.clear();
    // An action may have freed a layout whose own picture the chooser held.
    showLayoutPreview();
}
