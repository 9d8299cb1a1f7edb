#pragma once
#include <string>
#include <vector>

#include "persist/LayoutStats.h"
#include "persist/TileSetStats.h"

// One named player: the free-tile highlight option, the rewards earned (model
// paths, in the order earned), the stored game in progress (the lines of the
// saved game without their indentation) and the best results per layout and
// per tile set on which the player has won.
class Player {
public:
    std::vector<LayoutStats> layoutStats;
    std::vector<TileSetStats> tileSetStats;
    std::string name;
    std::vector<std::string> rewards;
    std::vector<std::string> saveLines;
    bool highlightFreeTiles = false;

    void setName(const std::string& newName) { name = newName; }

    // The record of that name, or null when the player has none yet.
    LayoutStats* findLayoutStats(const std::string& layoutName);
    TileSetStats* findTileSetStats(const std::string& tileSetName);
    bool hasReward(const std::string& path) const;
};
