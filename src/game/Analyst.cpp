#include "game/Analyst.h"

#include <algorithm>

Analyst::Result Analyst::analyse(const Level& level, const AnalystBudget& budget, const std::vector<int>& states)
{
    const Clock::time_point start = Clock::now();
    const AnalystBoard board(level, states);
    Analyst analyst(board, budget);
    analyst.deadline = start + std::chrono::duration_cast<Clock::duration>(
                                   std::chrono::duration<double, std::milli>(budget.milliseconds));
    Result result = analyst.run();
    result.milliseconds = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    return result;
}

Analyst::Analyst(const AnalystBoard& b, const AnalystBudget& limits)
    : board(b), budget(limits), presentBits(b.words(), 0), groupLeft(b.groupCount(), 0), refuted(b.words())
{
    for (int i = 0; i < board.size(); ++i) {
        presentBits[i >> 6] |= 1ull << (i & 63);
        ++groupLeft[board.group(i)];
    }
    tilesLeft = board.size();
    freeNow.assign(board.size(), 0);
}

Analyst::Result Analyst::run()
{
    Result result;
    bool isLost = false;
    for (int g = 0; g < board.groupCount() && !isLost; ++g)
        isLost = lost(g);
    // Short rounds with fresh tie-breaks, each twice as long as the last:
    // a poor early choice then costs one round, not the whole budget. What a
    // round proved lost stays proved.
    bool won = false;
    for (long long length = firstRound; !isLost; length *= 2, ++round) {
        roundEnd = nodes + length;
        aborted = false;
        won = search();
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
    return nodes >= budget.nodes || Clock::now() > deadline;
}

bool Analyst::outOfBudget()
{
    ++nodes;
    if (nodes >= roundEnd || nodes >= budget.nodes || ((nodes & 15) == 0 && Clock::now() > deadline))
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

bool Analyst::search()
{
    if (outOfBudget())
        return false;
    const size_t mark = line.size();
    reduce();
    if (tilesLeft == 0)
        return true;
    // Remembered after the reductions: positions that reduce to the same one
    // stand or fall together.
    if (refuted.contains(presentBits.data())) {
        unwindTo(mark);
        return false;
    }
    std::vector<Move> moves;
    listMoves(moves);
    for (const Move& m : moves) {
        take(m.a);
        take(m.b);
        line.emplace_back(m.a, m.b);
        if (!lost(board.group(m.a))) {
            if (search())
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

void Analyst::reduce()
{
    // Taking a whole group never loses: its tiles pair only among themselves,
    // and taking tiles only ever frees others.
    std::vector<int> left, sides[2];
    bool changed = true;
    while (changed) {
        changed = false;
        for (int g = 0; g < board.groupCount(); ++g) {
            if (groupLeft[g] == 0)
                continue;
            left.clear();
            bool allFree = true;
            for (int i : board.members(g)) {
                if (!present(i))
                    continue;
                if (!board.isFree(i, presentBits.data())) {
                    allFree = false;
                    break;
                }
                left.push_back(i);
            }
            if (!allFree || left.size() % 2)
                continue;
            std::vector<std::pair<int, int>> pairs;
            switch (board.shape(g)) {
            case AnalystBoard::Shape::Clique:
                for (size_t k = 0; k + 1 < left.size(); k += 2)
                    pairs.emplace_back(left[k], left[k + 1]);
                break;
            case AnalystBoard::Shape::Bipartite:
                sides[0].clear();
                sides[1].clear();
                for (int i : left)
                    sides[board.side(i)].push_back(i);
                if (sides[0].size() == sides[1].size())
                    for (size_t k = 0; k < sides[0].size(); ++k)
                        pairs.emplace_back(sides[0][k], sides[1][k]);
                break;
            case AnalystBoard::Shape::General:
                if (left.size() == 2 && board.pairs(left[0], left[1]))
                    pairs.emplace_back(left[0], left[1]);
                break;
            }
            for (const auto& p : pairs) {
                take(p.first);
                take(p.second);
                line.push_back(p);
                changed = true;
            }
        }
    }
}

bool Analyst::groupDead(int g) const
{
    std::vector<int> left;
    for (int i : board.members(g))
        if (present(i))
            left.push_back(i);
    if (left.size() % 2)
        return true;
    // Pairing off larger remainders by trial costs more than it saves.
    constexpr size_t largestTried = 8;
    if (left.empty() || left.size() > largestTried)
        return false;
    return !pairOff(left);
}

bool Analyst::pairOff(std::vector<int>& left) const
{
    if (left.empty())
        return true;
    const int a = left.back();
    left.pop_back();
    for (size_t k = 0; k < left.size(); ++k) {
        const int b = left[k];
        if (!board.pairs(a, b) || board.stacked(a, b))
            continue;
        std::vector<int> rest(left);
        rest.erase(rest.begin() + static_cast<long>(k));
        if (pairOff(rest)) {
            left.push_back(a);
            return true;
        }
    }
    left.push_back(a);
    return false;
}

void Analyst::listMoves(std::vector<Move>& moves)
{
    const int n = board.size();
    std::vector<int> freeList;
    for (int i = 0; i < n; ++i) {
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
            int freed = 0;
            for (int t : board.dependants(a))
                freed += present(t) && !freeNow[t] && board.isFree(t, presentBits.data());
            for (int t : board.dependants(b)) {
                const auto& depsA = board.dependants(a);
                if (std::find(depsA.begin(), depsA.end(), t) == depsA.end())
                    freed += present(t) && !freeNow[t] && board.isFree(t, presentBits.data());
            }
            putBack(a);
            putBack(b);
            int score = freed * 1000 + board.tilesUnder(a) + board.tilesUnder(b);
            if (round > 0) {
                noise ^= noise << 13;
                noise ^= noise >> 7;
                noise ^= noise << 17;
                score += static_cast<int>(noise % tieBreakSpread);
            }
            moves.push_back({a, b, score});
        }
    }
    std::stable_sort(moves.begin(), moves.end(), [](const Move& l, const Move& r) { return l.score > r.score; });
}

bool Analyst::mustPrecede(int before, int after) const
{
    for (int p : board.members(after))
        if (present(p))
            for (int q : board.members(before))
                if (present(q) && board.lies(q, p))
                    return true;
    return false;
}

bool Analyst::waitsOnItself(int g) const
{
    // Depth first over the groups down to their last pair, from g along
    // "must go first" edges; reaching g again closes a cycle.
    std::vector<char> seen(board.groupCount(), 0);
    std::vector<int> stack{g};
    while (!stack.empty()) {
        const int h = stack.back();
        stack.pop_back();
        for (int k = 0; k < board.groupCount(); ++k) {
            if (groupLeft[k] != 2 || !mustPrecede(k, h))
                continue;
            if (k == g)
                return true;
            if (!seen[k]) {
                seen[k] = 1;
                stack.push_back(k);
            }
        }
    }
    return false;
}
