// Material files, read twice (the second time from the cache).
#include <cstddef>
#include <cstdint>

#include "FuzzSupport.h"
#include "render/Material.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    RenderEngine& engine = fuzzsupport::engine();
    const std::string path = fuzzsupport::writeInput("input.mtl", data, size);
    Material* first = Material::loadFile(&engine, path);
    if (Material::loadFile(&engine, path) != first)
        __builtin_trap();
    engine.clean_up();
    return 0;
}
