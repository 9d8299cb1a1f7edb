// A generated layout in the game: chosen, dealt, counted and saved under its
// size and number, and found again when the game is resumed.
#include <algorithm>
#include <memory>
#include <tuple>

#include "PlayersFixture.h"
#include "game/LayoutCatalog.h"
#include "game/LayoutGenerator.h"

using namespace playersfixture;

class GeneratedLayoutGameTest : public PlayersTest {
protected:
    void addChooser()
    {
        MenuItem* layouts = engine->menu->root->addRect("LayoutPanel");
        layouts->addLabel("LayoutName", "");
        layouts->addRect("LayoutPreview");
        layouts->addLabel("LayoutNumber", "");
        MenuItem* keep = engine->menu->root->addRect("LayoutKeepPanel");
        keep->setVisibility(false);
        keep->addLabel("LayoutKeepPrompt", "Name it.");
        MenuTextbox* box = keep->addTextBox("LayoutKeepTextBox");
        box->label = box->addLabel("TextBoxText", "");
        box->defaultText = "Enter Name Here";
        box->reset();
    }
    MenuItem* preview() const { return engine->menuItem("LayoutPreview"); }
    void run(const char* a)
    {
        engine->action = a;
        engine->processAction();
    }
    std::vector<Point> places() const { return level->dealtPlaces; }
};

TEST_F(GeneratedLayoutGameTest, PlayedSavedCountedAndResumedByItsSizeAndNumber)
{
    engine->layoutFiles = {Layout::builtinTurtleFile, "Generated/72/1"};
    engine->selectedLayout = engine->currentLayout = engine->layoutFiles.begin();
    startBuiltin(DIFFICULTY_NORMAL);
    addPlayerMenu();
    addChooser();
    Player* p = add("Gil");

    run("LAYOUT_PANEL");
    run("NEXT_LAYOUT");
    EXPECT_EQ("Generated-1(72)", labelText("LayoutName"));
    // Its number is stepped, wrapping below 1, and its picture drawn.
    run("LAYOUT_NUMBER_PREV");
    EXPECT_EQ("999999", labelText("LayoutNumber"));
    run("LAYOUT_NUMBER_NEXT");
    run("LAYOUT_NUMBER_NEXT");
    EXPECT_EQ("Generated-2(72)", labelText("LayoutName"));
    EXPECT_EQ("2", labelText("LayoutNumber"));
    ASSERT_NE(nullptr, preview()->overrideTexture);
    EXPECT_EQ(engine->layout->ownPreview.get(), preview()->overrideTexture);
    // Random picks leave the board's generator where it was.
    auto boardRng = level->rng;
    run("LAYOUT_NUMBER_RANDOM");
    run("DEAL_RANDOM");
    EXPECT_NE("Generated-2(72)", labelText("LayoutName"));
    EXPECT_NE(42u, engine->browsedDeal);
    EXPECT_EQ(boardRng(), level->rng());
    run("LAYOUT_PANEL");
    run("NEXT_LAYOUT");
    run("LAYOUT_NUMBER_NEXT");
    stopAnimations();
    run("SELECT_LAYOUT");
    ASSERT_EQ("Generated/72/2", level->layoutFile);
    EXPECT_EQ(72, level->tilesLeft());
    EXPECT_TRUE(dir.logged("Generated layout: Generated/72/2"));
    const std::vector<Point> dealt = places();

    engine->updatePlayerStats();
    ASSERT_EQ(1u, p->layoutStats.size());
    EXPECT_EQ("Generated-2(72)", p->layoutStats[0].name);
    engine->createSaveData();

    // Another number of that size in play, then the saved game: the same
    // positions again.
    stopAnimations();
    run("LAYOUT_PANEL");
    run("LAYOUT_NUMBER_PREV");
    stopAnimations();
    run("SELECT_LAYOUT");
    ASSERT_EQ("Generated/72/1", level->layoutFile);
    ASSERT_TRUE(engine->loadSavedGame());
    EXPECT_EQ("Generated/72/2", *engine->currentLayout);
    EXPECT_EQ(72u, level->tiles.size());
    std::vector<Point> resumed;
    for (const Tile* t : pointers(level->tiles))
        resumed.emplace_back(static_cast<int>(t->gridPosition.x), static_cast<int>(t->gridPosition.y),
                             static_cast<int>(t->gridPosition.z));
    auto less = [](const Point& a, const Point& b) {
        return std::tie(a.x, a.y, a.z) < std::tie(b.x, b.y, b.z);
    };
    std::vector<Point> sortedDealt = dealt;
    std::sort(sortedDealt.begin(), sortedDealt.end(), less);
    std::sort(resumed.begin(), resumed.end(), less);
    EXPECT_EQ(sortedDealt, resumed);

    // A size the generator does not make is refused like a lost file.
    for (std::string& line : p->saveLines)
        if (line.find("Generated/72/2") != std::string::npos)
            line = "Layout: Generated/70/2";
    EXPECT_FALSE(engine->loadSavedGame());
    EXPECT_EQ("Generated/72/2", *engine->currentLayout);
    EXPECT_TRUE(dir.logged("Saved game of an unknown layout: Generated/70/2"));
}

TEST_F(GeneratedLayoutGameTest, KeptUnderATypedNameItIsOfferedAsThePlayersOwn)
{
    engine->layoutFiles = {Layout::builtinTurtleFile, "Generated/72/1"};
    engine->selectedLayout = engine->currentLayout = engine->layoutFiles.begin();
    startBuiltin(DIFFICULTY_NORMAL);
    addPlayerMenu();
    addChooser();
    add("Gil");
    WorkDir kept;
    auto type = [this](const char* name) {
        static_cast<MenuTextbox*>(engine->menuItem("LayoutKeepTextBox"))->label->changeText(name);
        run("KEEP_LAYOUT_CONFIRMED");
    };
    run("LAYOUT_PANEL");
    run("KEEP_LAYOUT");
    EXPECT_FALSE(engine->keepPanelShown());  // the Turtle is no generated layout
    run("NEXT_LAYOUT");
    run("LAYOUT_NUMBER_NEXT");
    run("KEEP_LAYOUT");
    ASSERT_TRUE(engine->keepPanelShown());
    type("../Mine");
    EXPECT_EQ("Use letters, digits, - and _ only.", labelText("LayoutKeepPrompt"));
    EXPECT_TRUE(engine->keepPanelShown());
    EXPECT_FALSE(std::filesystem::exists("layouts"));
    type("Mine");
    EXPECT_FALSE(engine->keepPanelShown());
    EXPECT_EQ((std::vector<std::string>{Layout::builtinTurtleFile, "layouts/Mine.lyt", "Generated/72/1"}),
              engine->layoutFiles);
    EXPECT_EQ(Layout::builtinTurtleFile, *engine->currentLayout);
    EXPECT_EQ("Mine (yours)", labelText("LayoutName"));
    EXPECT_NE(nullptr, preview()->overrideTexture);
    stopAnimations();
    run("SELECT_LAYOUT");
    EXPECT_EQ("layouts/Mine.lyt", level->layoutFile);
    std::unique_ptr<Layout> generated(LayoutCatalog::open(nullptr, "Generated/72/2"));
    EXPECT_EQ(generated->tileCoordinates, level->layout->tileCoordinates);
}

TEST_F(GeneratedLayoutGameTest, AnEntryThatOnlyLooksGeneratedIsReadAsAFile)
{
    std::unique_ptr<Layout> l(LayoutCatalog::open(nullptr, "Generated/72/01"));
    EXPECT_TRUE(l->tileCoordinates.empty());
    EXPECT_TRUE(dir.logged("Missing layout file: Generated/72/01"));
    EXPECT_EQ(std::vector<std::string>({"Generated/72/1", "Generated/108/1", "Generated/144/1"}),
              LayoutCatalog::generatedEntries());
}
