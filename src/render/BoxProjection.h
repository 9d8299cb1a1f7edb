#pragma once
#include "base/Vector3.h"

// Where a box lands on the window: the rectangle its visible part covers,
// with the part behind the eye cut away at the near plane first. A box
// wholly behind the eye covers nothing, however close its projected corners
// would seem (projecting a corner behind the eye mirrors it onto the window).
class BoxProjection {
public:
    // Grows [x0, x1] × [y0, y1] (window pixels, y upwards, as the viewport
    // gives them) by what the box's eight corners cover through the given
    // column-major OpenGL matrices. False when no part of it lies in front
    // of the near plane; the rectangle is then left as it was.
    static bool extend(const Vector3 (&corners)[8], const double modelview[16], const double projection[16],
                       const int viewport[4], double& x0, double& y0, double& x1, double& y1);
    // Grows box (x, y, width, height; empty when either side is 0) to hold
    // other as well.
    static void unite(int box[4], const int other[4]);
    // The whole pixels covering [x0, x1] × [y0, y1] widened by margin on
    // every side, within a window of width × height, as box (x, y, width,
    // height); false when nothing of it lies in the window.
    static bool pixels(double x0, double y0, double x1, double y1, int margin, int width, int height,
                       int box[4]);
};
