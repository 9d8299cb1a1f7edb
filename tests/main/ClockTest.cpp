#include "GameFixture.h"

// The game clock, the time bonus, the window's focus and held keys.
class ClockTest : public GameTest {
protected:
    // The fake clock moves on by ms in frames of the given length.
    void run(Uint32 ms, Uint32 frame = 100)
    {
        for (Uint32 t = 0; t < ms; t += frame) {
            fakeclock::now += frame;
            engine->updateClock();
        }
    }
};

TEST_F(ClockTest, KeepsTheRemainderSoTenMinutesShowTenMinutesAtAnyFrameRate)
{
    startBuiltin();
    for (Uint32 frame : {7u, 16u, 100u}) {
        SCOPED_TRACE(frame);
        engine->resetTime();
        level->timeBonus = 1000;
        engine->lastSecondTicks = static_cast<int>(engine->timer.get_ticks());
        run(3000, frame);
        // The bonus falls on the same beat as the seconds.
        EXPECT_EQ("00:03", engine->timeText);
        EXPECT_EQ(700, level->timeBonus);
        run(597000, frame);
        EXPECT_EQ("10:00", engine->timeText);
        EXPECT_EQ(0, level->timeBonus);
    }
}

TEST_F(ClockTest, StopsAt99Minutes)
{
    startBuiltin();
    engine->minutes = 98;
    engine->seconds = 59;
    run(1000);
    EXPECT_EQ("99:00", engine->timeText);
    run(5000);
    EXPECT_EQ("99:00", engine->timeText);
}

TEST_F(ClockTest, FrozenOutOfPlayOrFocusWithoutCountingTwiceOnReturn)
{
    startBuiltin();
    engine->setGameState(GS_MAIN_MENU);
    run(5000);
    engine->setGameState(GS_PLAYING);
    run(500);
    gamefixture::appState = SDL_APPACTIVE;  // neither input nor mouse focus
    run(5000);
    EXPECT_EQ(0, engine->seconds);
    gamefixture::appState = SDL_APPACTIVE | SDL_APPMOUSEFOCUS;
    run(1000);
    EXPECT_EQ(1, engine->seconds);
}

TEST_F(ClockTest, MinimisingIdlesAndRestoringReturnsToTheStateLeft)
{
    startBuiltin();
    auto active = [this](Uint8 state, bool gain) {
        SDL_Event e{};
        e.type = SDL_ACTIVEEVENT;
        e.active.state = state;
        e.active.gain = gain ? 1 : 0;
        send(e);
    };
    active(SDL_APPACTIVE, false);
    run(3000);
    EXPECT_EQ(0, engine->seconds);
    active(SDL_APPACTIVE, false);  // a second loss keeps the state to return to
    active(SDL_APPACTIVE, true);
    EXPECT_EQ(GS_PLAYING, engine->gameState);
}
