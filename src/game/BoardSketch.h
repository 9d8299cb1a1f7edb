#pragma once
#include <cstddef>
#include <vector>

#include "base/Point.h"

class Level;
class Tile;

// A copy of all the analyst reads of a board: the grid's size and cells, and
// for every tile its cells, its state and its kind (which kinds pair, asked
// of the tiles themselves). An analysis of a sketch can run on another
// thread while the board plays on; its tile pointers are only handed back,
// never followed.
class BoardSketch {
public:
    struct Piece {
        Tile* tile = nullptr;     // null where the board has none
        int state = 0;
        int kind = 0;
        std::vector<Point> cells;
    };

    explicit BoardSketch(const Level& level);

    int gridX = 0;
    int gridY = 0;
    int gridZ = 0;
    std::vector<Piece> pieces;  // the board's tiles in board order
    int kindCount = 0;

    // The piece whose tile the grid holds in that cell, or -1.
    int at(int x, int y, int z) const;
    bool kindsPair(int a, int b) const { return kindPairs[static_cast<size_t>(a) * kindCount + b] != 0; }

private:
    std::vector<int> cellPiece;
    std::vector<char> kindPairs;
};
