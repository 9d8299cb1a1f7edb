// The saved game: the live board written into the player file or into the
// outgoing player's stored lines, and a player's stored game rebuilt on the
// board.
#include <algorithm>
#include <cmath>
#include <set>
#include <tuple>

#include "game/Layout.h"
#include "game/LayoutCatalog.h"
#include "game/Level.h"
#include "game/Tile.h"
#include "game/TileSet.h"
#include "main/GameEngine.h"
#include "base/Log.h"
#include "persist/Player.h"
#include "persist/PlayerFile.h"
#include "persist/SavedGame.h"

namespace {
std::vector<std::string>::iterator findEntry(std::vector<std::string>& list, const std::string& word)
{
    return std::find(list.begin(), list.end(), word);
}

bool samePlace(const Tile* t, double x, double y, double z)
{
    return static_cast<double>(t->gridPosition.x) == x && static_cast<double>(t->gridPosition.y) == y
        && static_cast<double>(t->gridPosition.z) == z;
}

// Every tile the set knows must lie inside the layout's grid, on cells no
// other tile takes; a file that says otherwise is not a game of this layout.
bool tilesFit(const SavedGame& game, const Layout& layout, const TileSet& set)
{
    std::set<std::tuple<int, int, int>> taken;
    int placed = 0;
    for (const SavedGame::SavedTile& s : game.tiles) {
        if (!set.templateNamed(s.name))
            continue;
        const double x = std::trunc(s.x), y = std::trunc(s.y), z = std::trunc(s.z);
        if (!(x >= 0 && y >= 0 && z >= 0 && x <= layout.gridX - 2 && y <= layout.gridY - 2
              && z <= layout.gridZ - 1))
            return false;
        const int ix = static_cast<int>(x), iy = static_cast<int>(y), iz = static_cast<int>(z);
        for (int dx = 0; dx < 2; ++dx)
            for (int dy = 0; dy < 2; ++dy)
                if (!taken.insert({ix + dx, iy + dy, iz}).second)
                    return false;
        ++placed;
    }
    return placed > 0;
}
}

bool GameEngine::gameResumable() const
{
    return level && !level->tiles.empty() && gameState != GS_GAME_WON && !gameWonShown
        && level->clearedTiles.size() < level->tiles.size();
}

std::vector<std::string> GameEngine::boardSaveLines()
{
    if (!gameResumable())
        return {};
    return SavedGame::boardLines(*level, 60 * minutes + seconds, hintsUsed, shufflesUsed, undosUsed,
                                 currentLayout != layoutFiles.end() ? *currentLayout : std::string(),
                                 currentTileSet != tileSetFiles.end() ? *currentTileSet : std::string(),
                                 difficulty);
}

void GameEngine::saveGame(std::ostream& out)
{
    // A board that is not the current player's own game is never written as
    // theirs: their stored game is kept instead.
    const Player* p = activePlayer();
    if (p && boardPlayer != p) {
        PlayerFile::writeStoredSave(out, p->saveLines);
        return;
    }
    SavedGame::writeLive(out, boardSaveLines());
}

void GameEngine::createSaveData()
{
    Player* p = activePlayer();
    if (!p || boardPlayer != p)
        return;
    p->saveLines = boardSaveLines();
}

bool GameEngine::loadSavedGame()
{
    Player* p = activePlayer();
    if (!p)
        return false;
    if (p->saveLines.empty() || !level) {
        action = "NEW_GAME";
        return false;
    }
    const SavedGame game = SavedGame::parse(p->saveLines);
    // Everything is checked before anything changes: a game refused leaves
    // the layout, tile set and difficulty in force as they were.
    auto find = [](std::vector<std::string>& list, bool named, const std::string& file, const char* what,
                   std::vector<std::string>::iterator selected) {
        if (!named)
            return selected;
        auto it = findEntry(list, file);
        if (it == list.end())
            outputError(std::string("Saved game of an unknown ") + what + ": " + file);
        return it;
    };
    const auto layoutAt = game.hasLayout ? layoutEntry(game.layout) : selectedLayout;
    if (game.hasLayout && layoutAt == layoutFiles.end())
        outputError("Saved game of an unknown layout: " + game.layout);
    // A generated layout is made from the saved name, whatever number its
    // entry stood for.
    const std::string layoutName = game.hasLayout ? game.layout : layoutAt != layoutFiles.end() ? *layoutAt : "";
    const auto tileSetEntry = find(tileSetFiles, game.hasTileSet, game.tileSet, "tile set", selectedTileSet);
    int savedDifficulty = difficulty;
    if (game.difficulty == "Easy")
        savedDifficulty = DIFFICULTY_EASY;
    else if (game.difficulty == "Normal")
        savedDifficulty = DIFFICULTY_NORMAL;
    else if (game.difficulty == "Advanced")
        savedDifficulty = DIFFICULTY_ADVANCED;
    if (!game.complete || layoutAt == layoutFiles.end() || tileSetEntry == tileSetFiles.end()) {
        action = "NEW_GAME";
        return false;
    }

    std::unique_ptr<Layout> newLayout(LayoutCatalog::open(&renderEngine, layoutName));
    auto newSet = std::make_unique<TileSet>(&renderEngine, soundEngine.get(), level.get(), *tileSetEntry);
    newSet->createTileSet(*tileSetEntry);
    if (!tilesFit(game, *newLayout, *newSet)) {
        outputError("Saved game does not fit its layout, a new game is dealt");
        action = "NEW_GAME";
        return false;
    }
    selectedLayout = layoutAt;
    *selectedLayout = layoutName;
    selectedTileSet = tileSetEntry;
    if (!game.difficulty.empty()) {
        difficulty = savedDifficulty;
        setDifficulty(0);
    }
    gameWonShown = false;

    // The choosers show the board's own objects from now on.
    browsedTileSet.reset();
    browsedLayout.reset();
    currentTileSet = selectedTileSet;
    tileSet = newSet.get();
    level->setTileSet(newSet.release());

    if (!game.hasLayout && currentLayout != selectedLayout)
        renderEngine.camera.setDefaults(newLayout->defaultCameraTranslation, newLayout->defaultCameraTrack,
                                        newLayout->defaultCameraZoom, newLayout->defaultFov);
    currentLayout = selectedLayout;
    level->layoutFile = *currentLayout;
    layout = newLayout.get();
    level->setLayout(newLayout.release());
    // The game goes on with its own deal number: New Game and the saved
    // game name it again, and a reshuffle draws as after that deal. Where
    // the tiles were dealt is not stored: restart brings them back to where
    // the game was saved.
    dealNumber = game.seed != 0 ? game.seed : Level::dealSeed;
    std::vector<Level::PlacedTile> placed;
    for (const SavedGame::SavedTile& s : game.tiles)
        placed.push_back({s.name, static_cast<int>(s.x), static_cast<int>(s.y), static_cast<int>(s.z)});
    level->rebuild(placed, dealNumber);
    action.clear();
    updateSlots();
    restoreHistory(game);

    for (Tile* t : pointers(level->tiles)) {
        if (t->state != TILE_SLOTTED)
            continue;
        for (TileSlot* slot : level->slots) {
            if (slot->enabled && !slot->tile) {
                slot->tile = t;
                t->setVisibility(false);
                break;
            }
        }
    }
    level->updateTilesFree();
    level->redoList.restore(*level, game.redo);

    hintsUsed = game.hints;
    shufflesUsed = game.shuffles;
    undosUsed = game.undos;
    level->matchPoints = game.score;
    // The time bonus is not stored: the game comes back with a fresh one,
    // not the one the board before had run down.
    level->timeBonus = 1000;
    const int time = std::max(game.time, 0);
    minutes = time / 60;
    seconds = time % 60;
    boardPlayer = p;

    // A board with every tile cleared is a finished game, not one to resume:
    // it is neither counted as won again nor kept.
    if (level->tilesLeft() == 0) {
        gameWonShown = true;
        action = "NEW_GAME";
        return false;
    }
    updateSlots();
    updateBottomText();
    drawTime();
    return true;
}

void GameEngine::restoreHistory(const SavedGame& game)
{
    std::vector<std::vector<TileState>>& history = level->undoHistory;
    for (const std::vector<SavedGame::SavedTileState>& saved : game.snapshots) {
        std::vector<TileState> snapshot;
        if (history.empty()) {
            for (const SavedGame::SavedTileState& e : saved) {
                for (Tile* t : pointers(level->tiles)) {
                    if (t->name == e.name && samePlace(t, e.x, e.y, e.z)) {
                        snapshot.push_back({t, e.state, e.shown});
                        break;
                    }
                }
            }
        } else {
            for (const TileState& before : history.back()) {
                TileState e = before;
                for (const SavedGame::SavedTileState& line : saved) {
                    if (line.name == before.tile->name && samePlace(before.tile, line.x, line.y, line.z)) {
                        e.state = line.state;
                        e.shown = line.shown;
                        break;
                    }
                }
                snapshot.push_back(e);
            }
        }
        // The tiles take the states of every snapshot in turn, the first
        // included: a history that began with a shuffle starts with tiles
        // already cleared.
        for (const TileState& e : snapshot) {
            e.tile->state = e.state == TILE_SELECTED ? TILE_ON_BOARD : e.state;
            e.tile->setVisibility(e.shown);
        }
        history.push_back(std::move(snapshot));
    }
    // Undo always has the board as it was first shown to return to.
    if (history.empty())
        level->updateTileStates();
}
