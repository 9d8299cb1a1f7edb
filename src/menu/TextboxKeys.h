#pragma once

// What a text box reads of the keyboard and the pointer, handed to it by the
// game before each update: the text box knows nothing of where input comes
// from. Keys are indices of the game's key table.
struct TextboxKeys {
    int lastKey = -1;         // the last key pressed; -1 when none is tracked
    bool shift = false;       // either Shift held
    bool mouseDown = false;   // a button went down (on the item under it)
    bool leftButton = false;  // the left button is held
    bool dragging = false;    // the pointer moves with the left button held
    int pointerX = 0;         // the pointer's x in window pixels
};
