#pragma once

class Tile;

// A holding slot as the board sees it: whether the difficulty opened it and
// the tile parked in it. The board keeps three of its own; the holding-slot
// menu items may derive from this class and be attached to the board with
// Level::attachSlots, so that the item shows exactly the tile the board parks.
class TileSlot {
public:
    bool enabled = false;
    Tile* tile = nullptr;  // the parked tile; not owned

    TileSlot() = default;
    virtual ~TileSlot() = default;
};
