#pragma once
#include <utility>
#include <vector>

#include "game/Analyst.h"
#include "game/BoardFingerprint.h"

class Level;
class Tile;

// Hints from the analyst: a pair on a winning line whenever the analyst
// decides within its budget, the board's own hint otherwise. The line found
// is kept, so a player who follows it (or undoes back onto it) gets the next
// pair without a new analysis. It never draws from the board's generator;
// only the board's own hint, when it is the one given, does.
class HintAdvisor {
public:
    AnalystBudget budget;

    // Shows a hint as the board's hint does (the pair flagged and listed,
    // the hint-shown flag set, any selection dropped); false when there is
    // no pair to show.
    bool hint(Level& level);

    // The next pair of a winning line from the position now, searching only
    // when the kept line does not lead on from it; false when the analyst
    // finds none within the budget.
    bool winningPair(const Level& level, Tile*& a, Tile*& b);

    // The analyst's verdict on the position when the last winningPair was
    // asked.
    Analyst::Verdict lastVerdict() const { return verdict; }

private:
    // How many leading pairs of the kept line are gone, or -1 when the board
    // is not a position of the line.
    int stepOnLine(const Level& level) const;

    BoardFingerprint board;  // the board the kept line was found on
    std::vector<std::pair<Tile*, Tile*>> line;
    Analyst::Verdict verdict = Analyst::Verdict::Undecided;
};
