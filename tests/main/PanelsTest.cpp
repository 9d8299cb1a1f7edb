#include <fstream>

#include "GameFixture.h"
#include "support/WorkDir.h"
#include "menu/MenuTextbox.h"
#include "persist/Player.h"

// The panels: main-menu doors, choosers, options and the player panels,
// driven through the action table on a menu built in code.
class PanelsTest : public GameTest {
protected:
    float trackPos[3] = {0.2f, 0.5f, 0.0f};
    float knobPos[3] = {0.0f, 0.5f, 0.0f};
    MenuItem* knob = nullptr;
    MenuTextbox* box = nullptr;

    void addPanels()
    {
        addMenu();
        MenuItem* root = engine->menu->root;
        for (const char* id : {"MainMenuLeft", "MainMenuRight", "ShuffleButton", "HintButton", "UndoButton",
                               "MusicOn", "MusicOff"})
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
        box = root->addRect("MenuNewPlayer")->addTextBox("MenuNewPlayerTextBox");
        box->label = box->addLabel("TextBoxText", "");
        box->defaultText = "Enter Name Here";
        box->reset();
        // A track of 200 pixels with a knob of 20 in a window of 800: the
        // knob travels from 0.2 to 0.425 of the window.
        MenuItem* track = root->addRect("VolumeTrack");
        track->position = trackPos;
        track->width = 200.0f;
        knob = track->addButton("VolumeKnob");
        knob->position = knobPos;
        knob->width = 20.0f;
        engine->renderEngine.windowWidth = 800;
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
    Take* doors()
    {
        Take* take = new Take(engine->menu);
        take->name = "close_doors";
        take->playing = true;
        engine->menu->takes.push_back(take);
        engine->menu->currentTake = take;
        return take;
    }
};

TEST_F(PanelsTest, MainMenuWaitsForTheDoorsBeforeActing)
{
    startBuiltin();
    addPanels();
    Take* take = doors();
    engine->showItem("OptionsPanel", true);
    run("MAIN_MENU");
    // The panels close at once, but the menu waits for the doors.
    EXPECT_FALSE(shown("OptionsPanel"));
    EXPECT_EQ("MAIN_MENU", engine->action);
    EXPECT_EQ(GS_PLAYING, engine->gameState);
    take->playing = false;
    engine->processAction();
    EXPECT_EQ(GS_MAIN_MENU, engine->gameState);
    EXPECT_TRUE(shown("MainMenuLeft") && shown("MainMenuRight"));
    EXPECT_FALSE(activeItem("HintButton"));
    EXPECT_EQ("", engine->action);

    // Pressed again while the doors still close: nothing until they stop.
    take->playing = true;
    run("MAIN_MENU");
    EXPECT_EQ(GS_MAIN_MENU, engine->gameState);
    take->playing = false;
    engine->processAction();
    EXPECT_EQ(GS_PLAYING, engine->gameState);
    EXPECT_EQ("MENU_OPEN_DOORS", engine->action);
    take->playing = true;
    engine->processAction();  // the doors are opening
    EXPECT_TRUE(shown("MainMenuLeft"));
    take->playing = false;
    engine->processAction();
    EXPECT_FALSE(shown("MainMenuLeft") || shown("MainMenuRight"));
    EXPECT_TRUE(activeItem("HintButton") && activeItem("ShuffleButton") && activeItem("UndoButton"));
    EXPECT_EQ("", engine->action);
}

TEST_F(PanelsTest, LayoutChooserWrapsBothWaysAndShowsTheLayoutInPlay)
{
    engine->layoutFiles = {Layout::builtinTurtleFile, "layouts/two.lyt", "layouts/unfinished.lyt"};
    engine->selectedLayout = engine->currentLayout = engine->layoutFiles.begin();
    startBuiltin();
    addPanels();
    run("LAYOUT_PANEL");
    EXPECT_TRUE(shown("LayoutPanel"));
    EXPECT_EQ("Turtle", labelText("LayoutName"));
    run("PREV_LAYOUT");  // from the first entry to the last
    EXPECT_EQ("Unfinished", labelText("LayoutName"));
    EXPECT_NE(level->layout, engine->layout);
    run("NEXT_LAYOUT");  // from the last entry to the first: the board's own
    EXPECT_EQ(level->layout, engine->layout);
    EXPECT_EQ("Turtle", labelText("LayoutName"));
    run("NEXT_LAYOUT");
    EXPECT_EQ("TwoTiles", labelText("LayoutName"));

    // Opening the chooser again forgets the browsed entry.
    run("LAYOUT_PANEL");
    EXPECT_EQ(engine->currentLayout, engine->selectedLayout);
    EXPECT_EQ(level->layout, engine->layout);

    engine->layoutFiles = {Layout::builtinTurtleFile};
    engine->selectedLayout = engine->currentLayout = engine->layoutFiles.begin();
    for (const char* a : {"NEXT_LAYOUT", "PREV_LAYOUT"}) {
        run(a);
        EXPECT_EQ(level->layout, engine->layout) << a;
        EXPECT_EQ("Turtle", labelText("LayoutName")) << a;
    }
}

TEST_F(PanelsTest, TileSetChooserWrapsAndSelectingDealsTheBrowsedSet)
{
    engine->tileSetFiles = {TileSet::standardFile, TileSet::hiraganaFile, "tilesets/small.tls"};
    engine->selectedTileSet = engine->currentTileSet = engine->tileSetFiles.begin();
    startBuiltin();
    addPanels();
    run("TILESET_PANEL");
    EXPECT_EQ("Standard", labelText("TileSetName"));
    run("PREV_TILESET");
    EXPECT_EQ("Small", labelText("TileSetName"));
    run("NEXT_TILESET");
    EXPECT_EQ(level->tileSet, engine->tileSet);
    run("NEXT_TILESET");
    EXPECT_EQ("Hiragana(Basic)", labelText("TileSetName"));

    run("SELECT_TILESET");
    EXPECT_EQ(engine->tileSet, level->tileSet);
    EXPECT_EQ("Hiragana(Basic)", level->tileSet->name);
    EXPECT_EQ(TileSet::hiraganaFile, *engine->currentTileSet);
    ASSERT_EQ(144u, level->tiles.size());
    for (Tile* t : level->tiles)
        EXPECT_TRUE(t->name.rfind("Japanese-", 0) == 0 || t->name.rfind("Romaji-", 0) == 0) << t->name;
    EXPECT_FALSE(shown("TileSetPanel"));
}

TEST_F(PanelsTest, NewGameDealsTheLayoutInPlayAndSelectLayoutTheBrowsedOne)
{
    engine->layoutFiles = {Layout::builtinTurtleFile, "layouts/two.lyt", "layouts/nogrid.lyt"};
    engine->selectedLayout = engine->currentLayout = engine->layoutFiles.begin();
    startBuiltin();
    addPanels();
    level->layoutFile = Layout::builtinTurtleFile;
    run("LAYOUT_PANEL");
    run("NEXT_LAYOUT");
    run("NEW_GAME");
    // The browsed layout is dropped: the game and its record name the Turtle.
    EXPECT_EQ(Layout::builtinTurtleFile, level->layoutFile);
    EXPECT_EQ("Turtle", level->layout->name);
    EXPECT_EQ(engine->currentLayout, engine->selectedLayout);
    EXPECT_EQ(level->layout, engine->layout);
    EXPECT_EQ(144u, level->tiles.size());

    stopAnimations();
    run("LAYOUT_PANEL");
    run("NEXT_LAYOUT");
    run("SELECT_LAYOUT");
    EXPECT_EQ("TwoTiles", level->layout->name);
    EXPECT_EQ(engine->layout, level->layout);
    EXPECT_EQ("layouts/two.lyt", level->layoutFile);
    EXPECT_EQ("layouts/two.lyt", *engine->currentLayout);
    EXPECT_EQ(2u, level->tiles.size());
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

TEST_F(PanelsTest, VolumeKnobStaysOnItsTravel)
{
    startBuiltin();
    addPanels();
    const float trackX = 0.2f, maxX = 0.425f;
    engine->volume = 0.95f;
    run("VOLUME_UP");
    EXPECT_FLOAT_EQ(1.0f, engine->volume);
    EXPECT_FLOAT_EQ(maxX, knobPos[0]);
    EXPECT_FLOAT_EQ(1.0f, engine->soundEngine->volume);
    engine->volume = 0.05f;
    run("VOLUME_DOWN");
    EXPECT_FLOAT_EQ(0.0f, engine->volume);
    EXPECT_FLOAT_EQ(trackX, knobPos[0]);

    // Dragged far right it stops at the end; back by 90 pixels it reads
    // half volume, and half volume is placed where the knob stands.
    engine->leftHeld = true;
    engine->mouseDownX = 100.0f;
    engine->renderEngine.mouseX = 1100;
    run("VOLUME_GRAB");
    EXPECT_EQ("VOLUME_GRAB", engine->action);
    EXPECT_FLOAT_EQ(maxX, knobPos[0]);
    EXPECT_FLOAT_EQ(1.0f, engine->volume);
    engine->renderEngine.mouseX = 1010;
    engine->processAction();
    EXPECT_NEAR(0.5f, engine->volume, 1e-5f);
    EXPECT_NEAR(0.5f, engine->soundEngine->volume, 1e-5f);
    const float dragged = knobPos[0];
    engine->placeVolumeKnob();
    EXPECT_NEAR(dragged, knobPos[0], 1e-6f);
    engine->leftHeld = false;
    engine->processAction();
    EXPECT_EQ("", engine->action);
}

TEST_F(PanelsTest, MusicShowsOneSwitchAndKeepsItsStream)
{
    startBuiltin();
    addPanels();
    ASSERT_TRUE(engine->soundEngine->deviceOpen);
    run("PLAY_MUSIC");
    EXPECT_TRUE(engine->playMusic);
    EXPECT_TRUE(shown("MusicOn"));
    EXPECT_FALSE(shown("MusicOff"));
    const int stream = engine->musicStream;
    EXPECT_NE(-1, stream);
    run("STOP_MUSIC");
    run("PLAY_MUSIC");
    EXPECT_EQ(stream, engine->musicStream);
    EXPECT_EQ(1u, engine->soundEngine->streams.size());
    run("STOP_MUSIC");
    EXPECT_FALSE(engine->playMusic);
    EXPECT_FALSE(shown("MusicOn"));
    EXPECT_TRUE(shown("MusicOff"));
    EXPECT_EQ("", engine->action);
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
    EXPECT_EQ(GS_NEW_PLAYER, engine->gameState);
    EXPECT_EQ("", engine->action);

    addPlayers(1);
    run("NEW_PLAYER_CANCELLED");
    EXPECT_FALSE(shown("MenuNewPlayer"));
    EXPECT_EQ(GS_PLAYING, engine->gameState);
    EXPECT_TRUE(activeItem("TopBar") && activeItem("MainMenuLeft"));

    // Opened from the player panel, it holds that panel too; the doors
    // stay out of the way of the player panel afterwards.
    run("PLAYER_PANEL");
    run("NEW_PLAYER");
    EXPECT_FALSE(activeItem("PlayerPanel"));
    run("NEW_PLAYER_CANCELLED");
    EXPECT_TRUE(shown("PlayerPanel") && activeItem("PlayerPanel") && activeItem("TopBar"));
    EXPECT_FALSE(activeItem("MainMenuLeft"));
}

TEST_F(PanelsTest, EnterAsksToAddAndEscapeCancelsOnlyWithAPlayer)
{
    startBuiltin();
    addPanels();
    run("NEW_PLAYER");
    tap(SDLK_b);
    EXPECT_EQ("b", box->label->text);
    tap(SDLK_ESCAPE);  // no player yet: the box empties, the panel stays
    EXPECT_TRUE(shown("MenuNewPlayer"));
    EXPECT_EQ(GS_NEW_PLAYER, engine->gameState);
    EXPECT_EQ("Enter Name Here", box->label->text);
    EXPECT_FALSE(box->escapePressed);
    tap(SDLK_RETURN);
    EXPECT_EQ("ADD_PLAYER", engine->action);
    EXPECT_FALSE(box->enterPressed);

    engine->action.clear();
    addPlayers(1);
    tap(SDLK_b);
    tap(SDLK_ESCAPE);
    EXPECT_FALSE(shown("MenuNewPlayer"));
    EXPECT_EQ(GS_PLAYING, engine->gameState);
    EXPECT_EQ("Enter Name Here", box->label->text);
    EXPECT_FALSE(box->escapePressed);
    tap(SDLK_h);  // keys go to the board again, not the box
    EXPECT_EQ("Enter Name Here", box->label->text);
}

TEST_F(PanelsTest, OneChooserOrPanelOpenAtATime)
{
    startBuiltin();
    addPanels();
    addPlayers(3);
    ++engine->currentPlayer;
    engine->labelPlayers(nullptr);
    engine->lastPlayerName = "P3";  // a row chosen but not confirmed before
    run("OPTIONS_PANEL");
    EXPECT_TRUE(shown("OptionsPanel"));
    run("PLAYER_PANEL");
    EXPECT_FALSE(shown("OptionsPanel"));
    EXPECT_TRUE(shown("PlayerPanel"));
    // The row of the player in play is blue, the others black.
    for (int row = 1; row <= 3; ++row)
        EXPECT_EQ(row == 2 ? 1.0f : 0.0f,
                  static_cast<MenuLabel*>(engine->menuItem("Player" + std::to_string(row)))->textColor[2]);
    EXPECT_EQ("P2", engine->lastPlayerName);
    run("LAYOUT_PANEL");
    EXPECT_FALSE(shown("PlayerPanel"));
    run("TILESET_PANEL");
    EXPECT_FALSE(shown("LayoutPanel"));
    EXPECT_TRUE(shown("TileSetPanel"));
    // The open panel lies over the doors: their buttons take no click.
    EXPECT_FALSE(activeItem("MainMenuLeft") || activeItem("MainMenuRight"));
    run("CLOSE_PANELS");
    EXPECT_FALSE(shown("TileSetPanel"));
    EXPECT_TRUE(activeItem("MainMenuLeft") && activeItem("MainMenuRight"));
    EXPECT_EQ("", engine->action);
}

TEST(ChooserFilesTest, BuiltInFirstThenFilesFoundSortedEachOnce)
{
    const std::string dir = JADELOOM_TEST_DATA "/game/layouts";
    const auto list = GameEngine::chooserFiles({"builtin.lyt", dir + "/two.lyt", "builtin.lyt"}, dir, ".lyt");
    const std::vector<std::string> expected = {
        "builtin.lyt", dir + "/two.lyt", dir + "/nogrid.lyt", dir + "/odd.lyt",
        dir + "/outside.lyt", dir + "/truncated.lyt", dir + "/unfinished.lyt"};
    EXPECT_EQ(expected, list);
    EXPECT_EQ(std::vector<std::string>{"builtin.lyt"},
              GameEngine::chooserFiles({"builtin.lyt"}, dir + "/missing", ".lyt"));
}

TEST(ChooserFilesTest, ConfigurationListsFilesOnDiskAndClampsTheVolume)
{
    WorkDir dir;
    std::filesystem::create_directories("Assets/Layouts/more");
    std::filesystem::create_directories("Assets/Tiles/Extra");
    for (const char* f : {"Assets/Layouts/b.lyt", "Assets/Layouts/more/a.lyt", "Assets/Layouts/turtle_demo.lyt",
                          "Assets/Layouts/notes.txt", "Assets/Tiles/Extra/x.tls"})
        std::ofstream(f) << "Name: X\n";
    for (const char* volume : {"25", "-3"}) {
        std::ofstream("jadeloom_demo.cfg") << "LastLayout: Assets/Layouts/b.lyt\nVolume: " << volume << "\n";
        GameEngine engine(new Renderer);
        engine.loadConfig();
        const std::vector<std::string> layouts = {Layout::builtinTurtleFile, "Assets/Layouts/b.lyt",
                                                  "Assets/Layouts/more/a.lyt"};
        EXPECT_EQ(layouts, engine.layoutFiles);
        const std::vector<std::string> sets = {TileSet::standardFile, TileSet::hiraganaFile,
                                               "Assets/Tiles/Extra/x.tls"};
        EXPECT_EQ(sets, engine.tileSetFiles);
        EXPECT_EQ("Assets/Layouts/b.lyt", *engine.currentLayout);
        EXPECT_EQ(volume[0] == '-' ? 0.0f : 1.0f, engine.volume) << volume;
    }
}
