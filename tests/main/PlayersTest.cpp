#include <filesystem>

#include "PlayersFixture.h"

using namespace playersfixture;

TEST_F(PlayersTest, FileWrittenAtExitReadsBackIntoTheSameGameTheSameBytesAndUndoGoesOn)
{
    startBuiltin(DIFFICULTY_EASY);
    addPlayerMenu();
    Player* bo = add("Bo  Chen");
    add("Ann Lee");  // Bo's game is stored; Ann is current and gets a new deal
    EXPECT_EQ("NEW_GAME", engine->action);
    stopAnimations();
    engine->processAction();
    EXPECT_EQ(engine->activePlayer(), engine->boardPlayer);
    playSomeMoves();
    engine->activePlayer()->rewards.push_back("Assets/Rewards/luckycat.obj");
    bo->highlightFreeTiles = true;
    bo->layoutStats.emplace_back();
    bo->layoutStats.back().name = "Turtle";
    bo->layoutStats.back().firstWin(300, 5000, 1, 0, 2);
    const std::vector<std::string> before = look(*level);

    std::string firstFile;
    {
        WorkDir dir;
        std::filesystem::create_directories("Assets/Players");
        ASSERT_TRUE(engine->savePlayerFile());
        firstFile = WorkDir::read(PlayerFile::path);
    }
    // The current player's block is the live board, indented as the live
    // writer does.
    EXPECT_NE(std::string::npos, firstFile.find("\n\t\t<TileStates0>\n\t\t\t"));

    // The next start: the same players, Ann current with her board.
    GameEngine& e = *engine;
    for (Player* p : e.players)
        delete p;
    e.players.clear();
    e.boardPlayer = nullptr;
    e.lastPlayerName = "Ann Lee";
    level->restart();
    {
        WorkDir dir;
        std::filesystem::create_directories("Assets/Players");
        WorkDir::write(PlayerFile::path, firstFile);
        e.loadPlayerFile();
    }
    ASSERT_EQ(2u, e.players.size());
    ASSERT_NE(nullptr, e.activePlayer());
    EXPECT_EQ("Ann Lee", e.activePlayer()->name);
    EXPECT_TRUE(e.players[0]->highlightFreeTiles);
    ASSERT_EQ(1u, e.players[0]->layoutStats.size());
    EXPECT_EQ(5000u, e.players[0]->layoutStats[0].score);
    ASSERT_TRUE(e.loadSavedGame());
    EXPECT_EQ(before, look(*level));
    {
        WorkDir dir;
        std::filesystem::create_directories("Assets/Players");
        ASSERT_TRUE(e.savePlayerFile());
        EXPECT_EQ(firstFile, WorkDir::read(PlayerFile::path));
    }
    // Undo takes back the last move made before saving, the parking, and
    // then the second match.
    e.undo();
    EXPECT_EQ(nullptr, level->slots[0]->tile);
    e.undo();
    EXPECT_EQ(142, level->tilesLeft());
}

TEST_F(PlayersTest, StatisticsKeepTheBestOfSeveralWinsAndTheRewardOnce)
{
    startBuiltin(DIFFICULTY_ADVANCED);
    addPlayerMenu();
    Player* p = add("Cy");
    struct Win {
        int seconds, points, hints, shuffles, undos;
    };
    // Each best comes from a different game, never the first.
    for (Win w : {Win{300, 5000, 3, 2, 4}, Win{400, 6000, 0, 3, 5}, Win{200, 100, 5, 1, 6},
                  Win{500, 200, 4, 4, 1}}) {
        p->saveLines = {"Time: 1"};
        engine->minutes = w.seconds / 60;
        engine->seconds = w.seconds % 60;
        level->matchPoints = {w.points};
        engine->hintsUsed = w.hints;
        engine->shufflesUsed = w.shuffles;
        engine->undosUsed = w.undos;
        engine->updatePlayerStats();
        EXPECT_TRUE(p->saveLines.empty());
        EXPECT_EQ("GAME_WON_PANEL", engine->action);
    }
    ASSERT_EQ(1u, p->layoutStats.size());
    const LayoutStats& ls = p->layoutStats[0];
    EXPECT_EQ("Turtle", ls.name);
    EXPECT_EQ(4u, ls.completed);
    EXPECT_EQ(200u, ls.time);
    EXPECT_EQ(6000u, ls.score);
    EXPECT_EQ(0u, ls.hints);
    EXPECT_EQ(1u, ls.shuffles);
    EXPECT_EQ(1u, ls.undos);
    ASSERT_EQ(1u, p->tileSetStats.size());
    EXPECT_EQ("Standard", p->tileSetStats[0].name);
    EXPECT_EQ("A", p->tileSetStats[0].grade);
    EXPECT_EQ(6000u, p->tileSetStats[0].score);
    EXPECT_EQ(std::vector<std::string>{"Assets/Rewards/luckycat.obj"}, p->rewards);
}

TEST_F(PlayersTest, NothingToResumeRequestsANewGameAndKeepsTheBoard)
{
    startBuiltin(DIFFICULTY_NORMAL);
    addPlayerMenu();
    Player* p = add("Di");
    const std::vector<Tile*> tiles = level->tiles;
    const std::string layoutLine = std::string("Layout: ") + Layout::builtinTurtleFile;
    const std::vector<std::vector<std::string>> blocks = {
        {"Time: 5", layoutLine, "<Tiles>", "Dot1 0 0 0", "</Tiles>"},          // no snapshot
        {"Layout: Assets/Layouts/elsewhere.lyt", "<TileStates0>", "</TileStates>"},  // unknown layout
        {layoutLine, "<Tiles>", "Bamboo1 500 0 0", "</Tiles>", "<TileStates0>", "</TileStates>"},  // off the grid
    };
    for (const auto& lines : blocks) {
        p->saveLines = lines;
        engine->action.clear();
        EXPECT_FALSE(engine->loadSavedGame()) << lines[1];
        EXPECT_EQ("NEW_GAME", engine->action);
        EXPECT_EQ(tiles, level->tiles);
    }
}

TEST_F(PlayersTest, WonBoardIsNeverStoredToResume)
{
    startBuiltin(DIFFICULTY_ADVANCED);
    addPlayerMenu();
    Player* p = add("Ed");
    engine->gameState = GS_GAME_WON;
    engine->gameWonShown = true;
    std::ostringstream out;
    engine->saveGame(out);
    EXPECT_EQ("\n\t<Save>\n\t</Save>", out.str());
    p->saveLines = {"stale"};
    engine->createSaveData();
    EXPECT_TRUE(p->saveLines.empty());
}

TEST_F(PlayersTest, AddingRejectsBadNamesAndTheFirstPlayerKeepsTheBoard)
{
    startBuiltin(DIFFICULTY_NORMAL);
    addPlayerMenu();
    engine->setGameState(GS_NEW_PLAYER);
    for (const std::string& bad : {std::string(), std::string("Enter Name Here"), std::string("   "),
                                   std::string(255, 'x')}) {
        EXPECT_EQ(nullptr, add(bad));
        EXPECT_EQ(GS_NEW_PLAYER, engine->gameState);
        EXPECT_EQ("Enter Name Here", labelText("TextBoxText"));
    }
    Player* first = add(std::string(254, 'a'));
    ASSERT_NE(nullptr, first);
    EXPECT_EQ("", engine->action);  // the board dealt before is the first player's game
    EXPECT_EQ(first, engine->boardPlayer);
    EXPECT_EQ(GS_PLAYING, engine->gameState);
    EXPECT_EQ(first->name, labelText("Player1"));
    add(first->name);
    EXPECT_EQ(1u, engine->players.size());
}

TEST_F(PlayersTest, SwitchingPlayersGivesEachTheirOwnGame)
{
    startBuiltin(DIFFICULTY_NORMAL);
    addPlayerMenu();
    add("Ann");
    playSomeMoves();
    const std::vector<std::string> annBoard = look(*level);
    add("Bo");
    stopAnimations();
    engine->processAction();  // Bo's new deal
    EXPECT_EQ(144, level->tilesLeft());

    engine->action = "CHANGE_PLAYER1";
    engine->processAction();
    EXPECT_EQ("Ann", engine->lastPlayerName);
    EXPECT_EQ("Bo", engine->activePlayer()->name);  // not before it is confirmed
    engine->action = "SELECT_PLAYER";
    engine->processAction();
    EXPECT_EQ("Ann", engine->activePlayer()->name);
    EXPECT_EQ(annBoard, look(*level));
    EXPECT_FALSE(engine->findPlayer("Bo")->saveLines.empty());
}

TEST_F(PlayersTest, DeletingAsksFirstAndNeverMovesABoardToAnotherPlayer)
{
    startBuiltin(DIFFICULTY_NORMAL);
    addPlayerMenu();
    engine->confirmationFrame = &answerYes;
    Player* ann = add("Ann");
    const std::vector<std::string> annBoard = look(*level);
    engine->action = "DELETE_PLAYER1";
    engine->processAction();
    EXPECT_EQ(1u, engine->players.size());  // the last player stays

    add("Bo");
    stopAnimations();
    engine->processAction();
    playSomeMoves();  // Bo's game on screen
    add("Cy");
    stopAnimations();
    engine->processAction();
    engine->action = "CHANGE_PLAYER1";  // Ann chosen, not confirmed
    engine->processAction();

    // Closing the window during the question deletes nobody.
    engine->confirmationFrame = &closeWindow;
    engine->action = "DELETE_PLAYER2";
    engine->processAction();
    EXPECT_EQ(3u, engine->players.size());
    engine->done = false;

    engine->confirmationFrame = &answerYes;
    engine->action = "DELETE_PLAYER2";  // Bo
    engine->processAction();
    ASSERT_EQ(2u, engine->players.size());
    EXPECT_EQ("Cy", engine->activePlayer()->name);  // the player in play stays so

    engine->action = "DELETE_PLAYER2";  // Cy, the current player
    engine->processAction();
    ASSERT_EQ(1u, engine->players.size());
    EXPECT_EQ(ann, engine->activePlayer());
    EXPECT_EQ(annBoard, look(*level));  // her own game, not Cy's board
}

TEST_F(PlayersTest, FailedSaveKeepsTheOldFilesAndSaysSo)
{
    startBuiltin(DIFFICULTY_NORMAL);
    addPlayerMenu();
    add("Ann");
    WorkDir dir;
    std::filesystem::create_directories("Assets/Players");
    WorkDir::write(PlayerFile::path, "<Player>\n\tName: Old\n</Player>");
    WorkDir::write("jadeloom_demo.cfg", "LastPlayer: Old");
    // The temporary files cannot be made: the same as a read-only folder.
    std::filesystem::create_directory(std::string(PlayerFile::path) + ".tmp");
    std::filesystem::create_directory("jadeloom_demo.cfg.tmp");
    EXPECT_FALSE(engine->savePlayerFile());
    engine->saveConfig();
    EXPECT_EQ("<Player>\n\tName: Old\n</Player>", WorkDir::read(PlayerFile::path));
    EXPECT_EQ("LastPlayer: Old", WorkDir::read("jadeloom_demo.cfg"));
    EXPECT_EQ(1, dir.count(std::string("Could not save ") + PlayerFile::path));
    EXPECT_EQ(1, dir.count("Could not save jadeloom_demo.cfg"));

    // Once it can be written, the current player is the one remembered.
    std::filesystem::remove("jadeloom_demo.cfg.tmp");
    engine->lastPlayerName = "Someone chosen";
    engine->saveConfig();
    EXPECT_NE(std::string::npos, WorkDir::read("jadeloom_demo.cfg").find("LastPlayer: Ann\n"));
}

TEST_F(PlayersTest, GameSavedAfterAShuffleComesBackAsShownAndUndoesAlike)
{
    startBuiltin(DIFFICULTY_NORMAL);
    addPlayerMenu();
    Player* p = add("Gil");
    playSomeMoves();
    engine->action = "SHUFFLE";
    engine->processAction();
    ASSERT_EQ(1, engine->shufflesUsed);
    const std::vector<std::string> shown = look(*level);
    engine->createSaveData();
    ASSERT_FALSE(p->saveLines.empty());
    engine->undo();
    const std::vector<std::string> undoneLive = look(*level);

    ASSERT_TRUE(engine->loadSavedGame());
    EXPECT_EQ(shown, look(*level));
    EXPECT_EQ(1, engine->shufflesUsed);
    engine->undo();
    EXPECT_EQ(undoneLive, look(*level));

    // Restart after a further shuffle puts the tiles back where they were saved.
    std::vector<Vector3> places;
    for (const Tile* t : level->tiles)
        places.push_back(t->gridPosition);
    engine->action = "SHUFFLE";
    engine->processAction();
    engine->action = "RESTART";
    engine->processAction();
    for (size_t i = 0; i < places.size(); ++i)
        EXPECT_EQ(places[i], level->tiles[i]->gridPosition) << i;
}

TEST_F(PlayersTest, AChosenDealIsSavedResumedRestartedAndDealtAgainByItsNumber)
{
    startBuiltin(DIFFICULTY_NORMAL);
    addPlayerMenu();
    Player* p = add("Dee");
    auto run = [this](const char* a) {
        stopAnimations();
        engine->action = a;
        engine->processAction();
    };
    auto seedLine = [p] {
        for (const std::string& line : p->saveLines)
            if (line.find("RandomSeed:") != std::string::npos)
                return line.substr(line.find("RandomSeed:"));
        return std::string();
    };
    const std::vector<std::string> standard = look(*level);
    for (const char* a : {"LAYOUT_PANEL", "DEAL_PREV", "DEAL_PREV", "SELECT_LAYOUT"})
        run(a);
    EXPECT_EQ(40u, level->randomSeed);
    const std::vector<std::string> dealt = look(*level);
    EXPECT_NE(standard, dealt);
    playSomeMoves();
    engine->createSaveData();
    EXPECT_EQ("RandomSeed: 40", seedLine());

    // The standard deal again through the chooser, then the saved game.
    for (const char* a : {"LAYOUT_PANEL", "DEAL_NEXT", "DEAL_NEXT", "SELECT_LAYOUT"})
        run(a);
    EXPECT_EQ(standard, look(*level));
    ASSERT_TRUE(engine->loadSavedGame());
    EXPECT_EQ(40u, level->randomSeed);
    engine->createSaveData();
    EXPECT_EQ("RandomSeed: 40", seedLine());
    run("RESTART");
    EXPECT_EQ(dealt, look(*level));
    run("NEW_GAME");
    EXPECT_EQ(dealt, look(*level));
}
