#pragma once
#include <SDL/SDL.h>

// A stopwatch over SDL's millisecond clock that can be paused: what an
// animation keeps its time with, and what the game's Timer builds on.
class Stopwatch {
public:
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
};
