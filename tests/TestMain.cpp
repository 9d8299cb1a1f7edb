#include <gtest/gtest.h>
#include <SDL/SDL.h>

#include <cstdlib>

// Unit tests need SDL's millisecond clock but never a window, a GL context
// or a sound card: what they play goes to OpenAL Soft's output that plays
// into nothing, on any machine.
int main(int argc, char** argv)
{
    setenv("ALSOFT_DRIVERS", "null", 1);
    ::testing::InitGoogleTest(&argc, argv);
    SDL_Init(SDL_INIT_TIMER);
    int result = RUN_ALL_TESTS();
    SDL_Quit();
    return result;
}
