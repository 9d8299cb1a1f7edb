// The configuration file: reading it, and writing back what was read, which
// must read again, whatever the input is. (The values written at exit come
// partly from the window, which a fuzz run has none of, so they are not
// compared.)
#include <unistd.h>

#include <cstddef>
#include <cstdint>

#include "FuzzSupport.h"
#include "main/GameEngine.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The game reads its configuration from its working directory.
    static const bool inScratch = chdir(fuzzsupport::scratchDir().c_str()) == 0;
    if (!inScratch)
        __builtin_trap();
    fuzzsupport::writeInput("jadeloom_demo.cfg", data, size);
    GameEngine first(new Renderer);
    first.loadConfig();
    first.saveConfig();
    GameEngine second(new Renderer);
    second.loadConfig();
    return 0;
}
