#pragma once
#include <SDL/SDL.h>
#include <vector>

#include "base/Stopwatch.h"

class GameEngine;

// The game's stopwatch, which also calls registered GameEngine member
// functions at fixed intervals from the main loop.
class Timer : public Stopwatch {
public:
    using Function = void (GameEngine::*)();

    struct callbackFunc {
        Function function = nullptr;
        GameEngine* object = nullptr;
        Uint32 interval = 0;
        Uint32 lastCall = 0;  // elapsed ticks at the last call
    };

    std::vector<callbackFunc> callbacks;

    void registerCallback(Function function, Uint32 interval, GameEngine* object);
    // Runs every callback that is due. A late callback fires once, and its
    // next call is due one interval after this one.
    void update();
};
