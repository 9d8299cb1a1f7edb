#include "game/HintAdvisor.h"

#include "game/Level.h"
#include "game/Tile.h"

namespace {
bool gone(const Tile* t)
{
    return t->state == TILE_CLEARED || t->state == TILE_SET_ASIDE;
}
}

int HintAdvisor::stepOnLine(const Level& level) const
{
    if (line.empty() || !board.matches(level))
        return -1;
    size_t step = 0;
    while (step < line.size() && gone(line[step].first) && gone(line[step].second))
        ++step;
    // The board is the line's position after `step` pairs when exactly the
    // tiles of the later pairs are left (parked ones included: parking only
    // frees tiles, so the line still holds).
    for (size_t k = step; k < line.size(); ++k)
        if (gone(line[k].first) || gone(line[k].second))
            return -1;
    if (static_cast<size_t>(level.tilesLeft()) != 2 * (line.size() - step))
        return -1;
    return static_cast<int>(step);
}

bool HintAdvisor::winningPair(const Level& level, Tile*& a, Tile*& b)
{
    int step = stepOnLine(level);
    if (step < 0 || step >= static_cast<int>(line.size())) {
        const Analyst::Result result = Analyst::analyse(level, budget);
        verdict = result.verdict;
        line = result.line;
        board.take(level);
        step = verdict == Analyst::Verdict::Winnable ? 0 : -1;
    } else {
        verdict = Analyst::Verdict::Winnable;
    }
    if (step < 0 || line.empty())
        return false;
    a = line[step].first;
    b = line[step].second;
    return true;
}

bool HintAdvisor::hint(Level& level)
{
    Tile* a = nullptr;
    Tile* b = nullptr;
    if (!winningPair(level, a, b))
        return level.hint();
    if (level.selectedTile)
        level.selectTile(level.selectedTile, false);
    for (Tile* t : pointers(level.tiles)) {
        if (!t)
            continue;
        t->hinted = false;
        if (t->hoverHighlighted)
            t->hoverHighlightTile(false);
    }
    a->hinted = b->hinted = true;
    level.hintTiles = {a, b};
    level.hintShown = true;
    return true;
}
