#pragma once
#include <string>
#include <vector>

#include "base/Point.h"
#include "render/Sprite.h"  // a Tile is a Sprite
#include "base/Vector3.h"

class Level;
class Material;
class RenderEngine;
class SoundEngine;

// Tile states; the numbers are stored in saved games.
constexpr int TILE_CLEARED = 1000;
constexpr int TILE_ON_BOARD = 1002;
constexpr int TILE_SET_ASIDE = 1003;
constexpr int TILE_SELECTED = 1004;
constexpr int TILE_SLOTTED = 1005;

// One game piece: a copy of the tile mesh whose "Face" object shows the
// tile's picture, with the piece's name, what it matches, its state, where it
// lies on the board grid, its sounds and its highlights. A tile set holds one
// template per face; board tiles are copies of templates.
class Tile : public Sprite {
public:
    bool showStamp = true;
    bool drawFlag = false;
    Material* overlay = nullptr;       // none, "highlight" or "hoverHighlight"
    bool hoverHighlighted = false;
    bool hinted = false;
    bool hover = false;
    Level* level = nullptr;
    std::vector<Point> mapPoints;      // grid cells covered, in fill order
    Vector3 gridPosition;
    std::vector<std::string> matches;  // names this tile may be paired with
    std::string name;
    Vector3 pickPoint;
    SoundEngine* soundEngine = nullptr;
    float stampExtentV = 0.0f;
    Material* stampMaterial = nullptr;
    int texturePosX = 0;
    int texturePosY = 0;
    float stampExtentU = 0.0f;
    float stampOffsetU = 0.0f;
    float stampOffsetV = 0.0f;
    int state = TILE_ON_BOARD;
    float textureScaleX = 1.0f;
    float textureScaleY = 1.0f;
    int clearSound = -1;  // sound handle; -1: none, plays nothing
    bool free = false;
    bool highlighted = false;
    Material* tileMaterial = nullptr;
    int selectSound = -1;  // sound handle; -1: none, plays nothing
    int standardRepeat = 0;            // templates: copies per multiplier unit
    int used = 0;                      // templates: copies used by this deal

    // The last argument is unused.
    Tile(RenderEngine* re, Level* level, SoundEngine* se, int x, int y, int z,
         float gx, float gy, float gz, int extra);
    Tile(const Tile& other);
    Tile& operator=(const Tile&) = delete;
    ~Tile() override;

    void addMapPoint(Point p) { mapPoints.push_back(p); }
    void clearMapPoints() { mapPoints.clear(); }

    // True when other's name stands in this tile's matches list. The relation
    // is exactly what the lists say; it is not made symmetric.
    bool match(const Tile* other) const;

    // The selection highlight always wins over the hover highlight.
    void highlightTile(bool on);
    void hoverHighlightTile(bool on);
    void setHover(bool h) { hover = h; }

    void playClickedSound();
    void playClearedSound();

    // Places the picture: the extents of the "Face" object's texture
    // coordinates give the size of one atlas cell.
    void setStampType();

    using Model::update;
    void update(Tile*) {}

    // True while the tile's current take is playing (and has that name,
    // unless the name is empty).
    bool isAnimating(const std::string& takeName = std::string()) const;
};
