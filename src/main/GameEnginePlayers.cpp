// Players: the player file, adding, choosing, confirming and deleting a
// player, the statistics of a won game and the rewards shown in the room.
#include <SDL/SDL.h>

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "game/Layout.h"
#include "game/Level.h"
#include "game/TileSet.h"
#include "main/GameEngine.h"
#include "base/Log.h"
#include "menu/Menu.h"
#include "menu/MenuItem.h"
#include "menu/MenuLabel.h"
#include "menu/MenuTextbox.h"
#include "base/AtomicFile.h"
#include "persist/Player.h"
#include "persist/PlayerFile.h"
#include "base/WordReader.h"
#include "render/Sprite.h"

namespace {
const char* const noPlayerName = "DefaultNoNameYet";
const char* const firstWinReward = "Assets/Rewards/luckycat.obj";
// The configuration file reads back 255 characters of the last player's
// line, the blank after the key included: longer names would not be found.
constexpr size_t maxNameLength = 254;
constexpr int playerRows = 10;

std::string rowId(int row)
{
    return "Player" + std::to_string(row);
}

uint32_t unsignedOf(int value)
{
    return value > 0 ? static_cast<uint32_t>(value) : 0u;
}

int bestOf(uint32_t value)
{
    return value > 0x7fffffffu ? -1 : static_cast<int>(value);
}

// The name statistics keep for a layout or tile set: its own, or for a file
// that names none its file name, as one word (a stats name reads back as one
// word, and an empty one would be written as a bare key).
std::string statsName(const std::string& name, const std::string& file)
{
    if (!name.empty())
        return name;
    std::string word = std::filesystem::path(file).filename().string();
    for (char& c : word)
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n')
            c = '_';
    return word.empty() ? std::string("Unnamed") : word;
}

// Counts a win in the statistics of one layout or tile set: the entry found
// for it, or a new one at the end of the list for a first win.
template <class Stats>
Stats& countWin(std::vector<Stats>& list, Stats* found, const std::string& name, uint32_t time,
                uint32_t score, uint32_t hints, uint32_t shuffles, uint32_t undos)
{
    if (found) {
        found->addWin(time, score, hints, shuffles, undos);
        return *found;
    }
    Stats& stats = list.emplace_back();
    stats.name = name;
    stats.firstWin(time, score, hints, shuffles, undos);
    return stats;
}
}

// ---- the list -------------------------------------------------------------

Player* GameEngine::activePlayer() const
{
    return currentPlayer != players.end() ? currentPlayer->get() : nullptr;
}

Player* GameEngine::findPlayer(const std::string& name) const
{
    for (const std::unique_ptr<Player>& p : players)
        if (p && p->name == name)
            return p.get();
    return nullptr;
}

void GameEngine::makeCurrent(Player* p)
{
    currentPlayer = std::find_if(players.begin(), players.end(),
                                 [p](const std::unique_ptr<Player>& listed) { return listed.get() == p; });
    if (!p)
        currentPlayer = players.end();
}

void GameEngine::labelPlayers(const Player* highlighted)
{
    for (int row = 1; row <= playerRows; ++row) {
        auto* label = dynamic_cast<MenuLabel*>(menuItem(rowId(row)));
        if (!label)
            continue;
        const Player* p = row <= static_cast<int>(players.size()) ? players[row - 1].get() : nullptr;
        label->changeText(p ? p->name : std::string());
        label->highlightText(p && p == highlighted);
    }
}

void GameEngine::loadPlayerFile()
{
    WordReader in{std::string(PlayerFile::path)};
    bool damaged = false;
    if (!in.ok())
        outputError(std::string("Missing player file: ") + PlayerFile::path);
    else
        for (Player* p : PlayerFile::read(in, &damaged))
            players.emplace_back(p);
    // The file is rewritten with what could be read: the damaged original
    // is kept first, once, so that a later damage never replaces it.
    if (damaged)
        keepDamagedFile(PlayerFile::path);
    makeCurrent(lastPlayerName != noPlayerName ? findPlayer(lastPlayerName) : nullptr);
    outputError(std::string("Loaded player file: ") + PlayerFile::path);
}

bool GameEngine::savePlayerFile()
{
    const Player* current = activePlayer();
    return AtomicFile::write(PlayerFile::path, [&](std::ostream& out) {
        std::vector<Player*> listed;
        for (const std::unique_ptr<Player>& p : players)
            listed.push_back(p.get());
        PlayerFile::write(out, listed, current, [this](std::ostream& o) { saveGame(o); });
    });
}

void GameEngine::keepDamagedFile(const std::string& path)
{
    namespace fs = std::filesystem;
    const std::string kept = path + ".damaged";
    std::error_code ec;
    if (fs::exists(kept, ec)) {
        outputError("Damaged player file read, an earlier copy is kept: " + kept);
        return;
    }
    fs::copy_file(path, kept, ec);
    if (ec)
        outputError("Damaged player file read, it could not be kept: " + kept);
    else
        outputError("Damaged player file read, the original is kept as: " + kept);
}

// ---- statistics and rewards -----------------------------------------------

void GameEngine::updatePlayerStats()
{
    const int time = 60 * minutes + seconds;
    const int score = level ? level->score() : 0;
    int tileSetBestTime = -1, tileSetBestScore = -1, layoutBestTime = -1, layoutBestScore = -1;
    Player* p = activePlayer();
    if (p && level) {
        p->saveLines.clear();  // a won game is no longer one to resume
        const uint32_t t = unsignedOf(time), s = unsignedOf(score);
        const uint32_t h = unsignedOf(hintsUsed), sh = unsignedOf(shufflesUsed), u = unsignedOf(undosUsed);

        const std::string layoutName =
            level->layout ? statsName(level->layout->name, level->layout->fileName) : std::string();
        LayoutStats& ls = countWin(p->layoutStats, p->findLayoutStats(layoutName), layoutName, t, s, h, sh, u);
        layoutBestTime = bestOf(ls.time);
        layoutBestScore = bestOf(ls.score);

        const std::string setName = level->tileSet
            ? statsName(level->tileSet->name, currentTileSet != tileSetFiles.end() ? *currentTileSet : std::string())
            : std::string();
        TileSetStats& ts = countWin(p->tileSetStats, p->findTileSetStats(setName), setName, t, s, h, sh, u);
        ts.grade = "A";
        tileSetBestTime = bestOf(ts.time);
        tileSetBestScore = bestOf(ts.score);
    }
    // Without a player the panel still opens: it is the way on to the next game.
    action = "GAME_WON_PANEL";
    gameWonPanel(time, score, tileSetBestTime, tileSetBestScore, layoutBestTime, layoutBestScore);
    if (p) {
        checkRewards();
        // A win is kept at once: a crash before the normal end must not lose it.
        savePlayerFile();
    }
}

void GameEngine::setRewards()
{
    for (const auto& s : renderEngine.rewardSprites)
        if (s)
            s->setVisibility(false);
    const Player* p = activePlayer();
    if (!p)
        return;
    for (const std::string& reward : p->rewards)
        for (const auto& s : renderEngine.rewardSprites)
            if (s && s->getPath() == reward)
                s->setVisibility(true);
}

void GameEngine::checkRewards()
{
    Player* p = activePlayer();
    if (p && !p->hasReward(firstWinReward))
        p->rewards.push_back(firstWinReward);
    setRewards();
}

// ---- the player panel -----------------------------------------------------

std::string GameEngine::typedPlayerName() const
{
    auto* box = dynamic_cast<MenuTextbox*>(menuItem("MenuNewPlayerTextBox"));
    return box ? box->text() : std::string();
}

void GameEngine::resetNameBox()
{
    if (auto* box = dynamic_cast<MenuTextbox*>(menuItem("MenuNewPlayerTextBox")))
        box->reset();
}

std::string GameEngine::playerNameProblem(const std::string& name) const
{
    // A name must come back from the files as it went in: one line, within
    // what the configuration file reads back, and not the "no player" marker.
    auto* box = dynamic_cast<MenuTextbox*>(menuItem("MenuNewPlayerTextBox"));
    if (name.empty() || (box && name == box->defaultText) || name.find_first_not_of(" \t") == std::string::npos)
        return "Type a name first.";
    if (name.size() > maxNameLength)
        return "That name is too long.";
    if (name == noPlayerName || name.find_first_of("\r\n") != std::string::npos)
        return "That name cannot be used.";
    if (findPlayer(name))
        return "That name is already taken.";
    return std::string();
}

void GameEngine::showNamePrompt(const std::string& text)
{
    auto* prompt = dynamic_cast<MenuLabel*>(menuItem("MenuNewPlayerPrompt"));
    if (!prompt)
        return;
    // The panel's own prompt is what the menu file gave it.
    if (namePrompt.empty())
        namePrompt = prompt->text;
    prompt->changeText(text.empty() ? namePrompt : text);
}

void GameEngine::addPlayer()
{
    const std::string name = typedPlayerName();
    bool gameStored = false;
    const std::string problem = playerNameProblem(name);
    // A refused name says why, on the panel, in place of its prompt.
    showNamePrompt(problem);
    if (problem.empty()) {
        Player* previous = activePlayer();
        if (previous) {
            createSaveData();
            gameStored = true;
        }
        players.push_back(std::make_unique<Player>());
        Player* p = players.back().get();
        p->setName(name);
        outputError("Added player: " + name);
        makeCurrent(p);
        lastPlayerName = name;
        // The first player takes over the board dealt before anyone played.
        if (!previous)
            boardPlayer = p;
        showItem("MenuNewPlayer", false);
        std::swap(gameState, prevGameState);
        labelPlayers(p);
        setModalActive(true);
        // The new player has earned nothing and keeps no option yet.
        setRewards();
        highlightTiles(p->highlightFreeTiles);
        savePlayerFile();
    }
    resetNameBox();
    action.clear();
    if (gameStored)
        action = "NEW_GAME";
}

void GameEngine::changePlayer(const std::string& labelId)
{
    auto* chosen = dynamic_cast<MenuLabel*>(menuItem(labelId));
    if (chosen && !chosen->text.empty()) {
        const int rows = std::min(static_cast<int>(players.size()), playerRows);
        for (int row = 1; row <= rows; ++row)
            if (auto* label = dynamic_cast<MenuLabel*>(menuItem(rowId(row))))
                label->highlightText(false);
        chosen->highlightText(true);
        lastPlayerName = chosen->text;
    }
    action.clear();
}

void GameEngine::selectPlayer()
{
    // Closed as any panel is, so that the doors under it take clicks again.
    closePanels();
    // A choice that names no player changes nothing.
    if (Player* chosen = findPlayer(lastPlayerName)) {
        createSaveData();
        makeCurrent(chosen);
        setRewards();
        loadSavedGame();
        highlightTiles(chosen->highlightFreeTiles);
        savePlayerFile();
    }
    if (action != "NEW_GAME")
        action.clear();
}

void GameEngine::modalFrame(GameEngine& e)
{
    e.checkEventQueue();
    if (e.menu) {
        e.handTextBoxKeys();
        e.menu->update();
    }
    e.renderEngine.renderScene();
    SDL_Delay(10);
}

bool GameEngine::confirmDeletion(const std::string& name)
{
    if (menu) {
        menu->setActive("MenuButton", false);
        menu->setActive("MainMenuLeft", false);
        menu->setActive("MainMenuRight", false);
    }
    showItem("DeletePlayerConfirmation", true);
    setLabel("DeletePlayerLabelName", name);
    // The deletion running is the action in hand: the answer takes its place,
    // and nothing but the answer does.
    action.clear();
    while (action != "DELETE_CONFIRMED" && action != "DELETE_CANCELLED") {
        // Closing the window answers the question: nothing is deleted.
        if (done) {
            action = "DELETE_CANCELLED";
            break;
        }
        action.clear();
        confirmationFrame(*this);
    }
    if (menu)
        menu->setActive("MenuButton", true);
    activateDoors(true);
    showItem("DeletePlayerConfirmation", false);
    return action == "DELETE_CONFIRMED";
}

void GameEngine::deletePlayer(const std::string& labelId)
{
    bool newGameNeeded = false;
    auto* label = dynamic_cast<MenuLabel*>(menuItem(labelId));
    Player* victim = label && !label->text.empty() ? findPlayer(label->text) : nullptr;
    if (players.size() >= 2 && victim) {
        if (menu)
            menu->setActive("PlayerPanel", false);
        if (confirmDeletion(victim->name)) {
            Player* current = activePlayer();
            // Freed when this block ends; until then victim still points at it.
            const auto at = std::find_if(players.begin(), players.end(),
                                         [victim](const std::unique_ptr<Player>& p) { return p.get() == victim; });
            const std::unique_ptr<Player> gone = std::move(*at);
            players.erase(at);
            // The player in play stays so unless it is the one deleted; the
            // board on screen then belongs to no one and the first remaining
            // player's own game comes back (or a new one is dealt).
            const bool wasCurrent = victim == current;
            if (wasCurrent) {
                current = players.front().get();
                if (boardPlayer == victim)
                    boardPlayer = nullptr;
            }
            makeCurrent(current);
            // With nobody in play (settings naming no listed player) the
            // deletion changes who is current no more than it did before.
            if (current)
                lastPlayerName = current->name;
            labelPlayers(current);
            savePlayerFile();
            if (wasCurrent) {
                setRewards();
                highlightTiles(current->highlightFreeTiles);
                action.clear();
                newGameNeeded = !loadSavedGame();
            }
        }
    }
    if (menu)
        menu->setActive("PlayerPanel", true);
    if (action == "DELETE_CANCELLED")
        action.clear();
    else
        action = newGameNeeded ? "NEW_GAME" : "PLAYER_PANEL";
}
