#include <gtest/gtest.h>

#include "main/GameEngine.h"
#include "main/Timer.h"
#include "render/Renderer.h"
#include "support/FakeClock.h"

TEST(Timer, LateCallbackFiresOnceAndIsDueOneIntervalLater)
{
    GameEngine engine(new Renderer);
    fakeclock::now = 0;
    Timer t;
    t.tickSource = &fakeclock::ticks;
    t.start();
    // exitGame sets done each time it runs.
    t.registerCallback(&GameEngine::exitGame, 350, &engine);
    std::string calls;
    for (Uint32 now : {349u, 350u, 1500u, 1849u, 1850u}) {
        fakeclock::now = now;
        engine.done = false;
        t.update();
        calls += engine.done ? "1" : "0";
    }
    EXPECT_EQ("01101", calls);
}
