#pragma once
#include <vector>

#include "base/PointerView.h"
#include "base/Vector3.h"

class Tile;

// Screen picking: a window position becomes a ray through the scene, which
// is tested against the boxes of the board tiles. Pure functions on the
// matrices (column-major, as OpenGL stores them), usable without a context.
class Picking {
public:
    // How far outside a tile's box a crossing still counts.
    static constexpr float boxMargin = 0.005f;

    // The world point under window position (winX, winY) (y upwards) at
    // depth winZ in [0, 1]. False, out untouched, when the matrices cannot
    // be inverted or the point is at infinity.
    static bool unproject(double winX, double winY, double winZ, const float modelview[16],
                          const float projection[16], const int viewport[4], Vector3& out);

    // Tests the segment from-to against the face planes of the last object
    // of every visible tile, in order. A tile is hit on its first plane whose
    // crossing lies inside the object's box (moved by the tile's position,
    // widened by boxMargin, bounds included): the crossing goes into the
    // tile's pickPoint and the tile into hits (emptied first). True when any
    // tile was hit.
    static bool collision(PointerView<Tile> tiles, const Vector3& from, const Vector3& to,
                          std::vector<Tile*>& hits);

    // The tile of hits whose position is nearest to eye (the first on ties),
    // or null when hits is empty.
    static Tile* nearest(const std::vector<Tile*>& hits, const Vector3& eye);

    // The whole pick: window pixel (x, y) with y downwards in a window
    // windowHeight pixels high, unprojected at the near and far depths, the
    // tiles hit (into hits) and the one nearest to eye.
    static Tile* select(int x, int y, int windowHeight, const float modelview[16],
                        const float projection[16], const int viewport[4],
                        PointerView<Tile> tiles, const Vector3& eye,
                        std::vector<Tile*>& hits);
};
