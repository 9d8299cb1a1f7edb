// The panels: the main-menu doors, the layout and tile set choosers, the
// options (check boxes, music, the volume knob), the player list and the
// new-player panel.
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <system_error>
#include <utility>

#include "audio/SoundEngine.h"
#include "game/Layout.h"
#include "game/LayoutCatalog.h"
#include "game/Level.h"
#include "game/TileSet.h"
#include "main/GameEngine.h"
#include "base/Log.h"
#include "menu/Menu.h"
#include "menu/MenuItem.h"
#include "menu/MenuLabel.h"
#include "menu/MenuTextbox.h"
#include "persist/Player.h"
#include "persist/PlayerLayouts.h"

namespace {
const char* const musicFile = "Assets/Sounds/sakura.ogg";

// One entry forward or back, wrapping at both ends; a position off the list
// starts from its first entry.
std::vector<std::string>::iterator stepEntry(std::vector<std::string>& list,
                                             std::vector<std::string>::iterator at, int step)
{
    if (list.empty())
        return list.end();
    if (at == list.end())
        return list.begin();
    if (step > 0)
        return ++at == list.end() ? list.begin() : at;
    return at == list.begin() ? list.end() - 1 : --at;
}

// One step through a chooser's list. The browsed object is the one in play
// until the step lands on another entry, which is then loaded by `load`; a
// browsed object not in play is freed when the browsing moves on.
template <class T, class Load>
void browseStep(T*& shown, std::unique_ptr<T>& browsed, T* inPlay, std::vector<std::string>& list,
                std::vector<std::string>::iterator& selected,
                std::vector<std::string>::iterator current, int step, Load load)
{
    browsed.reset();
    shown = inPlay;
    selected = stepEntry(list, selected, step);
    if (selected != current && selected != list.end()) {
        browsed = load(*selected);
        shown = browsed.get();
    }
}
}

// ---- main menu --------------------------------------------------------------

void GameEngine::setButtonsActive(bool on)
{
    if (!menu)
        return;
    for (const char* id : {"ShuffleButton", "HintButton", "UndoButton"})
        menu->setActive(id, on);
}

// The doors take clicks unless a chooser, the options or the player panel
// lies over them (the item met first in the tree wins a click, and the
// doors come before the panels).
void GameEngine::activateDoors(bool on)
{
    if (!menu)
        return;
    bool panelOpen = false;
    for (const char* id : {"LayoutPanel", "TileSetPanel", "OptionsPanel", "PlayerPanel", "StatsPanel"})
        if (MenuItem* panel = menuItem(id))
            panelOpen = panelOpen || panel->visible;
    menu->setActive("MainMenuLeft", on && !panelOpen);
    menu->setActive("MainMenuRight", on && !panelOpen);
}

// The new-player panel holds the top bar, the doors and the player panel
// (it may open over that panel) until it closes.
void GameEngine::setModalActive(bool on)
{
    if (!menu)
        return;
    menu->setActive("TopBar", on);
    menu->setActive("PlayerPanel", on);
    activateDoors(on);
}

void GameEngine::mainMenuToggle()
{
    // Waits, pending, while tiles or doors are still moving.
    if (!boardAnimationsFinished())
        return;
    const bool doorsMoving = menu && menu->takePlaying();
    if (gameState == GS_MAIN_MENU) {
        if (doorsMoving)
            return;
        // The doors open on the board alone: a chooser or the player panel
        // left open would stay live in play.
        closePanels();
        prevGameState = GS_MAIN_MENU;
        gameState = GS_PLAYING;
        if (menu)
            menu->playAnimation("open_doors");
        action = "MENU_OPEN_DOORS";
        return;
    }
    closePanels();
    setButtonsActive(false);
    if (doorsMoving)
        return;
    showItem("MainMenuLeft", true);
    showItem("MainMenuRight", true);
    setGameState(GS_MAIN_MENU);
    if (menu)
        menu->playAnimation("close_doors");
    action.clear();
}

void GameEngine::mainMenuOpenDoors()
{
    if (menu && menu->takePlaying())
        return;
    setButtonsActive(true);
    showItem("MainMenuLeft", false);
    showItem("MainMenuRight", false);
    action.clear();
}

// ---- panels -----------------------------------------------------------------

void GameEngine::openPanel(const char* id)
{
    closePanels();
    if (menu)
        menu->setActive(id, true);
    showItem(id, true);
    activateDoors(false);
}

namespace {
// Every panel that can lie over the board.
const char* const boardPanels[] = {"LayoutPanel", "TileSetPanel", "OptionsPanel", "PlayerPanel", "StatsPanel",
                                   "NoMovesPanel", "GameWonPanel", "MenuNewPlayer", "DeletePlayerConfirmation",
                                   "LayoutKeepPanel"};
}

bool GameEngine::panelOpen() const
{
    for (const char* id : boardPanels)
        if (const MenuItem* panel = menuItem(id); panel && panel->visible)
            return true;
    return false;
}

void GameEngine::markBoardCovers()
{
    for (const char* id : boardPanels)
        if (MenuItem* panel = menuItem(id))
            panel->coversBoard = true;
    for (const char* id : {"MainMenuLeft", "MainMenuRight"})
        if (MenuItem* door = menuItem(id))
            door->coversBoard = true;
}

void GameEngine::closePanels()
{
    if (!menu)
        return;
    menu->closePanels();
    // The new-player and won panels hold the doors until they close.
    if (gameState != GS_NEW_PLAYER && gameState != GS_GAME_WON)
        activateDoors(true);
}

// ---- choosers ---------------------------------------------------------------

std::vector<std::string> GameEngine::chooserFiles(const std::vector<std::string>& builtIn,
                                                  const std::string& dir, const std::string& extension)
{
    namespace fs = std::filesystem;
    std::vector<std::string> found;
    std::error_code ec;
    // Directory links are not followed, so a link loop cannot trap the walk.
    for (fs::recursive_directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code fileError;
        if (it->path().extension() == extension && it->is_regular_file(fileError))
            found.push_back(it->path().generic_string());
    }
    if (ec)
        outputError("Could not list all files in: " + dir);
    std::sort(found.begin(), found.end());

    std::vector<std::string> list;
    for (const std::string& file : builtIn)
        if (std::find(list.begin(), list.end(), file) == list.end())
            list.push_back(file);
    for (const std::string& file : found)
        if (std::find(builtIn.begin(), builtIn.end(), file) == builtIn.end())
            list.push_back(file);
    return list;
}

void GameEngine::dropBrowsedLayout()
{
    if (level) {
        browsedLayout.reset();
        layout = level->layout.get();
    }
    selectedLayout = currentLayout;
}

void GameEngine::browseLayout(std::unique_ptr<Layout> opened)
{
    browsedLayout = std::move(opened);
    layout = browsedLayout.get();
}

void GameEngine::dropBrowsedTileSet()
{
    if (level) {
        browsedTileSet.reset();
        tileSet = level->tileSet.get();
    }
    selectedTileSet = currentTileSet;
}

namespace {
// The chooser's name label (centred) and preview picture.
void showEntry(GameEngine& e, const char* nameId, const char* previewId, const std::string& name,
               Texture* preview)
{
    if (auto* label = dynamic_cast<MenuLabel*>(e.menuItem(nameId))) {
        label->changeText(name);
        label->centerText();
    }
    if (MenuItem* picture = e.menuItem(previewId))
        picture->overrideTexture = preview;
}
}

void GameEngine::showLayoutEntry()
{
    std::string name;
    if (layout)
        name = PlayerLayouts::shownName(*layout);
    showEntry(*this, "LayoutName", "LayoutPreview", name, layout ? layout->preview() : nullptr);
    showLayoutPicks();
}

void GameEngine::showTileSetEntry()
{
    std::string name;
    if (tileSet)
        name = tileSet->name;
    if (name.empty() && selectedTileSet != tileSetFiles.end())
        name = *selectedTileSet;
    showEntry(*this, "TileSetName", "TileSetPreview", name, tileSet ? tileSet->preview() : nullptr);
}

void GameEngine::layoutPanelOpen()
{
    dropBrowsedTileSet();
    dropBrowsedLayout();
    browsedDeal = dealNumber;
    showLayoutEntry();
    openPanel("LayoutPanel");
    action.clear();
}

void GameEngine::layoutPanelChange(int step)
{
    if (level && (step == 1 || step == -1))
        browseStep(layout, browsedLayout, level->layout.get(), layoutFiles, selectedLayout, currentLayout, step,
                   [this](const std::string& file) { return LayoutCatalog::open(&renderEngine, file); });
    showLayoutEntry();
    action.clear();
}

void GameEngine::tileSetPanelOpen()
{
    dropBrowsedLayout();
    dropBrowsedTileSet();
    showTileSetEntry();
    openPanel("TileSetPanel");
    action.clear();
}

void GameEngine::tileSetPanelChange(int step)
{
    if (level && (step == 1 || step == -1))
        browseStep(tileSet, browsedTileSet, level->tileSet.get(), tileSetFiles, selectedTileSet, currentTileSet, step,
                   [this](const std::string& file) {
                       return std::make_unique<TileSet>(&renderEngine, soundEngine.get(), level.get(), file);
                   });
    showTileSetEntry();
    action.clear();
}

void GameEngine::selectLayout()
{
    if (!boardAnimationsFinished())
        return;
    if (!level) {
        action.clear();
        return;
    }
    if (layout && layout != level->layout.get()) {
        // A layout that cannot be dealt would leave an empty board: the one
        // in play stays.
        if (!layout->isPlayable()) {
            outputError("Layout refused, the one in play is kept: " + layout->fileName);
            dropBrowsedLayout();
            showLayoutEntry();
            action.clear();
            return;
        }
        // The browsed layout goes into play; the board frees the one it had.
        level->setLayout(browsedLayout.release());
        // A generated entry stands for the number last picked for its size.
        if (selectedLayout != layoutFiles.end())
            *selectedLayout = layout->fileName;
        currentLayout = selectedLayout;
        // A new shape has its own view.
        renderEngine.camera.setDefaults(layout->defaultCameraTranslation, layout->defaultCameraTrack,
                                        layout->defaultCameraZoom, layout->defaultFov);
        renderEngine.camera.resetCamera();
    }
    dropBrowsedLayout();
    dealNumber = browsedDeal;
    dealLayout();
}

// ---- options ----------------------------------------------------------------

void GameEngine::optionsPanelOpen()
{
    openPanel("OptionsPanel");
    action.clear();
}

bool GameEngine::volumeTrack(MenuItem*& knob, float& trackX, float& maxX) const
{
    knob = menuItem("VolumeKnob");
    const float w = static_cast<float>(renderEngine.windowWidth);
    if (!knob || !knob->position || !knob->parent || !knob->parent->position || w <= 0.0f)
        return false;
    trackX = knob->parent->position[0];
    maxX = trackX + knob->parent->width / w - knob->width / w;
    return true;
}

void GameEngine::placeVolumeKnob()
{
    MenuItem* knob;
    float trackX, maxX;
    if (volumeTrack(knob, trackX, maxX))
        knob->position[0] = trackX + (maxX - trackX) * volume;
}

void GameEngine::volumeChange(int mode)
{
    if (mode == 0) {
        // The knob follows the mouse while the left button is held; the
        // action stays pending until the button comes up.
        if (!leftHeld) {
            action.clear();
            return;
        }
        const float mx = static_cast<float>(renderEngine.mouseX);
        const float my = static_cast<float>(renderEngine.mouseY);
        MenuItem* knob;
        float trackX, maxX;
        if (mx != mouseDownX && volumeTrack(knob, trackX, maxX)) {
            float x = knob->position[0] + (mx - mouseDownX) / static_cast<float>(renderEngine.windowWidth);
            x = std::clamp(x, trackX, std::max(trackX, maxX));
            knob->position[0] = x;
            volume = maxX > trackX ? std::clamp((x - trackX) / (maxX - trackX), 0.0f, 1.0f) : volume;
            if (soundEngine)
                soundEngine->setVolume(volume);
        }
        mouseDownX = mx;
        mouseDownY = my;
        return;
    }
    float v = volume + (mode > 0 ? 0.1f : -0.1f);
    // Ten steps from one end reach the other exactly, whatever the rounding.
    if (v >= 1.0f - 1e-4f)
        v = 1.0f;
    if (v <= 1e-4f)
        v = 0.0f;
    volume = v;
    placeVolumeKnob();
    if (soundEngine)
        soundEngine->setVolume(volume);
    action.clear();
}

void GameEngine::musicToggle(bool on)
{
    playMusic = on;
    setMusicOption();
    action.clear();
}

void GameEngine::setMusicOption()
{
    showItem("MusicOn", playMusic);
    showItem("MusicOff", !playMusic);
    if (!soundEngine)
        return;
    if (!playMusic) {
        if (musicStream != -1)
            soundEngine->stopStream(musicStream);
        return;
    }
    // The stream is opened once and reused; music that cannot be opened
    // leaves the game silent, never stopped.
    if (musicStream == -1) {
        try {
            musicStream = soundEngine->addStream(musicFile, true);
        } catch (...) {
            outputError(std::string("Music could not be played: ") + musicFile);
            musicStream = -1;
        }
    }
    if (musicStream != -1)
        soundEngine->playStream(musicStream);
}

// ---- players ----------------------------------------------------------------

void GameEngine::playerPanelOpen()
{
    openPanel("PlayerPanel");
    // The panel starts from the player in play.
    const Player* current = activePlayer();
    if (current)
        lastPlayerName = current->name;
    const size_t rows = std::min(players.size(), maxPlayers);
    for (size_t row = 1; row <= maxPlayers; ++row) {
        auto* label = dynamic_cast<MenuLabel*>(menuItem("Player" + std::to_string(row)));
        if (label)
            label->highlightText(current && row <= rows && label->text == current->name);
    }
    action.clear();
}

void GameEngine::newPlayerPanelToggle(bool close)
{
    if (!close) {
        // Opening twice would make the panel its own state to return to.
        if (players.size() < maxPlayers && gameState != GS_NEW_PLAYER) {
            showNamePrompt(std::string());
            setModalActive(false);
            showItem("MenuNewPlayer", true);
            setGameState(GS_NEW_PLAYER);
        }
    } else if (gameState == GS_NEW_PLAYER && !players.empty()) {
        // With no player yet a first one must be made.
        cancelTextBox();
    }
    action.clear();
}

void GameEngine::newPlayerKey()
{
    MenuTextbox* box = typeInto(dynamic_cast<MenuTextbox*>(menuItem("MenuNewPlayerTextBox")), false);
    if (!box)
        return;
    if (box->escapePressed) {
        // Escape has emptied the box; with no player yet the panel stays,
        // as a first player must be made.
        if (players.empty())
            box->escapePressed = false;
        else
            cancelTextBox();
    } else if (box->enterPressed) {
        box->enterPressed = false;
        action = "ADD_PLAYER";
    }
}

void GameEngine::cancelTextBox()
{
    if (auto* box = dynamic_cast<MenuTextbox*>(menuItem("MenuNewPlayerTextBox"))) {
        box->escapePressed = false;
        box->reset();
    }
    showItem("MenuNewPlayer", false);
    std::swap(gameState, prevGameState);
    setModalActive(true);
}
