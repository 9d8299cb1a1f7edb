#include "menu/MenuTextbox.h"

#include <algorithm>
#include <utility>

#include "menu/MenuLabel.h"
#include "render/RenderEngine.h"
#include "render/Renderer.h"

namespace {
// Key table entries the editing keys use (see Input::keyIndex).
enum Key {
    KEY_KP_ENTER = 51, KEY_LEFT = 68, KEY_RIGHT = 69, KEY_HOME = 72, KEY_END = 73,
    KEY_BACKSPACE = 74, KEY_DELETE = 75, KEY_ESCAPE = 78, KEY_RETURN = 79,
};

// The text a key of the table types, or null for keys that type nothing.
// Shift+5 types "5", and Shift leaves the keypad and the space alone.
const char* typedText(int key, bool shift)
{
    static const char* const letters[2] = {"abcdefghijklmnopqrstuvwxyz", "ABCDEFGHIJKLMNOPQRSTUVWXYZ"};
    static const char* const digits[2] = {"1234567890", "!@#$5^&*()"};
    static char one[2] = {0, 0};
    if (key >= 0 && key <= 25) {
        one[0] = letters[shift][key];
        return one;
    }
    if (key >= 26 && key <= 35) {
        one[0] = digits[shift][key - 26];
        return one;
    }
    if (key >= 36 && key <= 45) {
        one[0] = "1234567890"[key - 36];
        return one;
    }
    switch (key) {
    case 46: return "/";
    case 47: return "*";
    case 48: return "-";
    case 49: return "+";
    case 50: return ".";
    case 52: return shift ? "{" : "[";
    case 53: return shift ? "}" : "]";
    case 54: return shift ? ">" : ".";
    case 55: return shift ? "<" : ",";
    case 56: return shift ? ":" : ";";
    case 57: return shift ? "\"" : "'";
    case 58: return shift ? "?" : "/";
    case 59: return shift ? "|" : "\\";
    case 60: return shift ? "_" : "-";
    case 61: return shift ? "+" : "=";
    case 77: return " ";
    case 80: return shift ? "~" : "`";
    default: return nullptr;
    }
}

const std::string noText;
}

MenuTextbox::MenuTextbox(const std::string& itemId, RenderEngine* re, Input* in, MenuItem* parentItem)
    : MenuItem(itemId, re, in, parentItem)
{
}

const std::string& MenuTextbox::text() const
{
    return label ? label->text : noText;
}

unsigned int MenuTextbox::length() const
{
    return static_cast<unsigned int>(text().size());
}

void MenuTextbox::setText(const std::string& s)
{
    if (label)
        label->changeText(s);
}

void MenuTextbox::createLabel(Model* menuModel, const std::string& prompt)
{
    const float h = static_cast<float>(windowHeight());
    heightFraction = h > 0.0f ? height / h : 0.0f;
    defaultText = prompt;
    label = addLabel("TextBoxText", prompt);
    label->marginTop = 0.005f;
    label->marginLeft = 0.01f;
    label->marginRight = 0.01f;
    label->marginBottom = 0.0025f;
    label->constructMenuItem(menuModel);
    label->place(0.0001f);
    cursorPos = length();
    setCursorOffset();
    reset();
}

void MenuTextbox::draw()
{
    if (!visible || !parentVisible)
        return;
    if (renderEngine)
        renderEngine->drawMenuTextbox(this);
    for (const auto& child : children)
        child->draw();
}

void MenuTextbox::update(bool repeat)
{
    if (!label || keys.lastKey < 0)
        return;
    const int key = keys.lastKey;
    // Enter acts once per press: a held one must not answer again, nor
    // undo the selection of the prompt shown after a name was refused.
    if (repeat && (key == KEY_RETURN || key == KEY_KP_ENTER))
        return;
    const bool shift = keys.shift;
    if (const char* typed = typedText(key, shift)) {
        // Typing never mixes a name into the prompt, selected or not.
        if (showsPrompt()) {
            setText(std::string());
            cursorPos = 0;
            keySelection = mouseSelection = false;
        }
        updateText(typed);
    } else
        editKey(static_cast<int>(key), shift);
}

void MenuTextbox::editKey(int key, bool shift)
{
    switch (key) {
    case KEY_HOME:
        moveCursorKey(0, shift);
        break;
    case KEY_END:
        moveCursorKey(length(), shift);
        break;
    case KEY_LEFT:
        moveCursorKey(cursorPos > 0 ? cursorPos - 1 : 0, shift);
        break;
    case KEY_RIGHT:
        moveCursorKey(std::min(cursorPos + 1, length()), shift);
        break;
    case KEY_BACKSPACE:
        if (hasSelection()) {
            eraseSelection();
        } else if (cursorPos > 0 && cursorPos <= length()) {
            std::string t = text();
            t.erase(cursorPos - 1, 1);
            setText(t);
            cursorPosDec();
        }
        break;
    case KEY_DELETE:
        if (hasSelection()) {
            eraseSelection();
        } else if (cursorPos < length()) {
            std::string t = text();
            t.erase(cursorPos, 1);
            setText(t);
            setCursorOffset();
        }
        break;
    case KEY_RETURN:
    case KEY_KP_ENTER:
        enterPressed = true;
        keySelection = mouseSelection = false;
        break;
    case KEY_ESCAPE:
        reset();
        escapePressed = true;
        break;
    default:
        break;
    }
}

// Home, End and the arrows. Without Shift the cursor moves and any selection
// goes; with Shift the keyboard selection grows or shrinks at the end where
// the cursor was, and is gone when its ends meet.
void MenuTextbox::moveCursorKey(unsigned int to, bool shift)
{
    const unsigned int old = cursorPos;
    cursorPos = std::min(to, length());
    setCursorOffset();
    // A mouse selection left behind would be replaced by the next key
    // typed, wherever the cursor has gone since.
    mouseSelection = false;
    if (!shift) {
        keySelection = false;
        selStart = selEnd = cursorPos;
    } else {
        if (!keySelection) {
            selStart = old;
            selEnd = old;
            keySelection = true;
        }
        if (selStart == old)
            selStart = cursorPos;
        else
            selEnd = cursorPos;
        if (selStart > selEnd)
            std::swap(selStart, selEnd);
        if (selStart == selEnd)
            keySelection = false;
    }
    setSelection();
}

void MenuTextbox::eraseSelection()
{
    const unsigned int n = length();
    const unsigned int a = std::min(selStart, n);
    const unsigned int b = std::clamp(selEnd, a, n);
    std::string t = text();
    t.erase(a, b - a);
    setText(t);
    cursorPos = a;
    setCursorOffset();
    keySelection = mouseSelection = false;
}

void MenuTextbox::updateText(const std::string& s)
{
    if (!label)
        return;
    std::string t = text();
    const unsigned int n = length();
    if (hasSelection()) {
        const unsigned int a = std::min(selStart, n);
        const unsigned int b = std::clamp(selEnd, a, n);
        t = t.substr(0, a) + s + t.substr(b);
        cursorPos = a;
        keySelection = mouseSelection = false;
    } else {
        cursorPos = std::min(cursorPos, n);
        t.insert(cursorPos, s);
    }
    setText(t);
    // One character on, even for a longer insertion.
    if (cursorPos < length())
        ++cursorPos;
    setCursorOffset();
}

void MenuTextbox::setCursorOffset()
{
    cursorOffset = label && renderEngine
        ? renderEngine->getTextWidth(&label->charWidths, &label->charOffsets, &label->text, 0,
                                     static_cast<int>(cursorPos))
        : 0.0f;
}

void MenuTextbox::cursorPosInc()
{
    if (cursorPos < length())
        ++cursorPos;
    setCursorOffset();
}

void MenuTextbox::cursorPosDec()
{
    if (cursorPos > 0)
        --cursorPos;
    setCursorOffset();
}

void MenuTextbox::setCursorPos(unsigned int n)
{
    cursorPos = std::min(n, length());
    setCursorOffset();
    const bool shift = keys.shift;
    // The anchor is where the button went down: the first frame of a drag
    // may already be characters away from it.
    if (!shift && !mouseSelecting) {
        if (keys.dragging)
            mouseSelecting = true;
        else
            mouseAnchor = cursorPos;
    }
    if ((shift || (mouseSelecting && keys.dragging)) && keys.leftButton)
        setMouseSelection();
}

void MenuTextbox::setMouseSelection()
{
    mouseEnd = cursorPos;
    mouseSelection = true;
    selStart = std::min(mouseAnchor, mouseEnd);
    selEnd = std::max(mouseAnchor, mouseEnd);
    if (selStart == selEnd)
        mouseSelection = false;
    setSelection();
}

void MenuTextbox::setSelection()
{
    if (!hasSelection() || !label || !renderEngine)
        return;
    const std::vector<float>& advances = label->charOffsets;
    const float startAdvance = selStart < advances.size() ? advances[selStart] : 0.0f;
    const float before = renderEngine->getTextWidth(&label->charWidths, &advances, &label->text, 0,
                                                    static_cast<int>(selStart));
    const float selected = renderEngine->getTextWidth(&label->charWidths, &advances, &label->text,
                                                      static_cast<int>(selStart),
                                                      static_cast<int>(selEnd - selStart));
    // The highlight runs from the first selected glyph's left edge to the
    // last one's right edge.
    selectionX = before + startAdvance;
    selectionWidth = (selected - startAdvance) * label->scale;
}

void MenuTextbox::reset()
{
    setText(defaultText);
    cursorPos = length();
    setCursorOffset();
    selStart = 0;
    selEnd = cursorPos;
    keySelection = true;
    mouseSelection = false;
    setSelection();
}

unsigned int MenuTextbox::positionAtPointer() const
{
    const float w = static_cast<float>(windowWidth());
    if (!label || w <= 0.0f)
        return cursorPos;
    const float s = label->scale;
    const float start = (label->position ? label->position[0] : 0.0f) + label->posX
        + label->marginLeft + label->textOffsetX + label->prefixWidth * s;
    const float pointer = static_cast<float>(keys.pointerX) / w - start;
    const size_t n = std::min({label->text.size(), label->charWidths.size(), label->charOffsets.size()});
    float pen = 0.0f;
    for (size_t i = 0; i < n; ++i) {
        const float left = pen + label->charOffsets[i] * s;
        const float glyph = label->charWidths[i] * s;
        if (left + glyph > pointer)
            return static_cast<unsigned int>(pointer > left + glyph * 0.5f ? i + 1 : i);
        pen = left + glyph;
    }
    return length();
}

void MenuTextbox::update()
{
    auto shape = [this](int wanted) {
        // Set on changes only: every frame would undo the closed hand the
        // game shows while a button is held elsewhere.
        if (cursorShape != wanted && renderEngine && renderEngine->renderer)
            renderEngine->renderer->setCursor(wanted);
        cursorShape = wanted;
    };
    if (!inside && !mouseSelecting) {
        if (cursorShape == CURSOR_TEXT)
            shape(CURSOR_NORMAL);
        return;
    }
    shape(CURSOR_TEXT);
    if (!keys.mouseDown) {
        mouseSelecting = false;
        return;
    }
    // The prompt is a placeholder: the first click into it empties the box
    // rather than placing the cursor inside the prompt's words.
    if (showsPrompt()) {
        setText(std::string());
        cursorPos = 0;
        setCursorOffset();
    }
    keySelection = mouseSelection = false;
    if (keys.leftButton)
        setCursorPos(positionAtPointer());
    MenuItem::update();
}

bool MenuTextbox::showsPrompt() const
{
    return !defaultText.empty() && text() == defaultText;
}
