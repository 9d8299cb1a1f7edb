#pragma once

// The game states held in GameEngine::gameState. 1003 and 1004 are unused.
enum GameState : int {
    GS_LOADING = 1000,
    GS_MAIN_MENU = 1001,
    GS_MINIMIZED = 1002,
    GS_PLAYING = 1005,
    GS_NEW_PLAYER = 1006,
    GS_GAME_WON = 1007
};

