#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "support/WorkDir.h"
#include "main/GameEngine.h"
#include "render/Renderer.h"

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
    std::ifstream in("jadeloom_demo.cfg");
    std::stringstream s;
    s << in.rdbuf();
    const std::string text = s.str();
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

TEST_F(ConfigWindowPlaceTest, QuittingMaximisedKeepsTheRestoredPlaceAndSize)
{
    RenderEngine& re = engine.renderEngine;
    re.prevWindowWidth = 1024;
    re.prevWindowHeight = 700;
    re.windowWidth = 1280;
    re.windowHeight = 776;
    shownAtQuit = {true, 0, 0};
    EXPECT_EQ("WindowSize: 1024 700\nWindowPos: 300 200\nFullscreen: false\nMaximized: true\n",
              savedLines(engine));
}
