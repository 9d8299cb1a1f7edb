#pragma once
#include <cstdint>

// A board grid coordinate: x and y in half-tile units, z the layer.
struct Point {
    int32_t x = 0;
    int32_t y = 0;
    int32_t z = 0;

    Point() = default;
    Point(int32_t ax, int32_t ay, int32_t az) : x(ax), y(ay), z(az) {}

    bool operator==(const Point& o) const { return x == o.x && y == o.y && z == o.z; }
    bool operator!=(const Point& o) const { return !(*this == o); }
};
