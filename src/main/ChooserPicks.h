#pragma once
#include <cstdint>
#include <random>

// The numbers the layouts chooser offers beside the layout: the deal and, on
// a generated entry, the layout's number. Both run from 1 to largest and
// wrap at either end. A random pick comes from the chooser's own generator,
// so that picking never moves the board's, whose deals must stay as they are.
class ChooserPicks {
public:
    static constexpr uint32_t largest = 999999;

    // n stepped by one forward (step > 0) or back; a number out of range
    // starts again from 1.
    static uint32_t step(uint32_t n, int step);
    // Any number in range but n.
    uint32_t random(uint32_t n);

private:
    std::mt19937 rng_{std::random_device{}()};
};
