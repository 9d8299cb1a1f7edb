#pragma once
#include <string>
#include <utility>
#include <vector>

#include "base/Vector3.h"

class WordReader;

// The rewards file: the trophies that can stand in the room, each a model
// with its place, its turn and the pivots of its moving parts.
class RewardsFile {
public:
    struct Trophy {
        std::string model;  // identifies the trophy
        Vector3 position;
        Vector3 rotation;   // degrees about x, y, z
        std::vector<std::pair<std::string, Vector3>> pivots;  // object name, pivot
    };

    // The trophies in file order. Keys before the first "Model:" and values
    // that do not read are ignored.
    static std::vector<Trophy> read(WordReader& in);
};
