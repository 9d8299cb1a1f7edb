// Tile set files: reading, and choosing pairs from every start, whatever the
// input is.
#include <cstddef>
#include <cstdint>

#include "FuzzSupport.h"
#include "game/Level.h"
#include "game/Tile.h"
#include "game/TileSet.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    RenderEngine& engine = fuzzsupport::engine();
    const std::string path = fuzzsupport::writeInput("input.tls", data, size);
    {
        Level level;
        TileSet set(&engine, nullptr, &level);
        set.loadTiles(path);
        const int n = static_cast<int>(set.templates.size());
        for (int start = 0; start < n && start < 64; ++start) {
            int a = -1, b = -1;
            if (set.chooseTiles(&a, &b, start) && (a < 0 || a >= n || b < 0 || b >= n))
                __builtin_trap();
        }
    }
    engine.clean_up();
    return 0;
}
