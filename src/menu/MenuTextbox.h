#pragma once
#include <string>

#include "menu/MenuItem.h"
#include "menu/TextboxKeys.h"

class MenuLabel;

// A one-line editable text field. It types from the input's key table, keeps
// a cursor and a selection (from Shift with the cursor keys, or from a mouse
// drag), and tells the game that Enter or Escape was pressed. The text lives
// in the child label "TextBoxText", whose per-character layout gives every
// cursor and selection measure. Positions are in characters; offsets and
// widths in font units unless said otherwise.
class MenuTextbox : public MenuItem {
public:
    bool enterPressed = false;
    bool escapePressed = false;
    bool cursorVisible = true;         // flipped by the game's blink callback
    float cursorOffset = 0.0f;         // width of the text before the cursor
    unsigned int cursorPos = 0;        // 0 … text length
    std::string defaultText;           // shown after a reset
    bool mouseSelecting = false;       // a drag selection is in progress
    float selectionX = 0.0f;           // where the highlight starts
    unsigned int mouseAnchor = 0;      // cursor where the drag began
    unsigned int mouseEnd = 0;         // cursor where the drag is now
    bool mouseSelection = false;
    float selectionWidth = 0.0f;       // already scaled by the label's scale
    unsigned int selStart = 0;         // the selection is [selStart, selEnd)
    unsigned int selEnd = 0;
    bool keySelection = false;
    float heightFraction = 0.0f;       // the box's height / the window height
    MenuLabel* label = nullptr;        // the child "TextBoxText"; not separately owned
    TextboxKeys keys;                  // handed over by the game before each update

    static constexpr int CURSOR_NORMAL = 10000;
    static constexpr int CURSOR_TEXT = 10002;

    MenuTextbox(const std::string& id, RenderEngine* re, Input* input, MenuItem* parent);

    void draw() override;
    // Applies the last key pressed. repeat tells a held key's repetition
    // from the press; both type the same, but Enter acts on the press only.
    void update(bool repeat);
    // Every frame: the pointer's cursor shape, clicks and drags.
    void update() override;

    // Inserts s at the cursor, replacing the selection.
    void updateText(const std::string& s);
    void setCursorPos(unsigned int n);
    void cursorPosInc();
    void cursorPosDec();
    void setCursorOffset();
    void setSelection();
    void setMouseSelection();
    // Shows the default text, wholly selected, so that typing replaces it.
    void reset();
    // Once the box is bound: adds the label "TextBoxText" showing the
    // prompt, binds and places it just in front of the box, and resets.
    void createLabel(Model* menuModel, const std::string& prompt);

    const std::string& text() const;
    // Whether the box shows its prompt (the default text) rather than a name.
    bool showsPrompt() const;
    bool hasSelection() const { return keySelection || mouseSelection; }

private:
    void editKey(int key, bool shift);
    void moveCursorKey(unsigned int to, bool shift);
    void eraseSelection();
    void setText(const std::string& s);
    unsigned int length() const;
    unsigned int positionAtPointer() const;
    // The shape last asked of the renderer, so that it is set on changes only.
    int cursorShape = 0;
};
