#pragma once

// How a light shines: a spot with its cutoff, a point shining all round, or a
// direction (the position is a direction with w = 0).
enum LIGHT_TYPE : int {
    LIGHT_SPOT = 0,
    LIGHT_POINT = 1,
    LIGHT_DIRECTIONAL = 2
};
