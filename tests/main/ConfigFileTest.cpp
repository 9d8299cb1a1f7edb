#include <gtest/gtest.h>

#include <fstream>

#include "support/WorkDir.h"
#include "main/GameEngine.h"
#include "render/Renderer.h"

namespace {
class ConfigFileTest : public ::testing::Test {
protected:
    WorkDir dir;
    GameEngine engine{new Renderer};
};
}

TEST_F(ConfigFileTest, MissingFileFailsStartUp)
{
    try {
        engine.loadConfig();
        FAIL() << "no exception";
    } catch (const char* message) {
        EXPECT_STREQ(message, "Failed to load config file");
    }
}

TEST_F(ConfigFileTest, ReadsEveryKeyLastOccurrenceWins)
{
    WorkDir::write("jadeloom_demo.cfg",
              "WindowSize: 1024 700\nWindowPos: -100000 12\nFullscreen: yes\nMaximized: true\n"
              "HighlightColor: 0.1 0.2 0.3 0.4\nLastPlayer: Ann Lee\r\nDifficulty: Advanced\n"
              "Difficulty: normal\nBogus: 17\nLastLayout: Assets/Layouts/turtle_demo.lyt\n"
              "TileSet: nowhere.tls\nPlayMusic: true\nVolume: abc\nVolume: 5\n");
    engine.loadConfig();
    EXPECT_EQ(engine.renderEngine.windowHeight, 700);
    EXPECT_EQ(engine.renderEngine.windowX, -100000);
    EXPECT_FALSE(engine.renderEngine.fullscreen);  // "yes" is no boolean
    EXPECT_FLOAT_EQ(engine.renderEngine.highlightColor[3], 0.4f);
    EXPECT_EQ(engine.lastPlayerName, "Ann Lee");
    EXPECT_EQ(engine.difficulty, DIFFICULTY_ADVANCED);  // case matters
    EXPECT_EQ(*engine.currentLayout, "Assets/Layouts/turtle_demo.lyt");
    EXPECT_EQ(*engine.currentTileSet, "Assets/Tiles/Standard/standard_tiles_demo.tls");
    EXPECT_TRUE(engine.playMusic);
    EXPECT_FLOAT_EQ(engine.volume, 0.5f);
}

TEST_F(ConfigFileTest, PlayerNameEmptyOrHugeLeavesTheNextKeyReadable)
{
    const struct {
        std::string text;
        size_t nameLength;
    } cases[] = {{"LastPlayer: \nVolume: 3\nDifficulty: Easy\n", 0},
                 {"LastPlayer: " + std::string(5000, 'x') + "\nVolume: 3\nDifficulty: Easy", 254}};
    for (const auto& c : cases) {
        GameEngine fresh{new Renderer};
        WorkDir::write("jadeloom_demo.cfg", c.text);
        fresh.loadConfig();
        EXPECT_EQ(fresh.lastPlayerName, std::string(c.nameLength, 'x'));
        EXPECT_FLOAT_EQ(fresh.volume, 0.3f);
        EXPECT_EQ(fresh.difficulty, DIFFICULTY_EASY);
    }
}

TEST_F(ConfigFileTest, WritesTheExactForm)
{
    WorkDir::write("jadeloom_demo.cfg", "Difficulty: Easy\nVolume: 3\nPlayMusic: true\nWindowSize: 1000 640\n"
                                   "WindowPos: 30 40\n");
    engine.loadConfig();
    engine.saveConfig();
    EXPECT_EQ(WorkDir::read("jadeloom_demo.cfg"),
              "WindowSize: 1000 640\nWindowPos: 30 40\nFullscreen: false\nMaximized: false\n"
              "HighlightColor: 0 0 0 0\nLastPlayer: DefaultNoNameYet\nDifficulty: Easy\n"
              "LastLayout: Assets/Layouts/turtle_demo.lyt\n"
              "TileSet: Assets/Tiles/Standard/standard_tiles_demo.tls\nPlayMusic: true\nVolume: 3");
    EXPECT_FALSE(std::ifstream("jadeloom_demo.cfg.tmp").good());
}

TEST_F(ConfigFileTest, SmoothEdgesAreWrittenOnlyWhereTheChoiceDiffersFromTheDefault)
{
    const std::string common = "WindowSize: 1000 640\nWindowPos: 30 40\nFullscreen: false\nMaximized: false\n"
                               "HighlightColor: 0 0 0 0\nLastPlayer: DefaultNoNameYet\nDifficulty: Easy\n"
                               "LastLayout: Assets/Layouts/turtle_demo.lyt\n"
                               "TileSet: Assets/Tiles/Standard/standard_tiles_demo.tls\nPlayMusic: true\nVolume: 3";
    const struct {
        const char* line;   // in the file read
        bool defaultOn;     // a graphics card (true) or a software renderer
        int toggles;        // the option clicked so often before saving
        const char* written;
    } cases[] = {{"", true, 0, ""},
                 {"", false, 0, ""},
                 {"\nSmoothEdges: false", true, 0, "\nSmoothEdges: false"},
                 {"\nSmoothEdges: false", false, 0, ""},
                 {"\nSmoothEdges: true", false, 0, "\nSmoothEdges: true"},
                 {"\nSmoothEdges: maybe", false, 0, ""},
                 {"", false, 1, "\nSmoothEdges: true"},
                 {"", true, 1, "\nSmoothEdges: false"},
                 {"", true, 2, ""}};
    for (const auto& c : cases) {
        GameEngine fresh{new Renderer};
        WorkDir::write("jadeloom_demo.cfg", common + c.line);
        fresh.loadConfig();
        fresh.renderEngine.smoothEdgesDefault = c.defaultOn;
        for (int i = 0; i < c.toggles; ++i)
            fresh.smoothEdges();
        fresh.saveConfig();
        EXPECT_EQ(WorkDir::read("jadeloom_demo.cfg"), common + c.written) << c.line << " " << c.defaultOn;
    }
}
