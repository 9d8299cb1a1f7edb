#pragma once
#include "menu/MenuItem.h"

// A clickable item; what it does is its action.
class MenuButton : public MenuItem {
public:
    using MenuItem::MenuItem;
};
