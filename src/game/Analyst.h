#pragma once
#include <atomic>
#include <utility>
#include <vector>

#include "game/AnalystBoard.h"
#include "game/RefutedSet.h"

class BoardSketch;
class Level;
class Tile;

// What an analysis may spend; whichever runs out first ends it undecided.
struct AnalystBudget {
    double milliseconds = 100.0;
    long long nodes = 2000000;
    // Count milliseconds of this thread's processor time rather than of the
    // clock on the wall: for measuring on a machine busy with other work.
    bool processorTime = false;
    // Set from another thread to stop the analysis at once (undecided).
    const std::atomic<bool>* cancel = nullptr;
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
    static Result analyse(const BoardSketch& sketch, const AnalystBudget& budget,
                          const std::vector<int>& states = {});

private:
    struct Move {
        int a;
        int b;
        int score;
    };
    static constexpr long long roundUnit = 256;
        // Scores run a thousand per tile freed; tie-breaks after the first round
    // reach over some twenty of those, so later rounds stray far from it.
    static constexpr int freedWeight = 1000;
    static constexpr uint64_t tieBreakSpread = 20000;
    // Pairing off larger remainders of a group by trial costs more than it saves.
    static constexpr int largestPairedOff = 8;

    Analyst(const AnalystBoard& board, const AnalystBudget& budget);
    // Milliseconds since some fixed moment, on the wall or of this thread.
    static double now(bool processorTime);
    Result run();
    // a and b: the pair just taken, or -1 at the root.
    bool search(int depth, int a, int b);
    bool outOfBudget();
    bool outOfTotal() const;
    void take(int i);
    void putBack(int i);
    bool present(int i) const { return presentBits[i >> 6] >> (i & 63) & 1; }
    // Takes the face groups that can go at one go, starting from those whose
    // freedom the tiles just taken touched; the pairs join the line.
    void reduce(int a, int b);
    void queueGroupsAround(int i);
    void reduceGroup(int g);
    void unwindTo(size_t mark);
    bool lost(int g) const { return groupDead(g) || (groupLeft[g] == 2 && waitsOnItself(g)); }
    bool groupDead(int g) const;
    bool pairOff(const int* tiles, int count, unsigned used) const;
    // Whether group g, down to its last pair, waits on itself through the
    // last pairs of other groups.
    bool waitsOnItself(int g) const;
    // The two tiles left of group g, the left one first when a row joins them.
    void lastPair(int g, int& x, int& y) const;
    bool joinedByRow(int x, int y) const { return board.rightOf(x, y); }
    void listMoves(std::vector<Move>& moves);
    int nextNoise();
    static long long luby(long long i);

    const AnalystBoard& board;
    AnalystBudget budget;
    double deadline = 0.0;  // milliseconds, on the clock now() reads
    std::vector<uint64_t> presentBits;
    std::vector<int> groupLeft;
    int tilesLeft = 0;
    std::vector<std::pair<int, int>> line;
    RefutedSet refuted;
    long long nodes = 0;
    bool aborted = false;
    long long roundEnd = 0;  // the node count at which this round gives up
    int round = 0;
    uint64_t noise = 0x2545f4914f6cdd1dull;  // the analyst's own tie-breaks
    // Scratch, sized once: moves per depth, and marks stamped per use.
    std::vector<std::vector<Move>> movesAt;
    std::vector<int> freeList;
    std::vector<char> freeNow;
    std::vector<int> tileMark;
    std::vector<int> groupQueue;
    mutable std::vector<int> groupMark;
    mutable std::vector<int> groupStack;
    mutable int stamp = 0;
    // Scratch of waitsOnItself: the groups down to a last pair joined by a
    // row, with the left and the right tile.
    struct RowPair {
        int group, left, right;
    };
    mutable std::vector<RowPair> rowPairs;
};
