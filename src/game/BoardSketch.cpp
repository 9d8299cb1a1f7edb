#include "game/BoardSketch.h"

#include <map>
#include <string>
#include <unordered_map>

#include "game/Level.h"
#include "game/Tile.h"

BoardSketch::BoardSketch(const Level& level) : gridX(level.gridX), gridY(level.gridY), gridZ(level.gridZ)
{
    std::unordered_map<const Tile*, int> index;
    // Tiles of one kind carry the same name and the same match list, so any
    // one of them answers for all.
    std::map<std::string, int> kinds;
    std::vector<const Tile*> sample;
    for (Tile* t : pointers(level.tiles)) {
        Piece p;
        p.tile = t;
        if (t) {
            p.state = t->state;
            p.cells = t->mapPoints;
            std::string key = t->name;
            for (const std::string& m : t->matches)
                key += '\x1f' + m;
            auto inserted = kinds.emplace(key, static_cast<int>(sample.size()));
            if (inserted.second)
                sample.push_back(t);
            p.kind = inserted.first->second;
            index[t] = static_cast<int>(pieces.size());
        }
        pieces.push_back(std::move(p));
    }
    kindCount = static_cast<int>(sample.size());
    kindPairs.assign(static_cast<size_t>(kindCount) * kindCount, 0);
    // Either tile may be picked first, so a pair goes when either lists the other.
    for (int a = 0; a < kindCount; ++a)
        for (int b = 0; b < kindCount; ++b)
            kindPairs[static_cast<size_t>(a) * kindCount + b] = sample[a]->match(sample[b]) || sample[b]->match(sample[a]);
    cellPiece.assign(level.tileMap.size(), -1);
    for (size_t c = 0; c < level.tileMap.size(); ++c) {
        auto it = index.find(level.tileMap[c]);
        if (it != index.end())
            cellPiece[c] = it->second;
    }
}

int BoardSketch::at(int x, int y, int z) const
{
    if (x < 0 || y < 0 || z < 0 || x >= gridX || y >= gridY || z >= gridZ)
        return -1;
    // The same cell order as the board's grid (Level::cell).
    const size_t c = (static_cast<size_t>(x) * gridY + y) * gridZ + z;
    return c < cellPiece.size() ? cellPiece[c] : -1;
}
