#pragma once
#include <chrono>
#include <utility>
#include <vector>

#include "game/AnalystBoard.h"
#include "game/RefutedSet.h"

class Level;
class Tile;

// What an analysis may spend; whichever runs out first ends it undecided.
struct AnalystBudget {
    double milliseconds = 100.0;
    long long nodes = 2000000;
};

// The analyst: decides whether a position can still be cleared by taking
// pairs of free tiles, and if so gives a line of pairs that clears it.
// Tiles parked in holding slots count as free; parking is not one of its
// moves, so with empty slots open a position it calls lost may still be
// saved by parking.
//
// Depth-first over the pairs, with three things that keep it small: a face
// group whose remaining tiles are all free goes at once (taking it can never
// lose); a group that can no longer be paired off (an odd count, or the last
// tiles lying on one another) refutes the position at once; and positions
// proved lost are remembered by the set of tiles left. Pairs that free the
// most tiles are tried first. It never touches the board's random generator
// nor the board itself.
class Analyst {
public:
    enum class Verdict { Winnable, NotWinnable, Undecided };

    struct Result {
        Verdict verdict = Verdict::Undecided;
        std::vector<std::pair<Tile*, Tile*>> line;  // the pairs in order, when winnable
        long long nodes = 0;
        double milliseconds = 0.0;
    };

    // The position on the board now, or the one given by states (one per
    // board tile in board order, as an undo snapshot holds them).
    static Result analyse(const Level& level, const AnalystBudget& budget, const std::vector<int>& states = {});

private:
    using Clock = std::chrono::steady_clock;
    struct Move {
        int a;
        int b;
        int score;
    };

    Analyst(const AnalystBoard& board, const AnalystBudget& budget);
    Result run();
    bool search();
    static constexpr long long firstRound = 512;
    static constexpr uint64_t tieBreakSpread = 64;
    bool outOfBudget();
    bool outOfTotal() const;
    void take(int i);
    void putBack(int i);
    bool present(int i) const { return presentBits[i >> 6] >> (i & 63) & 1; }
    bool lost(int g) const { return groupDead(g) || (groupLeft[g] == 2 && waitsOnItself(g)); }
    // Takes the face groups that can go at one go; the pairs join the line.
    void reduce();
    void unwindTo(size_t mark);
    bool groupDead(int g) const;
    bool pairOff(std::vector<int>& left) const;
    // Whether group g, down to its last pair, waits on itself through the
    // last pairs of other groups (each must go before a pair it lies over).
    bool waitsOnItself(int g) const;
    bool mustPrecede(int before, int after) const;
    void listMoves(std::vector<Move>& moves);

    const AnalystBoard& board;
    AnalystBudget budget;
    Clock::time_point deadline;
    std::vector<uint64_t> presentBits;
    std::vector<int> groupLeft;
    int tilesLeft = 0;
    std::vector<std::pair<int, int>> line;
    RefutedSet refuted;
    long long nodes = 0;
    bool aborted = false;
    long long roundEnd = 0;     // the node count at which this round gives up
    int round = 0;
    uint64_t noise = 0x2545f4914f6cdd1dull;  // the analyst's own tie-breaks
    std::vector<char> freeNow;  // scratch of listMoves
};
