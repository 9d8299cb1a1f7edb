// Animation files on a model with the object names the game uses, then every
// take played through with a clock the target moves.
#include <SDL/SDL.h>

#include <cstddef>
#include <cstdint>
#include <memory>

#include "FuzzSupport.h"
#include "render/Animation.h"
#include "render/Model.h"
#include "render/Object.h"
#include "render/Take.h"
#include "render/Texture.h"

namespace {
Uint32 now = 0;
Uint32 ticks() { return now; }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    RenderEngine& engine = fuzzsupport::engine();
    const std::string path = fuzzsupport::writeInput("input.anim", data, size);
    {
        Model model(&engine, "");
        for (const char* name : {"door", "Tile", "Face", ""}) {
            model.addObject(std::make_unique<Object>())->name = name;
        }
        model.loadAnimationFile(path);
        for (const auto& t : model.takes)
            for (const auto& a : t->animations)
                a->timer.tickSource = &ticks;
        Model copy(model);
        for (const auto& t : copy.takes)
            for (const auto& a : t->animations)
                a->timer.tickSource = &ticks;
        for (Model* m : {&model, &copy}) {
            for (const auto& t : m->takes) {
                now = 0;
                m->playAnimation(t->name);
                for (Uint32 step : {1u, 10u, 100u, 1000u, 10000u, 100000u}) {
                    now += step;
                    m->update();
                    if (step == 100u) {
                        m->skipAnimationFrame();
                        t->pause();
                        m->update();
                        t->pause();
                    }
                }
            }
        }
    }
    engine.clean_up();
    // Flip-book pictures that no material owns belong to the animations,
    // which are gone: nothing may stay registered.
    if (!Texture::textures.empty())
        __builtin_trap();
    return 0;
}
