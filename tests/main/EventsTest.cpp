#include <cstdlib>

#include "GameFixture.h"

// Events whose outcome is the camera, the window or the menu rather than the
// board (the board's own outcomes are rows of PlayOutcomeTest).
using EventsTest = GameTest;

TEST_F(EventsTest, CtrlDragLooksAroundAndSnapsBackOtherDragsMoveTheView)
{
    startBuiltin();
    Camera& cam = engine->renderEngine.camera;
    cam.resetCamera();
    const Vector3 eye = cam.eye, centre = cam.centre, up = cam.up;
    key(SDLK_LCTRL, true);
    button(SDL_BUTTON_RIGHT, true);
    motion(100, 100, 30, -20);
    EXPECT_GT(Vector3::Distance(cam.centre, centre), 0.01f);
    button(SDL_BUTTON_RIGHT, false);
    key(SDLK_LCTRL, false);
    EXPECT_EQ(eye, cam.eye);
    EXPECT_EQ(centre, cam.centre);
    EXPECT_EQ(up, cam.up);

    // A plain, a Shift and an Alt drag each move the eye.
    engine->renderEngine.windowWidth = 800;
    engine->renderEngine.windowHeight = 600;
    for (SDLKey modifier : {SDLK_UNKNOWN, SDLK_LSHIFT, SDLK_LALT}) {
        const Vector3 before = cam.eye;
        key(modifier, true);
        button(SDL_BUTTON_RIGHT, true, 800, 300);
        motion(400, 600, 10, 4);
        button(SDL_BUTTON_RIGHT, false);
        key(modifier, false);
        EXPECT_GT(Vector3::Distance(before, cam.eye), 0.01f) << modifier;
    }
    // A right release after play has ended still lets the pointer go.
    button(SDL_BUTTON_RIGHT, true);
    engine->gameState = GS_GAME_WON;
    button(SDL_BUTTON_RIGHT, false);
    EXPECT_FALSE(engine->rightDrag);
}

TEST_F(EventsTest, WheelZoomsAndShiftWheelWidensOnlyInPlay)
{
    startBuiltin();
    Camera& cam = engine->renderEngine.camera;
    cam.resetCamera();
    const float fov = cam.fovy, distance = cam.distance;
    key(SDLK_LSHIFT, true);
    button(SDL_BUTTON_WHEELUP, true);
    key(SDLK_LSHIFT, false);
    EXPECT_FLOAT_EQ(fov + 1.0f, cam.fovy);
    button(SDL_BUTTON_WHEELDOWN, true);
    EXPECT_GT(cam.distance, distance);
    engine->setGameState(GS_MAIN_MENU);
    const Vector3 eye = cam.eye;
    button(SDL_BUTTON_WHEELUP, true);
    EXPECT_EQ(eye, cam.eye);
}

TEST_F(EventsTest, MenuActionsFireOnReleaseAndLeaveAPendingOneAlone)
{
    startBuiltin();
    addMenu();
    MenuButton* hintButton = engine->menu->root->addButton("HintButton");
    hintButton->action = "HINT";
    button(SDL_BUTTON_LEFT, true);
    EXPECT_EQ("", engine->action);
    EXPECT_EQ(10001, renderer->cursor);
    button(SDL_BUTTON_LEFT, false);
    EXPECT_EQ("HINT", engine->action);
    EXPECT_EQ(10000, renderer->cursor);

    hintButton->active = false;
    engine->action = "GAME_WON_PANEL";
    click();
    EXPECT_EQ("GAME_WON_PANEL", engine->action);

    // The volume knob acts on press and follows the mouse while it is held.
    engine->menu->root->addButton("VolumeKnob")->action = "VOLUME_GRAB";
    button(SDL_BUTTON_LEFT, true);
    EXPECT_EQ("VOLUME_GRAB", engine->action);
    engine->processAction();
    EXPECT_EQ("VOLUME_GRAB", engine->action);
    button(SDL_BUTTON_LEFT, false);
    engine->processAction();
    EXPECT_EQ("", engine->action);
}

TEST_F(EventsTest, FullScreenKeyActionAndResizes)
{
    startBuiltin();
    addMenu();
    engine->renderEngine.windowWidth = 640;
    engine->renderEngine.windowHeight = 480;
    auto* box = static_cast<MenuCheckbox*>(engine->menuItem("FullscreenCheckbox"));
    tap(SDLK_f);
    EXPECT_TRUE(engine->renderEngine.fullscreen);
    EXPECT_FALSE(box->ticked);  // the key leaves the check box alone
    engine->checkEventQueue();  // the next frame: the mode may change again
    engine->action = "FULLSCREEN";
    engine->processAction();
    EXPECT_TRUE(box->ticked);
    engine->checkEventQueue();
    click();  // the event held is now a mouse event, which has no size
    engine->action = "FULLSCREEN";
    engine->processAction();
    EXPECT_FALSE(engine->renderEngine.fullscreen);
    box->ticked = true;
    click();
    engine->action = "FULLSCREEN";
    engine->processAction();  // windowed already: the window keeps its size
    EXPECT_EQ(-1, renderer->resizedW);
    EXPECT_FALSE(engine->renderEngine.fullscreen);
    SDL_Event e{};
    e.type = SDL_VIDEORESIZE;
    e.resize.w = 1024;
    e.resize.h = 700;
    send(e);
    EXPECT_EQ(1024, renderer->resizedW);
    EXPECT_EQ(700, renderer->resizedH);
}

TEST_F(EventsTest, TheQueueDeliversEventsInOrder)
{
    startBuiltin();
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    ASSERT_EQ(0, SDL_InitSubSystem(SDL_INIT_VIDEO));
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    for (SDLKey k : {SDLK_h, SDLK_RETURN}) {
        e.key.keysym.sym = k;
        ASSERT_EQ(0, SDL_PushEvent(&e));
    }
    e.type = SDL_QUIT;
    ASSERT_EQ(0, SDL_PushEvent(&e));
    engine->checkEventQueue();
    EXPECT_EQ(142, level->tilesLeft());
    EXPECT_TRUE(engine->done);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

TEST_F(EventsTest, WonPanelShowsNewBestsInBlue)
{
    startBuiltin();
    addMenu();
    for (const char* id : {"GameWonTime", "GameWonLayoutBestTime", "GameWonTilesetBestScore"})
        engine->menu->root->addLabel(id, "");
    engine->gameWonPanel(125, 9000, -1, 8000, 125, -1);
    EXPECT_EQ("02:05", labelText("GameWonTime"));
    auto* best = static_cast<MenuLabel*>(engine->menuItem("GameWonLayoutBestTime"));
    EXPECT_EQ("02:05", best->text);
    EXPECT_EQ(1.0f, best->textColor[2]);
    auto* other = static_cast<MenuLabel*>(engine->menuItem("GameWonTilesetBestScore"));
    EXPECT_EQ("8000", other->text);
    EXPECT_EQ(0.0f, other->textColor[2]);
}

TEST_F(EventsTest, ChangingTileSetAndLayoutWhileRunningDealsTheNewOnes)
{
    // Under the sanitizers this also shows the old set and layout freed once.
    startBuiltin();
    engine->tileSetFiles.push_back(TileSet::hiraganaFile);
    engine->selectedTileSet = engine->tileSetFiles.begin() + 1;
    engine->tileSet = new TileSet(&engine->renderEngine, engine->soundEngine, level);  // browsed
    engine->changeTileSet(new Layout(&engine->renderEngine, "layouts/odd.lyt"));
    EXPECT_EQ("Hiragana(Basic)", level->tileSet->name);
    EXPECT_EQ(engine->tileSet, level->tileSet);
    EXPECT_EQ(engine->layout, level->layout);
    ASSERT_EQ(2u, level->tiles.size());
    EXPECT_EQ(level->tiles, engine->renderEngine.boardTiles);
    for (Tile* t : level->tiles)
        EXPECT_TRUE(t->name.rfind("Japanese-", 0) == 0 || t->name.rfind("Romaji-", 0) == 0) << t->name;
    engine->selectedTileSet = engine->tileSetFiles.begin();
    engine->changeTileSet(new Layout(&engine->renderEngine, Layout::builtinTurtleFile));
    EXPECT_EQ(144, level->tilesLeft());
    EXPECT_EQ("Standard", level->tileSet->name);
}
