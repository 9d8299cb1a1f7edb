#pragma once
#include <string>

#include "render/Model.h"

// A model placed in the scene: an empty model at a position, or a copy of a
// model the engine's cache holds. Tiles, menu items, props and rewards are
// sprites.
class Sprite : public Model {
public:
    Sprite(RenderEngine* engine, float x, float y, float z);
    Sprite(const Sprite& other);

    // Becomes a copy of the cached model of that path (nothing happens when
    // the cache holds none).
    void makeDuplicate(const std::string& path);
};
