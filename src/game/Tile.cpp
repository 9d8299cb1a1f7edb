#include "game/Tile.h"

#include "audio/SoundEngine.h"  // a tile plays its own sounds
#include "render/Object.h"  // a tile is a sprite of the scene
#include "render/RenderEngine.h"  // a tile is a sprite of the scene
#include "render/Take.h"  // a tile is a sprite of the scene

Tile::Tile(RenderEngine* re, Level* lvl, SoundEngine* se, int x, int y, int z,
           float gx, float gy, float gz, int)
    : Sprite(re, static_cast<float>(x), static_cast<float>(y), static_cast<float>(z)),
      level(lvl), gridPosition(gx, gy, gz), soundEngine(se)
{
}

Tile::Tile(const Tile& other) = default;

Tile::~Tile() = default;

bool Tile::match(const Tile* other) const
{
    if (!other)
        return false;
    for (const std::string& m : matches)
        if (m == other->name)
            return true;
    return false;
}

void Tile::highlightTile(bool on)
{
    if (on) {
        highlighted = true;
        overlay = engine ? engine->highlightMaterial : nullptr;
        return;
    }
    highlighted = false;
    drawFlag = false;
    overlay = (hoverHighlighted && engine) ? engine->hoverHighlightMaterial : nullptr;
}

void Tile::hoverHighlightTile(bool on)
{
    if (on) {
        if (!hoverHighlighted) {
            hoverHighlighted = true;
            if (!highlighted)
                overlay = engine ? engine->hoverHighlightMaterial : nullptr;
        }
        return;
    }
    hoverHighlighted = false;
    if (!highlighted)
        overlay = nullptr;
}

void Tile::playClickedSound()
{
    if (soundEngine)
        soundEngine->playSound(selectSound);
}

void Tile::playClearedSound()
{
    if (soundEngine)
        soundEngine->playSound(clearSound);
}

void Tile::setStampType()
{
    const Object* face = nullptr;
    for (const Object* o : objects)
        if (o && o->name == "Face")
            face = o;

    float width = -1.0f;
    float height = -1.0f;
    if (face && face->texCoords && face->vertexCount > 0) {
        float maxU = 0.0f, maxV = 0.0f, minU = 1.0f, minV = 1.0f;
        for (int i = 0; i < face->vertexCount; ++i) {
            float u = face->texCoords[2 * i];
            float v = face->texCoords[2 * i + 1];
            if (u > maxU) maxU = u;
            if (u < minU) minU = u;
            if (v > maxV) maxV = v;
            if (v < minV) minV = v;
        }
        width = maxU - minU;
        height = maxV - minV;
    }
    stampExtentV = height;
    stampExtentU = width;
    stampOffsetU = width * static_cast<float>(texturePosX) * textureScaleX;
    stampOffsetV = height * static_cast<float>(texturePosY) * textureScaleY;
}

bool Tile::isAnimating(const std::string& takeName) const
{
    if (!currentTake || !currentTake->playing)
        return false;
    return takeName.empty() || currentTake->name == takeName;
}
