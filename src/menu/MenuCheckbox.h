#pragma once
#include "menu/MenuItem.h"

// A check box. The game keeps ticked and toggled equal, so that a ticked box
// shows its "on" look.
class MenuCheckbox : public MenuItem {
public:
    bool ticked = false;

    using MenuItem::MenuItem;
};
