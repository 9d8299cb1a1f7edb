#include "main/ChooserPicks.h"

uint32_t ChooserPicks::step(uint32_t n, int step)
{
    if (n < 1 || n > largest)
        return 1;
    if (step > 0)
        return n == largest ? 1 : n + 1;
    return n == 1 ? largest : n - 1;
}

uint32_t ChooserPicks::random(uint32_t n)
{
    std::uniform_int_distribution<uint32_t> pick(1, largest - 1);
    const uint32_t r = pick(rng_);
    return r >= n ? r + 1 : r;
}
