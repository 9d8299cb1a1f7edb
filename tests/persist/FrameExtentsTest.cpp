// The window's outer corner from the frame the window manager reports; the
// places saved when quitting maximised or in full screen are the window
// manager end-to-end test's.
#include <gtest/gtest.h>

#include "render/WindowPlatform.h"

TEST(FrameExtentsTest, TheOuterCornerIsTheDrawingAreaLessTheFrameOrNoneWhenItIsAbsurd)
{
    const long extents[4] = {3, 5, 24, 7}, negative[4] = {3, -5, 24, 7};  // left, right, top, bottom
    const WindowPlacement p = FrameExtents::fromProperty(extents, 4).outerCorner(103, 104, true);
    EXPECT_EQ(100, p.x);
    EXPECT_EQ(80, p.y);
    for (const FrameExtents& none : {FrameExtents::fromProperty(nullptr, 0), FrameExtents::fromProperty(extents, 3),
                                     FrameExtents::fromProperty(negative, 4)})
        EXPECT_EQ(103, none.outerCorner(103, 104, false).x);
}
