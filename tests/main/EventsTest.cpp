#include "GameFixture.h"

// Events whose outcome is the camera, the window or the menu rather than the
// board (the board's own outcomes are rows of PlayOutcomeTest).
using EventsTest = GameTest;

TEST_F(EventsTest, CtrlDragLooksAroundAndSnapsBack)
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

    // A right release after play has ended still lets the pointer go.
    button(SDL_BUTTON_RIGHT, true);
    engine->gameState = GS_GAME_WON;
    button(SDL_BUTTON_RIGHT, false);
    EXPECT_FALSE(engine->rightDrag);
}

TEST_F(EventsTest, MenuActionsFireOnRelease)
{
    startBuiltin();
    addMenu();
    engine->menu->root->addButton("HintButton")->action = "HINT";
    button(SDL_BUTTON_LEFT, true);
    EXPECT_EQ("", engine->action);
    button(SDL_BUTTON_LEFT, false);
    EXPECT_EQ("HINT", engine->action);
}

TEST_F(EventsTest, ChangingTileSetAndLayoutWhileRunningDealsTheNewOnes)
{
    // Under the sanitizers this also shows the old set and layout freed once.
    startBuiltin();
    engine->tileSetFiles.push_back(TileSet::hiraganaFile);
    engine->selectedTileSet = engine->tileSetFiles.begin() + 1;
    engine->browsedTileSet = std::make_unique<TileSet>(&engine->renderEngine, engine->soundEngine.get(), level);
    engine->tileSet = engine->browsedTileSet.get();
    engine->changeTileSet(new Layout(&engine->renderEngine, "layouts/odd.lyt"));
    EXPECT_EQ("Hiragana(Basic)", level->tileSet->name);
    EXPECT_EQ(engine->tileSet, level->tileSet.get());
    EXPECT_EQ(engine->layout, level->layout.get());
    ASSERT_EQ(2u, level->tiles.size());
    EXPECT_TRUE(engine->renderEngine.showsBoard(&level->tiles));
    for (Tile* t : pointers(level->tiles))
        EXPECT_TRUE(t->name.rfind("Japanese-", 0) == 0 || t->name.rfind("Romaji-", 0) == 0) << t->name;
    engine->selectedTileSet = engine->tileSetFiles.begin();
    engine->changeTileSet(new Layout(&engine->renderEngine, Layout::builtinTurtleFile));
    EXPECT_EQ(144, level->tilesLeft());
    EXPECT_EQ("Standard", level->tileSet->name);
}
