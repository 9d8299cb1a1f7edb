#include <gtest/gtest.h>

#include "main/GameEngine.h"
#include "main/Timer.h"
#include "render/Renderer.h"

namespace {
Uint32 fakeNow = 0;
Uint32 fakeTicks() { return fakeNow; }

Timer makeTimer()
{
    Timer t;
    t.tickSource = &fakeTicks;
    return t;
}
}

TEST(Timer, CountsPausesAndResumes)
{
    fakeNow = 1000;
    Timer t = makeTimer();
    EXPECT_EQ(t.get_ticks(), 0u);  // never started
    t.start();
    fakeNow = 1250;
    EXPECT_EQ(t.get_ticks(), 250u);
    t.pause();
    fakeNow = 5000;
    EXPECT_EQ(t.get_ticks(), 250u);
    t.unpause();
    fakeNow = 5100;
    EXPECT_EQ(t.get_ticks(), 350u);
    t.stop();
    EXPECT_EQ(t.get_ticks(), 0u);
    EXPECT_FALSE(t.is_started());
}

TEST(Timer, LateCallbackFiresOnceAndIsDueOneIntervalLater)
{
    GameEngine engine(new Renderer);
    fakeNow = 0;
    Timer t = makeTimer();
    t.start();
    // exitGame sets done each time it runs: count calls by resetting it.
    t.registerCallback(&GameEngine::exitGame, 350, &engine);
    int calls = 0;
    auto step = [&](Uint32 now) {
        fakeNow = now;
        engine.done = false;
        t.update();
        if (engine.done)
            ++calls;
    };
    step(349);
    EXPECT_EQ(calls, 0);
    step(350);
    EXPECT_EQ(calls, 1);
    step(1500);  // three intervals late: one call only
    EXPECT_EQ(calls, 2);
    step(1849);
    EXPECT_EQ(calls, 2);
    step(1850);
    EXPECT_EQ(calls, 3);
}

TEST(Timer, ZeroIntervalOnUnstartedTimerFiresEveryUpdate)
{
    GameEngine engine(new Renderer);
    Timer t = makeTimer();
    t.registerCallback(&GameEngine::exitGame, 0, &engine);
    t.registerCallback(&GameEngine::exitGame, 10, &engine);
    for (int i = 0; i < 3; ++i) {
        engine.done = false;
        t.update();
        EXPECT_TRUE(engine.done);
    }
    EXPECT_EQ(t.callbacks[1].lastCall, 0u);
}
