#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "base/Vector3.h"

class Layout;
class RenderEngine;
class Texture;

// A picture of a layout seen from above, for the chooser, drawn in memory
// for layouts that come without a picture file: every tile a block with its
// shadow, the higher layers lifted up and to the left and tinted warmer, on
// the jade ground inside the gold frame the shipped pictures have.
class PositionsPicture {
public:
    static constexpr int size = 256;

    // size x size pixels of red, green, blue and alpha bytes, top row first.
    static std::vector<uint8_t> draw(const std::vector<Vector3>& positions);
    // A texture holding the picture; it keeps its pixels so that a lost
    // OpenGL context can be given them again.
    static std::unique_ptr<Texture> texture(RenderEngine* re, const Layout& layout);
};
