#include "game/DeadEndProbe.h"

#include <unordered_map>

#include "game/Level.h"
#include "game/Tile.h"

DeadEndProbe::Report DeadEndProbe::probe(const Level& level, const AnalystBudget& budget)
{
    Report report;
    report.now = Analyst::analyse(level, budget).verdict;
    if (report.now == Analyst::Verdict::Winnable) {
        report.undosBack = 0;
        return report;
    }
    if (report.now == Analyst::Verdict::Undecided)
        return report;
    // The last snapshot is the board now; one undo returns to the one before.
    const auto& history = level.undoHistory;
    for (size_t undos = 1; undos < history.size(); ++undos) {
        const std::vector<TileState>& snapshot = history[history.size() - 1 - undos];
        std::unordered_map<const Tile*, int> stateOf;
        for (const TileState& s : snapshot)
            stateOf[s.tile] = s.state;
        std::vector<int> states;
        for (const Tile* t : level.tiles) {
            auto it = stateOf.find(t);
            states.push_back(it != stateOf.end() ? it->second : (t ? t->state : TILE_CLEARED));
        }
        const Analyst::Verdict v = Analyst::analyse(level, budget, states).verdict;
        if (v == Analyst::Verdict::Winnable) {
            report.undosBack = static_cast<int>(undos);
            return report;
        }
        if (v == Analyst::Verdict::Undecided)
            return report;
    }
    return report;
}
