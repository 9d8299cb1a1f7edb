#pragma once

class Tile;

// One entry of an undo snapshot: a tile, its state and whether it is shown.
// A snapshot lists every board tile in board order.
struct TileState {
    Tile* tile = nullptr;
    int state = 0;
    bool shown = false;
};
