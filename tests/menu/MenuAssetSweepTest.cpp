// Loads the shipped menu and font through the game's own readers and checks
// that the menu holds every item the game looks up, of the kind it expects.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <regex>
#include <set>
#include <sstream>

#include "main/Input.h"
#include "menu/FontObj.h"
#include "menu/Menu.h"
#include "menu/MenuCheckbox.h"
#include "menu/MenuLabel.h"
#include "menu/MenuTextbox.h"
#include "menu/MenuTileSlot.h"
#include "render/RenderEngine.h"

namespace fs = std::filesystem;

namespace {
// Runs in the source tree, where the game's relative paths resolve; reads only.
class MenuAssetSweep : public ::testing::Test {
protected:
    void SetUp() override
    {
        previous = fs::current_path();
        fs::current_path(JADELOOM_SOURCE_DIR);
        if (!fs::exists("Assets/Menu/menu.cfg"))
            GTEST_SKIP() << "no menu data in this tree";
        savedErr = std::cerr.rdbuf(log.rdbuf());
        engine.loadFont("Assets/Menu/font.cfg");
        menu = std::make_unique<Menu>(&engine, &input, "Assets/Menu/menu.obj");
        menu->loadMenuFile("Assets/Menu/menu.cfg");
    }
    void TearDown() override
    {
        menu.reset();
        engine.clean_up();
        if (savedErr)
            std::cerr.rdbuf(savedErr);
        fs::current_path(previous);
    }

    // Every item ID the game's code names in a lookup.
    static std::set<std::string> idsInCode()
    {
        const std::regex lookup(
            R"re((?:menuItem|getItemByID|showItem|setLabel|setActive)\(\s*"([A-Za-z0-9_]+)"\s*[,)])re");
        std::set<std::string> ids;
        for (const auto& entry : fs::recursive_directory_iterator("src")) {
            std::ifstream in(entry.path());
            std::stringstream text;
            text << in.rdbuf();
            const std::string code = text.str();
            for (std::sregex_iterator m(code.begin(), code.end(), lookup), end; m != end; ++m)
                ids.insert((*m)[1]);
        }
        return ids;
    }

    fs::path previous;
    std::ostringstream log;
    std::streambuf* savedErr = nullptr;
    RenderEngine engine;  // the OpenGL renderer, with no window: nothing is uploaded
    Input input;
    std::unique_ptr<Menu> menu;
};
}

TEST_F(MenuAssetSweep, MenuAndFontLoadCleanlyAndEveryLabelHasItsGlyphs)
{
    ASSERT_NE(menu->root, nullptr);
    ASSERT_NE(engine.font, nullptr);
    EXPECT_GT(engine.font->getTextHeight(), 0.0f);
    std::istringstream lines(log.str());
    std::string line;
    while (std::getline(lines, line)) {
        for (const char* fault : {"Missing", "no model object", "another kind's tag", "before the root", "Font "})
            EXPECT_EQ(line.find(fault), std::string::npos) << line;
    }
    std::vector<MenuItem*> pending{menu->root};
    while (!pending.empty()) {
        MenuItem* item = pending.back();
        pending.pop_back();
        pending.insert(pending.end(), item->children.begin(), item->children.end());
        auto* label = dynamic_cast<MenuLabel*>(item);
        for (char c : label ? label->text : std::string()) {
            EXPECT_NE(engine.font->glyphOf(static_cast<unsigned char>(c)), nullptr)
                << label->id << " '" << c << "'";
        }
    }
}

TEST_F(MenuAssetSweep, EveryItemTheGameLooksUpExistsWithItsKind)
{
    std::set<std::string> ids = idsInCode();
    std::istringstream named("TopBar MainMenuLeft MainMenuRight LayoutPanel OptionsPanel PlayerPanel "
                             "TileSetPanel MenuNewPlayer GameWonPanel NoMovesPanel DeletePlayerConfirmation "
                             "MenuButton VolumeKnob LayoutPreview TileSetPreview MusicOn MusicOff Exit");
    for (std::string id; named >> id;)
        ids.insert(id);
    for (const std::string& id : ids)
        EXPECT_NE(menu->getItemByID(id), nullptr) << id;

    std::istringstream labels("TilesText MovesText ScoreText TimeText DifficultyText LayoutName TileSetName "
                              "DeletePlayerLabelName GameWonTime GameWonScore GameWonLayoutName "
                              "GameWonLayoutBestTime GameWonLayoutBestScore GameWonTilesetName "
                              "GameWonTilesetBestTime GameWonTilesetBestScore Player1 Player2 Player3 "
                              "Player4 Player5 Player6 Player7 Player8 Player9 Player10");
    for (std::string id; labels >> id;)
        EXPECT_NE(dynamic_cast<MenuLabel*>(menu->getItemByID(id)), nullptr) << id;
    for (const char* id : {"Slot1", "Slot2", "Slot3"})
        EXPECT_NE(dynamic_cast<MenuTileSlot*>(menu->getItemByID(id)), nullptr) << id;
    for (const char* id : {"FullscreenCheckbox", "HighlightTilesCheckbox"})
        EXPECT_NE(dynamic_cast<MenuCheckbox*>(menu->getItemByID(id)), nullptr) << id;
    EXPECT_NE(dynamic_cast<MenuTextbox*>(menu->getItemByID("MenuNewPlayerTextBox")), nullptr);
}
