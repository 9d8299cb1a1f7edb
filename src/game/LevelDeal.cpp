// Building a board: choosing the faces, shuffling them over the layout,
// making the arrangement solvable; and the hint and moves-left queries that
// share the same machinery. Every random choice is one draw mod n from rng.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <unordered_set>

#include "game/Layout.h"
#include "game/Level.h"
#include "game/Tile.h"
#include "game/TileSet.h"
#include "base/Log.h"

namespace {
// Bounds on loops that only end by chance, so that no input can hang them:
// the solvability passes of one deal share one budget of steps.
constexpr int maxSolveSteps = 20000;
constexpr int maxHintRounds = 1000;

int gridInt(float v)
{
    return static_cast<int>(v);  // truncation, as positions are stored
}
}

bool Level::deal(unsigned int seed)
{
    deleteMap();
    if (tileSet)
        tileSet->reset();
    seedRand(seed);
    bool ok = createTileLayout();
    restart();
    shuffleTiles();
    if (ok && !tiles.empty())
        ok = makeSolvable();
    markDealt();
    return ok;
}

void Level::rebuild(const std::vector<PlacedTile>& placed, unsigned int seed)
{
    deleteMap();
    if (tileSet)
        tileSet->reset();
    seedRand(seed);
    newMap();
    for (const PlacedTile& p : placed) {
        Tile* tmpl = tileSet ? tileSet->templateNamed(p.name) : nullptr;
        if (!tmpl)
            continue;
        placeTile(addCopy(*tmpl), p.x, p.y, p.z);
    }
    markDealt();
}

void Level::markDealt()
{
    dealtPlaces.clear();
    for (const Tile* t : pointers(tiles)) {
        if (t && !t->mapPoints.empty())
            dealtPlaces.emplace_back(gridInt(t->gridPosition.x), gridInt(t->gridPosition.y),
                                     gridInt(t->gridPosition.z));
        else
            dealtPlaces.emplace_back(-1, -1, -1);
    }
}

bool Level::reshuffle()
{
    deselectSelected();
    clearHint();
    shuffleTiles();
    const bool solvable = makeSolvable();
    undoHistory.clear();
    updateTileStates();
    return solvable;
}

bool Level::createTileLayout()
{
    newMap();
    tileSetMultiplier = 1;
    if (!layout) {
        outputError("No layout to deal from");
        return false;
    }
    if (!layout->isPlayable() || gridX == 0)
        return false;
    if (!tileSet || tileSet->templates.empty() || tileSet->totalRepeat() <= 0) {
        outputError("Tileset without tiles refused: " + (tileSet ? tileSet->name : std::string()));
        return false;
    }
    int count = static_cast<int>(layout->tileCoordinates.size());
    if (count % 2 != 0) {
        // Tiles come in pairs: the last position stays empty.
        outputError("Layout with an odd number of positions, the last one stays empty: "
                    + layout->fileName);
        --count;
    }
    addTiles(count);
    for (size_t i = 0; i < tiles.size() && i < static_cast<size_t>(count); ++i) {
        const Vector3& p = layout->tileCoordinates[i];
        placeTile(tiles[i].get(), gridInt(p.x), gridInt(p.y), gridInt(p.z));
    }
    return true;
}

void Level::addTiles(int count)
{
    if (!tileSet || tileSet->templates.empty())
        return;
    const int total = tileSet->totalRepeat();
    if (total <= 0)
        return;
    if (count > total)
        tileSetMultiplier = (count + total - 1) / total;
    const unsigned int n = static_cast<unsigned int>(tileSet->templates.size());
    while (static_cast<int>(tiles.size()) < count) {
        int first = -1, second = -1;
        const int start = static_cast<int>(rng() % n);
        if (!tileSet->chooseTiles(&first, &second, start)) {
            outputError("Tileset has no pair left; tiles dealt: " + std::to_string(tiles.size()));
            break;
        }
        for (int index : {first, second})
            addCopy(*tileSet->templates[index]);
    }
}

Tile* Level::addCopy(Tile& tmpl)
{
    ++tmpl.used;
    tiles.push_back(std::make_unique<Tile>(tmpl));
    Tile* t = tiles.back().get();
    t->level = this;
    return t;
}

void Level::shuffleTiles()
{
    std::vector<Tile*> live;
    std::vector<Point> positions;
    for (Tile* t : pointers(tiles)) {
        if (!isLive(t))
            continue;
        live.push_back(t);
        positions.emplace_back(gridInt(t->gridPosition.x), gridInt(t->gridPosition.y),
                               gridInt(t->gridPosition.z));
    }
    const unsigned int n = static_cast<unsigned int>(live.size());
    std::vector<bool> placed(n, false);
    std::unordered_set<const Tile*> placedTiles;
    bool placedAny = false;
    for (const Point& pos : positions) {
        // A position already given to a tile of this shuffle keeps it.
        const Tile* occupant = cell(pos.x, pos.y, pos.z);
        if (occupant && placedTiles.count(occupant) && gridInt(occupant->gridPosition.x) == pos.x
            && gridInt(occupant->gridPosition.y) == pos.y && gridInt(occupant->gridPosition.z) == pos.z)
            continue;
        // Fewer tiles are placed than positions visited, so an unplaced one
        // always exists and the draw ends.
        unsigned int index = rng() % n;
        while (placedAny && placed[index])
            index = rng() % n;
        Tile* t = live[index];
        t->clearMapPoints();
        placeTile(t, pos.x, pos.y, pos.z);
        placed[index] = true;
        placedTiles.insert(t);
        placedAny = true;
    }
}

int Level::movesLeft()
{
    movableTiles.clear();
    updateTilesFree();
    int moves = 0;
    auto addMovable = [this](Tile* t) {
        if (std::find(movableTiles.begin(), movableTiles.end(), t) == movableTiles.end())
            movableTiles.push_back(t);
    };
    for (size_t i = 0; i < freeTiles.size(); ++i) {
        for (size_t j = i + 1; j < freeTiles.size(); ++j) {
            if (freeTiles[i]->match(freeTiles[j])) {
                ++moves;
                addMovable(freeTiles[i]);
                addMovable(freeTiles[j]);
            }
        }
    }
    return moves;
}

Tile* Level::drawMovable()
{
    return movableTiles[rng() % static_cast<unsigned int>(movableTiles.size())];
}

bool Level::hint()
{
    Tile* prevFirst = hintTiles.size() > 0 ? hintTiles[0] : nullptr;
    Tile* prevSecond = hintTiles.size() > 1 ? hintTiles[1] : nullptr;
    hintTiles.clear();
    for (Tile* t : pointers(tiles))
        if (t)
            t->hinted = false;

    if (selectedTile) {
        Tile* sel = selectedTile;
        Tile* partner = nullptr;
        if (movesLeft() > 0
            && std::find(movableTiles.begin(), movableTiles.end(), sel) != movableTiles.end()) {
            for (Tile* m : movableTiles) {
                if (m != sel && sel->match(m)) {
                    partner = m;
                    break;
                }
            }
        }
        deselectSelected();
        if (partner) {
            sel->hinted = partner->hinted = true;
            hintTiles = {sel, partner};
            return true;
        }
    }

    for (Tile* t : pointers(tiles))
        if (t && t->hoverHighlighted)
            t->hoverHighlightTile(false);

    if (movesLeft() == 0) {
        hintShown = false;
        return false;
    }
    const size_t m = movableTiles.size();
    bool rejected = false;
    Tile* a = nullptr;
    Tile* b = nullptr;
    Tile* fallbackA = nullptr;
    Tile* fallbackB = nullptr;
    for (int round = 0; round < maxHintRounds; ++round) {
        a = drawMovable();
        b = drawMovable();
        if (a == b)
            continue;
        if (!a->match(b)) {
            if (rejected)
                continue;
            // Walk b through the list; with lists that are not symmetric a
            // may match nothing, so one full turn ends the walk.
            size_t pos = std::find(movableTiles.begin(), movableTiles.end(), b) - movableTiles.begin();
            bool found = false;
            for (size_t step = 0; step < m && !found; ++step) {
                pos = (pos + 1) % m;
                if (movableTiles[pos] == a)
                    continue;
                b = movableTiles[pos];
                found = a->match(b);
            }
            if (!found)
                continue;
        }
        fallbackA = a;
        fallbackB = b;
        const bool repeat = a == prevFirst || b == prevSecond || (a == prevSecond && b == prevFirst);
        if (m <= 2 || !repeat) {
            a->hinted = b->hinted = true;
            hintTiles = {a, b};
            hintShown = true;
            return true;
        }
        rejected = true;
    }
    // Only repeats of the last hint were drawn: show one of them after all.
    if (!fallbackA) {
        for (size_t i = 0; i < m && !fallbackA; ++i)
            for (size_t j = 0; j < m && !fallbackA; ++j)
                if (i != j && movableTiles[i]->match(movableTiles[j])) {
                    fallbackA = movableTiles[i];
                    fallbackB = movableTiles[j];
                }
    }
    if (!fallbackA) {
        hintShown = false;
        return false;
    }
    fallbackA->hinted = fallbackB->hinted = true;
    hintTiles = {fallbackA, fallbackB};
    hintShown = true;
    return true;
}

void Level::giveBackSetAside()
{
    for (Tile* t : setAsideTiles) {
        t->hinted = false;
        t->state = slotOf(t) >= 0 ? TILE_SLOTTED : TILE_ON_BOARD;
    }
    setAsideTiles.clear();
}

bool Level::takePairsBack()
{
    Tile* f = freeTiles.front();
    const int fx = gridInt(f->gridPosition.x);
    const int fy = gridInt(f->gridPosition.y);
    int stack = 0;
    for (const Tile* t : pointers(tiles))
        if (isLive(t) && gridInt(t->gridPosition.x) == fx && gridInt(t->gridPosition.y) == fy)
            ++stack;
    int k = std::max(1, stack / 2);
    while (true) {
        if (setAsideTiles.size() < 2)
            return false;
        for (int i = 0; i < 2; ++i) {
            Tile* t = setAsideTiles.back();
            setAsideTiles.pop_back();
            t->state = TILE_ON_BOARD;
            if (std::abs(gridInt(t->gridPosition.x) - fx) <= 1
                && std::abs(gridInt(t->gridPosition.y) - fy) <= 1)
                ++k;
        }
        if (--k <= 0)
            return true;
    }
}

bool Level::makeSolvableOnce(int& stepsLeft)
{
    auto noneLive = [this]() {
        return std::none_of(tiles.begin(), tiles.end(), [](const std::unique_ptr<Tile>& t) { return isLive(t.get()); });
    };
    while (stepsLeft-- > 0) {
        bool setAside = false;
        updateTilesFree();
        if (tilesFree() >= 2) {
            if (hint()) {
                for (Tile* t : pointers(tiles)) {
                    if (isLive(t) && t->hinted) {
                        t->state = TILE_SET_ASIDE;
                        setAsideTiles.push_back(t);
                    }
                }
                setAside = true;
            } else {
                shuffleTiles();
            }
        }
        if (!setAside) {
            if (noneLive())
                return true;
            updateTilesFree();
            if (tilesFree() == 1) {
                if (!takePairsBack()) {
                    shuffleTiles();
                    return false;
                }
                shuffleTiles();
            }
        }
        if (noneLive())
            return true;
    }
    outputError("Solvability pass gave up after too many steps");
    return false;
}

bool Level::makeSolvable()
{
    for (TileSlot* s : slots) {
        if (s->enabled && s->tile) {
            s->tile->setVisibility(true);
            s->tile->state = TILE_ON_BOARD;
            s->tile = nullptr;
        }
    }
    updateTileStates();
    shuffleTiles();

    bool result = false;
    solution.clear();
    int stepsLeft = maxSolveSteps;
    solveAttempts = 0;
    while (!result && solveAttempts < maxSolveAttempts && stepsLeft > 0) {
        ++solveAttempts;
        result = makeSolvableOnce(stepsLeft);
        if (result)
            solution = setAsideTiles;
        giveBackSetAside();
        // A failed pass leaves the board part-shuffled: the next starts afresh.
        if (!result)
            shuffleTiles();
    }
    solveSteps = maxSolveSteps - std::max(stepsLeft, 0);
    if (!result)
        outputError("Deal could not be made solvable");
    hintShown = false;
    updateTilesFree();
    return result;
}
