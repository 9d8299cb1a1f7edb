#pragma once
#include <SDL/SDL.h>
#include <vector>

class GameEngine;

// A stopwatch over SDL's millisecond clock that can also call registered
// GameEngine member functions at fixed intervals from the main loop.
class Timer {
public:
    using Function = void (GameEngine::*)();

    struct callbackFunc {
        Function function = nullptr;
        GameEngine* object = nullptr;
        Uint32 interval = 0;
        Uint32 lastCall = 0;  // elapsed ticks at the last call
    };

    std::vector<callbackFunc> callbacks;
    bool paused = false;
    Uint32 pausedTicks = 0;
    bool started = false;
    Uint32 startTicks = 0;
    // Where "now" comes from; tests put a clock of their own here.
    Uint32 (*tickSource)() = &SDL_GetTicks;

    void start();
    void stop();
    void pause();
    void unpause();
    Uint32 get_ticks() const;
    bool is_started() const { return started; }
    bool is_paused() const { return paused; }

    void registerCallback(Function function, Uint32 interval, GameEngine* object);
    // Runs every callback that is due. A late callback fires once, and its
    // next call is due one interval after this one.
    void update();
};
