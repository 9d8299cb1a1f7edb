#include <gtest/gtest.h>

#include "render/RenderEngine.h"
#include "render/Renderer.h"
#include "render/WindowPlatform.h"

namespace {
// What the window manager shows: the window's outer corner and whether it
// is maximised, as a test sets them.
WindowPlacement shown;
bool shownPlacement(WindowPlacement& p)
{
    p = shown;
    return true;
}
}

TEST(WindowPlacementTest, TheOuterCornerIsTheDrawingAreaLessTheLeftAndTopOfTheFrame)
{
    // left, right, top, bottom as the window manager announces them.
    const long extents[4] = {3, 5, 24, 7};
    const FrameExtents frame = FrameExtents::fromProperty(extents, 4);
    const WindowPlacement p = frame.outerCorner(103, 104, true);
    EXPECT_EQ(100, p.x);
    EXPECT_EQ(80, p.y);
    EXPECT_TRUE(p.maximized);

    // A missing, short or absurd property is no frame at all.
    const long negative[4] = {3, -5, 24, 7};
    for (const FrameExtents& none : {FrameExtents::fromProperty(nullptr, 0),
                                     FrameExtents::fromProperty(extents, 3),
                                     FrameExtents::fromProperty(negative, 4)}) {
        const WindowPlacement q = none.outerCorner(103, 104, false);
        EXPECT_EQ(103, q.x);
        EXPECT_EQ(104, q.y);
    }
}

TEST(WindowPlacementTest, AMaximisedOrFullScreenWindowKeepsItsRestoredPlace)
{
    RenderEngine re(new Renderer);
    re.placementSource = &shownPlacement;

    shown = {false, 300, 200};
    re.updateWindowPos();
    EXPECT_EQ(300, re.windowX);
    EXPECT_EQ(200, re.windowY);
    EXPECT_FALSE(re.maximized);

    // Maximised, the window stands at the desktop's corner; its place to
    // come back to is still the one it had.
    shown = {true, 0, 0};
    re.updateWindowPos();
    EXPECT_TRUE(re.maximized);
    EXPECT_EQ(300, re.windowX);
    EXPECT_EQ(200, re.windowY);

    shown = {false, 40, 50};
    re.updateWindowPos();
    EXPECT_FALSE(re.maximized);
    EXPECT_EQ(40, re.windowX);
    EXPECT_EQ(50, re.windowY);

    // In full screen the window's corner is the desktop's and says nothing
    // about the windowed place.
    re.fullscreen = true;
    shown = {false, 0, 0};
    re.updateWindowPos();
    EXPECT_EQ(40, re.windowX);
    EXPECT_EQ(50, re.windowY);
}
