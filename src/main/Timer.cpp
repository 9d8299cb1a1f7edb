#include "main/Timer.h"

#include "main/GameEngine.h"

void Timer::registerCallback(Function function, Uint32 interval, GameEngine* object)
{
    callbackFunc cb;
    cb.function = function;
    cb.object = object;
    cb.interval = interval;
    cb.lastCall = 0;
    callbacks.push_back(cb);
}

void Timer::update()
{
    const Uint32 now = get_ticks();
    for (size_t i = 0; i < callbacks.size(); ++i) {
        callbackFunc& cb = callbacks[i];
        if (cb.lastCall + cb.interval <= now) {
            cb.lastCall = now;
            if (cb.object && cb.function)
                (cb.object->*cb.function)();
        }
    }
}
