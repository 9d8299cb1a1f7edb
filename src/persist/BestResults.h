#pragma once
#include <cstdint>

// The best results of the won games of one player on one layout or with one
// tile set: the lowest time, the highest score, how many games were won and
// the fewest hints, shuffles and undos any of them needed.
class BestResults {
public:
    uint32_t time = 0;       // seconds
    uint32_t score = 0;
    uint32_t completed = 0;
    uint32_t hints = 0;
    uint32_t shuffles = 0;
    uint32_t undos = 0;

    // The first win of a record: its values as they are.
    void firstWin(uint32_t t, uint32_t s, uint32_t h, uint32_t sh, uint32_t u)
    {
        time = t;
        score = s;
        completed = 1;
        hints = h;
        shuffles = sh;
        undos = u;
    }

    // A further win keeps the better of each value and counts the game.
    void addWin(uint32_t t, uint32_t s, uint32_t h, uint32_t sh, uint32_t u)
    {
        if (score < s)
            score = s;
        if (t < time)
            time = t;
        ++completed;
        if (h < hints)
            hints = h;
        if (sh < shuffles)
            shuffles = sh;
        if (u < undos)
            undos = u;
    }
};
