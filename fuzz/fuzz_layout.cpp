// Layout files: reading, the playability check and placing a deal's tiles
// on the grid the file asks for, and the checks a player's own layout file
// must pass, whatever the input is.
#include <cstddef>
#include <cstdint>

#include "FuzzSupport.h"
#include "game/Layout.h"
#include "game/Level.h"
#include "game/Tile.h"
#include "game/TileSet.h"
#include "persist/PlayerLayouts.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    RenderEngine& engine = fuzzsupport::engine();
    const std::string path = fuzzsupport::writeInput("input.lyt", data, size);
    {
        Level level;
        level.setLayout(new Layout(&engine, path));
        TileSet* set = new TileSet(&engine, nullptr, &level);
        set->createTileSet(TileSet::standardFile);
        level.setTileSet(set);
        level.seedRand(Level::dealSeed);
        level.createTileLayout();
        // Every tile sits in the cells it lists, inside the grid.
        for (const Tile* t : pointers(level.tiles))
            for (const Point& p : t->mapPoints)
                if (!level.inMapBounds(p) || level.cell(p.x, p.y, p.z) != t)
                    __builtin_trap();
    }
    // A file the player's folder would offer is one a deal can use whole.
    if (PlayerLayouts::acceptable(path)) {
        Layout offered(nullptr, path);
        const size_t n = offered.tileCoordinates.size();
        if (n % 2 != 0 || n < PlayerLayouts::minPositions || n > PlayerLayouts::maxPositions
            || !offered.playableProblem().empty())
            __builtin_trap();
    }
    engine.clean_up();
    return 0;
}
