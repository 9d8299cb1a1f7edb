#include "main/Input.h"

bool Input::mouseButtons[5] = {false, false, false, false, false};
bool Input::dragging = false;
int Input::mouseX = 0;
int Input::mouseY = 0;
int Input::xrel = 0;
int Input::yrel = 0;
bool Input::currentKeys[Input::keyCount] = {};

int Input::keyIndex(SDLKey key)
{
    if (key >= SDLK_a && key <= SDLK_z)
        return key - SDLK_a;
    if (key >= SDLK_1 && key <= SDLK_9)
        return 26 + (key - SDLK_1);
    if (key == SDLK_0)
        return 35;
    if (key >= SDLK_KP1 && key <= SDLK_KP9)
        return 36 + (key - SDLK_KP1);
    if (key >= SDLK_F1 && key <= SDLK_F12)
        return 81 + (key - SDLK_F1);
    switch (key) {
    case SDLK_KP0: return 45;
    case SDLK_KP_DIVIDE: return 46;
    case SDLK_KP_MULTIPLY: return 47;
    case SDLK_KP_MINUS: return 48;
    case SDLK_KP_PLUS: return 49;
    case SDLK_KP_PERIOD: return 50;
    case SDLK_KP_ENTER: return 51;
    case SDLK_LEFTBRACKET: return 52;
    case SDLK_RIGHTBRACKET: return 53;
    case SDLK_PERIOD: return 54;
    case SDLK_COMMA: return 55;
    case SDLK_SEMICOLON: return 56;
    case SDLK_QUOTE: return 57;
    case SDLK_SLASH: return 58;
    case SDLK_BACKSLASH: return 59;
    case SDLK_MINUS: return 60;
    case SDLK_EQUALS: return 61;
    case SDLK_RSHIFT: return 62;
    case SDLK_RCTRL: return 63;
    case SDLK_RALT: return 64;
    case SDLK_LSHIFT: return 65;
    case SDLK_LCTRL: return 66;
    case SDLK_LALT: return 67;
    case SDLK_LEFT: return 68;
    case SDLK_RIGHT: return 69;
    case SDLK_UP: return 70;
    case SDLK_DOWN: return 71;
    case SDLK_HOME: return 72;
    case SDLK_END: return 73;
    case SDLK_BACKSPACE: return 74;
    case SDLK_DELETE: return 75;
    case SDLK_TAB: return 76;
    case SDLK_SPACE: return 77;
    case SDLK_ESCAPE: return 78;
    case SDLK_RETURN: return 79;
    case SDLK_BACKQUOTE: return 80;
    default: return -1;
    }
}

int Input::combinedIndex(SDLKey key)
{
    switch (key) {
    case SDLK_LSHIFT: case SDLK_RSHIFT: return EITHER_SHIFT;
    case SDLK_LCTRL: case SDLK_RCTRL: return EITHER_CTRL;
    case SDLK_LALT: case SDLK_RALT: return EITHER_ALT;
    default: return -1;
    }
}

void Input::update(const SDL_Event* event)
{
    if (!event)
        return;
    switch (event->type) {
    case SDL_KEYDOWN: {
        keyDown = true;
        const SDLKey key = event->key.keysym.sym;
        const int index = keyIndex(key);
        if (index < 0) {
            lastKey = nullptr;
            break;
        }
        currentKeys[index] = true;
        const int combined = combinedIndex(key);
        if (combined >= 0)
            currentKeys[combined] = true;
        lastKey = &currentKeys[index];
        break;
    }
    case SDL_KEYUP: {
        const SDLKey key = event->key.keysym.sym;
        const int index = keyIndex(key);
        if (index >= 0)
            currentKeys[index] = false;
        const int combined = combinedIndex(key);
        if (combined >= 0)
            currentKeys[combined] = false;
        keyDown = false;
        break;
    }
    case SDL_MOUSEMOTION:
        if (mouseButtons[0])
            dragging = true;
        mouseX = event->motion.x;
        mouseY = event->motion.y;
        xrel = event->motion.xrel;
        yrel = event->motion.yrel;
        break;
    case SDL_MOUSEBUTTONDOWN:
        mouseDown = true;
        if (event->button.button >= 1 && event->button.button <= 5)
            mouseButtons[event->button.button - 1] = true;
        break;
    case SDL_MOUSEBUTTONUP:
        if (event->button.button == SDL_BUTTON_LEFT) {
            dragging = false;
            mouseButtons[0] = false;
        } else if (event->button.button >= 1 && event->button.button <= 5) {
            mouseButtons[event->button.button - 1] = false;
        }
        mouseDown = false;
        break;
    default:
        break;
    }
}

TextboxKeys Input::textboxKeys() const
{
    TextboxKeys keys;
    keys.lastKey = lastKey ? static_cast<int>(lastKey - currentKeys) : -1;
    keys.shift = currentKeys[EITHER_SHIFT];
    keys.mouseDown = mouseDown;
    keys.leftButton = mouseButtons[0];
    keys.dragging = dragging;
    keys.pointerX = mouseX;
    return keys;
}
