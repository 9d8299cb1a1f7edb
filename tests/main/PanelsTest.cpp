#include "GameFixture.h"
#include "menu/MenuTextbox.h"
#include "persist/Player.h"

// The panels beyond what the end-to-end panels test clicks through: refused
// choices, the new-player panel, one panel at a time; driven through the
// action table on a menu built in code.
class PanelsTest : public GameTest {
protected:
    MenuTextbox* box = nullptr;

    void addPanels()
    {
        addMenu();
        MenuItem* root = engine->menu->root.get();
        for (const char* id : {"MainMenuLeft", "MainMenuRight", "ShuffleButton", "HintButton", "UndoButton"})
            root->addButton(id);
        MenuItem* layouts = root->addRect("LayoutPanel");
        layouts->addLabel("LayoutName", "");
        layouts->addRect("LayoutPreview");
        MenuItem* sets = root->addRect("TileSetPanel");
        sets->addLabel("TileSetName", "");
        sets->addRect("TileSetPreview");
        MenuItem* players = root->addRect("PlayerPanel");
        for (int row = 1; row <= 10; ++row)
            players->addLabel("Player" + std::to_string(row), "");
        root->addRect("OptionsPanel");
        MenuItem* stats = root->addRect("StatsPanel");
        for (const char* id : {"StatsPlayerName", "StatsPage"})
            stats->addLabel(id, "");
        for (int row = 1; row <= 10; ++row)
            for (const char* column : {"Name", "Won", "Time", "Score", "Hints", "Shuffles", "Undos"})
                stats->addLabel(std::string("Stats") + column + std::to_string(row), "");
        MenuItem* noMoves = root->getItemByID("NoMovesPanel");
        noMoves->addButton("NoMovesUndo")->action = "UNDO";
        noMoves->addButton("NoMovesNewGame")->action = "NEW_GAME";
        for (const char* id : {"GameWonLayoutBestTime", "GameWonLayoutBestScore", "GameWonTilesetBestTime",
                               "GameWonTilesetBestScore"})
            root->getItemByID("GameWonPanel")->addLabel(id, "");
        MenuItem* newPlayer = root->addRect("MenuNewPlayer");
        newPlayer->addLabel("MenuNewPlayerPrompt", "Type a name, then press Enter.");
        box = newPlayer->addTextBox("MenuNewPlayerTextBox");
        box->label = box->addLabel("TextBoxText", "");
        box->defaultText = "Enter Name Here";
        box->reset();
        for (const char* id : {"MainMenuLeft", "MainMenuRight", "LayoutPanel", "TileSetPanel", "PlayerPanel",
                               "OptionsPanel", "StatsPanel", "MenuNewPlayer"})
            engine->showItem(id, false);
    }

    void addPlayers(int n)
    {
        for (int i = 0; i < n; ++i) {
            Player* p = new Player;
            p->setName("P" + std::to_string(engine->players.size() + 1));
            engine->players.emplace_back(p);
        }
        engine->currentPlayer = engine->players.begin();
    }

    void run(const char* a)
    {
        engine->action = a;
        engine->processAction();
    }
    bool shown(const char* id) { return engine->menuItem(id)->visible; }
    bool activeItem(const char* id) { return engine->menuItem(id)->active; }
};

TEST_F(PanelsTest, NewGameDealsTheLayoutInPlayAndSelectLayoutTheBrowsedOne)
{
    engine->layoutFiles = {Layout::builtinTurtleFile, "layouts/two.lyt", "layouts/nogrid.lyt"};
    engine->selectedLayout = engine->currentLayout = engine->layoutFiles.begin();
    startBuiltin();
    addPanels();
    level->layoutFile = Layout::builtinTurtleFile;
    run("LAYOUT_PANEL");
    run("PREV_LAYOUT");  // the chooser wraps both ways
    // Files of the working directory's layouts folder are the player's own.
    EXPECT_EQ("NoGrid (yours)", labelText("LayoutName"));
    run("NEXT_LAYOUT");
    EXPECT_EQ("Turtle", labelText("LayoutName"));
    run("NEXT_LAYOUT");
    run("NEW_GAME");
    // The browsed layout is dropped: the game and its record name the Turtle.
    EXPECT_EQ(Layout::builtinTurtleFile, level->layoutFile);
    EXPECT_EQ("Turtle", level->layout->name);
    EXPECT_EQ(engine->currentLayout, engine->selectedLayout);
    EXPECT_EQ(144u, level->tiles.size());

    stopAnimations();
    run("LAYOUT_PANEL");
    run("NEXT_LAYOUT");
    run("SELECT_LAYOUT");
    EXPECT_EQ("TwoTiles", level->layout->name);
    EXPECT_EQ("layouts/two.lyt", level->layoutFile);
    EXPECT_EQ(2, level->tilesLeft());

    // A layout that cannot be dealt is refused; the game in play goes on.
    stopAnimations();
    run("NEXT_LAYOUT");
    run("SELECT_LAYOUT");
    EXPECT_EQ("TwoTiles", level->layout->name);
    EXPECT_EQ("layouts/two.lyt", *engine->selectedLayout);
    EXPECT_EQ(2u, level->tiles.size());
    EXPECT_EQ("", engine->action);
}

TEST_F(PanelsTest, TileSetWithoutTilesIsRefused)
{
    engine->tileSetFiles = {TileSet::standardFile, "tilesets/empty.tls"};
    engine->selectedTileSet = engine->currentTileSet = engine->tileSetFiles.begin();
    startBuiltin();
    addPanels();
    TileSet* own = level->tileSet.get();
    run("NEXT_TILESET");
    run("SELECT_TILESET");
    EXPECT_EQ(own, level->tileSet.get());
    EXPECT_EQ(own, engine->tileSet);
    EXPECT_EQ(TileSet::standardFile, *engine->currentTileSet);
    EXPECT_EQ(engine->currentTileSet, engine->selectedTileSet);
    EXPECT_EQ(144, level->tilesLeft());
}

TEST_F(PanelsTest, NewPlayerPanelOpensBelowTenAndCancelsOnlyWithAPlayer)
{
    startBuiltin();
    addPanels();
    addPlayers(10);
    run("NEW_PLAYER");
    EXPECT_FALSE(shown("MenuNewPlayer"));
    EXPECT_EQ(GS_PLAYING, engine->gameState);

    engine->players.clear();
    engine->currentPlayer = engine->players.end();
    run("NEW_PLAYER");
    EXPECT_TRUE(shown("MenuNewPlayer"));
    EXPECT_EQ(GS_NEW_PLAYER, engine->gameState);
    EXPECT_FALSE(activeItem("TopBar"));
    run("NEW_PLAYER");  // already open: the state to return to is kept
    run("NEW_PLAYER_CANCELLED");
    EXPECT_TRUE(shown("MenuNewPlayer"));

    addPlayers(1);
    run("NEW_PLAYER_CANCELLED");
    EXPECT_FALSE(shown("MenuNewPlayer"));
    EXPECT_EQ(GS_PLAYING, engine->gameState);
    EXPECT_TRUE(activeItem("TopBar"));

    // Opened from the player panel, it gives that panel back.
    run("PLAYER_PANEL");
    run("NEW_PLAYER");
    run("NEW_PLAYER_CANCELLED");
    EXPECT_TRUE(shown("PlayerPanel") && activeItem("PlayerPanel"));
}

TEST_F(PanelsTest, ARefusedNameSaysWhyAndTheNextOpeningPromptsAgain)
{
    startBuiltin();
    addPanels();
    addPlayers(1);
    run("NEW_PLAYER");
    for (const auto& [name, why] : {std::pair<std::string, std::string>{"", "Type a name first."},
                                    {"Enter Name Here", "Type a name first."},
                                    {"   ", "Type a name first."},
                                    {"P1", "That name is already taken."},
                                    {std::string(255, 'x'), "That name is too long."}}) {
        engine->setLabel("TextBoxText", name);
        run("ADD_PLAYER");
        EXPECT_EQ(why, labelText("MenuNewPlayerPrompt")) << name;
        EXPECT_TRUE(shown("MenuNewPlayer"));
        EXPECT_EQ(1u, engine->players.size());
        EXPECT_EQ("Enter Name Here", labelText("TextBoxText"));  // the prompt again
    }
    run("NEW_PLAYER_CANCELLED");
    run("NEW_PLAYER");
    EXPECT_EQ("Type a name, then press Enter.", labelText("MenuNewPlayerPrompt"));
}

TEST_F(PanelsTest, AClickWaitsBehindAPendingActionAndThePanelsHoldTheBoard)
{
    startBuiltin();
    addPanels();
    MenuButton* hint = engine->menu->root->addButton("HintButton2");
    hint->action = "HINT";
    // The doors still opening: the click waits behind them, then runs.
    engine->action = "MENU_OPEN_DOORS";
    click();
    EXPECT_EQ("MENU_OPEN_DOORS", engine->action);
    EXPECT_EQ("HINT", engine->queuedAction);
    hint->active = false;
    click();  // nothing under the pointer: the pending action is left alone
    EXPECT_EQ("MENU_OPEN_DOORS", engine->action);

    // A click on a panel's blank part never reaches the board under it.
    engine->action.clear();
    engine->queuedAction.clear();
    auto [a, b] = freePair();
    renderer->pick = a;
    for (const char* panel : {"OptionsPanel", "LayoutPanel", "PlayerPanel"}) {
        engine->showItem(panel, true);
        click();
        EXPECT_EQ(nullptr, level->selectedTile) << panel;
        engine->showItem(panel, false);
    }
    click();
    EXPECT_EQ(a, level->selectedTile);
}

TEST_F(PanelsTest, TheNoMovesPanelsButtonsCloseItAndTheWonPanelClosesTheOthers)
{
    startBuiltin();
    addPanels();
    auto [a, b] = freePair();
    level->selectTile(a);
    level->selectTile(b);
    stopAnimations();
    for (const char* act : {"UNDO", "NEW_GAME"}) {
        run("NOMOVES_LEFT");
        ASSERT_TRUE(shown("NoMovesPanel"));
        run(act);
        EXPECT_FALSE(shown("NoMovesPanel")) << act;
        EXPECT_TRUE(activeItem("TopBar")) << act;
        stopAnimations();
    }

    // Won with a chooser open and nobody playing: the chooser goes, and no
    // best result of an earlier winner stays on the panel.
    run("LAYOUT_PANEL");
    engine->setLabel("GameWonLayoutBestTime", "01:00");
    engine->gameWonPanel(90, 500, -1, -1, -1, -1);
    EXPECT_FALSE(shown("LayoutPanel"));
    EXPECT_EQ("", labelText("GameWonLayoutBestTime"));
}

TEST_F(PanelsTest, ANewGameStartsEveryCounterTheClockAndTheBonusAfresh)
{
    startBuiltin();
    addPanels();
    engine->hintsUsed = 3;
    engine->shufflesUsed = 2;
    engine->undosUsed = 4;
    engine->minutes = 5;
    engine->seconds = 6;
    level->timeBonus = 200;
    run("NEW_GAME");
    EXPECT_EQ(0, engine->hintsUsed);
    EXPECT_EQ(0, engine->shufflesUsed);
    EXPECT_EQ(0, engine->undosUsed);
    EXPECT_EQ(0, 60 * engine->minutes + engine->seconds);
    EXPECT_EQ(1000, level->timeBonus);
}

TEST_F(PanelsTest, TheStatisticsPanelPagesThroughTheCurrentPlayersRecords)
{
    startBuiltin();
    addPanels();
    addPlayers(1);
    Player* p = engine->players[0].get();
    for (int i = 1; i <= 10; ++i) {
        p->layoutStats.emplace_back();
        p->layoutStats.back().name = "Layout" + std::to_string(i);
        p->layoutStats.back().firstWin(60 * i, 1000 * i, 0, 0, 0);
    }
    p->tileSetStats.emplace_back();
    p->tileSetStats.back().name = "Standard";
    p->tileSetStats.back().firstWin(90, 500, 1, 2, 3);
    run("STATS_PANEL");
    EXPECT_TRUE(shown("StatsPanel"));
    EXPECT_EQ("P1", labelText("StatsPlayerName"));
    EXPECT_EQ("Layouts", labelText("StatsName1"));
    EXPECT_EQ("Layout9", labelText("StatsName10"));
    EXPECT_EQ("09:00", labelText("StatsTime10"));
    EXPECT_EQ("Page 1 of 2", labelText("StatsPage"));
    run("STATS_NEXT");
    run("STATS_NEXT");  // no page beyond the last
    EXPECT_EQ("Layout10", labelText("StatsName1"));
    EXPECT_EQ("Tile sets", labelText("StatsName2"));
    EXPECT_EQ("Standard", labelText("StatsName3"));
    EXPECT_EQ("3", labelText("StatsUndos3"));
    EXPECT_EQ("", labelText("StatsName4"));  // the rest of the page is empty
    EXPECT_EQ("Page 2 of 2", labelText("StatsPage"));
    run("STATS_PREV");
    EXPECT_EQ("Layouts", labelText("StatsName1"));
    // Its close button closes it as it does any panel.
    run("CLOSE_PANELS");
    EXPECT_FALSE(shown("StatsPanel"));
}
