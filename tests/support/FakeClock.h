#pragma once
#include <SDL/SDL.h>

// A millisecond clock that the test moves by hand, for every tickSource.
namespace fakeclock {
inline Uint32 now = 0;
inline Uint32 ticks() { return now; }
// Every look finds 25 ms passed: a blocking loop over it always ends.
inline Uint32 stepping() { return now += 25; }
}
