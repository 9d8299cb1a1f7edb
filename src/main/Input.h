#pragma once
#include <SDL/SDL.h>

#include "menu/TextboxKeys.h"

// Keyboard and mouse state as SDL events report it, for code that asks
// whether a key is down instead of reacting to an event. The key table and
// the mouse state are shared by all instances; the game has one.
class Input {
public:
    static constexpr int keyCount = 96;
    // Combined entries set by either key of a modifier pair.
    static constexpr int EITHER_SHIFT = 93;
    static constexpr int EITHER_CTRL = 94;
    static constexpr int EITHER_ALT = 95;

    bool mouseDown = false;
    bool keyDown = false;
    bool* lastKey = nullptr;       // entry of the last key pressed, null when untracked
    Uint32 repeatDelay = 600;      // ms a key is held before it repeats
    Uint32 lastKeyTime = 0;        // timer ticks at the last key press

    static bool mouseButtons[5];   // left, middle, right, wheel up, wheel down
    static bool dragging;          // motion while the left button is down
    static int mouseX, mouseY;
    static int xrel, yrel;
    static bool currentKeys[keyCount];

    Input() = default;
    void update(const SDL_Event* event);
    // What a text box reads of this state.
    TextboxKeys textboxKeys() const;

    // The table index of a key symbol, or -1 for keys the table does not track.
    static int keyIndex(SDLKey key);
    // The combined modifier entry (93..95) a key also sets, or -1.
    static int combinedIndex(SDLKey key);
};
