#include <gtest/gtest.h>

#include "main/Input.h"

namespace {
SDL_Event key(Uint8 type, SDLKey sym)
{
    SDL_Event e{};
    e.type = type;
    e.key.keysym.sym = sym;
    return e;
}

SDL_Event button(Uint8 type, Uint8 which)
{
    SDL_Event e{};
    e.type = type;
    e.button.button = which;
    return e;
}

class InputTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (bool& k : Input::currentKeys) k = false;
        for (bool& b : Input::mouseButtons) b = false;
        Input::dragging = false;
    }
    Input input;
};
}

TEST_F(InputTest, UntrackedKeySetsKeyDownButNoLastKey)
{
    SDL_Event a = key(SDL_KEYDOWN, SDLK_a);
    input.update(&a);
    EXPECT_EQ(input.lastKey, &Input::currentKeys[0]);
    SDL_Event pageUp = key(SDL_KEYDOWN, SDLK_PAGEUP);
    input.update(&pageUp);
    EXPECT_TRUE(input.keyDown);
    EXPECT_EQ(input.lastKey, nullptr);
}

TEST_F(InputTest, ModifierPairsShareTheCombinedEntry)
{
    SDL_Event l = key(SDL_KEYDOWN, SDLK_LSHIFT), r = key(SDL_KEYDOWN, SDLK_RSHIFT);
    input.update(&l);
    input.update(&r);
    EXPECT_TRUE(Input::currentKeys[Input::EITHER_SHIFT]);
    SDL_Event lUp = key(SDL_KEYUP, SDLK_LSHIFT);
    input.update(&lUp);
    EXPECT_FALSE(Input::currentKeys[Input::EITHER_SHIFT]);
    EXPECT_TRUE(Input::currentKeys[62]);   // right Shift still held
    EXPECT_FALSE(Input::currentKeys[65]);
    EXPECT_FALSE(input.keyDown);           // any release clears it
}

TEST_F(InputTest, DraggingFollowsTheLeftButton)
{
    SDL_Event down = button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT);
    input.update(&down);
    SDL_Event move{};
    move.type = SDL_MOUSEMOTION;
    move.motion.x = 640;
    move.motion.y = 400;
    move.motion.xrel = -3;
    input.update(&move);
    EXPECT_TRUE(Input::dragging);
    EXPECT_EQ(Input::mouseX, 640);
    EXPECT_EQ(Input::xrel, -3);
    SDL_Event rightUp = button(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT);
    input.update(&rightUp);
    EXPECT_TRUE(Input::dragging);
    EXPECT_FALSE(input.mouseDown);
    SDL_Event up = button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT);
    input.update(&up);
    EXPECT_FALSE(Input::dragging);
    EXPECT_FALSE(Input::mouseButtons[0]);
}
