#include "game/Level.h"

#include <ctime>

#include "game/Collision.h"
#include "game/FreeTileRule.h"
#include "game/Layout.h"
#include "game/Tile.h"
#include "game/TileSet.h"
#include "base/Log.h"
#include "game/RewardsFile.h"
#include "base/WordReader.h"
#include "render/Object.h"  // the board puts the room and the rewards into the scene
#include "render/RenderEngine.h"  // the board puts the room and the rewards into the scene
#include "render/Sprite.h"  // the board puts the room and the rewards into the scene

Level::Level()
{
    for (int i = 0; i < 3; ++i)
        slots[i] = &ownSlots[i];
}

Level::~Level()
{
    // The camera must not keep testing its moves against a board that is gone.
    if (renderEngine && renderEngine->camera.level == this)
        renderEngine->camera.level = nullptr;
    if (renderEngine && renderEngine->showsBoard(&tiles))
        renderEngine->showBoard(nullptr);
    // Explicitly, before the members go: the slots attached from the menu
    // outlive the board and must let go of its tiles before they are freed.
    deleteMap();
}

void Level::init(RenderEngine* re, SoundEngine* se, TileSet* ts)
{
    renderEngine = re;
    soundEngine = se;
    if (re)
        re->showBoard(&tiles);
    setTileSet(ts);
    if (re && layout) {
        // The camera asks this board whether a move runs into the room.
        re->camera.level = this;
        re->camera.setDefaults(layout->defaultCameraTranslation, layout->defaultCameraTrack,
                               layout->defaultCameraZoom, layout->defaultFov);
    }
    loadBackground();
    loadRewards();
    // Start-up deals as a new game does.
    deal(dealSeed);
    outputError("Level initialized");
}

void Level::loadBackground()
{
    if (!renderEngine)
        return;
    auto sprite = std::make_unique<Sprite>(renderEngine, 0.0f, 0.0f, 0.0f);
    room = sprite.get();
    renderEngine->loadModel(roomModelFile);
    room->makeDuplicate(roomModelFile);
    renderEngine->sprites.push_back(std::move(sprite));
}

void Level::loadRewards()
{
    WordReader in(rewardsFile);
    if (!in.ok()) {
        outputError(std::string("Could not open ") + rewardsFile);
        throw "Failed to load config file";
    }
    const std::vector<RewardsFile::Trophy> trophies = RewardsFile::read(in);
    if (!renderEngine)
        return;
    for (const RewardsFile::Trophy& trophy : trophies) {
        auto s = std::make_unique<Sprite>(renderEngine, 0.0f, 0.0f, 0.0f);
        renderEngine->loadModel(trophy.model);
        s->makeDuplicate(trophy.model);
        s->worldPosition = trophy.position;
        s->rotation = trophy.rotation;
        for (const auto& pivot : trophy.pivots) {
            for (Object* o : s->objects) {
                if (o && o->name == pivot.first) {
                    o->pivot = pivot.second;
                    break;
                }
            }
        }
        // A trophy is known by its model path, even when the model is missing.
        s->path = trophy.model;
        s->visible = false;
        renderEngine->rewardSprites.push_back(std::move(s));
    }
}

void Level::setLayout(Layout* l)
{
    if (l != layout.get())
        layout.reset(l);
}

void Level::setTileSet(TileSet* ts)
{
    if (ts != tileSet.get())
        tileSet.reset(ts);
}

void Level::seedRand(unsigned int seed)
{
    if (seed == 0)
        seed = static_cast<unsigned int>(std::time(nullptr));
    randomSeed = seed;
    const uint32_t key[4] = {seed + 0x12345u, seed + 0x23456u, seed + 0x34567u, seed + 0x45678u};
    rng.seed(key, 4);
}

// ---- the grid -------------------------------------------------------------

void Level::newMap()
{
    gridX = gridY = gridZ = 0;
    tileMap.clear();
    if (!layout)
        return;
    // A layout without a usable size gets no grid; nothing can be placed.
    if (layout->gridX <= 0 || layout->gridY <= 0 || layout->gridZ <= 0
        || layout->gridX > Layout::maxGridSize || layout->gridY > Layout::maxGridSize
        || layout->gridZ > Layout::maxGridSize
        || static_cast<long long>(layout->gridX) * layout->gridY * layout->gridZ > Layout::maxGridCells)
        return;
    gridX = layout->gridX;
    gridY = layout->gridY;
    gridZ = layout->gridZ;
    tileMap.assign(static_cast<size_t>(gridX) * gridY * gridZ, nullptr);
}

void Level::deleteTiles()
{
    tiles.clear();
    ++boardNumber;
}

void Level::deleteMap()
{
    // Everything that points at board tiles is emptied with them.
    freeTiles.clear();
    movableTiles.clear();
    hintTiles.clear();
    clearedTiles.clear();
    setAsideTiles.clear();
    solution.clear();
    dealtPlaces.clear();
    undoHistory.clear();
    redoList.clear();
    selectedTile = nullptr;
    hintShown = false;
    for (TileSlot* s : slots)
        s->tile = nullptr;
    deleteTiles();
    tileMap.clear();
    gridX = gridY = gridZ = 0;
}

bool Level::inMapBounds(Point p) const
{
    return p.x >= 0 && p.x < gridX && p.y >= 0 && p.y < gridY && p.z >= 0 && p.z < gridZ;
}

Tile* Level::cell(int x, int y, int z) const
{
    if (!inMapBounds(Point(x, y, z)))
        return nullptr;
    return tileMap[(static_cast<size_t>(x) * gridY + y) * gridZ + z];
}

void Level::addTileToMapPoint(Tile* t, int x, int y, int z)
{
    if (!inMapBounds(Point(x, y, z)))
        return;
    tileMap[(static_cast<size_t>(x) * gridY + y) * gridZ + z] = t;
    if (t)
        t->addMapPoint(Point(x, y, z));
}

bool Level::placeTile(Tile* t, int x, int y, int z)
{
    if (!t)
        return false;
    if (x < 0 || y < 0 || z < 0 || x > gridX - 2 || y > gridY - 2 || z > gridZ - 1) {
        outputError("Tile position outside the grid: " + std::to_string(x) + " "
                    + std::to_string(y) + " " + std::to_string(z));
        return false;
    }
    t->calculateSize();
    t->clearMapPoints();
    t->gridPosition = Vector3(static_cast<float>(x), static_cast<float>(y), static_cast<float>(z));
    t->worldPosition.x = (static_cast<float>(x) - (gridX / 2.0f - 1.0f)) * t->width / 2.0f;
    t->worldPosition.y = static_cast<float>(z) * t->height;
    t->worldPosition.z = (static_cast<float>(y) - (gridY / 2.0f - 1.0f)) * t->depth / 2.0f;
    addTileToMapPoint(t, x, y, z);
    addTileToMapPoint(t, x + 1, y, z);
    addTileToMapPoint(t, x, y + 1, z);
    addTileToMapPoint(t, x + 1, y + 1, z);
    t->setVisibility(true);
    return true;
}

// ---- the free-tile rule ---------------------------------------------------

bool Level::isLive(const Tile* t)
{
    return t && t->state != TILE_CLEARED && t->state != TILE_SET_ASIDE && t->state != TILE_SLOTTED;
}

bool Level::blocks(const Tile* other, const Tile* t) const
{
    return other && other != t && isLive(other);
}

bool Level::freeByMap(const Tile* t) const
{
    bool blocked[3] = {false, false, false};  // by FreeTileRule::Side
    FreeTileRule::forEachNeighbourCell(t->mapPoints, gridX, gridZ,
                                       [&](FreeTileRule::Side side, int x, int y, int z) {
                                           if (blocks(cell(x, y, z), t))
                                               blocked[side] = true;
                                       });
    return FreeTileRule::isFree(blocked[FreeTileRule::Above], blocked[FreeTileRule::Left],
                                blocked[FreeTileRule::Right]);
}

bool Level::isFree(Tile* t) const
{
    if (!t || t->state == TILE_CLEARED || t->state == TILE_SET_ASIDE)
        return false;
    if (t->state == TILE_SLOTTED)
        return true;
    return freeByMap(t);
}

void Level::updateTilesFree()
{
    freeTiles.clear();
    for (Tile* t : pointers(tiles)) {
        if (!t)
            continue;
        const bool gone = t->state == TILE_CLEARED || t->state == TILE_SET_ASIDE;
        if (!gone && (t->state == TILE_SLOTTED || freeByMap(t) || slotOf(t) >= 0)) {
            t->free = true;
            freeTiles.push_back(t);
        } else {
            t->free = false;
        }
    }
}

int Level::tilesLeft() const
{
    int left = 0;
    for (const Tile* t : pointers(tiles))
        if (t && t->state != TILE_CLEARED && t->state != TILE_SET_ASIDE)
            ++left;
    return left;
}

// ---- room collision -------------------------------------------------------

bool Level::collision(Vector3 start, Vector3 end, std::vector<CollisionObj>* hits,
                      std::vector<Object*>* ignore)
{
    return modelCollision(room, start, end, hits, ignore);
}

int Level::segmentPlaneIntersect(Vector3 p0, Vector3 p1, Vector3 planePoint, Vector3 normal, Vector3* out)
{
    return ::segmentPlaneIntersect(p0, p1, planePoint, normal, out);
}
