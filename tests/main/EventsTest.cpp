#include <cmath>

#include "GameFixture.h"

// Mouse and keyboard in play: the board, the camera and the pending action.
using EventsTest = GameTest;

TEST_F(EventsTest, HintKeyThenReturnClearsTwoTilesEachTime)
{
    startBuiltin();
    ASSERT_EQ(144, engine->tilesLeft);
    int expected = 144;
    for (int pair = 0; pair < 10; ++pair) {
        tap(SDLK_h);
        ASSERT_TRUE(level->hintShown);
        tap(SDLK_RETURN);
        EXPECT_FALSE(level->hintShown);
        // The bottom bar follows once the clearing animations have ended.
        engine->runFrame();
        EXPECT_EQ(expected, engine->tilesLeft);
        stopAnimations();
        engine->runFrame();
        expected -= 2;
        ASSERT_EQ(expected, engine->tilesLeft) << "pair " << pair;
        ASSERT_EQ(expected, level->tilesLeft());
    }
    // Keyboard hints are not counted; Return with no hint shown does nothing.
    EXPECT_EQ(0, engine->hintsUsed);
    tap(SDLK_RETURN);
    EXPECT_EQ(expected, level->tilesLeft());
    // Neither are keyboard undos, which leave the bottom bar alone.
    tap(SDLK_u);
    EXPECT_EQ(expected + 2, level->tilesLeft());
    EXPECT_EQ(expected, engine->tilesLeft);
    EXPECT_EQ(0, engine->undosUsed);
}

TEST_F(EventsTest, ClicksSelectAndMatchButNotWithAltOrShiftOrWithoutAPress)
{
    startBuiltin();
    auto [a, b] = freePair();
    ASSERT_TRUE(a && b);
    renderer->pick = a;

    // A release whose press happened elsewhere does nothing.
    button(SDL_BUTTON_LEFT, false);
    EXPECT_EQ(nullptr, level->selectedTile);
    EXPECT_EQ(10000, renderer->cursor);

    for (SDLKey modifier : {SDLK_LALT, SDLK_RSHIFT}) {
        key(modifier, true);
        click();
        key(modifier, false);
        EXPECT_EQ(nullptr, level->selectedTile);
        EXPECT_EQ(TILE_ON_BOARD, a->state);
    }

    button(SDL_BUTTON_LEFT, true);
    EXPECT_EQ(10001, renderer->cursor);
    EXPECT_TRUE(engine->leftHeld);
    button(SDL_BUTTON_LEFT, false);
    EXPECT_FALSE(engine->leftHeld);
    EXPECT_EQ(a, level->selectedTile);
    renderer->pick = b;
    click();
    EXPECT_EQ(TILE_CLEARED, a->state);
    EXPECT_EQ(TILE_CLEARED, b->state);
    // The click refreshes the bottom bar at once.
    EXPECT_EQ(142, engine->tilesLeft);
    EXPECT_EQ(level->score(), 2000 + 1000);
}

TEST_F(EventsTest, ClickOnNothingDeselectsAndDropsTheShownHint)
{
    startBuiltin();
    auto [a, b] = freePair();
    ASSERT_TRUE(a && b);
    renderer->pick = a;
    click();
    ASSERT_EQ(a, level->selectedTile);
    tap(SDLK_h);
    renderer->pick = nullptr;
    level->selectTile(a, true);
    ASSERT_TRUE(level->hintShown || !level->hintTiles.empty());
    click();
    EXPECT_EQ(nullptr, level->selectedTile);
    EXPECT_EQ(TILE_ON_BOARD, a->state);
    EXPECT_FALSE(level->hintShown);
    for (Tile* t : level->tiles)
        ASSERT_FALSE(t->hinted);
}

TEST_F(EventsTest, HoverMarksOnlyFreeTiles)
{
    startBuiltin();
    level->updateTilesFree();
    Tile* freeTile = level->freeTiles.front();
    Tile* blocked = nullptr;
    for (Tile* t : level->tiles)
        if (!t->free)
            blocked = t;
    ASSERT_TRUE(blocked);
    renderer->pick = freeTile;
    motion(20, 20, 1, 1);
    EXPECT_TRUE(freeTile->hover);
    EXPECT_EQ(freeTile, engine->hoverTile);
    renderer->pick = blocked;
    motion(30, 20, 1, 0);
    EXPECT_FALSE(freeTile->hover);
    EXPECT_FALSE(blocked->hover);
    EXPECT_EQ(blocked, engine->hoverTile);
    renderer->pick = nullptr;
    motion(40, 20, 1, 0);
    EXPECT_EQ(blocked, engine->hoverTile);  // kept, un-hovered
}

TEST_F(EventsTest, CameraDragsWheelAndCtrlSnapBack)
{
    startBuiltin();
    Camera& cam = engine->renderEngine.camera;
    cam.resetCamera();
    const Vector3 eye = cam.eye, centre = cam.centre, up = cam.up;

    // Ctrl + right drag looks around; letting go of Ctrl puts it back.
    key(SDLK_LCTRL, true);
    button(SDL_BUTTON_RIGHT, true);
    EXPECT_TRUE(engine->rightDrag);
    motion(100, 100, 30, -20);
    EXPECT_GT(Vector3::Distance(cam.centre, centre), 0.01f);
    button(SDL_BUTTON_RIGHT, false);
    EXPECT_FALSE(engine->rightDrag);
    key(SDLK_LCTRL, false);
    EXPECT_FALSE(engine->cameraSaved);
    EXPECT_EQ(0.0f, Vector3::Distance(cam.eye, eye));
    EXPECT_EQ(0.0f, Vector3::Distance(cam.centre, centre));
    EXPECT_EQ(0.0f, Vector3::Distance(cam.up, up));

    // A plain right drag orbits.
    const Vector3 angles = cam.angles;
    button(SDL_BUTTON_RIGHT, true);
    motion(100, 100, 10, 4);
    button(SDL_BUTTON_RIGHT, false);
    EXPECT_NEAR(std::fmod(angles.x - 2.0f, 360.0f), cam.angles.x, 1e-3);
    EXPECT_NEAR(std::fmod(angles.z + 5.0f, 360.0f), cam.angles.z, 1e-3);

    // Shift + right drag turns about the screen centre: a quarter turn of
    // the pointer about the centre of an 800 x 600 window.
    engine->renderEngine.windowWidth = 800;
    engine->renderEngine.windowHeight = 600;
    const float y0 = cam.angles.y;
    key(SDLK_LSHIFT, true);
    button(SDL_BUTTON_RIGHT, true, 800, 300);  // nx 1, ny 0
    motion(400, 600, 0, 0);                    // nx 0, ny 1
    button(SDL_BUTTON_RIGHT, false);
    key(SDLK_LSHIFT, false);
    const double turn = (std::atan2(-1.0, -0.0) - std::atan2(-0.0, -1.0)) * 57.17078;
    EXPECT_NEAR(std::fmod(y0 + static_cast<float>(turn), 360.0f), cam.angles.y, 1e-3);

    // The wheel zooms in play, and Shift + wheel changes the field of view.
    const float fov = cam.fovy;
    key(SDLK_LSHIFT, true);
    button(SDL_BUTTON_WHEELUP, true);
    key(SDLK_LSHIFT, false);
    EXPECT_FLOAT_EQ(fov + 1.0f, cam.fovy);
    const float distance = cam.distance;
    button(SDL_BUTTON_WHEELDOWN, true);
    EXPECT_GT(cam.distance, distance);
    // Outside play the wheel does nothing.
    engine->setGameState(GS_MAIN_MENU);
    const Vector3 eyeBefore = cam.eye;
    button(SDL_BUTTON_WHEELUP, true);
    EXPECT_EQ(0.0f, Vector3::Distance(eyeBefore, cam.eye));
}

TEST_F(EventsTest, RightReleaseOutOfPlayStillEndsTheDrag)
{
    startBuiltin();
    button(SDL_BUTTON_RIGHT, true);
    ASSERT_TRUE(engine->rightDrag);
    engine->gameState = GS_GAME_WON;
    button(SDL_BUTTON_RIGHT, false);
    EXPECT_FALSE(engine->rightDrag);
}

TEST_F(EventsTest, MenuActionsFireOnReleaseAndLeaveAPendingOneAlone)
{
    startBuiltin();
    addMenu();
    MenuButton* hintButton = engine->menu->root->addButton("HintButton");
    hintButton->action = "HINT";
    // A press does not fire the item's action.
    button(SDL_BUTTON_LEFT, true);
    EXPECT_EQ("", engine->action);
    button(SDL_BUTTON_LEFT, false);
    EXPECT_EQ("HINT", engine->action);
    engine->processAction();
    EXPECT_EQ(1, engine->hintsUsed);

    // A click over no item leaves an action that waits for its moment.
    hintButton->active = false;
    engine->action = "GAME_WON_PANEL";
    click();
    EXPECT_EQ("GAME_WON_PANEL", engine->action);

    // The volume knob is the one item that acts on press.
    MenuButton* knob = engine->menu->root->addButton("VolumeKnob");
    knob->action = "VOLUME_GRAB";
    button(SDL_BUTTON_LEFT, true);
    EXPECT_EQ("VOLUME_GRAB", engine->action);
    engine->processAction();
    EXPECT_EQ("VOLUME_GRAB", engine->action);  // follows the mouse while held
    button(SDL_BUTTON_LEFT, false);
    engine->action = "VOLUME_GRAB";
    engine->processAction();
    EXPECT_EQ("", engine->action);
}

TEST_F(EventsTest, FullScreenKeepsTheWindowSizeWhenNoSizeIsGiven)
{
    startBuiltin();
    addMenu();
    engine->renderEngine.windowWidth = 640;
    engine->renderEngine.windowHeight = 480;
    tap(SDLK_f);
    EXPECT_TRUE(engine->fullscreenWanted);
    EXPECT_TRUE(engine->renderEngine.fullscreen);
    // The key leaves the check box alone; the action flips it.
    auto* box = static_cast<MenuCheckbox*>(engine->menuItem("FullscreenCheckbox"));
    EXPECT_FALSE(box->ticked);
    engine->checkEventQueue();  // the next frame: the mode may change again
    engine->action = "FULLSCREEN";
    engine->processAction();  // ticked: on
    EXPECT_TRUE(box->ticked && box->toggled);
    engine->checkEventQueue();
    engine->action = "FULLSCREEN";
    click();  // the event now held is a mouse event
    engine->processAction();  // off again
    EXPECT_FALSE(box->ticked);
    EXPECT_FALSE(engine->renderEngine.fullscreen);
    EXPECT_EQ(-1, renderer->resizedW);
    // Windowed already: the window keeps the size it has, whatever a mouse
    // event holds.
    box->ticked = true;
    click();
    engine->action = "FULLSCREEN";
    engine->processAction();
    EXPECT_EQ(-1, renderer->resizedW);
    EXPECT_FALSE(engine->renderEngine.fullscreen);
    // A resize event gives its size.
    SDL_Event e{};
    e.type = SDL_VIDEORESIZE;
    e.resize.w = 1024;
    e.resize.h = 700;
    send(e);
    EXPECT_EQ(1024, renderer->resizedW);
    EXPECT_EQ(700, renderer->resizedH);
}

TEST_F(EventsTest, QuitRequestEndsTheLoop)
{
    startBuiltin();
    engine->action = "UNDO";
    SDL_Event e{};
    e.type = SDL_QUIT;
    send(e);
    EXPECT_TRUE(engine->done);
    EXPECT_EQ("", engine->action);
}

TEST_F(EventsTest, ReturnTakesOnlyAHintedPairThatIsStillFree)
{
    // The middle tile is blocked on both sides.
    startRow({"a", "a", "b"}, DIFFICULTY_ADVANCED);
    level->updateTilesFree();
    ASSERT_FALSE(level->isFree(level->tiles[1]));
    level->tiles[0]->hinted = level->tiles[1]->hinted = true;
    level->hintShown = true;
    tap(SDLK_RETURN);
    EXPECT_EQ(3, level->tilesLeft());
    level->tiles[2]->name = "a";  // now the two ends match and are free
    level->tiles[1]->hinted = false;
    level->tiles[2]->hinted = true;
    tap(SDLK_RETURN);
    EXPECT_EQ(1, level->tilesLeft());
}
