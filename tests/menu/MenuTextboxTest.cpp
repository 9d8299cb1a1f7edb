#include <gtest/gtest.h>

#include "MenuTestSupport.h"
#include "menu/MenuLabel.h"
#include "menu/MenuTextbox.h"

using namespace menutest;

namespace {
// The box is 400 × 50 pixels at (100, 200) of the 1000 × 500 window; its
// text starts 10 pixels in. Every glyph of the test font is 0.1 wide.
class MenuTextboxTest : public MenuFixture {
protected:
    MenuTextbox* box = nullptr;

    void SetUp() override
    {
        useFont();
        Menu* menu = loadMenu({{"Root", 0, 0, 1, 1}, {"Box", 0.1f, 0.5f, 0.5f, 0.6f}},
                              "<Rect> Root\n<TextBox> Box\n</TextBox>\n</Rect>\n");
        box = dynamic_cast<MenuTextbox*>(menu->getItemByID("Box"));
        ASSERT_NE(box, nullptr);
        ASSERT_NE(box->label, nullptr);
    }

    void key(SDLKey k, bool shift = false)
    {
        auto send = [this](Uint8 type, SDLKey sym) {
            SDL_Event e{};
            e.type = type;
            e.key.keysym.sym = sym;
            input.update(&e);
        };
        send(SDL_KEYDOWN, shift ? SDLK_LSHIFT : SDLK_UNKNOWN);
        send(SDL_KEYDOWN, k);
        box->keys = input.textboxKeys();
        box->update(false);
        send(SDL_KEYUP, k);
        send(SDL_KEYUP, SDLK_LSHIFT);
    }

    void type(const std::string& text)
    {
        for (char c : text)
            key(static_cast<SDLKey>(c));
    }

    const std::string& text() const { return box->label->text; }
};
}

TEST_F(MenuTextboxTest, TypingReplacesThePromptAndFollowsTheShiftRules)
{
    type("a");
    EXPECT_EQ(text(), "a");
    EXPECT_EQ(box->cursorPos, 1u);

    key(SDLK_b, true);
    key(SDLK_5, true);
    key(SDLK_1, true);
    key(SDLK_KP1, true);
    key(SDLK_SLASH, true);
    key(SDLK_SPACE);
    EXPECT_EQ(text(), "aB5!1? ");

    // Typing in the middle moves the cursor on by one.
    key(SDLK_HOME);
    type("x");
    EXPECT_EQ(text(), "xaB5!1? ");
    EXPECT_EQ(box->cursorPos, 1u);
}

TEST_F(MenuTextboxTest, EditingKeysAtTheEdgesAndWithSelections)
{
    type("abc");
    key(SDLK_DELETE);  // at the end: nothing
    EXPECT_EQ(text(), "abc");
    key(SDLK_HOME);
    key(SDLK_BACKSPACE);  // at 0: nothing
    EXPECT_EQ(text(), "abc");
    key(SDLK_DELETE);
    EXPECT_EQ(text(), "bc");
    key(SDLK_RIGHT);
    key(SDLK_BACKSPACE);
    EXPECT_EQ(text(), "c");
    EXPECT_EQ(box->cursorPos, 0u);

    // Shift+Home from the end selects everything; Backspace empties it.
    type("ab");
    key(SDLK_END);
    key(SDLK_HOME, true);
    key(SDLK_BACKSPACE);
    EXPECT_EQ(text(), "");
    EXPECT_EQ(box->cursorPos, 0u);

    key(SDLK_RETURN);
    EXPECT_TRUE(box->enterPressed);
    key(SDLK_ESCAPE);
    EXPECT_TRUE(box->escapePressed);
    EXPECT_EQ(text(), "Enter Name Here");
}

TEST_F(MenuTextboxTest, TheHeldEnterAndAClickNeverMixANameIntoThePrompt)
{
    // Enter pressed, the name refused and the prompt shown again, then held:
    // the repeat neither answers again nor undoes the prompt's selection.
    key(SDLK_RETURN);
    box->enterPressed = false;
    box->reset();
    SDL_Event held{};
    held.type = SDL_KEYDOWN;
    held.key.keysym.sym = SDLK_RETURN;
    input.update(&held);
    box->keys = input.textboxKeys();
    box->update(true);
    EXPECT_FALSE(box->enterPressed);
    held.type = SDL_KEYUP;
    input.update(&held);
    type("b");
    EXPECT_EQ(text(), "b");

    // A click into the prompt empties the box: the first letter is the name's.
    box->reset();
    box->inside = true;
    box->keys.mouseDown = box->keys.leftButton = true;
    box->keys.pointerX = 300;
    box->update();
    box->keys = TextboxKeys();
    EXPECT_EQ(text(), "");
    type("cy");
    EXPECT_EQ(text(), "cy");
}
