#pragma once
#include <string>
#include <vector>

#include "base/Vector3.h"

class Level;
class Tile;

// The board's tiles with their faces and places, as they were when taken:
// whether pointers kept since still name the same tiles in the same places
// (a new deal may reuse the very addresses; a reshuffle moves tiles).
class BoardFingerprint {
public:
    void take(const Level& level);
    void clear() { tiles.clear(); }
    bool matches(const Level& level) const;

private:
    struct Placed {
        const Tile* tile;
        std::string name;
        Vector3 place;
    };
    std::vector<Placed> tiles;
};
