#include <filesystem>

#include "PlayersFixture.h"

using namespace playersfixture;

// Which of several wins is best is the statistics table's test; here, what
// a win takes from the game in play.
TEST_F(PlayersTest, AWinIsRecordedWithTheGamesClockPointsAndCounters)
{
    startBuiltin(DIFFICULTY_ADVANCED);
    addPlayerMenu();
    Player* p = add("Cy");
    p->saveLines = {"Time: 1"};
    engine->minutes = 6;
    engine->seconds = 40;
    level->matchPoints = {6000};
    engine->hintsUsed = 3;
    engine->shufflesUsed = 2;
    engine->undosUsed = 4;
    engine->updatePlayerStats();
    EXPECT_TRUE(p->saveLines.empty());
    EXPECT_EQ("GAME_WON_PANEL", engine->action);
    ASSERT_EQ(1u, p->layoutStats.size());
    const LayoutStats& ls = p->layoutStats[0];
    EXPECT_EQ("Turtle", ls.name);
    EXPECT_EQ(1u, ls.completed);
    EXPECT_EQ(400u, ls.time);
    EXPECT_EQ(6000u, ls.score);
    EXPECT_EQ(3u, ls.hints);
    EXPECT_EQ(2u, ls.shuffles);
    EXPECT_EQ(4u, ls.undos);
    ASSERT_EQ(1u, p->tileSetStats.size());
    EXPECT_EQ("Standard", p->tileSetStats[0].name);
    EXPECT_EQ("A", p->tileSetStats[0].grade);
    EXPECT_EQ(6000u, p->tileSetStats[0].score);
    EXPECT_EQ(std::vector<std::string>{"Assets/Rewards/luckycat.obj"}, p->rewards);
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

// Refused names are the panels test's; the longest name allowed is taken.
TEST_F(PlayersTest, TheFirstPlayerKeepsTheBoardDealtBefore)
{
    startBuiltin(DIFFICULTY_NORMAL);
    addPlayerMenu();
    Player* first = add(std::string(254, 'a'));
    ASSERT_NE(nullptr, first);
    EXPECT_EQ("", engine->action);  // no new deal
    EXPECT_EQ(first, engine->boardPlayer);
    EXPECT_EQ(GS_PLAYING, engine->gameState);
    EXPECT_EQ(first->name, labelText("Player1"));
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
    engine->confirmationFrame = [](GameEngine& e) { e.done = true; };
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
    for (const Tile* t : pointers(level->tiles))
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
