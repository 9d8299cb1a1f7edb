#include "GameFixture.h"

// New game, restart, undo, hint, shuffle, difficulty, the bottom bar and the
// end-of-game sequence.
using GameControlTest = GameTest;

namespace {
std::vector<Point> positions(const Level& level)
{
    std::vector<Point> out;
    for (const Tile* t : level.tiles)
        out.emplace_back(static_cast<int>(t->gridPosition.x), static_cast<int>(t->gridPosition.y),
                         static_cast<int>(t->gridPosition.z));
    return out;
}
}

TEST_F(GameControlTest, DifficultyWrapsClampsAndRestartsTheDeal)
{
    startBuiltin(DIFFICULTY_NORMAL);
    addMenu();
    engine->setDifficulty(0);
    EXPECT_EQ("Normal", labelText("DifficultyText"));
    EXPECT_TRUE(level->slots[0]->enabled);
    EXPECT_FALSE(level->slots[1]->enabled);
    EXPECT_FALSE(engine->slot2->visible);
    EXPECT_EQ(1000, level->basePoints);

    const std::vector<Point> dealt = positions(*level);
    auto [a, b] = freePair();
    level->clearTiles(a, b);
    engine->hintsUsed = 3;
    engine->minutes = 4;

    engine->action = "DIFFICULTY_NEXT";
    engine->processAction();
    EXPECT_EQ(DIFFICULTY_ADVANCED, engine->difficulty);
    EXPECT_EQ("Advanced", labelText("DifficultyText"));
    EXPECT_EQ(2000, level->basePoints);
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(level->slots[i]->enabled);
    // The same deal from its start, with the counters and clock at zero.
    EXPECT_EQ(144, level->tilesLeft());
    EXPECT_EQ(dealt, positions(*level));
    EXPECT_EQ(0, engine->hintsUsed);
    EXPECT_EQ("00:00", engine->timeText);
    EXPECT_EQ("", engine->action);

    engine->action = "DIFFICULTY_NEXT";  // at the top: stays, still restarts
    engine->processAction();
    EXPECT_EQ(DIFFICULTY_ADVANCED, engine->difficulty);
    engine->action = "DIFFICULTY_CHANGE";  // wraps round
    engine->processAction();
    EXPECT_EQ(DIFFICULTY_EASY, engine->difficulty);
    EXPECT_EQ(750, level->basePoints);
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(level->slots[i]->enabled && engine->menu->getItemByID("Slot" + std::to_string(i + 1))->visible);
    level->clearTiles(freePair().first, freePair().second);
    engine->action = "DIFFICULTY_PREV";  // at the bottom: stays, restarts
    engine->processAction();
    EXPECT_EQ(DIFFICULTY_EASY, engine->difficulty);
    EXPECT_EQ(144, level->tilesLeft());
}

TEST_F(GameControlTest, RestartKeepsClockAndCountersAndUndoCounts)
{
    startBuiltin();
    addMenu();
    auto [a, b] = freePair();
    renderer->pick = a;
    click();
    renderer->pick = b;
    click();
    ASSERT_EQ(142, engine->tilesLeft);
    EXPECT_EQ("142", labelText("TilesText"));
    EXPECT_EQ("3000", labelText("ScoreText"));

    engine->action = "UNDO";
    engine->setGameState(GS_MAIN_MENU);
    engine->processAction();
    EXPECT_EQ("UNDO", engine->action);  // waits for play
    engine->setGameState(GS_PLAYING);
    engine->processAction();
    EXPECT_EQ("", engine->action);
    EXPECT_EQ(1, engine->undosUsed);
    EXPECT_EQ(144, engine->tilesLeft);
    EXPECT_EQ("0", labelText("ScoreText"));
    engine->action = "UNDO";  // nothing left to undo: not counted
    engine->processAction();
    EXPECT_EQ(1, engine->undosUsed);

    level->clearTiles(a, b);
    engine->hintsUsed = 2;
    engine->shufflesUsed = 1;
    engine->minutes = 3;
    engine->seconds = 7;
    engine->action = "RESTART";
    engine->processAction();
    EXPECT_EQ(144, engine->tilesLeft);
    EXPECT_EQ(2, engine->hintsUsed);
    EXPECT_EQ(1, engine->shufflesUsed);
    EXPECT_EQ(1, engine->undosUsed);
    EXPECT_EQ(3, engine->minutes);
    EXPECT_EQ(7, engine->seconds);
}

TEST_F(GameControlTest, HintActionCountsOnlyAFoundHintAndOnlyInPlay)
{
    startRow({"a", "b", "c"}, DIFFICULTY_ADVANCED);
    engine->action = "HINT";
    engine->processAction();
    EXPECT_EQ(0, engine->hintsUsed);
    EXPECT_EQ("", engine->action);
    delete engine->level;
    startBuiltin();
    engine->setGameState(GS_MAIN_MENU);
    engine->action = "HINT";
    engine->processAction();  // dropped outside play
    EXPECT_EQ(0, engine->hintsUsed);
    EXPECT_EQ("", engine->action);
    engine->setGameState(GS_PLAYING);
    engine->action = "HINT";
    engine->processAction();
    EXPECT_EQ(1, engine->hintsUsed);
    EXPECT_TRUE(level->hintShown);
}

TEST_F(GameControlTest, NoMovesPanelOnlyWhenNoSlotIsFree)
{
    startRow({"a", "b", "c", "d"}, DIFFICULTY_NORMAL);
    addMenu();
    engine->updateBottomText();
    EXPECT_EQ(0, engine->movesLeft);
    EXPECT_EQ(4, engine->tilesLeft);
    EXPECT_EQ("", engine->action);  // Slot1 is free

    engine->difficulty = DIFFICULTY_ADVANCED;
    engine->setDifficulty(0);
    engine->updateBottomText();
    EXPECT_EQ("NOMOVES_LEFT", engine->action);
    engine->processAction();
    EXPECT_TRUE(engine->menuItem("NoMovesPanel")->visible);
    EXPECT_FALSE(engine->menuItem("TopBar")->active);
    EXPECT_EQ(GS_PLAYING, engine->gameState);
    engine->action = "CLOSE_NOMOVES";
    engine->processAction();
    EXPECT_FALSE(engine->menuItem("NoMovesPanel")->visible);
    EXPECT_TRUE(engine->menuItem("TopBar")->active);
}

TEST_F(GameControlTest, WinningRunsTheWonSequenceOnceThenANewGame)
{
    startBuiltin();
    addMenu();
    const int before = engine->prevGameState;
    const std::vector<Tile*> order = level->solution;
    ASSERT_EQ(144u, order.size());
    for (size_t i = 0; i + 1 < order.size(); i += 2)
        level->clearTiles(order[i], order[i + 1]);
    engine->updateBottomText();
    EXPECT_EQ(GS_GAME_WON, engine->gameState);
    EXPECT_EQ(before, engine->prevGameState);
    EXPECT_TRUE(engine->gameWonShown);
    EXPECT_EQ("0", labelText("TilesText"));
    EXPECT_EQ("GAME_WON_PANEL", engine->action);
    EXPECT_FALSE(engine->menuItem("TopBar")->active);

    // Repeated refreshes keep the texts and do not run the sequence again.
    engine->action.clear();
    engine->tilesText->changeText("kept");
    engine->updateBottomText();
    EXPECT_EQ("", engine->action);
    EXPECT_EQ("kept", labelText("TilesText"));

    // The panel waits for the board's animations.
    engine->action = "GAME_WON_PANEL";
    engine->processAction();
    EXPECT_EQ("GAME_WON_PANEL", engine->action);
    EXPECT_FALSE(engine->menuItem("GameWonPanel")->visible);
    stopAnimations();
    engine->processAction();
    EXPECT_EQ("", engine->action);
    EXPECT_TRUE(engine->menuItem("GameWonPanel")->visible);

    engine->action = "GAMEWON_OK";
    engine->processAction();
    EXPECT_EQ(GS_PLAYING, engine->gameState);
    EXPECT_FALSE(engine->menuItem("GameWonPanel")->visible);
    EXPECT_TRUE(engine->menuItem("TopBar")->active);
    EXPECT_EQ("NEW_GAME", engine->action);
    engine->processAction();
    EXPECT_EQ(144, engine->tilesLeft);
    EXPECT_FALSE(engine->gameWonShown);
}

TEST_F(GameControlTest, ABoardThatCouldNotBeDealtIsNotWon)
{
    startRow({}, DIFFICULTY_ADVANCED);
    engine->updateBottomText();
    EXPECT_EQ(GS_PLAYING, engine->gameState);
    EXPECT_FALSE(engine->gameWonShown);
    EXPECT_EQ("", engine->action);
}

TEST_F(GameControlTest, WonPanelShowsNewBestsInBlue)
{
    startRow({"a", "a"}, DIFFICULTY_ADVANCED);
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

TEST_F(GameControlTest, NewGameWaitsForAnimationsAndDealsTheSameBoard)
{
    startBuiltin();
    addMenu();
    const std::vector<Point> dealt = positions(*level);
    auto [a, b] = freePair();
    level->clearTiles(a, b);  // clearing animations now run
    engine->hintsUsed = 4;
    engine->minutes = 2;
    Tile* oldTile = level->tiles.front();
    engine->hoverTile = oldTile;

    engine->action = "NEW_GAME";
    engine->processAction();
    EXPECT_EQ("NEW_GAME", engine->action);  // deferred, nothing half done
    EXPECT_EQ(oldTile, level->tiles.front());
    EXPECT_EQ(142, level->tilesLeft());

    stopAnimations();
    engine->processAction();
    EXPECT_EQ("", engine->action);
    EXPECT_EQ(144, engine->tilesLeft);
    EXPECT_EQ(0, engine->hintsUsed);
    EXPECT_EQ("00:00", engine->timeText);
    EXPECT_EQ(nullptr, engine->hoverTile);
    EXPECT_EQ(level->tiles, engine->renderEngine.boardTiles);
    EXPECT_EQ(dealt, positions(*level));  // seed 42: the same deal again

    // From the main menu a new game opens the doors.
    stopAnimations();
    engine->setGameState(GS_MAIN_MENU);
    engine->action = "SELECT_TILESET";
    engine->processAction();
    EXPECT_EQ(GS_PLAYING, engine->gameState);
    EXPECT_EQ(GS_MAIN_MENU, engine->prevGameState);
    EXPECT_EQ("MENU_OPEN_DOORS", engine->action);
    EXPECT_EQ(144, level->tilesLeft());
}

TEST_F(GameControlTest, ShuffleRearrangesTheLiveTilesAndCounts)
{
    startBuiltin(DIFFICULTY_NORMAL);
    addMenu();
    auto [a, b] = freePair();
    level->clearTiles(a, b);
    auto [c, d] = freePair();
    renderer->pick = c;
    click();  // parked in Slot1
    ASSERT_EQ(c, engine->slot1->tile);
    const std::vector<Point> before = positions(*level);

    engine->action = "SHUFFLE";
    engine->processAction();
    EXPECT_EQ(1, engine->shufflesUsed);
    EXPECT_EQ("", engine->action);
    EXPECT_NE(before, positions(*level));
    // Cleared tiles stay where they were; the parked one is back on the board.
    EXPECT_EQ(TILE_CLEARED, a->state);
    EXPECT_EQ(TILE_CLEARED, b->state);
    EXPECT_EQ(TILE_ON_BOARD, c->state);
    EXPECT_EQ(nullptr, engine->slot1->tile);
    EXPECT_TRUE(engine->slot1->visible);
    EXPECT_EQ(142, engine->tilesLeft);
    EXPECT_GT(engine->movesLeft, 0);

    // The result can be cleared to the end in the order it was made in.
    ASSERT_EQ(142u, level->solution.size());
    for (size_t i = 0; i + 1 < level->solution.size(); i += 2) {
        Tile* p = level->solution[i];
        Tile* q = level->solution[i + 1];
        ASSERT_TRUE(level->isFree(p) && level->isFree(q) && (q->match(p) || p->match(q))) << i;
        level->clearTiles(p, q);
    }
    EXPECT_EQ(0, level->tilesLeft());
}
