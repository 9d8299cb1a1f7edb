// A generated layout grows from the bottom up. Every position gets a rank
// from a few drawn shape parameters (one to three centres, how much distance
// across and front to back counts, round or square contours, some noise);
// the bottom layer takes the best-ranked positions of its lattice, and each
// upper layer the best-ranked positions that rest wholly on the layer below.
// Ranks are the same for a position and its mirror image, and positions are
// taken in mirrored pairs, so the result is symmetric by construction.
#include "game/LayoutGenerator.h"

#include <algorithm>
#include <cstdlib>

#include "game/Layout.h"
#include "base/Log.h"

constexpr int LayoutGenerator::sizes[3];

namespace {
constexpr int maxAttempts = 24;
const char* const filePrefix = "Generated/";

int even(int n)
{
    return n - n % 2;
}

// A fixed integer hash, so that a position's noise does not depend on the
// order in which positions are looked at.
uint32_t mix(uint32_t h)
{
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return h;
}
}

struct LayoutGenerator::Shape {
    int layers = 3;       // 3..5
    int baseShare = 50;   // percent of the positions on the bottom layer
    int upShare = 60;     // percent of what is left that each upper layer takes
    int wx = 2, wy = 2;   // cost of a cell of distance across and front to back
    int diamond = 1;      // weight of the diamond (sum) contour
    int square = 0;       // weight of the square (largest) contour
    int lobes = 1;        // 1: a centre; 2: a mirrored pair; 3: both
    int lobeDx = 0, lobeDy = 0;
    int noise = 0;
    uint32_t salt = 0;
    int rowGap = 0;       // k > 0: every k-th row of the bottom layer stays empty
    int parityX = 0;      // lattice of the bottom layer
    int shift[workZ][2] = {};  // each layer's lattice offset from the one below
};

struct LayoutGenerator::Candidate {
    int rank;
    int x, y;
};

LayoutGenerator::LayoutGenerator(uint32_t number, int size) : number_(number), size_(size)
{
    const uint32_t key[2] = {number, static_cast<uint32_t>(size)};
    rng_.seed(key, 2);
    if (!validSize(size)) {
        outputError("Generated layout size not offered: " + std::to_string(size));
        size_ = sizes[2];
    }
    bool ok = false;
    for (int i = 0; i < maxAttempts && !ok; ++i)
        ok = attempt();
    if (!ok)
        fallback();
    normalise();
}

bool LayoutGenerator::validSize(int size)
{
    return std::find(std::begin(sizes), std::end(sizes), size) != std::end(sizes);
}

void LayoutGenerator::drawShape(Shape& s)
{
    s.layers = 3 + static_cast<int>(draw(3));
    s.baseShare = 38 + static_cast<int>(draw(23));
    s.upShare = 45 + static_cast<int>(draw(26));
    s.wx = 2 + static_cast<int>(draw(3));
    s.wy = 2 + static_cast<int>(draw(3));
    switch (draw(3)) {
    case 0: s.diamond = 1; s.square = 0; break;
    case 1: s.diamond = 0; s.square = 1; break;
    default: s.diamond = 1; s.square = 2; break;
    }
    s.lobes = 1 + static_cast<int>(draw(3));
    s.lobeDx = 4 + 2 * static_cast<int>(draw(3 + static_cast<uint32_t>(size_ / 72)));
    s.lobeDy = static_cast<int>(draw(7)) - 3;
    s.noise = static_cast<int>(draw(4)) * 3;
    s.salt = rng_();
    s.rowGap = draw(4) == 0 ? 3 + static_cast<int>(draw(2)) : 0;
    s.parityX = static_cast<int>(draw(2));
    const uint32_t style = draw(3);  // stacked straight, stepped in, or mixed
    for (int z = 1; z < workZ; ++z) {
        for (int axis = 0; axis < 2; ++axis) {
            if (style == 0)
                s.shift[z][axis] = 0;
            else if (style == 1)
                s.shift[z][axis] = 1;
            else
                s.shift[z][axis] = static_cast<int>(draw(2));
        }
    }
}

bool LayoutGenerator::fits(int x, int y, int z)
{
    if (x < 0 || y < 0 || z < 0 || x > workX - 2 || y > workY - 2 || z >= workZ)
        return false;
    for (int dx = 0; dx < 2; ++dx)
        for (int dy = 0; dy < 2; ++dy)
            if (cell(x + dx, y + dy, z) || (z > 0 && !cell(x + dx, y + dy, z - 1)))
                return false;
    return true;
}

void LayoutGenerator::put(int x, int y, int z)
{
    for (int dx = 0; dx < 2; ++dx)
        for (int dy = 0; dy < 2; ++dy)
            cell(x + dx, y + dy, z) = 1;
    positions_.emplace_back(x, y, z);
}

void LayoutGenerator::remove(const Point& p)
{
    for (int dx = 0; dx < 2; ++dx)
        for (int dy = 0; dy < 2; ++dy)
            cell(p.x + dx, p.y + dy, p.z) = 0;
    positions_.erase(std::find(positions_.begin(), positions_.end(), p));
}

std::vector<LayoutGenerator::Candidate> LayoutGenerator::candidates(const Shape& s, int z, int parityX,
                                                                    int parityY)
{
    const int midY = workY / 2;
    struct Centre {
        int x, y;
    };
    std::vector<Centre> centres;
    if (s.lobes != 2)
        centres.push_back({axisX, midY});
    if (s.lobes != 1) {
        centres.push_back({axisX - s.lobeDx, midY + s.lobeDy});
        centres.push_back({axisX + s.lobeDx, midY + s.lobeDy});
    }
    std::vector<Candidate> list;
    for (int y = parityY; y <= workY - 2; y += 2) {
        if (z == 0 && s.rowGap > 0 && (y / 2) % s.rowGap == s.rowGap - 1)
            continue;
        // Only the left half and the axis: each stands for itself and its mirror.
        for (int x = parityX; x <= mirrorX(x); x += 2) {
            if (!fits(x, y, z) || !fits(mirrorX(x), y, z))
                continue;
            int best = -1;
            for (const Centre& c : centres) {
                // Distances from the tile's centre, in cells.
                const int ax = s.wx * std::abs(x + 1 - c.x);
                const int ay = s.wy * std::abs(y + 1 - c.y);
                const int d = s.diamond * (ax + ay) + s.square * std::max(ax, ay);
                if (best < 0 || d < best)
                    best = d;
            }
            if (s.noise > 0) {
                const uint32_t h = mix(s.salt ^ mix(static_cast<uint32_t>(x) * 73856093u
                                                    ^ static_cast<uint32_t>(y) * 19349663u
                                                    ^ static_cast<uint32_t>(z) * 83492791u));
                best += static_cast<int>(h % static_cast<uint32_t>(s.noise + 1));
            }
            list.push_back({best, x, y});
        }
    }
    // A total order, so that the sort gives the same list everywhere.
    std::sort(list.begin(), list.end(), [](const Candidate& a, const Candidate& b) {
        if (a.rank != b.rank)
            return a.rank < b.rank;
        if (a.y != b.y)
            return a.y < b.y;
        return a.x < b.x;
    });
    return list;
}

bool LayoutGenerator::touches(const Shape& s, int x, int y, int z)
{
    auto taken = [this, z](int cx, int cy) {
        return cx >= 0 && cy >= 0 && cx < workX && cy < workY && cell(cx, cy, z);
    };
    // Sharing some of an edge, not just a corner. Across a left-out row of
    // the bottom layer the next row still counts, so the rows beyond it are
    // reached.
    const int reachY = (z == 0 && s.rowGap > 0) ? 3 : 1;
    for (int d = 0; d < 2; ++d) {
        if (taken(x - 1, y + d) || taken(x + 2, y + d))
            return true;
        for (int r = 1; r <= reachY; ++r)
            if (taken(x + d, y - r) || taken(x + d, y + 1 + r))
                return true;
    }
    return false;
}

int LayoutGenerator::fillLayer(const Shape& s, int z, int parityX, int parityY, int want)
{
    const std::vector<Candidate> list = candidates(s, z, parityX, parityY);
    std::vector<bool> used(list.size(), false);
    bool layerEmpty = true;
    for (const Point& p : positions_)
        layerEmpty = layerEmpty && p.z != z;
    int taken = 0;
    int lastSingle = -1;
    while (taken < want) {
        // The best-ranked position that touches the layer's tiles: the layer
        // grows as one piece (or two mirrored ones) and never strews strays.
        size_t pick = list.size();
        for (size_t i = 0; i < list.size() && pick == list.size(); ++i) {
            const Candidate& c = list[i];
            if (used[i] || (c.x != mirrorX(c.x) && want - taken < 2))
                continue;
            if (layerEmpty || touches(s, c.x, c.y, z))
                pick = i;
        }
        if (pick == list.size())
            break;
        used[pick] = true;
        layerEmpty = false;
        const Candidate& c = list[pick];
        put(c.x, c.y, z);
        if (c.x == mirrorX(c.x)) {
            lastSingle = static_cast<int>(positions_.size()) - 1;
            ++taken;
        } else {
            put(mirrorX(c.x), c.y, z);
            taken += 2;
        }
    }
    // Layers hold an even number of tiles, so the total stays even.
    if (taken % 2 != 0 && lastSingle >= 0) {
        remove(positions_[static_cast<size_t>(lastSingle)]);
        --taken;
    }
    return taken;
}

bool LayoutGenerator::attempt()
{
    Shape s;
    drawShape(s);
    cells_.assign(static_cast<size_t>(workX) * workY * workZ, 0);
    positions_.clear();

    int remaining = size_ - fillLayer(s, 0, s.parityX, 0, even(size_ * s.baseShare / 100));
    int px = s.parityX, py = 0;
    for (int z = 1; z < s.layers && remaining > 0; ++z) {
        px ^= s.shift[z][0];
        py ^= s.shift[z][1];
        const int want = z == s.layers - 1 ? remaining : std::max(2, even(remaining * s.upShare / 100));
        const int got = fillLayer(s, z, px, py, want);
        if (got == 0)
            break;
        remaining -= got;
    }
    // What the upper layers could not hold widens the bottom layer, which
    // never disturbs the support of anything above.
    if (remaining > 0)
        remaining -= fillLayer(s, 0, s.parityX, 0, remaining);
    int top = 0;
    for (const Point& p : positions_)
        top = std::max(top, p.z);
    return remaining == 0 && top >= 2;
}

void LayoutGenerator::fallback()
{
    // A plain stepped block that always fits: square contours round one centre.
    Shape s;
    s.layers = 3;
    s.baseShare = 50;
    s.upShare = 60;
    s.diamond = 0;
    s.square = 1;
    s.shift[1][0] = s.shift[1][1] = 1;
    s.shift[2][0] = s.shift[2][1] = 1;
    cells_.assign(static_cast<size_t>(workX) * workY * workZ, 0);
    positions_.clear();
    int remaining = size_ - fillLayer(s, 0, 0, 0, size_ / 2);
    remaining -= fillLayer(s, 1, 1, 1, even(remaining * 2 / 3));
    remaining -= fillLayer(s, 2, 0, 0, remaining);
    if (remaining > 0)
        fillLayer(s, 0, 0, 0, remaining);
    outputError("Generated layout fell back to a plain shape: " + fileName());
}

void LayoutGenerator::normalise()
{
    int minX = workX, minY = workY, maxX = 0, maxY = 0, maxZ = 0;
    for (const Point& p : positions_) {
        minX = std::min(minX, p.x);
        minY = std::min(minY, p.y);
        maxX = std::max(maxX, p.x);
        maxY = std::max(maxY, p.y);
        maxZ = std::max(maxZ, p.z);
    }
    for (Point& p : positions_) {
        p.x -= minX;
        p.y -= minY;
    }
    std::sort(positions_.begin(), positions_.end(), [](const Point& a, const Point& b) {
        if (a.z != b.z)
            return a.z < b.z;
        if (a.y != b.y)
            return a.y < b.y;
        return a.x < b.x;
    });
    gridX_ = maxX - minX + 2;
    gridY_ = maxY - minY + 2;
    gridZ_ = maxZ + 1;
    cells_.clear();
    cells_.shrink_to_fit();
}

std::string LayoutGenerator::name() const
{
    return "Generated-" + std::to_string(number_) + "(" + std::to_string(size_) + ")";
}

std::string LayoutGenerator::fileNameOf(uint32_t number, int size)
{
    return filePrefix + std::to_string(size) + "/" + std::to_string(number);
}

bool LayoutGenerator::parseFileName(const std::string& file, uint32_t* number, int* size)
{
    const std::string prefix = filePrefix;
    if (file.compare(0, prefix.size(), prefix) != 0)
        return false;
    const size_t slash = file.find('/', prefix.size());
    if (slash == std::string::npos)
        return false;
    const std::string sizeText = file.substr(prefix.size(), slash - prefix.size());
    const std::string numberText = file.substr(slash + 1);
    auto digits = [](const std::string& t) {
        return !t.empty() && t.size() <= 10 && std::all_of(t.begin(), t.end(), [](char c) {
            return c >= '0' && c <= '9';
        });
    };
    if (!digits(sizeText) || !digits(numberText))
        return false;
    const unsigned long long n = std::stoull(numberText);
    const int s = static_cast<int>(std::stoul(sizeText));
    if (n > 0xFFFFFFFFull || !validSize(s) || std::to_string(n) != numberText
        || std::to_string(s) != sizeText)
        return false;
    if (number)
        *number = static_cast<uint32_t>(n);
    if (size)
        *size = s;
    return true;
}

std::unique_ptr<Layout> LayoutGenerator::makeLayout(RenderEngine* re) const
{
    auto l = std::make_unique<Layout>(re);
    l->fileName = fileName();
    l->name = name();
    l->gridX = gridX_;
    l->gridY = gridY_;
    l->gridZ = gridZ_;
    l->defaultCameraTrack = Vector3(18.0f, 0.0f, 15.0f);
    l->defaultCameraTranslation = Vector3(-1.0f, 0.0f, 0.1f);
    // Wide boards need the camera further back, as do deep ones; the shipped
    // layouts' zooms follow the same rule of thumb.
    const int tenths = std::max(70, std::max(gridX_ * 100 / 30, gridY_ * 6 + 10 * (gridZ_ - 3)));
    l->defaultCameraZoom = static_cast<float>(tenths) / 10.0f;
    l->defaultFov = 40.0f;
    for (const Point& p : positions_)
        l->tileCoordinates.emplace_back(static_cast<float>(p.x), static_cast<float>(p.y),
                                        static_cast<float>(p.z));
    return l;
}

uint64_t LayoutGenerator::digest() const
{
    uint64_t h = 14695981039346656037ull;
    auto add = [&h](int32_t v) {
        const uint32_t u = static_cast<uint32_t>(v);
        for (int i = 0; i < 4; ++i) {
            h ^= (u >> (8 * i)) & 0xFFu;
            h *= 1099511628211ull;
        }
    };
    add(gridX_);
    add(gridY_);
    add(gridZ_);
    for (const Point& p : positions_) {
        add(p.x);
        add(p.y);
        add(p.z);
    }
    return h;
}
