#pragma once
#include <vector>

#include "game/Analyst.h"

class BoardSketch;
class Level;

// Whether the board has become a dead end (moves may remain, but no line
// clears it) and, if so, how many undos lead back to a position that can
// still be won. Undo steps back through the board's snapshots, so each
// earlier position is analysed from its snapshot on the same grid.
class DeadEndProbe {
public:
    struct Report {
        Analyst::Verdict now = Analyst::Verdict::Undecided;
        // Undos back to the nearest winnable position: 0 when the board can
        // be won now, -1 when none was found (undo cannot reach one, or an
        // analysis ran out of budget).
        int undosBack = -1;
    };

    // Each position analysed gets the budget anew.
    static Report probe(const Level& level, const AnalystBudget& budget);
    // The same on a copy: past holds the tile states of every undo snapshot,
    // oldest first, the last being the board now.
    static Report probe(const BoardSketch& sketch, const std::vector<std::vector<int>>& past,
                        const AnalystBudget& budget);
    // The states of every undo snapshot of the board, one per board tile.
    static std::vector<std::vector<int>> pastStates(const Level& level);
};
