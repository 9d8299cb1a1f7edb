// The player's layouts folder: what is offered, what is left out and what
// the log says about each file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <tuple>

#include "game/Layout.h"
#include "game/LayoutGenerator.h"
#include "main/GameEngine.h"
#include "persist/PlayerLayouts.h"
#include "render/Renderer.h"
#include "support/WorkDir.h"

namespace fs = std::filesystem;

namespace {
std::string layoutText(const std::string& name, int gx, int gy, int gz, const std::vector<std::string>& tiles)
{
    std::string text = "Name: " + name + "\nGridX: " + std::to_string(gx) + "\nGridY: " + std::to_string(gy)
                       + "\nGridZ: " + std::to_string(gz) + "\nTileCoordinates:\n";
    for (const std::string& t : tiles)
        text += "Tile " + t + "\n";
    return text;
}

// Two rows of four with two tiles on top: dealt solvable with any set.
std::string goodLayout(const std::string& name)
{
    return layoutText(name, 8, 4, 2,
                      {"0 0 0", "2 0 0", "4 0 0", "6 0 0", "0 2 0", "2 2 0", "4 2 0", "6 2 0", "2 1 1", "4 1 1"});
}

class PlayerLayoutsTest : public ::testing::Test {
protected:
    WorkDir dir;

    // Lines that leave a file out, and lines that say it was read.
    int leftOut(const std::string& file) const { return dir.count("): layouts/" + file + "\n"); }
    int read(const std::string& file) const { return dir.count("Loaded layout file: layouts/" + file + "\n"); }
};
}

TEST_F(PlayerLayoutsTest, OnlyFilesThatDealAreOfferedAndEveryOtherIsNamedOnce)
{
    fs::create_directory("layouts");
    WorkDir::write("layouts/good.lyt", goodLayout("Mine"));
    WorkDir::write("layouts/another.lyt", goodLayout("Another"));
    WorkDir::write("layouts/odd.lyt", layoutText("Odd", 8, 2, 1, {"0 0 0", "2 0 0", "4 0 0"}));
    WorkDir::write("layouts/empty.lyt", "");
    std::vector<std::string> many;
    for (int i = 0; i < 146; ++i)
        many.push_back(std::to_string(2 * (i % 20)) + " " + std::to_string(2 * (i / 20)) + " 0");
    WorkDir::write("layouts/oversized.lyt", layoutText("Big", 40, 16, 1, many));
    // One tile on another: never two free at once.
    WorkDir::write("layouts/stuck.lyt", layoutText("Stuck", 2, 2, 2, {"0 0 0", "0 0 1"}));
    WorkDir::write("layouts/overlap.lyt", layoutText("Overlap", 4, 2, 1, {"0 0 0", "1 0 0"}));
    WorkDir::write("layouts/huge.lyt", goodLayout("Huge") + std::string(PlayerLayouts::maxFileBytes, ' '));
    fs::create_symlink("nowhere.lyt", "layouts/gone.lyt");
    fs::create_directory("layouts/folder.lyt");
    WorkDir::write("layouts/notes.txt", "not a layout");

    const std::vector<std::string> offered = PlayerLayouts::scan();
    EXPECT_EQ((std::vector<std::string>{"layouts/another.lyt", "layouts/good.lyt"}), offered);

    for (const char* bad : {"odd.lyt", "empty.lyt", "oversized.lyt", "stuck.lyt", "overlap.lyt", "huge.lyt",
                            "gone.lyt", "folder.lyt"})
        EXPECT_EQ(1, leftOut(bad)) << bad << "\n" << dir.log();
    EXPECT_EQ(8, dir.count("Player layout left out"));
    for (const char* readable : {"good.lyt", "another.lyt", "odd.lyt", "empty.lyt", "oversized.lyt", "stuck.lyt",
                                 "overlap.lyt"})
        EXPECT_EQ(1, read(readable)) << readable;
    // What cannot be opened, or is too large to read, is not read at all.
    for (const char* unread : {"gone.lyt", "folder.lyt", "huge.lyt"})
        EXPECT_EQ(0, read(unread)) << unread;
    EXPECT_EQ(0, dir.count("notes.txt"));
    EXPECT_TRUE(dir.logged("Player layout left out (cannot be read): layouts/gone.lyt"));
    EXPECT_TRUE(dir.logged("Player layout left out (3 positions, an even number from 2 to 144 is needed): "
                           "layouts/odd.lyt"));
    EXPECT_TRUE(dir.logged("Player layout left out (cannot be dealt solvable): layouts/stuck.lyt"));
}

TEST_F(PlayerLayoutsTest, NoFolderOffersNothingAndSaysNothing)
{
    EXPECT_TRUE(PlayerLayouts::scan().empty());
    EXPECT_EQ("", dir.log());
}

TEST_F(PlayerLayoutsTest, TheChooserListsThemAfterOursMarkedAsThePlayers)
{
    fs::create_directory("layouts");
    WorkDir::write("layouts/mine.lyt", goodLayout("Mine"));
    WorkDir::write("layouts/odd.lyt", layoutText("Odd", 8, 2, 1, {"0 0 0", "2 0 0", "4 0 0"}));
    fs::create_directories("Assets/Layouts");
    WorkDir::write("Assets/Layouts/ours.lyt", goodLayout("Ours"));
    WorkDir::write("jadeloom_demo.cfg", "LastLayout: layouts/mine.lyt\n");
    GameEngine engine{new Renderer};
    engine.loadConfig();
    // Ours, the player's, then the generated ones.
    EXPECT_EQ((std::vector<std::string>{Layout::builtinTurtleFile, "Assets/Layouts/ours.lyt", "layouts/mine.lyt",
                                        "Generated/72/1", "Generated/108/1", "Generated/144/1"}),
              engine.layoutFiles);
    ASSERT_NE(engine.layoutFiles.end(), engine.currentLayout);
    EXPECT_EQ("layouts/mine.lyt", *engine.currentLayout);

    Layout mine(nullptr, "layouts/mine.lyt");
    Layout ours(nullptr, "Assets/Layouts/ours.lyt");
    EXPECT_EQ("Mine (yours)", PlayerLayouts::shownName(mine));
    EXPECT_EQ("Ours", PlayerLayouts::shownName(ours));
}

TEST_F(PlayerLayoutsTest, AKeptLayoutIsNamedByOneSafeWordAndReadsBackAsWritten)
{
    std::unique_ptr<Layout> made(LayoutGenerator(7, 108).makeLayout(nullptr));
    for (const std::string& bad : std::vector<std::string>{"", "two words", "../up", "a/b", ".hidden", "back\\slash",
                                                           "bell\a", std::string(PlayerLayouts::maxNameLength + 1, 'a')})
        EXPECT_NE("", PlayerLayouts::nameProblem(bad)) << bad;
    EXPECT_EQ("layouts/Keep_1-b.lyt", PlayerLayouts::keep(*made, "Keep_1-b"));
    Layout back(nullptr, "layouts/Keep_1-b.lyt");
    EXPECT_EQ("Keep_1-b", back.name);
    EXPECT_EQ(made->tileCoordinates, back.tileCoordinates);
    EXPECT_EQ(std::make_tuple(made->gridX, made->gridY, made->gridZ, made->defaultCameraZoom),
              std::make_tuple(back.gridX, back.gridY, back.gridZ, back.defaultCameraZoom));
    EXPECT_EQ(std::vector<std::string>{"layouts/Keep_1-b.lyt"}, PlayerLayouts::scan());
    // One name in any case; a folder that is a link is not written into.
    EXPECT_EQ("", PlayerLayouts::keep(*made, "KEEP_1-B"));
    fs::create_directory("elsewhere");
    fs::create_directory_symlink("elsewhere", "linked");
    EXPECT_EQ("", PlayerLayouts::keep(*made, "Other", "linked"));
    EXPECT_TRUE(fs::is_empty("elsewhere"));
}
