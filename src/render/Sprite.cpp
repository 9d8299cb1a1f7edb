#include "render/Sprite.h"

#include <algorithm>

#include "render/RenderEngine.h"

Sprite::Sprite(RenderEngine* e, float x, float y, float z) : Model(e, "")
{
    worldPosition = Vector3(x, y, z);
}

Sprite::Sprite(const Sprite& other) : Model(other) {}

void Sprite::makeDuplicate(const std::string& modelPath)
{
    if (!engine)
        return;
    const Model* source = nullptr;
    for (const auto& m : engine->models) {
        if (m && m->getPath() == modelPath) {
            source = m.get();
            break;
        }
    }
    if (!source || source == this)
        return;
    rotation = source->rotation;
    engine = source->engine;
    visible = source->visible;
    std::copy(source->corners, source->corners + 8, corners);
    radius = source->radius;
    path = source->path;
    worldPosition = source->worldPosition;
    appendCopiesOf(*source);
}
