#include <gtest/gtest.h>

#include "support/WorkDir.h"
#include "main/GameEngine.h"
#include "render/Renderer.h"
#include "render/WindowPlatform.h"

namespace {
// The window as the window manager shows it when the game quits.
WindowPlacement shownAtQuit;
bool placementAtQuit(WindowPlacement& p)
{
    p = shownAtQuit;
    return true;
}

std::string savedLines(GameEngine& engine)
{
    engine.saveConfig();
    const std::string text = WorkDir::read("jadeloom_demo.cfg");
    return text.substr(0, text.find("HighlightColor:"));
}

class ConfigWindowPlaceTest : public ::testing::Test {
protected:
    WorkDir dir;
    GameEngine engine{new Renderer};

    void SetUp() override
    {
        RenderEngine& re = engine.renderEngine;
        re.placementSource = &placementAtQuit;
        // Seen last at (300, 200), 1024 x 700, before the change of mode.
        shownAtQuit = {false, 300, 200};
        re.windowWidth = 1024;
        re.windowHeight = 700;
        re.updateWindowPos();
    }
};
}

TEST_F(ConfigWindowPlaceTest, QuittingInFullScreenKeepsTheWindowedPlaceAndSize)
{
    RenderEngine& re = engine.renderEngine;
    re.prevWindowWidth = 1024;
    re.prevWindowHeight = 700;
    re.fullscreen = true;
    re.windowWidth = 1280;
    re.windowHeight = 800;
    shownAtQuit = {false, 0, 0};
    EXPECT_EQ("WindowSize: 1024 700\nWindowPos: 300 200\nFullscreen: true\nMaximized: false\n",
              savedLines(engine));
}

TEST_F(ConfigWindowPlaceTest, AMaximisedWindowKeepsThePlaceAndSizeToReturnTo)
{
    RenderEngine& re = engine.renderEngine;
    re.prevWindowWidth = 900;
    re.prevWindowHeight = 650;
    re.windowWidth = 1920;
    shownAtQuit = {true, 0, 0};  // at the desktop's corner
    EXPECT_EQ("WindowSize: 900 650\nWindowPos: 300 200\nFullscreen: false\nMaximized: true\n", savedLines(engine));
}

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
