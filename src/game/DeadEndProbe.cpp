#include "game/DeadEndProbe.h"

#include <unordered_map>

#include "game/BoardSketch.h"
#include "game/Level.h"
#include "game/Tile.h"

DeadEndProbe::Report DeadEndProbe::probe(const Level& level, const AnalystBudget& budget)
{
    return probe(BoardSketch(level), pastStates(level), budget);
}

std::vector<std::vector<int>> DeadEndProbe::pastStates(const Level& level)
{
    std::vector<std::vector<int>> past;
    for (const std::vector<TileState>& snapshot : level.undoHistory) {
        std::unordered_map<const Tile*, int> stateOf;
        for (const TileState& s : snapshot)
            stateOf[s.tile] = s.state;
        std::vector<int> states;
        for (const Tile* t : pointers(level.tiles)) {
            auto it = stateOf.find(t);
            states.push_back(it != stateOf.end() ? it->second : (t ? t->state : TILE_CLEARED));
        }
        past.push_back(std::move(states));
    }
    return past;
}

DeadEndProbe::Report DeadEndProbe::probe(const BoardSketch& sketch, const std::vector<std::vector<int>>& past,
                                         const AnalystBudget& budget)
{
    Report report;
    report.now = Analyst::analyse(sketch, budget).verdict;
    if (report.now == Analyst::Verdict::Winnable) {
        report.undosBack = 0;
        return report;
    }
    if (report.now == Analyst::Verdict::Undecided)
        return report;
    // The last snapshot is the board now; one undo returns to the one before.
    for (size_t undos = 1; undos < past.size(); ++undos) {
        const Analyst::Verdict v = Analyst::analyse(sketch, budget, past[past.size() - 1 - undos]).verdict;
        if (v == Analyst::Verdict::Winnable) {
            report.undosBack = static_cast<int>(undos);
            return report;
        }
        if (v == Analyst::Verdict::Undecided)
            return report;
    }
    return report;
}
