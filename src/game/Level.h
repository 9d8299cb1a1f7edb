#pragma once
#include <memory>
#include <string>
#include <vector>

#include "game/CollisionObj.h"
#include "base/MtRng.h"
#include "base/Point.h"
#include "base/PointerView.h"
#include "game/RedoList.h"
#include "game/TileSlot.h"
#include "game/TileState.h"
#include "base/Vector3.h"

class Layout;
class Object;
class RenderEngine;
class SoundEngine;
class Sprite;
class Tile;
class TileSet;

// The board: the half-tile grid and the tiles on it, the free-tile rule,
// dealing a solvable board, the player's selections, holding slots, points,
// undo, and the room whose furniture the camera must not pass through.
//
// Every operation accepts a null render engine and a null sound engine.
class Level {
public:
    static constexpr const char* roomModelFile = "Assets/Scenes/Bedroom/room.obj";
    static constexpr const char* rewardsFile = "Assets/Rewards/luckycat.cfg";
    static constexpr unsigned int dealSeed = 42;
    // How often a failed solvability pass is retried with a fresh shuffle.
    static constexpr int maxSolveAttempts = 200;

    bool tilesAnimating = false;
    Sprite* room = nullptr;               // owned by the render engine's sprite list
    int timeBonus = 1000;
    std::vector<Tile*> clearedTiles;      // since the last restart, in order
    std::unique_ptr<Layout> layout;
    std::vector<Tile*> freeTiles;         // as of the last updateTilesFree
    bool highlightFreeOption = true;
    bool hintShown = false;
    std::vector<Tile*> hintTiles;         // the last hint's pair
    std::vector<std::unique_ptr<Tile>> tiles;  // board order
    // Counts the tile lists thrown away: a tile pointer kept from before
    // the count changed points at a freed tile.
    unsigned int boardNumber = 0;
    std::vector<Tile*> movableTiles;      // free tiles in an available pair
    int basePoints = 1000;
    MtRng<Mt32Traits> rng;
    unsigned int randomSeed = 0;
    RenderEngine* renderEngine = nullptr;
    std::vector<int> matchPoints;         // one entry per match; the score is their sum
    float scoreMultiplier = 1.0f;
    Tile* selectedTile = nullptr;
    TileSlot* slots[3];                   // Slot1..Slot3: ownSlots or attached ones
    SoundEngine* soundEngine = nullptr;
    bool moved = false;
    std::vector<Tile*> tileMap;           // gridX * gridY * gridZ cells; see cell()
    int tileSetMultiplier = 1;
    std::unique_ptr<TileSet> tileSet;
    std::vector<std::vector<TileState>> undoHistory;
    RedoList redoList;                    // what undo took back, to be put back
    std::vector<Tile*> setAsideTiles;     // taken off by the solvability pass
    std::vector<Tile*> solution;          // pairs in an order that clears the deal
    // Where each tile of tiles lay when dealt (x -1: not on the grid);
    // restart puts the tiles back there.
    std::vector<Point> dealtPlaces;
    int solveAttempts = 0;                // passes the last makeSolvable needed
    int solveSteps = 0;                   // and the steps of those passes
    std::string layoutFile;               // the file of the layout in play
    int gridX = 0;                        // size of the grid made by newMap
    int gridY = 0;
    int gridZ = 0;

    Level();
    Level(const Level&) = delete;
    Level& operator=(const Level&) = delete;
    ~Level();

    // Start-up: sets the camera's defaults, loads the room and the rewards
    // and deals from seed 42 as a new game does.
    void init(RenderEngine* re, SoundEngine* se, TileSet* ts);
    void loadBackground();
    void loadRewards();

    // Takes ownership; the previous layout or tile set is destroyed unless it
    // is the same object.
    void setLayout(Layout* l);
    void setTileSet(TileSet* ts);

    void seedRand(unsigned int seed);

    // The grid.
    void newMap();
    void deleteMap();
    bool inMapBounds(Point p) const;
    Tile* cell(int x, int y, int z) const;
    void addTileToMapPoint(Tile* t, int x, int y, int z);
    // Places t with its grid coordinate at (x, y, z); false (nothing placed)
    // when the two-by-two block would leave the grid.
    bool placeTile(Tile* t, int x, int y, int z);
    bool isFree(Tile* t) const;
    void updateTilesFree();
    int tilesFree() const { return static_cast<int>(freeTiles.size()); }
    int tilesLeft() const;

    // Dealing. createTileLayout refuses (false, logged) a layout or tile set
    // that cannot be dealt from and leaves the board empty.
    bool createTileLayout();
    void addTiles(int count);
    void shuffleTiles();
    bool makeSolvable();
    bool hint();
    int movesLeft();
    // A whole new deal of the board's layout and tile set from the seed (42
    // unless the player picked another deal number): start-up, a new game
    // and a change of layout or tile set all deal here, and a saved game is
    // rebuilt by rebuild below, so that the order of random draws lives in
    // one place.
    bool deal(unsigned int seed = dealSeed);
    // A tile by its face's name and its grid place, as a saved game lists it.
    struct PlacedTile {
        std::string name;
        int x, y, z;
    };
    // The board of a saved game: every tile the set has a face for, at its
    // place, which is also where restart puts it; seeded with seed for what
    // is drawn from then on. The layout and tile set are the board's own.
    void rebuild(const std::vector<PlacedTile>& placed, unsigned int seed);
    // Records the board as dealt: where restart puts every tile back.
    void markDealt();
    // The player's reshuffle of the tiles still on the board into an
    // arrangement that can be cleared; false when none was found. Undo does
    // not reach back across it: its history starts again here.
    bool reshuffle();

    // Play.
    void handleSelection(Sprite* s);
    void selectTile(Tile* t);
    void selectTile(Tile* t, bool on);
    void clearTile(Tile* t);
    void clearTiles(Tile* a, Tile* b);
    bool slotTile(Tile* t, bool park, bool snapshot);
    bool slotAvailable() const;
    int slotOf(const Tile* t) const;      // 0..2, or -1 when in no slot
    // Attaches external slot objects (null keeps the board's own slot);
    // their enabled flags and occupants are taken over from the current ones.
    void attachSlots(TileSlot* s1, TileSlot* s2, TileSlot* s3);
    void setSlotEnabled(int index, bool on);
    void updateTileStates();
    bool undo();
    // The undo itself, without keeping the step for redo (the redo list's).
    bool undoStep();
    void restart();
    void setScoreMultiplier(float m);
    // The multiplier, open slots and stamps of a difficulty (DIFFICULTY_*).
    void applyDifficulty(int difficulty);
    int score() const;

    void highlightTiles();
    void highlightFreeTiles();
    void setTileStamps(bool on);
    void turnOffTiles();
    void update();
    void playAnimation(const std::string& name, bool all);
    bool checkAnimationFinished(const std::string& name) const;
    void gameWon();

    // Room collision.
    bool collision(Vector3 start, Vector3 end, std::vector<CollisionObj>* hits,
                   std::vector<Object*>* ignore);
    int segmentPlaneIntersect(Vector3 p0, Vector3 p1, Vector3 planePoint, Vector3 normal, Vector3* out);

private:
    TileSlot ownSlots[3];

    static bool isLive(const Tile* t);
    bool blocks(const Tile* other, const Tile* t) const;
    bool freeByMap(const Tile* t) const;
    void deselectSelected();
    void clearAllHighlights();
    void clearHint();
    void parkTile(Tile* t, int slot);
    bool makeSolvableOnce(int& stepsLeft);
    bool takePairsBack();
    void giveBackSetAside();
    Tile* drawMovable();
    // A copy of a template added to the board's tiles, counted as used.
    Tile* addCopy(Tile& tmpl);
    void deleteTiles();
};
