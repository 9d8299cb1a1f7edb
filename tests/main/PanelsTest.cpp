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
        MenuItem* root = engine->menu->root;
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
                               "OptionsPanel", "MenuNewPlayer"})
            engine->showItem(id, false);
    }

    void addPlayers(int n)
    {
        for (int i = 0; i < n; ++i) {
            Player* p = new Player;
            p->setName("P" + std::to_string(engine->players.size() + 1));
            engine->players.push_back(p);
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
    EXPECT_EQ("NoGrid", labelText("LayoutName"));
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
    TileSet* own = level->tileSet;
    run("NEXT_TILESET");
    run("SELECT_TILESET");
    EXPECT_EQ(own, level->tileSet);
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

    for (Player* p : engine->players)
        delete p;
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

TEST_F(PanelsTest, RestoringTheWindowGivesBackTheNewPlayerPanelAndThenPlay)
{
    startBuiltin();
    addPanels();
    run("NEW_PLAYER");
    auto active = [this](bool gain) {
        SDL_Event e{};
        e.type = SDL_ACTIVEEVENT;
        e.active.state = SDL_APPACTIVE;
        e.active.gain = gain ? 1 : 0;
        send(e);
    };
    active(false);
    active(true);
    EXPECT_EQ(GS_NEW_PLAYER, engine->gameState);
    engine->setLabel("TextBoxText", "Gil");
    run("ADD_PLAYER");
    EXPECT_EQ(GS_PLAYING, engine->gameState);
    auto [a, b] = freePair();
    ASSERT_NE(nullptr, a);
    level->selectTile(a);
    level->selectTile(b);
    EXPECT_EQ(142, level->tilesLeft());
}

TEST_F(PanelsTest, ARefusedNameSaysWhyAndTheNextOpeningPromptsAgain)
{
    startBuiltin();
    addPanels();
    addPlayers(1);
    run("NEW_PLAYER");
    for (const auto& [name, why] : {std::pair<std::string, std::string>{"", "Type a name first."},
                                    {"P1", "That name is already taken."},
                                    {std::string(300, 'x'), "That name is too long."}}) {
        engine->setLabel("TextBoxText", name);
        run("ADD_PLAYER");
        EXPECT_EQ(why, labelText("MenuNewPlayerPrompt")) << name;
        EXPECT_TRUE(shown("MenuNewPlayer"));
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
