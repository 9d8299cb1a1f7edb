#include "main/GameEngine.h"

#include <csignal>
#include <stdexcept>
#include <thread>
#include <utility>

#include "audio/Movie.h"
#include "audio/SoundEngine.h"
#include "game/Layout.h"
#include "game/LayoutCatalog.h"
#include "game/Level.h"
#include "game/TileSet.h"
#include "base/Log.h"
#include "menu/Menu.h"
#include "menu/MenuCheckbox.h"
#include "menu/MenuItem.h"
#include "menu/MenuLabel.h"
#include "menu/MenuTextbox.h"
#include "menu/MenuTileSlot.h"
#include "persist/Player.h"
#include "render/Renderer.h"
#include "render/Sprite.h"
#include "render/Take.h"

namespace {
// SIGHUP becomes SIGTERM, which SDL turns into a quit request.
void forwardHangup(int)
{
    std::raise(SIGTERM);
}
}

GameEngine::GameEngine()
{
    currentPlayer = players.end();
    selectedLayout = currentLayout = layoutFiles.end();
    selectedTileSet = currentTileSet = tileSetFiles.end();
    dealNumber = browsedDeal = Level::dealSeed;
}

GameEngine::GameEngine(Renderer* renderer) : renderEngine(std::unique_ptr<Renderer>(renderer))
{
    currentPlayer = players.end();
    selectedLayout = currentLayout = layoutFiles.end();
    selectedTileSet = currentTileSet = tileSetFiles.end();
    dealNumber = browsedDeal = Level::dealSeed;
}

GameEngine::~GameEngine()
{
    // The order matters: what the choosers browse and the board go first,
    // while the menu (whose holding slots show the board's tiles) and the
    // render engine (through which everything frees its textures) are still
    // there; then the sound engine, the menu and the players; the render
    // engine's own clean-up last.
    browsedLayout.reset();
    browsedTileSet.reset();
    level.reset();
    soundEngine.reset();
    renderEngine.menu = nullptr;
    menu.reset();
    players.clear();
    renderEngine.clean_up();
    SDL_Quit();
}

void GameEngine::fullscreenThisRun(bool on)
{
    // Swapped with the loaded setting once the configuration is read.
    savedFullscreen = on;
}

void GameEngine::setGameState(int state)
{
    prevGameState = gameState;
    gameState = state;
}

void GameEngine::exitGame()
{
    done = true;
    action.clear();
}

bool GameEngine::Engine_Init()
{
    setGameState(GS_LOADING);

    // Only the video side: the game's clock and sound are its own, and SDL
    // 1.2's timer side would keep a thread waking every millisecond, most
    // of what a waiting game costs.
    if (SDL_Init(SDL_INIT_VIDEO) < 0)
        throw std::runtime_error(std::string("SDL Failed to Init: ") + SDL_GetError());
    outputError("SDL initialized properly");

    // SDL turns SIGINT and SIGTERM into a quit request but leaves SIGHUP
    // (the end of the user's session) to kill the process, which would lose
    // the settings and the game in progress: treat it like the other two.
    std::signal(SIGHUP, &forwardHangup);

    loadConfig();
    outputError("Loaded Config File");
    if (savedFullscreen)
        std::swap(*savedFullscreen, renderEngine.fullscreen);
    loadPlayerFile();

    // The pictures of the first frame are decoded while the window opens.
    renderEngine.pictures.start(startupPictures());

    // The audio device opens while the window does: each waits on a server
    // of its own, and neither needs the other.
    std::thread audio([this] {
        soundEngine = std::make_unique<SoundEngine>();
        soundEngine->setVolume(volume);
    });
    const bool windowOpen = renderEngine.init();
    audio.join();
    if (!windowOpen)
        return false;

    // The intro plays to its end unless the player skips it; a skipped
    // intro leaves the splash picture up for a moment instead. The logo
    // stays on screen while the rest loads.
    Movie movie(&renderEngine, soundEngine.get());
    if (movie.openAVI("intro.avi", ""))
        movie.play(true);
    if (movie.skipped) {
        renderEngine.renderer->renderSplashScreen("splash.png");
        SDL_Delay(2000);
    }
    renderEngine.renderer->renderSplashScreen("logo.png");

    menu = std::make_unique<Menu>(&renderEngine, &input, "Assets/Menu/menu.obj");
    menu->loadMenuFile("Assets/Menu/menu.cfg");
    renderEngine.menu = menu.get();

    level = std::make_unique<Level>();
    renderEngine.camera.level = level.get();
    if (currentLayout != layoutFiles.end())
        level->layoutFile = *currentLayout;
    layout = LayoutCatalog::open(&renderEngine, selectedLayout != layoutFiles.end()
                                                    ? *selectedLayout
                                                    : std::string(Layout::builtinTurtleFile))
                 .release();
    level->setLayout(layout);
    tileSet = new TileSet(&renderEngine, soundEngine.get(), level.get());
    tileSet->createTileSet(currentTileSet != tileSetFiles.end() ? *currentTileSet
                                                                : std::string(TileSet::standardFile));
    level->init(&renderEngine, soundEngine.get(), tileSet);
    setRewards();

    renderEngine.pictures.stop();
    renderEngine.camera.resetCamera();
    labelPlayers(nullptr);
    return true;
}

std::vector<std::string> GameEngine::startupPictures() const
{
    // In the order loading asks for them; a picture listed but not used is
    // only freed again.
    std::vector<std::string> files{"logo.png"};
    const std::string tileSetFile = currentTileSet != tileSetFiles.end() ? *currentTileSet
                                                                         : std::string(TileSet::standardFile);
    for (const std::string& model : {std::string("Assets/Menu/menu.obj"), std::string(TileSet::tileModelFile),
                                     tileSetFile, std::string(Level::roomModelFile),
                                     std::string(Level::rewardsFile)}) {
        const size_t slash = model.find_last_of('/');
        if (slash == std::string::npos)
            continue;
        // The choosers' pictures wait until a chooser shows them.
        for (std::string& f : PictureDecoder::picturesIn(model.substr(0, slash)))
            if (f.find("_preview") == std::string::npos)
                files.push_back(std::move(f));
    }
    return files;
}

void GameEngine::Start_Game()
{
    holdDeadEndWatch = true;
    // The menu items the game drives.
    tilesText = dynamic_cast<MenuLabel*>(menuItem("TilesText"));
    movesText = dynamic_cast<MenuLabel*>(menuItem("MovesText"));
    scoreText = dynamic_cast<MenuLabel*>(menuItem("ScoreText"));
    timeTextLabel = dynamic_cast<MenuLabel*>(menuItem("TimeText"));
    slot1 = dynamic_cast<MenuTileSlot*>(menuItem("Slot1"));
    slot2 = dynamic_cast<MenuTileSlot*>(menuItem("Slot2"));
    slot3 = dynamic_cast<MenuTileSlot*>(menuItem("Slot3"));
    MenuTileSlot* slotItems[3] = {slot1, slot2, slot3};
    for (int i = 0; i < 3; ++i) {
        renderEngine.holdingSlots[i] = slotItems[i];
        if (slotItems[i])
            slotItems[i]->setProjectionPosition();
    }
    // The slot items are the board's slots from now on.
    if (level)
        level->attachSlots(slot1, slot2, slot3);
    mainMenuLeft = menuItem("MainMenuLeft");
    mainMenuRight = menuItem("MainMenuRight");
    markBoardCovers();
    // Play goes on without any of them, but the log says which is missing.
    const std::pair<const char*, const void*> needed[] = {
        {"TilesText", tilesText}, {"MovesText", movesText}, {"ScoreText", scoreText},
        {"TimeText", timeTextLabel}, {"Slot1", slot1}, {"Slot2", slot2}, {"Slot3", slot3},
        {"MainMenuLeft", mainMenuLeft}, {"MainMenuRight", mainMenuRight}};
    for (const auto& [id, item] : needed)
        if (!item)
            outputError(std::string("Missing menu item: ") + id);

    if (auto* box = dynamic_cast<MenuCheckbox*>(menuItem("FullscreenCheckbox")))
        box->ticked = box->toggled = renderEngine.fullscreen;
    fullscreenWanted = renderEngine.fullscreen;
    if (auto* box = dynamic_cast<MenuCheckbox*>(menuItem("SmoothEdgesCheckbox")))
        box->ticked = box->toggled = renderEngine.smoothEdges();

    placeVolumeKnob();

    if (mainMenuLeft)
        mainMenuLeft->setVisibility(false);
    if (mainMenuRight)
        mainMenuRight->setVisibility(false);
    if (menu) {
        menu->playAnimation("open_doors");
        menu->skipAnimationFrame();
    }

    setGameState(GS_PLAYING);
    updateBottomText();

    timer.start();
    lastSecondTicks = static_cast<int>(timer.get_ticks());
    lastKeyTicks = lastSecondTicks;

    SDL_ShowCursor(SDL_ENABLE);
    // Input that arrived while loading is dropped, but a close request is
    // kept: the player asked to quit and must not be ignored. So is the last
    // resize, which may be the window manager's late answer to a maximised
    // start: play must draw at the size the window has.
    SDL_Event discard;
    SDL_Event lastResize{};
    while (SDL_PollEvent(&discard)) {
        if (discard.type == SDL_QUIT)
            done = true;
        else if (discard.type == SDL_VIDEORESIZE)
            lastResize = discard;
    }
    if (lastResize.type == SDL_VIDEORESIZE && !done)
        resizeWindow(&lastResize, fullscreenWanted);
    renderEngine.mouseInWindow = false;

    if (level)
        level->updateTileStates();
    loadSavedGame();
    setDifficulty(0);
    setMusicOption();

    // Without players the game opens on the new-player panel: a first
    // player must be created. A menu without that panel could never leave
    // the state, so the game is then played without a player.
    if (players.empty() && !menuItem("MenuNewPlayer")) {
        outputError("No player and no new-player panel: playing without a player");
    } else if (players.empty()) {
        if (menu) {
            menu->setActive("TopBar", false);
            menu->setActive("MainMenuLeft", false);
            menu->setActive("MainMenuRight", false);
        }
        setGameState(GS_NEW_PLAYER);
    } else {
        showItem("MenuNewPlayer", false);
        if (const Player* p = activePlayer())
            highlightTiles(p->highlightFreeTiles);
    }

    timer.registerCallback(&GameEngine::menuCursorBlink, 350, this);
    timer.registerCallback(&GameEngine::menuTextUpdate, 50, this);
    updateSlots();

    while (!done)
        runFrame();

    quitGame();
}

void GameEngine::runFrame()
{
    SDL_GetMouseState(&renderEngine.mouseX, &renderEngine.mouseY);
    if (frameDelay != 0)
        SDL_Delay(static_cast<Uint32>(frameDelay));
    updateClock();
    checkEventQueue();
    if (action.empty() && !queuedAction.empty())
        action = std::exchange(queuedAction, std::string());
    if (!action.empty())
        processAction();
    timer.update();
    if (level) {
        level->update();
        // The tile animations of a move have just ended: the counts, the end
        // of the game and the no-moves check follow them.
        if (level->moved && !level->tilesAnimating) {
            level->moved = false;
            updateBottomText();
        }
        // The dead-end watch answers from its own thread when it can.
        if (deadEnd.takeNews())
            showDeadEnd();
    }
    if (menu) {
        handTextBoxKeys();
        menu->update();
    }
    if (soundEngine)
        soundEngine->update();
    if (!renderEngine.rewardSprites.empty()) {
        Sprite* reward = renderEngine.rewardSprites.front().get();
        // Started once and then kept turning; starting it every frame would
        // hold it on its first frame.
        if (reward && !(reward->currentTake && reward->currentTake->playing
                        && reward->currentTake->name == "Swivel"))
            reward->playAnimation("Swivel");
        if (reward)
            reward->animate();
    }
    if (level) {
        level->highlightTiles();
        if (showFreeTiles)
            level->highlightFreeTiles();
    }
    renderEngine.renderScene();
    if (holdDeadEndWatch) {
        holdDeadEndWatch = false;
        if (std::exchange(deadEndWatchWaits, false) && level)
            deadEnd.watch(*level);
    }
}

bool GameEngine::windowHasFocus() const
{
    return appStateSource && (appStateSource() & (SDL_APPINPUTFOCUS | SDL_APPMOUSEFOCUS)) != 0;
}

void GameEngine::updateClock()
{
    const int now = static_cast<int>(timer.get_ticks());
    if (gameState != GS_PLAYING || !windowHasFocus()) {
        // The clock stands still while not in play; no second counts twice.
        lastSecondTicks = now;
        return;
    }
    if (now - lastKeyTicks > 50) {
        lastKeyTicks = now;
        keyUpdates();
    }
    // Whole seconds are counted off and the rest of the last one is kept,
    // so that the clock and the time bonus lose nothing at any frame rate.
    bool stepped = false;
    while (now - lastSecondTicks >= 1000) {
        lastSecondTicks += 1000;
        stepped = true;
        if (level && level->timeBonus > 0)
            level->timeBonus -= 100;
        if (minutes < 99) {
            ++seconds;
            if (seconds > 59) {
                seconds = 0;
                ++minutes;
            }
        }
    }
    if (stepped)
        drawTime();
}

void GameEngine::menuCursorBlink()
{
    if (MenuTextbox* box = activeTextBox())
        box->cursorVisible = !box->cursorVisible;
}

void GameEngine::handTextBoxKeys()
{
    for (const char* id : {"MenuNewPlayerTextBox", "LayoutKeepTextBox"})
        if (auto* box = dynamic_cast<MenuTextbox*>(menuItem(id)))
            box->keys = input.textboxKeys();
}

MenuTextbox* GameEngine::typeInto(MenuTextbox* box, bool repeat)
{
    if (box) {
        box->keys = input.textboxKeys();
        box->update(repeat);
    }
    return box;
}

void GameEngine::menuTextUpdate()
{
    // A key held in a text box types again every 50 ms once it has been down
    // for the repeat delay.
    if (!input.keyDown || timer.get_ticks() - input.lastKeyTime < input.repeatDelay)
        return;
    typeInto(activeTextBox(), true);
}

void GameEngine::quitGame()
{
    takeQueuedResize();
    saveConfig();
    savePlayerFile();
    outputError("Exit ok");
}
