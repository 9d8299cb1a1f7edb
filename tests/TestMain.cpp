#include <gtest/gtest.h>
#include <SDL/SDL.h>

// Unit tests need SDL's millisecond clock but never a window, a GL context
// or an audio device.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    SDL_Init(SDL_INIT_TIMER);
    int result = RUN_ALL_TESTS();
    SDL_Quit();
    return result;
}
