#include "game/Analyst.h"

#include <algorithm>
#include <chrono>
#include <ctime>

#include "game/BoardSketch.h"

double Analyst::now(bool processorTime)
{
    if (processorTime) {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
    }
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

Analyst::Result Analyst::analyse(const Level& level, const AnalystBudget& budget, const std::vector<int>& states)
{
    return analyse(BoardSketch(level), budget, states);
}

Analyst::Result Analyst::analyse(const BoardSketch& sketch, const AnalystBudget& budget,
                                 const std::vector<int>& states)
{
    const double start = now(budget.processorTime);
    const AnalystBoard board(sketch, states);
    Analyst analyst(board, budget);
    analyst.deadline = start + budget.milliseconds;
    Result result = analyst.run();
    result.milliseconds = now(budget.processorTime) - start;
    return result;
}

Analyst::Analyst(const AnalystBoard& b, const AnalystBudget& limits)
    : board(b), budget(limits), presentBits(b.words(), 0), groupLeft(b.groupCount(), 0), refuted(b.words()),
      movesAt(b.size() / 2 + 2), freeNow(b.size(), 0), tileMark(b.size(), 0), groupMark(b.groupCount(), 0)
{
    for (int i = 0; i < board.size(); ++i) {
        presentBits[i >> 6] |= 1ull << (i & 63);
        ++groupLeft[board.group(i)];
    }
    tilesLeft = board.size();
}

Analyst::Result Analyst::run()
{
    Result result;
    bool isLost = false;
    for (int g = 0; g < board.groupCount() && !isLost; ++g)
        isLost = lost(g);
    // Short rounds with fresh tie-breaks, in the lengths of Luby's sequence:
    // a poor early choice then costs one round, not the whole budget, and
    // long rounds still come now and then. What a round proved lost stays
    // proved.
    bool won = false;
    for (; !isLost; ++round) {
        roundEnd = nodes + roundUnit * luby(round + 1);
        aborted = false;
        won = search(0, -1, -1);
        if (won || !aborted || outOfTotal())
            break;
        unwindTo(0);
    }
    result.nodes = nodes;
    if (aborted)
        return result;
    result.verdict = won ? Verdict::Winnable : Verdict::NotWinnable;
    if (won)
        for (const auto& p : line)
            result.line.emplace_back(board.tile(p.first), board.tile(p.second));
    return result;
}

bool Analyst::outOfTotal() const
{
    return nodes >= budget.nodes || now(budget.processorTime) > deadline || (budget.cancel && *budget.cancel);
}

bool Analyst::outOfBudget()
{
    ++nodes;
    if (nodes >= roundEnd || nodes >= budget.nodes
        || ((nodes & 15) == 0 && (now(budget.processorTime) > deadline || (budget.cancel && *budget.cancel))))
        aborted = true;
    return aborted;
}

void Analyst::take(int i)
{
    presentBits[i >> 6] &= ~(1ull << (i & 63));
    --groupLeft[board.group(i)];
    --tilesLeft;
}

void Analyst::putBack(int i)
{
    presentBits[i >> 6] |= 1ull << (i & 63);
    ++groupLeft[board.group(i)];
    ++tilesLeft;
}

bool Analyst::search(int depth, int a, int b)
{
    if (outOfBudget())
        return false;
    const size_t mark = line.size();
    reduce(a, b);
    if (tilesLeft == 0)
        return true;
    // Remembered after the reductions: positions that reduce to the same one
    // stand or fall together.
    if (refuted.contains(presentBits.data())) {
        unwindTo(mark);
        return false;
    }
    std::vector<Move>& moves = movesAt[depth];
    listMoves(moves);
    for (const Move& m : moves) {
        take(m.a);
        take(m.b);
        line.emplace_back(m.a, m.b);
        if (!lost(board.group(m.a))) {
            if (search(depth + 1, m.a, m.b))
                return true;
            if (aborted)
                return false;  // undecided: the state no longer matters
        }
        line.pop_back();
        putBack(m.a);
        putBack(m.b);
    }
    refuted.insert(presentBits.data());
    unwindTo(mark);
    return false;
}

void Analyst::unwindTo(size_t mark)
{
    while (line.size() > mark) {
        putBack(line.back().first);
        putBack(line.back().second);
        line.pop_back();
    }
}

void Analyst::queueGroupsAround(int i)
{
    for (int t : board.dependants(i)) {
        const int g = board.group(t);
        if (groupMark[g] != stamp && present(t)) {
            groupMark[g] = stamp;
            groupQueue.push_back(g);
        }
    }
}

void Analyst::reduce(int a, int b)
{
    // Only a group some of whose tiles the last pair touched (or the pair's
    // own group) can have become takeable at one go.
    ++stamp;
    groupQueue.clear();
    if (a < 0) {
        for (int g = 0; g < board.groupCount(); ++g)
            groupQueue.push_back(g);
    } else {
        groupMark[board.group(a)] = stamp;
        groupQueue.push_back(board.group(a));
        queueGroupsAround(a);
        queueGroupsAround(b);
    }
    while (!groupQueue.empty()) {
        const int g = groupQueue.back();
        groupQueue.pop_back();
        groupMark[g] = 0;
        if (groupLeft[g] > 0)
            reduceGroup(g);
    }
}

void Analyst::reduceGroup(int g)
{
    // Taking a whole group never loses: its tiles pair only among themselves,
    // and taking tiles only ever frees others.
    int left[64], sides[2][64];
    int count = 0, sideCount[2] = {0, 0};
    for (int i : board.members(g)) {
        if (!present(i))
            continue;
        if (count == 64 || !board.isFree(i, presentBits.data()))
            return;
        left[count++] = i;
    }
    if (count % 2)
        return;
    const size_t mark = line.size();
    switch (board.shape(g)) {
    case AnalystBoard::Shape::Clique:
        for (int k = 0; k + 1 < count; k += 2)
            line.emplace_back(left[k], left[k + 1]);
        break;
    case AnalystBoard::Shape::Bipartite:
        for (int k = 0; k < count; ++k) {
            const int s = board.side(left[k]);
            sides[s][sideCount[s]++] = left[k];
        }
        if (sideCount[0] == sideCount[1])
            for (int k = 0; k < sideCount[0]; ++k)
                line.emplace_back(sides[0][k], sides[1][k]);
        break;
    case AnalystBoard::Shape::General:
        if (count == 2 && board.pairs(left[0], left[1]))
            line.emplace_back(left[0], left[1]);
        break;
    }
    for (size_t k = mark; k < line.size(); ++k) {
        take(line[k].first);
        take(line[k].second);
    }
    for (size_t k = mark; k < line.size(); ++k) {
        queueGroupsAround(line[k].first);
        queueGroupsAround(line[k].second);
    }
}

bool Analyst::groupDead(int g) const
{
    int left[largestPairedOff];
    int count = 0;
    for (int i : board.members(g)) {
        if (!present(i))
            continue;
        if (count == largestPairedOff)
            return groupLeft[g] % 2 != 0;
        left[count++] = i;
    }
    if (count % 2)
        return true;
    return count > 0 && !pairOff(left, count, 0);
}

bool Analyst::pairOff(const int* tiles, int count, unsigned used) const
{
    int first = 0;
    while (first < count && (used >> first & 1))
        ++first;
    if (first == count)
        return true;
    for (int k = first + 1; k < count; ++k) {
        if ((used >> k & 1) || !board.pairs(tiles[first], tiles[k]) || board.stacked(tiles[first], tiles[k]))
            continue;
        if (pairOff(tiles, count, used | 1u << first | 1u << k))
            return true;
    }
    return false;
}

void Analyst::lastPair(int g, int& x, int& y) const
{
    x = y = -1;
    for (int i : board.members(g))
        if (present(i))
            (x < 0 ? x : y) = i;
    if (board.rightOf(y, x))
        std::swap(x, y);
}

bool Analyst::waitsOnItself(int g) const
{
    // Every group down to its last pair goes at one moment. A group with a
    // tile over one of its tiles must go before it. When one row joins the
    // two tiles, no tile between them can go while both stand (the first to
    // go would still have both sides held), so the pair goes from outside:
    // after every tile beyond either end, and before every tile between.
    // Following "must go before" from g back to g means g can never go.
    rowPairs.clear();
    for (int k = 0; k < board.groupCount(); ++k) {
        if (groupLeft[k] != 2)
            continue;
        int x, y;
        lastPair(k, x, y);
        if (joinedByRow(x, y))
            rowPairs.push_back({k, x, y});
    }
    ++stamp;
    groupStack.assign(1, g);
    auto reach = [&](int k) {
        if (k == g)
            return true;
        if (groupMark[k] != stamp) {
            groupMark[k] = stamp;
            groupStack.push_back(k);
        }
        return false;
    };
    while (!groupStack.empty()) {
        const int h = groupStack.back();
        groupStack.pop_back();
        int x, y;
        lastPair(h, x, y);
        const uint64_t* overX = board.overRow(x);
        const uint64_t* overY = board.overRow(y);
        for (int w = 0; w < board.words(); ++w) {
            for (uint64_t bits = (overX[w] | overY[w]) & presentBits[w]; bits; bits &= bits - 1) {
                const int k = board.group(w * 64 + __builtin_ctzll(bits));
                if (k != h && groupLeft[k] == 2 && reach(k))
                    return true;
            }
        }
        if (joinedByRow(x, y)) {
            for (const int* t = board.sideBegin(x, FreeTileRule::Left); t != board.sideEnd(x, FreeTileRule::Left); ++t)
                if (present(*t) && groupLeft[board.group(*t)] == 2 && board.group(*t) != h && reach(board.group(*t)))
                    return true;
            for (const int* t = board.sideBegin(y, FreeTileRule::Right); t != board.sideEnd(y, FreeTileRule::Right); ++t)
                if (present(*t) && groupLeft[board.group(*t)] == 2 && board.group(*t) != h && reach(board.group(*t)))
                    return true;
        }
        for (const RowPair& r : rowPairs) {
            if (r.group == h)
                continue;
            const bool between = (board.rightOf(r.left, x) && board.rightOf(x, r.right))
                || (board.rightOf(r.left, y) && board.rightOf(y, r.right));
            if (between && reach(r.group))
                return true;
        }
    }
    return false;
}

long long Analyst::luby(long long i)
{
    // 1 1 2 1 1 2 4 1 1 2 1 1 2 4 8 ...
    for (long long k = 1;; ++k) {
        if (i == (1LL << k) - 1)
            return 1LL << (k - 1);
        if (i < (1LL << k) - 1)
            return luby(i - (1LL << (k - 1)) + 1);
    }
}

int Analyst::nextNoise()
{
    noise ^= noise << 13;
    noise ^= noise >> 7;
    noise ^= noise << 17;
    return static_cast<int>(noise % tieBreakSpread);
}

void Analyst::listMoves(std::vector<Move>& moves)
{
    moves.clear();
    freeList.clear();
    for (int i = 0; i < board.size(); ++i) {
        freeNow[i] = present(i) && board.isFree(i, presentBits.data());
        if (freeNow[i])
            freeList.push_back(i);
    }
    for (size_t x = 0; x < freeList.size(); ++x) {
        for (size_t y = x + 1; y < freeList.size(); ++y) {
            const int a = freeList[x], b = freeList[y];
            if (!board.pairs(a, b))
                continue;
            // How many tiles the pair would free, then how much lies under it.
            take(a);
            take(b);
            ++stamp;
            int freed = 0;
            for (int i : {a, b})
                for (int t : board.dependants(i))
                    if (tileMark[t] != stamp) {
                        tileMark[t] = stamp;
                        freed += present(t) && !freeNow[t] && board.isFree(t, presentBits.data());
                    }
            putBack(a);
            putBack(b);
            int score = freed * freedWeight + board.tilesUnder(a) + board.tilesUnder(b);
            if (round > 0)
                score += nextNoise();
            moves.push_back({a, b, score});
        }
    }
    std::stable_sort(moves.begin(), moves.end(), [](const Move& l, const Move& r) { return l.score > r.score; });
}
