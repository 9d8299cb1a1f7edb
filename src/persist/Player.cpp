#include "persist/Player.h"

#include <algorithm>

LayoutStats* Player::findLayoutStats(const std::string& layoutName)
{
    for (LayoutStats& s : layoutStats)
        if (s.name == layoutName)
            return &s;
    return nullptr;
}

TileSetStats* Player::findTileSetStats(const std::string& tileSetName)
{
    for (TileSetStats& s : tileSetStats)
        if (s.name == tileSetName)
            return &s;
    return nullptr;
}

bool Player::hasReward(const std::string& path) const
{
    return std::find(rewards.begin(), rewards.end(), path) != rewards.end();
}
