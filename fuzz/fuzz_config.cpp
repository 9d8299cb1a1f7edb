// The configuration file: reading it, and writing back what was read, which
// must read again to the same settings: a second write gives the same bytes.
// (The first write may differ from the input, which can hold anything.)
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
    const std::string written = fuzzsupport::readFile("jadeloom_demo.cfg");
    GameEngine second(new Renderer);
    second.loadConfig();
    second.saveConfig();
    if (fuzzsupport::readFile("jadeloom_demo.cfg") != written)
        __builtin_trap();
    return 0;
}
