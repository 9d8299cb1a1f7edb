#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "game/FreeTileRule.h"

class BoardSketch;
class Level;
class Tile;

// One position compiled for the analyst: the tiles still in play (on the
// board or parked in a holding slot), numbered 0..size()-1, with the tiles
// that hold each one fast from above and from either side as the board's own
// grid and FreeTileRule give them, what pairs with what, and which tiles lie
// (at any depth) under which. Parked tiles are free and hold nothing.
//
// The position is fixed at construction; the analyst searches over subsets
// of its tiles, kept as bit sets of words() 64-bit words.
class AnalystBoard {
public:
    // How the tiles of a face group pair among themselves, which decides
    // when the group can be cleared at one go.
    enum class Shape {
        Clique,     // any two of its tiles pair
        Bipartite,  // its tiles pair exactly across two sides
        General
    };

    // states: one tile state per board tile in board order (as an undo
    // snapshot holds them); empty means the tiles' states now. The level's
    // grid must still be the one those states were played on.
    explicit AnalystBoard(const Level& level, const std::vector<int>& states = {});
    // The same from a copy of the board (states as above, else the sketch's).
    explicit AnalystBoard(const BoardSketch& sketch, const std::vector<int>& states = {});

    int size() const { return static_cast<int>(tiles.size()); }
    int words() const { return wordCount; }
    Tile* tile(int i) const { return tiles[i]; }
    bool parked(int i) const { return isParked[i] != 0; }

    // Whether tile i may be taken with exactly the tiles of present there.
    bool isFree(int i, const uint64_t* present) const
    {
        if (isParked[i])
            return true;
        return FreeTileRule::isFree(anyPresent(i, FreeTileRule::Above, present),
                                    anyPresent(i, FreeTileRule::Left, present),
                                    anyPresent(i, FreeTileRule::Right, present));
    }
    // Tiles whose freedom tile i's presence can change.
    const std::vector<int>& dependants(int i) const { return dependantsOf[i]; }

    bool pairs(int i, int j) const { return kindPairs[kindOf[i] * kindCount + kindOf[j]] != 0; }
    // One of the two lies under the other, so they can never go as a pair.
    bool stacked(int i, int j) const { return lies(i, j) || lies(j, i); }
    // Tile i lies (at any depth) over tile j.
    bool lies(int i, int j) const { return bit(under, i, j); }
    // Tile j is reached from tile i going right from neighbour to neighbour.
    bool rightOf(int i, int j) const { return bit(rightward, i, j); }
    int tilesUnder(int i) const { return underCount[i]; }
    // The tiles lying (at any depth) over tile i, words() words.
    const uint64_t* overRow(int i) const { return &over[static_cast<size_t>(i) * wordCount]; }
    // The tiles reached from tile i by going on to a neighbour on the right
    // (or left), again and again; words() words each.
    const uint64_t* rightwardRow(int i) const { return &rightward[static_cast<size_t>(i) * wordCount]; }
    const uint64_t* leftwardRow(int i) const { return &leftward[static_cast<size_t>(i) * wordCount]; }
    // The tiles holding tile i from one side, as a range.
    const int* sideBegin(int i, FreeTileRule::Side s) const { return neighbourList.data() + neighbourStart[3 * i + s]; }
    const int* sideEnd(int i, FreeTileRule::Side s) const { return neighbourList.data() + neighbourStart[3 * i + s + 1]; }

    int groupCount() const { return static_cast<int>(groupTiles.size()); }
    int group(int i) const { return groupOf[i]; }
    const std::vector<int>& members(int g) const { return groupTiles[g]; }
    Shape shape(int g) const { return groupShape[g]; }
    int side(int i) const { return sideOf[i]; }  // 0 or 1 in a bipartite group

private:
    bool anyPresent(int i, FreeTileRule::Side s, const uint64_t* present) const
    {
        const int slot = 3 * i + s;
        for (int k = neighbourStart[slot]; k < neighbourStart[slot + 1]; ++k) {
            const int j = neighbourList[k];
            if (present[j >> 6] >> (j & 63) & 1)
                return true;
        }
        return false;
    }
    bool bit(const std::vector<uint64_t>& rows, int row, int j) const
    {
        return rows[static_cast<size_t>(row) * wordCount + (j >> 6)] >> (j & 63) & 1;
    }
    void compileNeighbours(const BoardSketch& sketch, const std::vector<int>& states);
    void compileGroups();
    void compileUnder();
    void compileRows();

    int wordCount = 1;
    std::vector<Tile*> tiles;
    std::vector<char> isParked;
    std::vector<int> layerOf;         // z and x of each tile's grid place
    std::vector<int> columnOf;
    std::vector<int> neighbourStart;  // 3 * size() + 1 offsets, by tile and side
    std::vector<int> neighbourList;
    std::vector<std::vector<int>> dependantsOf;
    int kindCount = 0;
    std::vector<int> kindOf;
    std::vector<char> kindPairs;      // kindCount x kindCount
    std::vector<int> groupOf;
    std::vector<std::vector<int>> groupTiles;
    std::vector<Shape> groupShape;
    std::vector<int> sideOf;
    std::vector<uint64_t> under;      // size() rows of words(): the tiles under each
    std::vector<uint64_t> over;       // the same relation turned round
    std::vector<int> underCount;
    std::vector<uint64_t> rightward;
    std::vector<uint64_t> leftward;
};
