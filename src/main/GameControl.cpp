// Game control: new game, restart, undo, hint, shuffle, difficulty, the
// bottom bar, the clock, the holding slots and the end-of-game panels.
#include <cstdio>

#include "game/Difficulty.h"
#include "game/Layout.h"
#include "game/Level.h"
#include "game/Tile.h"
#include "game/TileSet.h"
#include "main/GameEngine.h"
#include "base/Log.h"
#include "menu/Menu.h"
#include "menu/MenuCheckbox.h"
#include "menu/MenuItem.h"
#include "menu/MenuLabel.h"
#include "menu/MenuTileSlot.h"
#include "persist/Player.h"

namespace {
const float BLUE[3] = {0.0f, 0.0f, 1.0f};
const float BLACK[3] = {0.0f, 0.0f, 0.0f};
}

// ---- helpers --------------------------------------------------------------

std::string GameEngine::clockText(int totalSeconds)
{
    if (totalSeconds < 0)
        totalSeconds = 0;
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d", totalSeconds / 60, totalSeconds % 60);
    return text;
}

std::string GameEngine::numberText(int value)
{
    numberStream.str(std::string());
    numberStream.clear();
    numberStream << value;
    return numberStream.str();
}

MenuItem* GameEngine::menuItem(const std::string& id) const
{
    return menu ? menu->getItemByID(id) : nullptr;
}

void GameEngine::showItem(const std::string& id, bool on)
{
    if (MenuItem* item = menuItem(id))
        item->setVisibility(on);
}

void GameEngine::setLabel(MenuLabel* label, const std::string& text)
{
    if (label)
        label->changeText(text);
}

void GameEngine::setLabel(const std::string& id, const std::string& text)
{
    setLabel(dynamic_cast<MenuLabel*>(menuItem(id)), text);
}

bool GameEngine::boardAnimationsFinished() const
{
    return !level || level->checkAnimationFinished("");
}

// ---- new game, layout and tile set ----------------------------------------

void GameEngine::changeLayout()
{
    // A new game waits, still pending, until the tiles have stopped moving:
    // rebuilding the board under a running animation would leave it half done.
    if (!boardAnimationsFinished())
        return;
    if (!level) {
        action.clear();
        return;
    }
    // The layout in play is dealt again; one only browsed in the chooser is
    // freed and the chooser goes back to the entry in play.
    dropBrowsedLayout();
    dealLayout();
}

void GameEngine::dealLayout()
{
    gameWonShown = false;
    if (currentLayout != layoutFiles.end())
        level->layoutFile = *currentLayout;

    // The board deals from its own layout and tile set, whatever the
    // choosers show; the same layout, tile set and deal number always give
    // the same deal.
    level->deal(dealNumber);

    action.clear();
    newGame();
}

void GameEngine::newGame()
{
    if (!level || !boardAnimationsFinished())
        return;
    gameWonShown = false;
    closePanels();
    closeNoMovesPanel();
    boardPlayer = activePlayer();  // a new deal is the current player's game
    hintsUsed = shufflesUsed = undosUsed = 0;

    if (gameState == GS_MAIN_MENU) {
        prevGameState = GS_MAIN_MENU;
        gameState = GS_PLAYING;
        if (menu)
            menu->playAnimation("open_doors");
        action = "MENU_OPEN_DOORS";
    }

    resetTime();
    updateBottomText();
    updateSlots();
    level->playAnimation("new_game", true);
    level->timeBonus = 1000;
    if (action == "NEW_GAME")
        action.clear();
}

void GameEngine::changeTileSet(Layout* newLayout)
{
    if (!boardAnimationsFinished())
        return;
    if (!level) {
        action.clear();
        return;
    }
    gameWonShown = false;
    TileSet* chosen = tileSet ? tileSet : level->tileSet.get();
    if (chosen && selectedTileSet != tileSetFiles.end())
        chosen->createTileSet(*selectedTileSet);
    if (chosen && chosen != level->tileSet.get()) {
        // A set without tiles cannot be dealt: the set in play stays.
        if (chosen->templates.empty()) {
            outputError("Tileset refused, the one in play is kept: " + chosen->name);
            if (level->tileSet && level->tileSet->stampMaterial)
                renderEngine.stampMaterial = level->tileSet->stampMaterial;
            dropBrowsedTileSet();
            action.clear();
            return;
        }
        // The browsed set goes into play; the board frees the one it had.
        level->setTileSet(chosen == browsedTileSet.get() ? browsedTileSet.release() : chosen);
    }
    tileSet = chosen;
    currentTileSet = selectedTileSet;
    // A layout given here replaces the board's, which then owns it.
    if (newLayout && newLayout != level->layout.get()) {
        if (newLayout == browsedLayout.get())
            browsedLayout.release();
        else
            browsedLayout.reset();
        level->setLayout(newLayout);
        layout = newLayout;
    }
    changeLayout();
}

// ---- commands of play -----------------------------------------------------

void GameEngine::restart()
{
    if (level)
        level->restart();
    updateSlots();
    updateBottomText();
    action.clear();
}

void GameEngine::undo()
{
    // Outside play the undo waits, pending, until play resumes.
    if (gameState != GS_PLAYING) {
        // A click queued behind it must not wait for play that only the
        // click can bring back.
        if (!queuedAction.empty())
            action.clear();
        return;
    }
    if (level && level->undo()) {
        ++undosUsed;
        // The board has moves again (the check after the counts reopens
        // the panel if not).
        closeNoMovesPanel();
    }
    updateBottomText();
    updateSlots();
    action.clear();
}

void GameEngine::redo()
{
    // Puts back what undo took, in order; not counted anywhere.
    if (gameState != GS_PLAYING)
        return;
    if (level)
        level->redoList.redo(*level);
    updateBottomText();
    updateSlots();
    action.clear();
}

void GameEngine::hint()
{
    if (gameState == GS_PLAYING && level && hintAdvisor.hint(*level))
        ++hintsUsed;
    action.clear();
}

void GameEngine::shuffle()
{
    // Reshuffles the tiles still on the board (parked ones come back to it)
    // into an arrangement that can be cleared; counted like an undo.
    action.clear();
    if (gameState != GS_PLAYING || !level || level->tilesLeft() == 0)
        return;
    const bool solvable = level->reshuffle();
    ++shufflesUsed;
    updateBottomText();
    updateSlots();
    // A board that can no longer be cleared is a dead end like any other.
    if (!solvable)
        action = "NOMOVES_LEFT";
}

void GameEngine::setDifficulty(int mode)
{
    if (difficulty < DIFFICULTY_EASY || difficulty > DIFFICULTY_ADVANCED)
        difficulty = DIFFICULTY_NORMAL;
    if (mode == 2 && difficulty != DIFFICULTY_ADVANCED)
        ++difficulty;
    else if (mode == 3 && difficulty != DIFFICULTY_EASY)
        --difficulty;
    else if (mode == 1)
        difficulty = difficulty == DIFFICULTY_ADVANCED ? DIFFICULTY_EASY : difficulty + 1;

    if (action == "DIFFICULTY_CHANGE" || action == "DIFFICULTY_NEXT" || action == "DIFFICULTY_PREV")
        action.clear();

    applyDifficulty();

    if (mode == 0 || !level)
        return;
    // The same deal again, from its start.
    level->restart();
    hintsUsed = shufflesUsed = undosUsed = 0;
    resetTime();
    updateBottomText();
    updateSlots();
    level->playAnimation("new_game", true);
    level->timeBonus = 1000;
}

void GameEngine::applyDifficulty()
{
    const DifficultyRow& row = difficultyRow(difficulty);
    if (auto* label = dynamic_cast<MenuLabel*>(menuItem("DifficultyText"))) {
        label->changeText(row.text);
        label->centerText();
    }
    MenuTileSlot* items[3] = {slot1, slot2, slot3};
    for (int i = 0; i < 3; ++i)
        if (items[i])
            items[i]->setVisibility(row.slotOpen[i]);
    if (level)
        level->applyDifficulty(difficulty);
}

void GameEngine::highlightTiles()
{
    auto* box = dynamic_cast<MenuCheckbox*>(menuItem("HighlightTilesCheckbox"));
    highlightTiles(box ? !box->ticked : !showFreeTiles);
    action.clear();
}

void GameEngine::highlightTiles(bool on)
{
    if (auto* box = dynamic_cast<MenuCheckbox*>(menuItem("HighlightTilesCheckbox")))
        box->ticked = box->toggled = on;
    if (Player* p = activePlayer())
        p->highlightFreeTiles = on;
    showFreeTiles = on;
}

// ---- bottom bar, slots and clock ------------------------------------------

void GameEngine::updateSlots()
{
    if (!level)
        return;
    MenuTileSlot* items[3] = {slot1, slot2, slot3};
    for (int i = 0; i < 3; ++i) {
        MenuTileSlot* item = items[i];
        TileSlot* board = level->slots[i];
        if (!item || !board)
            continue;
        // An attached item is the board's slot: its tile is already right.
        const bool attached = static_cast<TileSlot*>(item) == board;
        if (board->enabled) {
            if (!attached)
                item->tile = board->tile;
            item->setVisibility(board->tile == nullptr);
        } else if (!attached) {
            item->tile = nullptr;
        }
    }
}

void GameEngine::updateBottomText()
{
    if (!level)
        return;
    if (gameState != GS_GAME_WON) {
        tilesLeft = level->tilesLeft();
        setLabel(tilesText, numberText(tilesLeft));
        movesLeft = level->movesLeft();
        setLabel(movesText, numberText(movesLeft));
        setLabel("DealText", "Deal " + numberText(static_cast<int>(level->randomSeed)));
        if (holdDeadEndWatch)
            deadEndWatchWaits = true;
        else
            deadEnd.watch(*level);
        showDeadEnd();
        // A board that could not be dealt has no tiles: nothing was won.
        if (tilesLeft == 0 && !gameWonShown && !level->tiles.empty()) {
            gameWonShown = true;
            gameState = GS_GAME_WON;
            level->gameWon();
            updatePlayerStats();
        }
    }
    setLabel(scoreText, numberText(level->score()));
    if (movesLeft == 0 && tilesLeft > 0 && !level->slotAvailable())
        action = "NOMOVES_LEFT";
}

void GameEngine::drawTime()
{
    timeText = clockText(60 * minutes + seconds);
    setLabel(timeTextLabel, timeText);
}

void GameEngine::resetTime()
{
    minutes = seconds = 0;
    drawTime();
}

// ---- end-of-game panels ---------------------------------------------------

void GameEngine::closeNoMovesPanel()
{
    if (const MenuItem* panel = menuItem("NoMovesPanel"); panel && panel->visible) {
        showItem("NoMovesPanel", false);
        if (menu)
            menu->setActive("TopBar", true);
    }
}

void GameEngine::noMovesPanel(bool close)
{
    showItem("NoMovesPanel", close ? false : true);
    if (menu)
        menu->setActive("TopBar", close);
    action.clear();
}

void GameEngine::gameWonPanel(int time, int score, int tileSetBestTime, int tileSetBestScore,
                              int layoutBestTime, int layoutBestScore)
{
    // The won panel is the only one open: a chooser, the options or the
    // player panel left live under it could restart or replace the board.
    closePanels();
    closeNoMovesPanel();
    if (menu) {
        menu->setActive("TopBar", false);
        menu->setActive("MainMenuLeft", false);
        menu->setActive("MainMenuRight", false);
    }
    setLabel("GameWonTime", clockText(time));
    setLabel("GameWonScore", numberText(score));

    // A best value equal to this game's was just set: it is shown in blue.
    auto best = [this](const char* id, int value, int current, bool isTime) {
        auto* label = dynamic_cast<MenuLabel*>(menuItem(id));
        if (!label)
            return;
        // Without a player there is no best to show, not the last winner's.
        if (value < 0) {
            label->changeText(std::string());
            return;
        }
        label->changeText(isTime ? clockText(value) : numberText(value));
        const float* colour = value == current ? BLUE : BLACK;
        for (int i = 0; i < 3; ++i)
            label->textColor[i] = colour[i];
    };
    setLabel("GameWonLayoutName", level && level->layout ? level->layout->name : std::string());
    best("GameWonLayoutBestTime", layoutBestTime, time, true);
    best("GameWonLayoutBestScore", layoutBestScore, score, false);
    setLabel("GameWonTilesetName", level && level->tileSet ? level->tileSet->name : std::string());
    best("GameWonTilesetBestTime", tileSetBestTime, time, true);
    best("GameWonTilesetBestScore", tileSetBestScore, score, false);
}

void GameEngine::gameWonPanelToggle(bool close)
{
    if (!close) {
        // Shown once the last pair has finished its animation.
        if (!boardAnimationsFinished())
            return;
        showItem("GameWonPanel", true);
        action.clear();
        return;
    }
    showItem("GameWonPanel", false);
    if (menu) {
        menu->setActive("TopBar", true);
        menu->setActive("MainMenuLeft", true);
        menu->setActive("MainMenuRight", true);
    }
    setGameState(GS_PLAYING);
    action = "NEW_GAME";
}
