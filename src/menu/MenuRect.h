#pragma once
#include "menu/MenuItem.h"

// A plain container or picture; the root of the menu tree is one.
class MenuRect : public MenuItem {
public:
    using MenuItem::MenuItem;
};
