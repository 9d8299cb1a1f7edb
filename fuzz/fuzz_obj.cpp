// Model files: reading, building, copying and sizing whatever the input is.
#include <cstddef>
#include <cstdint>

#include "FuzzSupport.h"
#include "render/Model.h"
#include "render/Object.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    RenderEngine& engine = fuzzsupport::engine();
    const std::string path = fuzzsupport::writeInput("input.obj", data, size);
    {
        Model model(&engine, path);
        model.calculateSize();
        Model copy(model);
        // Every index must lie within its object's vertices.
        for (const Object* o : copy.objects)
            for (int i = 0; i < o->indexCount; ++i)
                if (o->indices[i] < 0 || o->indices[i] >= o->vertexCount)
                    __builtin_trap();
    }
    engine.clean_up();
    return 0;
}
