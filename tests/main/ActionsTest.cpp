#include <cstdlib>

#include "GameFixture.h"

// The action table and the event queue as SDL hands it over.
using ActionsTest = GameTest;

TEST_F(ActionsTest, UnknownAndNotYetHandledActionsAreTakenAndDropped)
{
    startBuiltin();
    for (const char* a : {"NO_SUCH_ACTION", "CHANGE_PLAYER11", "CHANGE_PLAYER0", "DELETE_PLAYER", "hint",
                          "CHANGE_PLAYER3", "ADD_PLAYER", "SELECT_PLAYER"}) {
        engine->action = a;
        engine->processAction();
        EXPECT_EQ("", engine->action) << a;
    }
    EXPECT_EQ(GS_PLAYING, engine->gameState);
    EXPECT_EQ(0, engine->hintsUsed);
    EXPECT_FALSE(engine->done);
    engine->action = "EXIT";
    engine->processAction();
    EXPECT_TRUE(engine->done);
    EXPECT_EQ("", engine->action);
}

TEST_F(ActionsTest, HighlightOptionFlipsWithOrWithoutItsCheckBox)
{
    startBuiltin();
    engine->action = "HIGHLIGHT_TILES";
    engine->processAction();
    EXPECT_TRUE(engine->showFreeTiles);
    addMenu();
    auto* box = static_cast<MenuCheckbox*>(engine->menuItem("HighlightTilesCheckbox"));
    engine->action = "HIGHLIGHT_TILES";
    engine->processAction();  // the box was clear: on
    EXPECT_TRUE(box->ticked && box->toggled && engine->showFreeTiles);
    engine->action = "HIGHLIGHT_TILES";
    engine->processAction();
    EXPECT_FALSE(box->ticked || box->toggled || engine->showFreeTiles);
    EXPECT_EQ("", engine->action);
}

TEST_F(ActionsTest, SlotItemsAreTheBoardsSlots)
{
    startBuiltin(DIFFICULTY_EASY);
    addMenu();
    engine->setDifficulty(0);
    auto [a, b] = freePair();
    renderer->pick = a;
    click();
    // The item shows the parked tile and is itself hidden.
    EXPECT_EQ(a, engine->slot1->tile);
    EXPECT_FALSE(engine->slot1->visible);
    EXPECT_TRUE(engine->slot2->visible);
    renderer->pick = b;
    click();  // matches the parked tile
    EXPECT_EQ(nullptr, engine->slot1->tile);
    EXPECT_TRUE(engine->slot1->visible);
    EXPECT_EQ(TILE_CLEARED, a->state);
}

TEST_F(ActionsTest, TheQueueDeliversEventsInOrder)
{
    startBuiltin();
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    ASSERT_EQ(0, SDL_InitSubSystem(SDL_INIT_VIDEO));
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.keysym.sym = SDLK_h;
    ASSERT_EQ(0, SDL_PushEvent(&e));
    e.type = SDL_KEYDOWN;
    e.key.keysym.sym = SDLK_RETURN;
    ASSERT_EQ(0, SDL_PushEvent(&e));
    e.type = SDL_QUIT;
    ASSERT_EQ(0, SDL_PushEvent(&e));
    engine->checkEventQueue();
    EXPECT_EQ(142, level->tilesLeft());
    EXPECT_TRUE(engine->done);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

TEST(MenuTree, LookupsHitTestsAndVisibilityTolerateMissingItems)
{
    RenderEngine re(new Renderer);
    re.windowWidth = 800;
    re.windowHeight = 600;
    Input input;
    Menu empty(&re, &input, "");
    EXPECT_EQ(nullptr, empty.getItemByID("TilesText"));
    EXPECT_EQ("", empty.getAction());
    empty.setActive("TopBar", false);
    empty.closePanels();
    empty.resizeMenu();

    Menu menu(&re, &input, "");
    menu.root = new MenuRect("Root", &re, &input, nullptr);
    MenuItem* panel = menu.root->addRect("OptionsPanel");
    MenuButton* ok = panel->addButton("Ok");
    ok->action = "GAMEWON_OK";
    ok->width = 100;
    ok->height = 20;
    ok->x = 50;
    ok->y = 40;
    MenuButton* hidden = panel->addButton("Hidden");
    hidden->action = "EXIT";
    hidden->setVisibility(false);
    menu.root->addRect("Ok");  // the same ID again, later in the tree

    EXPECT_EQ(ok, menu.getItemByID("Ok"));
    menu.root->checkMouseInside(150, 60);  // edges count
    EXPECT_EQ("GAMEWON_OK", menu.getAction());
    menu.root->setClick(true);
    EXPECT_TRUE(ok->clicked);
    menu.root->checkMouseInside(151, 60);
    EXPECT_FALSE(ok->inside || ok->clicked);
    EXPECT_EQ("", menu.getAction());
    // An action on the panel would win over its buttons'.
    panel->action = "OPTIONS_PANEL";
    menu.root->checkMouseInside(60, 50);
    EXPECT_EQ("OPTIONS_PANEL", menu.getAction());
    panel->action.clear();
    menu.setActive("Ok", false);
    menu.root->checkMouseInside(60, 50);
    EXPECT_EQ("", menu.getAction());
    menu.setActive("Ok", true);

    // Closing the panel hides its children; opening it again keeps the
    // individually hidden one hidden.
    menu.closePanels();
    EXPECT_FALSE(panel->visible);
    EXPECT_FALSE(ok->parentVisible);
    menu.root->checkMouseInside(60, 50);
    EXPECT_EQ("", menu.getAction());
    panel->setVisibility(true);
    EXPECT_TRUE(ok->parentVisible && ok->visible);
    EXPECT_FALSE(hidden->visible);
}

TEST(MenuTree, LabelsKeepTheirTextWithoutAFont)
{
    RenderEngine re(new Renderer);
    Input input;
    MenuLabel label("ScoreText", "0", &re, &input, nullptr);
    label.changeText("1500");
    EXPECT_EQ("1500", label.text);
    label.highlightText(true);
    EXPECT_EQ(1.0f, label.textColor[2]);
    label.highlightText(false);
    EXPECT_EQ(0.0f, label.textColor[2]);
}
