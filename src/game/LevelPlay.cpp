// The player's side of the board: clicks, matches, holding slots, points,
// undo and restart, highlights and board-wide animations.
#include <algorithm>

#include "game/Difficulty.h"
#include "game/Level.h"
#include "game/Tile.h"
#include "render/Sprite.h"  // a pick hands over the sprite under the pointer

void Level::deselectSelected()
{
    Tile* t = selectedTile;
    selectedTile = nullptr;
    if (!t)
        return;
    t->highlightTile(false);
    if (t->state == TILE_SELECTED)
        t->state = TILE_ON_BOARD;
}

void Level::clearAllHighlights()
{
    for (Tile* t : pointers(tiles))
        if (t && t->highlighted)
            t->highlightTile(false);
}

void Level::clearHint()
{
    hintShown = false;
    hintTiles.clear();
    for (Tile* t : pointers(tiles)) {
        if (t && (t->hinted || t->hoverHighlighted)) {
            t->hinted = false;
            t->hoverHighlightTile(false);
        }
    }
}

void Level::handleSelection(Sprite* s)
{
    if (!s)
        return;
    Tile* t = dynamic_cast<Tile*>(s);
    const PointerView<Tile> board = pointers(tiles);
    if (t && std::find(board.begin(), board.end(), t) == board.end())
        return;  // not a tile of this board
    if (!t) {
        // The room, or any other scene sprite: the click goes nowhere.
        hintShown = false;
        deselectSelected();
        clearAllHighlights();
        return;
    }
    const bool gone = t->state == TILE_CLEARED || t->state == TILE_SET_ASIDE;
    if (gone || (t->state != TILE_SLOTTED && !isFree(t))) {
        hintShown = false;
        deselectSelected();
        t->highlightTile(false);
        if (t->state == TILE_SELECTED)
            t->state = TILE_ON_BOARD;
        clearAllHighlights();
        return;
    }
    selectTile(t);
}

void Level::selectTile(Tile* t)
{
    if (!t)
        return;
    if (selectedTile)
        selectedTile->highlightTile(false);

    bool changed = false;
    for (TileSlot* slot : slots) {
        Tile* s = slot->tile;
        if (slot->enabled && s && s != t && t->match(s)) {
            clearTiles(t, s);
            slot->tile = nullptr;
            changed = true;
            break;
        }
    }
    if (!changed && t->state != TILE_SLOTTED) {
        for (int i = 0; i < 3; ++i) {
            if (slots[i]->enabled && !slots[i]->tile) {
                parkTile(t, i);
                updateTileStates();
                changed = true;
                break;
            }
        }
    }
    if (changed) {
        deselectSelected();
        updateTilesFree();
        return;
    }

    if (selectedTile) {
        if (selectedTile == t) {
            deselectSelected();
            return;
        }
        if (t->match(selectedTile)) {
            Tile* other = selectedTile;
            selectedTile = nullptr;
            clearTiles(t, other);
            return;
        }
        deselectSelected();
    }
    if (t->state == TILE_SLOTTED)
        return;  // a parked tile is taken back only by a match or by undo
    selectTile(t, true);
}

void Level::selectTile(Tile* t, bool on)
{
    if (!t)
        return;
    if (on) {
        t->highlightTile(true);
        t->state = TILE_SELECTED;
        selectedTile = t;
        t->playClickedSound();
        return;
    }
    t->highlightTile(false);
    if (t->state == TILE_SELECTED)
        t->state = TILE_ON_BOARD;
    if (selectedTile == t)
        selectedTile = nullptr;
}

void Level::clearTile(Tile* t)
{
    if (!t)
        return;
    clearedTiles.push_back(t);
    t->hinted = false;
    t->hoverHighlighted = false;
    t->playAnimation("clear_tile");
    t->highlightTile(false);
    t->state = TILE_CLEARED;
    if (selectedTile == t)
        selectedTile = nullptr;
    int slot = slotOf(t);
    if (slot >= 0)
        slots[slot]->tile = nullptr;
    for (Tile* other : pointers(tiles)) {
        if (!other)
            continue;
        other->highlightTile(false);
        other->hinted = false;
    }
    updateTilesFree();
}

void Level::clearTiles(Tile* a, Tile* b)
{
    if (!a || !b)
        return;
    a->playClearedSound();
    clearTile(a);
    clearTile(b);
    matchPoints.push_back(basePoints + timeBonus);
    timeBonus = 1000;
    hintShown = false;
    updateTileStates();
}

// ---- holding slots --------------------------------------------------------

void Level::parkTile(Tile* t, int slot)
{
    if (selectedTile == t) {
        selectedTile = nullptr;
        t->highlightTile(false);
    }
    slots[slot]->tile = t;
    t->setVisibility(false);
    t->state = TILE_SLOTTED;
    t->playClickedSound();
}

bool Level::slotTile(Tile* t, bool park, bool snapshot)
{
    if (!t)
        return false;
    if (park) {
        if (t->state == TILE_CLEARED || t->state == TILE_SET_ASIDE || slotOf(t) >= 0)
            return false;
        for (int i = 0; i < 3; ++i) {
            if (slots[i]->enabled && !slots[i]->tile) {
                parkTile(t, i);
                if (snapshot)
                    updateTileStates();
                updateTilesFree();
                return true;
            }
        }
        return false;
    }
    int i = slotOf(t);
    if (i < 0)
        return false;
    t->setVisibility(true);
    t->state = TILE_ON_BOARD;
    slots[i]->tile = nullptr;
    updateTilesFree();
    return true;
}

bool Level::slotAvailable() const
{
    for (const TileSlot* s : slots)
        if (s->enabled && !s->tile)
            return true;
    return false;
}

int Level::slotOf(const Tile* t) const
{
    if (!t)
        return -1;
    for (int i = 0; i < 3; ++i)
        if (slots[i]->tile == t)
            return i;
    return -1;
}

void Level::attachSlots(TileSlot* s1, TileSlot* s2, TileSlot* s3)
{
    TileSlot* given[3] = {s1, s2, s3};
    for (int i = 0; i < 3; ++i) {
        TileSlot* next = given[i] ? given[i] : &ownSlots[i];
        if (next == slots[i])
            continue;
        next->enabled = slots[i]->enabled;
        next->tile = slots[i]->tile;
        slots[i]->tile = nullptr;
        slots[i] = next;
    }
}

void Level::setSlotEnabled(int index, bool on)
{
    if (index >= 0 && index < 3)
        slots[index]->enabled = on;
}

// ---- undo and restart -----------------------------------------------------

void Level::updateTileStates()
{
    std::vector<TileState> snapshot;
    snapshot.reserve(tiles.size());
    for (Tile* t : pointers(tiles)) {
        if (!t)
            continue;
        TileState s;
        s.tile = t;
        // A selection is not a step of play: undo must never bring back a
        // tile drawn selected while nothing is selected.
        s.state = t->state == TILE_SELECTED ? TILE_ON_BOARD : t->state;
        s.shown = (t->state == TILE_CLEARED || t->state == TILE_SLOTTED) ? false : t->visible;
        snapshot.push_back(s);
    }
    // A step that changed nothing is not a step: undo would reverse nothing.
    if (!undoHistory.empty()) {
        const std::vector<TileState>& last = undoHistory.back();
        bool same = last.size() == snapshot.size();
        for (size_t i = 0; same && i < snapshot.size(); ++i)
            same = last[i].tile == snapshot[i].tile && last[i].state == snapshot[i].state
                && last[i].shown == snapshot[i].shown;
        if (same)
            return;
    }
    undoHistory.push_back(std::move(snapshot));
}

bool Level::undo()
{
    // Every undo goes through the redo list, which keeps the step for redo.
    return redoList.undo(*this);
}

bool Level::undoStep()
{
    if (undoHistory.size() < 2)
        return false;
    const std::vector<TileState> current = undoHistory.back();
    const std::vector<TileState>& previous = undoHistory[undoHistory.size() - 2];
    bool matchUndone = false;
    bool slotReturned = false;
    const size_t n = std::min(current.size(), previous.size());
    for (size_t i = 0; i < n; ++i) {
        const TileState& c = current[i];
        const TileState& p = previous[i];
        if (c.tile != p.tile || c.state == p.state || !c.tile)
            continue;
        Tile* t = c.tile;
        if (c.state == TILE_SLOTTED) {
            int slot = slotOf(t);
            if (slot >= 0) {
                slots[slot]->tile = nullptr;
                t->setVisibility(true);
            }
            t->state = p.state;
            slotReturned = true;
        } else if (c.state == TILE_CLEARED) {
            t->setVisibility(p.shown);
            t->state = p.state;
            auto it = std::find(clearedTiles.rbegin(), clearedTiles.rend(), t);
            if (it != clearedTiles.rend())
                clearedTiles.erase(std::next(it).base());
            if (p.state == TILE_SLOTTED) {
                for (int k = 0; k < 3; ++k) {
                    if (slots[k]->enabled && !slots[k]->tile) {
                        parkTile(t, k);
                        break;
                    }
                }
            }
            matchUndone = true;
        }
    }
    undoHistory.pop_back();
    deselectSelected();
    updateTilesFree();
    if (matchUndone) {
        if (!matchPoints.empty())
            matchPoints.pop_back();
        timeBonus = 0;
        return true;
    }
    return slotReturned;
}

void Level::restart()
{
    matchPoints.clear();
    clearHint();
    if (selectedTile)
        selectedTile->highlightTile(false);
    selectedTile = nullptr;
    for (TileSlot* s : slots)
        s->tile = nullptr;
    // Every tile goes back to its dealt place, wherever shuffles moved it.
    if (dealtPlaces.size() == tiles.size()) {
        std::fill(tileMap.begin(), tileMap.end(), nullptr);
        for (size_t i = 0; i < tiles.size(); ++i) {
            const Point& p = dealtPlaces[i];
            if (tiles[i] && p.x >= 0)
                placeTile(tiles[i].get(), p.x, p.y, p.z);
        }
    }
    for (Tile* t : tileMap) {
        if (!t)
            continue;
        t->setVisibility(true);
        t->free = false;
        t->state = TILE_ON_BOARD;
    }
    undoHistory.clear();
    redoList.clear();
    clearedTiles.clear();
    updateTilesFree();
    // The dealt board is the first step undo can return to.
    updateTileStates();
}

void Level::setScoreMultiplier(float m)
{
    scoreMultiplier = m;
    basePoints = static_cast<int>(m * 1000.0f + 0.5f);
}

void Level::applyDifficulty(int difficulty)
{
    const DifficultyRow& row = difficultyRow(difficulty);
    for (int i = 0; i < 3; ++i)
        setSlotEnabled(i, row.slotOpen[i]);
    setScoreMultiplier(row.multiplier);
    if (row.stamps)
        setTileStamps(true);
}

int Level::score() const
{
    int sum = 0;
    for (int p : matchPoints)
        sum += p;
    return sum;
}

// ---- highlights and animations --------------------------------------------

void Level::highlightTiles()
{
    for (Tile* t : pointers(tiles)) {
        if (!t)
            continue;
        const bool selected = t->state == TILE_SELECTED;
        t->highlightTile(selected);
        if (!selected && (t->hover || t->hinted))
            t->hoverHighlightTile(true);
        else if (!(selected && t->hinted))
            t->hoverHighlightTile(false);
    }
}

void Level::highlightFreeTiles()
{
    if (!highlightFreeOption || hintShown)
        return;
    for (Tile* t : freeTiles)
        if (!selectedTile || t->match(selectedTile))
            t->hoverHighlightTile(true);
}

void Level::setTileStamps(bool on)
{
    for (Tile* t : pointers(tiles))
        if (t)
            t->showStamp = on;
}

void Level::turnOffTiles()
{
    for (Tile* t : pointers(tiles))
        if (t)
            t->setVisibility(false);
}

void Level::update()
{
    tilesAnimating = false;
    for (Tile* t : pointers(tiles)) {
        if (!t || !t->currentTake)
            continue;
        t->Model::update();
        if (t->isAnimating()) {
            tilesAnimating = true;
            moved = true;
        }
    }
}

void Level::playAnimation(const std::string& name, bool all)
{
    for (Tile* t : pointers(tiles))
        if (t && (all || t->state != TILE_SLOTTED))
            t->playAnimation(name);
}

bool Level::checkAnimationFinished(const std::string& name) const
{
    for (const Tile* t : pointers(tiles))
        if (t && t->isAnimating(name))
            return false;
    return true;
}

void Level::gameWon()
{
    for (Tile* t : pointers(tiles))
        if (t)
            t->playAnimation("game_won");
}
