#include "game/AnalystBoard.h"

#include <algorithm>

#include "game/BoardSketch.h"
#include "game/Tile.h"

AnalystBoard::AnalystBoard(const Level& level, const std::vector<int>& states)
    : AnalystBoard(BoardSketch(level), states)
{
}

AnalystBoard::AnalystBoard(const BoardSketch& sketch, const std::vector<int>& states)
{
    compileNeighbours(sketch, states);
    compileGroups();
    compileUnder();
    compileRows();
}

void AnalystBoard::compileNeighbours(const BoardSketch& sketch, const std::vector<int>& states)
{
    std::vector<int> index(sketch.pieces.size(), -1);
    for (size_t k = 0; k < sketch.pieces.size(); ++k) {
        const BoardSketch::Piece& piece = sketch.pieces[k];
        if (!piece.tile)
            continue;
        const int state = k < states.size() ? states[k] : piece.state;
        if (state == TILE_CLEARED || state == TILE_SET_ASIDE)
            continue;
        index[k] = static_cast<int>(tiles.size());
        tiles.push_back(piece.tile);
        isParked.push_back(state == TILE_SLOTTED ? 1 : 0);
        kindOf.push_back(piece.kind);
        layerOf.push_back(piece.cells.empty() ? 0 : piece.cells.front().z);
        columnOf.push_back(piece.cells.empty() ? 0 : piece.cells.front().x);
    }
    kindCount = sketch.kindCount;
    kindPairs.assign(static_cast<size_t>(kindCount) * kindCount, 0);
    for (int a = 0; a < kindCount; ++a)
        for (int b = 0; b < kindCount; ++b)
            kindPairs[static_cast<size_t>(a) * kindCount + b] = sketch.kindsPair(a, b);
    const int n = size();
    wordCount = std::max(1, (n + 63) / 64);
    dependantsOf.assign(n, {});
    neighbourStart.assign(3 * n + 1, 0);
    std::vector<int> sides[3];
    for (size_t k = 0; k < sketch.pieces.size(); ++k) {
        const int i = index[k];
        if (i < 0)
            continue;
        for (std::vector<int>& s : sides)
            s.clear();
        if (!isParked[i]) {
            // The cells the board itself looks at; only tiles on the board
            // in this position hold a tile fast.
            FreeTileRule::forEachNeighbourCell(
                sketch.pieces[k].cells, sketch.gridX, sketch.gridZ, [&](FreeTileRule::Side side, int x, int y, int z) {
                    const int other = sketch.at(x, y, z);
                    if (other < 0 || other == static_cast<int>(k) || index[other] < 0 || isParked[index[other]])
                        return;
                    std::vector<int>& list = sides[side];
                    if (std::find(list.begin(), list.end(), index[other]) == list.end())
                        list.push_back(index[other]);
                });
        }
        for (int s = 0; s < 3; ++s) {
            neighbourStart[3 * i + s] = static_cast<int>(neighbourList.size());
            for (int j : sides[s]) {
                neighbourList.push_back(j);
                std::vector<int>& deps = dependantsOf[j];
                if (std::find(deps.begin(), deps.end(), i) == deps.end())
                    deps.push_back(i);
            }
        }
    }
    neighbourStart[3 * n] = static_cast<int>(neighbourList.size());
}

void AnalystBoard::compileGroups()
{
    const int n = size();
    groupOf.assign(n, -1);
    sideOf.assign(n, 0);
    for (int start = 0; start < n; ++start) {
        if (groupOf[start] >= 0)
            continue;
        const int g = groupCount();
        groupTiles.emplace_back();
        std::vector<int>& members = groupTiles.back();
        // Breadth first over the pairing relation, colouring by distance.
        groupOf[start] = g;
        members.push_back(start);
        for (size_t k = 0; k < members.size(); ++k)
            for (int j = 0; j < n; ++j)
                if (groupOf[j] < 0 && pairs(members[k], j)) {
                    groupOf[j] = g;
                    sideOf[j] = 1 - sideOf[members[k]];
                    members.push_back(j);
                }
        bool clique = true, bipartite = true;
        for (size_t a = 0; a < members.size(); ++a)
            for (size_t b = a + 1; b < members.size(); ++b) {
                const bool p = pairs(members[a], members[b]);
                clique = clique && p;
                bipartite = bipartite && p == (sideOf[members[a]] != sideOf[members[b]]);
            }
        groupShape.push_back(clique ? Shape::Clique : bipartite ? Shape::Bipartite : Shape::General);
    }
}

void AnalystBoard::compileUnder()
{
    const int n = size();
    under.assign(static_cast<size_t>(n) * wordCount, 0);
    underCount.assign(n, 0);
    auto layer = [this](int i) { return layerOf[i]; };
    std::vector<int> order(n);
    for (int i = 0; i < n; ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return layer(a) < layer(b); });
    // A cover lies one layer up, so by the time a tile is reached every tile
    // it covers has its own row complete. While the upper tile is present
    // the whole chain under it is (nothing covered can have gone first).
    for (int j : order) {
        for (int i : dependantsOf[j]) {
            const int slot = 3 * i + FreeTileRule::Above;
            if (!std::count(neighbourList.begin() + neighbourStart[slot],
                            neighbourList.begin() + neighbourStart[slot + 1], j))
                continue;
            uint64_t* row = &under[static_cast<size_t>(j) * wordCount];
            row[i >> 6] |= 1ull << (i & 63);
            for (int w = 0; w < wordCount; ++w)
                row[w] |= under[static_cast<size_t>(i) * wordCount + w];
        }
    }
    over.assign(under.size(), 0);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            if (lies(i, j)) {
                ++underCount[i];
                over[static_cast<size_t>(j) * wordCount + (i >> 6)] |= 1ull << (i & 63);
            }
}

void AnalystBoard::compileRows()
{
    const int n = size();
    rightward.assign(static_cast<size_t>(n) * wordCount, 0);
    leftward.assign(rightward.size(), 0);
    auto column = [this](int i) { return columnOf[i]; };
    std::vector<int> order(n);
    for (int i = 0; i < n; ++i)
        order[i] = i;
    // A right neighbour starts further right, so rightmost first completes
    // every row before it is needed.
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return column(a) > column(b); });
    for (int i : order) {
        uint64_t* row = &rightward[static_cast<size_t>(i) * wordCount];
        for (const int* r = sideBegin(i, FreeTileRule::Right); r != sideEnd(i, FreeTileRule::Right); ++r) {
            row[*r >> 6] |= 1ull << (*r & 63);
            for (int w = 0; w < wordCount; ++w)
                row[w] |= rightward[static_cast<size_t>(*r) * wordCount + w];
        }
    }
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            if (bit(rightward, i, j))
                leftward[static_cast<size_t>(j) * wordCount + (i >> 6)] |= 1ull << (i & 63);
}
