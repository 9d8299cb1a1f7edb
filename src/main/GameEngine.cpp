#include "main/GameEngine.h"

#include <csignal>

#include "audio/SoundEngine.h"
#include "game/Layout.h"
#include "game/Level.h"
#include "game/TileSet.h"
#include "main/Log.h"
#include "render/Renderer.h"

GameEngine::GameEngine()
{
    currentPlayer = players.end();
    selectedLayout = currentLayout = layoutFiles.end();
    selectedTileSet = currentTileSet = tileSetFiles.end();
}

GameEngine::GameEngine(Renderer* renderer) : renderEngine(renderer)
{
    currentPlayer = players.end();
    selectedLayout = currentLayout = layoutFiles.end();
    selectedTileSet = currentTileSet = tileSetFiles.end();
}

GameEngine::~GameEngine()
{
    // The chooser's layout and tile set are the board's own unless the
    // player browsed to another entry; the board deletes its own.
    if (!level || level->layout != layout)
        delete layout;
    if (!level || level->tileSet != tileSet)
        delete tileSet;
    delete level;
    delete soundEngine;
    renderEngine.clean_up();
    SDL_Quit();
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

    if (SDL_Init(0xFFFF) < 0) {
        outputError("SDL Failed to Init");
        throw "SDL INIT Failed";
    }
    outputError("SDL initialized properly");

    // SDL turns SIGINT and SIGTERM into a quit request but leaves SIGHUP
    // (the end of the user's session) to kill the process, which would lose
    // the settings and the game in progress: treat it like the other two.
    struct sigaction termAction;
    if (sigaction(SIGTERM, nullptr, &termAction) == 0 && termAction.sa_handler != SIG_DFL
        && termAction.sa_handler != SIG_IGN)
        sigaction(SIGHUP, &termAction, nullptr);

    loadConfig();
    outputError("Loaded Config File");

    soundEngine = new SoundEngine();
    soundEngine->setVolume(volume);

    if (!renderEngine.init())
        return false;

    // While the rest loads, the logo stays on screen.
    renderEngine.renderer->renderSplashScreen("logo.png");

    level = new Level();
    level->layoutFile = *currentLayout;
    layout = new Layout(&renderEngine, *selectedLayout);
    level->setLayout(layout);
    tileSet = new TileSet(&renderEngine, soundEngine, level);
    tileSet->createTileSet(*currentTileSet);
    level->init(&renderEngine, soundEngine, tileSet);

    return true;
}

void GameEngine::Start_Game()
{
    setGameState(GS_PLAYING);

    timer.start();
    lastSecondTicks = static_cast<int>(timer.get_ticks());
    lastKeyTicks = lastSecondTicks;

    SDL_ShowCursor(SDL_ENABLE);
    SDL_Event discard;
    while (SDL_PollEvent(&discard)) {
    }
    renderEngine.mouseInWindow = false;

    if (level)
        level->updateTileStates();

    timer.registerCallback(&GameEngine::menuCursorBlink, 350, this);
    timer.registerCallback(&GameEngine::menuTextUpdate, 50, this);

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
    if (!action.empty())
        processAction();
    timer.update();
    if (level) {
        level->update();
        level->highlightTiles();
        if (showFreeTiles)
            level->highlightFreeTiles();
    }
    renderEngine.renderScene();
}

bool GameEngine::windowHasFocus() const
{
    return (SDL_GetAppState() & (SDL_APPINPUTFOCUS | SDL_APPMOUSEFOCUS)) != 0;
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
    if (now - lastSecondTicks > 1000) {
        lastSecondTicks = now;
        if (minutes < 99) {
            ++seconds;
            if (seconds > 59) {
                seconds = 0;
                ++minutes;
            }
        }
        drawTime();
    }
}

void GameEngine::keyUpdates()
{
}

void GameEngine::drawTime()
{
    char text[16];
    snprintf(text, sizeof text, "%02d:%02d", minutes, seconds);
    timeText = text;
}

void GameEngine::checkEventQueue()
{
    while (SDL_PollEvent(&event)) {
        switch (event.type) {
        case SDL_KEYDOWN:
        case SDL_KEYUP:
        case SDL_MOUSEMOTION:
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            input.update(&event);
            break;
        case SDL_ACTIVEEVENT:
            if (event.active.state & SDL_APPACTIVE) {
                if (!event.active.gain && gameState != GS_MINIMIZED) {
                    setGameState(GS_MINIMIZED);
                    frameDelay = 500;
                } else if (event.active.gain && gameState == GS_MINIMIZED) {
                    std::swap(gameState, prevGameState);
                    frameDelay = 0;
                }
            }
            break;
        case SDL_VIDEORESIZE:
            renderEngine.resizeWindow(event.resize.w, event.resize.h);
            break;
        case SDL_QUIT:
            done = true;
            break;
        default:
            break;
        }
    }
}

void GameEngine::processAction()
{
    if (action == "EXIT") {
        exitGame();
        return;
    }
    // Actions nobody handles are dropped.
    action.clear();
}

void GameEngine::menuCursorBlink()
{
}

void GameEngine::menuTextUpdate()
{
}

void GameEngine::quitGame()
{
    saveConfig();
    outputError("Exit ok");
}
