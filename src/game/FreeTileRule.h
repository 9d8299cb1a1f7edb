#pragma once
#include <vector>

#include "base/Point.h"

// The free-tile rule, apart from any board: which grid cells can hold a tile
// fast and how what lies there decides whether it may be taken. The board
// asks it with its live tiles; the analyst compiles the same cells once per
// position into neighbour lists and asks it with the tiles still present,
// so both always agree on what is free.
class FreeTileRule {
public:
    enum Side { Above, Left, Right };

    // Calls visit(side, x, y, z) for every cell whose occupant would hold a
    // tile with these cells from that side: the cell one layer up over each of
    // its cells, and the cells beside them along x. Cells outside the grid
    // are not visited; an occupant that is the tile itself never counts.
    template <class Visit>
    static void forEachNeighbourCell(const std::vector<Point>& cells, int gridX, int gridZ, Visit visit)
    {
        for (const Point& p : cells) {
            if (p.z + 1 < gridZ)
                visit(Above, p.x, p.y, p.z + 1);
            if (p.x > 0)
                visit(Left, p.x - 1, p.y, p.z);
            if (p.x + 1 < gridX)
                visit(Right, p.x + 1, p.y, p.z);
        }
    }

    // A tile is free when nothing covers it and at least one side is open.
    static bool isFree(bool covered, bool leftBlocked, bool rightBlocked)
    {
        return !covered && (!leftBlocked || !rightBlocked);
    }
};
