#pragma once
#include <string>

#include "persist/BestResults.h"

// A player's best results with one tile set, named after the set, with the
// grade earned ("A" after any win).
class TileSetStats : public BestResults {
public:
    std::string grade;  // one word
    std::string name;   // one word
};
