#pragma once
#include <string>

#include "persist/BestResults.h"

// A player's best results on one layout, named after the layout.
class LayoutStats : public BestResults {
public:
    std::string name;  // one word
};
