#include "game/BoardFingerprint.h"

#include "game/Level.h"
#include "game/Tile.h"

void BoardFingerprint::take(const Level& level)
{
    tiles.clear();
    for (const Tile* t : pointers(level.tiles))
        tiles.push_back({t, t ? t->name : std::string(), t ? t->gridPosition : Vector3()});
}

bool BoardFingerprint::matches(const Level& level) const
{
    if (tiles.empty() || tiles.size() != level.tiles.size())
        return false;
    for (size_t i = 0; i < tiles.size(); ++i) {
        const Tile* t = level.tiles[i].get();
        if (t != tiles[i].tile || !t || t->name != tiles[i].name || !(t->gridPosition == tiles[i].place))
            return false;
    }
    return true;
}
