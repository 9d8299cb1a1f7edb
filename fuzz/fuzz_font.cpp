// Font files: reading whatever the input is, then measuring and drawing
// every character code with the do-nothing renderer.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "menu/FontObj.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    RenderEngine& engine = fuzzsupport::engine();
    const std::string path = fuzzsupport::writeInput("font.cfg", data, size);
    {
        FontObj font(&engine);
        font.loadFont(path);
        std::string all;
        for (int c = 1; c < 256; ++c)
            all.push_back(static_cast<char>(c));
        std::vector<float> widths, advances;
        const float total = font.getTextWidth(&all, &widths, &advances);
        if (widths.size() != all.size() || advances.size() != all.size())
            __builtin_trap();
        if (font.getTextWidth(&widths, &advances, &all, 10, 300) > total + 1e30f)
            __builtin_trap();
        font.drawText(Vector3(), 1.0f, 1.0f, &advances, "%s", all.c_str());
    }
    engine.clean_up();
    return 0;
}
