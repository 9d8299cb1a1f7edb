// Rewards files: every input gives a list of trophies, each with a model.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "game/RewardsFile.h"
#include "base/WordReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::istringstream text(std::string(reinterpret_cast<const char*>(data), size));
    WordReader in(text);
    for (const RewardsFile::Trophy& t : RewardsFile::read(in))
        if (t.model.empty())
            __builtin_trap();
    return 0;
}
