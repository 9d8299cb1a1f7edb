#include "GameFixture.h"

// The game clock, the time bonus and the window's active state.
class ClockTest : public GameTest {
protected:
    // Advances the fake clock by ms in steps of 100 ms, one clock step each.
    void run(Uint32 ms)
    {
        for (Uint32 t = 0; t < ms; t += 100) {
            gamefixture::now += 100;
            engine->updateClock();
        }
    }
};

TEST_F(ClockTest, CountsSecondsLowersTheBonusAndStopsAt99Minutes)
{
    startBuiltin();
    run(3050);
    EXPECT_EQ(0, engine->minutes);
    EXPECT_EQ(3, engine->seconds);
    EXPECT_EQ("00:03", engine->timeText);
    EXPECT_EQ(700, level->timeBonus);
    run(20000);
    EXPECT_EQ(0, level->timeBonus);  // never below 0

    engine->minutes = 98;
    engine->seconds = 59;
    run(1100);
    EXPECT_EQ(99, engine->minutes);
    EXPECT_EQ(0, engine->seconds);
    EXPECT_EQ("99:00", engine->timeText);
    run(5000);
    EXPECT_EQ(99, engine->minutes);
    EXPECT_EQ(0, engine->seconds);
}

TEST_F(ClockTest, FrozenOutOfPlayOrFocusWithoutCountingTwiceOnReturn)
{
    startBuiltin();
    engine->setGameState(GS_MAIN_MENU);
    run(5000);
    EXPECT_EQ(0, engine->seconds);
    engine->setGameState(GS_PLAYING);
    run(500);
    EXPECT_EQ(0, engine->seconds);  // the time away is not made up for

    gamefixture::appState = SDL_APPACTIVE;  // neither input nor mouse focus
    run(5000);
    EXPECT_EQ(0, engine->seconds);
    gamefixture::appState = SDL_APPACTIVE | SDL_APPMOUSEFOCUS;
    run(1100);
    EXPECT_EQ(1, engine->seconds);
}

TEST_F(ClockTest, MinimisingIdlesAndRestoringReturnsToTheStateLeft)
{
    startBuiltin();
    engine->setGameState(GS_MAIN_MENU);
    engine->setGameState(GS_PLAYING);
    active(SDL_APPACTIVE, false);
    EXPECT_EQ(GS_MINIMIZED, engine->gameState);
    EXPECT_EQ(500, engine->frameDelay);
    run(3000);
    EXPECT_EQ(0, engine->seconds);
    // A second loss must not lose the state to return to.
    active(SDL_APPACTIVE, false);
    active(SDL_APPACTIVE, true);
    EXPECT_EQ(GS_PLAYING, engine->gameState);
    EXPECT_EQ(GS_MINIMIZED, engine->prevGameState);
    EXPECT_EQ(0, engine->frameDelay);
    // A gain without an earlier loss changes nothing.
    active(SDL_APPACTIVE, true);
    EXPECT_EQ(GS_PLAYING, engine->gameState);

    active(SDL_APPMOUSEFOCUS, true);
    EXPECT_TRUE(engine->renderEngine.mouseInWindow);
    active(SDL_APPMOUSEFOCUS, false);
    EXPECT_FALSE(engine->renderEngine.mouseInWindow);
    EXPECT_EQ(GS_PLAYING, engine->gameState);
}

TEST_F(ClockTest, HeldKeysMoveTheCameraEvery50Milliseconds)
{
    startBuiltin();
    engine->renderEngine.camera.resetCamera();
    const Vector3 before = engine->renderEngine.camera.angles;
    key(SDLK_UP, true);
    run(1000);  // ten steps of more than 50 ms
    const Vector3 after = engine->renderEngine.camera.angles;
    EXPECT_NEAR(before.x - 10 * engine->trackStep, after.x, 1e-3);
    key(SDLK_UP, false);
    run(500);
    EXPECT_NEAR(after.x, engine->renderEngine.camera.angles.x, 1e-3);
}

TEST_F(ClockTest, KeepsTheRemainderSoTenMinutesShowTenMinutesAtAnyFrameRate)
{
    startBuiltin();
    for (Uint32 frame : {7u, 16u, 100u}) {
        SCOPED_TRACE(frame);
        engine->resetTime();
        level->timeBonus = 1000;
        engine->lastSecondTicks = static_cast<int>(engine->timer.get_ticks());
        Uint32 elapsed = 0;
        auto runUntil = [&](Uint32 ms) {
            for (; elapsed < ms; elapsed += frame) {
                gamefixture::now += frame;
                engine->updateClock();
            }
        };
        runUntil(3000);
        // The bonus falls on the same beat as the seconds.
        EXPECT_EQ(3, engine->seconds);
        EXPECT_EQ(700, level->timeBonus);
        runUntil(600000);
        EXPECT_EQ("10:00", engine->timeText);
        EXPECT_EQ(0, level->timeBonus);
    }
}
