#include "base/Stopwatch.h"

void Stopwatch::start()
{
    started = true;
    paused = false;
    startTicks = tickSource();
}

void Stopwatch::stop()
{
    started = false;
    paused = false;
}

void Stopwatch::pause()
{
    if (started && !paused) {
        paused = true;
        pausedTicks = tickSource() - startTicks;
    }
}

void Stopwatch::unpause()
{
    if (paused) {
        paused = false;
        startTicks = tickSource() - pausedTicks;
        pausedTicks = 0;
    }
}

Uint32 Stopwatch::get_ticks() const
{
    if (!started)
        return 0;
    if (paused)
        return pausedTicks;
    return tickSource() - startTicks;
}
