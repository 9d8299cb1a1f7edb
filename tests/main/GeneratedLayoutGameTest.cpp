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
    }
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
    stopAnimations();
    run("SELECT_LAYOUT");
    ASSERT_EQ("Generated/72/1", level->layoutFile);
    EXPECT_EQ(72, level->tilesLeft());
    EXPECT_TRUE(dir.logged("Generated layout: Generated/72/1"));
    const std::vector<Point> dealt = places();

    engine->updatePlayerStats();
    ASSERT_EQ(1u, p->layoutStats.size());
    EXPECT_EQ("Generated-1(72)", p->layoutStats[0].name);
    engine->createSaveData();

    // Another layout in play, then the saved game: the same positions again.
    stopAnimations();
    run("LAYOUT_PANEL");
    run("NEXT_LAYOUT");
    stopAnimations();
    run("SELECT_LAYOUT");
    ASSERT_EQ(Layout::builtinTurtleFile, level->layoutFile);
    ASSERT_TRUE(engine->loadSavedGame());
    EXPECT_EQ("Generated/72/1", *engine->currentLayout);
    EXPECT_EQ(72u, level->tiles.size());
    std::vector<Point> resumed;
    for (const Tile* t : level->tiles)
        resumed.emplace_back(static_cast<int>(t->gridPosition.x), static_cast<int>(t->gridPosition.y),
                             static_cast<int>(t->gridPosition.z));
    auto less = [](const Point& a, const Point& b) {
        return std::tie(a.x, a.y, a.z) < std::tie(b.x, b.y, b.z);
    };
    std::vector<Point> sortedDealt = dealt;
    std::sort(sortedDealt.begin(), sortedDealt.end(), less);
    std::sort(resumed.begin(), resumed.end(), less);
    EXPECT_EQ(sortedDealt, resumed);

    // A generated layout the game does not offer is refused like a lost file.
    for (std::string& line : p->saveLines)
        if (line.find("Generated/72/1") != std::string::npos)
            line = "Layout: Generated/72/2";
    EXPECT_FALSE(engine->loadSavedGame());
    EXPECT_EQ("Generated/72/1", *engine->currentLayout);
    EXPECT_TRUE(dir.logged("Saved game of an unknown layout: Generated/72/2"));
}

TEST_F(GeneratedLayoutGameTest, AnEntryThatOnlyLooksGeneratedIsReadAsAFile)
{
    std::unique_ptr<Layout> l(LayoutCatalog::open(nullptr, "Generated/72/01"));
    EXPECT_TRUE(l->tileCoordinates.empty());
    EXPECT_TRUE(dir.logged("Missing layout file: Generated/72/01"));
    EXPECT_EQ(std::vector<std::string>({"Generated/72/1", "Generated/108/1", "Generated/144/1"}),
              LayoutCatalog::generatedEntries());
}
