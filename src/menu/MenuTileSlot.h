#pragma once
#include "game/TileSlot.h"
#include "menu/MenuItem.h"

// A holding slot on screen. It is the board's slot itself (attached with
// Level::attachSlots), so the tile it shows is exactly the one the board
// parked there; the renderer draws that tile at the projected position.
class MenuTileSlot : public MenuItem, public TileSlot {
public:
    double projectedPosition[3] = {0.0, 0.0, 0.0};

    using MenuItem::MenuItem;

    void resize(Model* menuModel) override;
    // Asks the renderer where on screen, in scene units, the slot's tile goes.
    void setProjectionPosition();
};
