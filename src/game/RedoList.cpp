#include "game/RedoList.h"

#include <sstream>

#include "game/Level.h"
#include "game/Tile.h"
#include "base/WordReader.h"

namespace {
bool sameSnapshot(const std::vector<TileState>& a, const std::vector<TileState>& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i].tile != b[i].tile || a[i].state != b[i].state || a[i].shown != b[i].shown)
            return false;
    return true;
}

bool live(const Tile* t)
{
    return t && t->state != TILE_CLEARED && t->state != TILE_SET_ASIDE;
}

std::string placeText(const Tile* t)
{
    std::ostringstream s;
    s << t->name << " " << static_cast<double>(t->gridPosition.x) << " "
      << static_cast<double>(t->gridPosition.y) << " " << static_cast<double>(t->gridPosition.z);
    return s.str();
}
}

bool RedoList::current(const Level& level) const
{
    return level.undoHistory.size() == historySize && !level.undoHistory.empty()
        && sameSnapshot(level.undoHistory.back(), top) && board.matches(level);
}

void RedoList::markCurrent(const Level& level)
{
    historySize = level.undoHistory.size();
    top = level.undoHistory.empty() ? std::vector<TileState>() : level.undoHistory.back();
    board.take(level);
}

void RedoList::clear()
{
    steps.clear();
    top.clear();
    historySize = 0;
    board.clear();
}

bool RedoList::undo(Level& level)
{
    if (!steps.empty() && !current(level))
        clear();
    Step step;
    const auto& history = level.undoHistory;
    if (history.size() >= 2) {
        const std::vector<TileState>& now = history.back();
        const std::vector<TileState>& before = history[history.size() - 2];
        for (size_t i = 0; i < now.size() && i < before.size(); ++i) {
            if (now[i].tile != before[i].tile || now[i].state == before[i].state || !now[i].tile)
                continue;
            if (now[i].state == TILE_CLEARED || now[i].state == TILE_SLOTTED)
                step.tiles.push_back(now[i].tile);
            step.parked = step.parked || now[i].state == TILE_SLOTTED;
        }
    }
    step.points = level.matchPoints.empty() ? 0 : level.matchPoints.back();
    step.timeBonus = level.timeBonus;
    if (!level.undoStep())
        return false;
    const bool redoable = step.parked ? step.tiles.size() == 1 : step.tiles.size() == 2;
    if (!redoable) {
        clear();
        return true;
    }
    steps.push_back(step);
    markCurrent(level);
    return true;
}

bool RedoList::redo(Level& level)
{
    if (!canRedo(level)) {
        clear();
        return false;
    }
    const Step step = steps.back();
    if (step.parked) {
        Tile* t = step.tiles[0];
        if (!live(t) || !level.isFree(t) || !level.slotTile(t, true, true)) {
            clear();
            return false;
        }
    } else {
        Tile* a = step.tiles[0];
        Tile* b = step.tiles[1];
        if (!live(a) || !live(b) || !level.isFree(a) || !level.isFree(b) || !(a->match(b) || b->match(a))) {
            clear();
            return false;
        }
        level.clearTiles(a, b);
        level.matchPoints.back() = step.points;
    }
    level.timeBonus = step.timeBonus;
    steps.pop_back();
    markCurrent(level);
    return true;
}

std::vector<std::string> RedoList::saveLines(const Level& level) const
{
    if (!canRedo(level))
        return {};
    std::vector<std::string> out{"<Redo>"};
    for (const Step& s : steps) {
        std::string line = s.parked ? "Park " + std::to_string(s.timeBonus)
                                    : "Pair " + std::to_string(s.points) + " " + std::to_string(s.timeBonus);
        for (const Tile* t : s.tiles)
            line += " " + placeText(t);
        out.push_back(line);
    }
    out.push_back("</Redo>");
    return out;
}

void RedoList::restore(Level& level, const std::vector<std::string>& lines)
{
    clear();
    for (const std::string& text : lines) {
        std::istringstream stream(text);
        WordReader in(stream);
        std::string kind;
        Step step;
        if (!in.next(kind) || (kind != "Pair" && kind != "Park"))
            break;
        step.parked = kind == "Park";
        if ((!step.parked && !in.readInt(step.points)) || !in.readInt(step.timeBonus))
            break;
        const size_t count = step.parked ? 1 : 2;
        while (step.tiles.size() < count) {
            std::string name;
            double x = 0, y = 0, z = 0;
            if (!in.next(name) || !in.readDouble(x) || !in.readDouble(y) || !in.readDouble(z))
                break;
            Tile* found = nullptr;
            for (Tile* t : pointers(level.tiles))
                if (t && t->name == name && static_cast<double>(t->gridPosition.x) == x
                    && static_cast<double>(t->gridPosition.y) == y && static_cast<double>(t->gridPosition.z) == z)
                    found = t;
            if (!found)
                break;
            step.tiles.push_back(found);
        }
        if (step.tiles.size() != count)
            break;
        steps.push_back(step);
    }
    if (steps.empty())
        clear();
    else
        markCurrent(level);
}
