#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "base/MtRng.h"
#include "base/Point.h"

class Layout;
class RenderEngine;

// Makes a new layout from a number: 72, 108 or 144 positions, the same on the
// left and right, at least three layers, and every raised tile resting on
// tiles under all four of its cells. The same number and size always give
// the same positions on every machine: the generator has its own Mersenne
// Twister seeded by the pair, and every decision is integer arithmetic.
// It never touches the board's generator, so ordinary deals are unchanged.
class LayoutGenerator {
public:
    static constexpr int sizes[3] = {72, 108, 144};

    LayoutGenerator(uint32_t number, int size);

    static bool validSize(int size);

    uint32_t number() const { return number_; }
    int size() const { return size_; }
    // Layer by layer from the bottom, each layer front to back and left to
    // right; the grid just holds them (the smallest x and y are 0).
    const std::vector<Point>& positions() const { return positions_; }
    int gridX() const { return gridX_; }
    int gridY() const { return gridY_; }
    int gridZ() const { return gridZ_; }
    // The shown name, e.g. "Generated-144-7" (layout names are one word).
    std::string name() const;
    // The file name a generated layout stands under in the statistics and the
    // saved game; it names no file on disk.
    std::string fileName() const { return fileNameOf(number_, size_); }
    static std::string fileNameOf(uint32_t number, int size);
    // Reads the number and size back from fileName(); false for any other name.
    static bool parseFileName(const std::string& file, uint32_t* number, int* size);

    // A new in-memory layout with these positions, a grid that just holds
    // them and a view that frames them.
    std::unique_ptr<Layout> makeLayout(RenderEngine* re) const;

    // FNV-1a over the grid size and the positions in order: a short
    // fingerprint that changes when any generated layout changes.
    uint64_t digest() const;

private:
    // Working area in cells; the mirror axis lies between cells axisX-1 and axisX.
    static constexpr int workX = 64;
    static constexpr int workY = 40;
    static constexpr int workZ = 8;
    static constexpr int axisX = workX / 2;

    struct Shape;        // the drawn parameters of one attempt
    struct Candidate;    // a left position and its mirror, with its rank

    uint32_t number_;
    int size_;
    MtRng<Mt32Traits> rng_;
    std::vector<Point> positions_;
    int gridX_ = 0, gridY_ = 0, gridZ_ = 0;
    std::vector<uint8_t> cells_;  // workX * workY * workZ occupancy of an attempt

    uint32_t draw(uint32_t n) { return rng_() % n; }
    static int mirrorX(int x) { return 2 * axisX - 2 - x; }
    uint8_t& cell(int x, int y, int z) { return cells_[(static_cast<size_t>(z) * workY + y) * workX + x]; }
    bool attempt();
    void drawShape(Shape& s);
    std::vector<Candidate> candidates(const Shape& s, int z, int parityX, int parityY);
    int fillLayer(const Shape& s, int z, int parityX, int parityY, int want);
    bool fits(int x, int y, int z);
    bool touches(const Shape& s, int x, int y, int z);
    void put(int x, int y, int z);
    void remove(const Point& p);
    void fallback();
    void normalise();
};
