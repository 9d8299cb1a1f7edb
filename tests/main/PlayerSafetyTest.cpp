#include <filesystem>

#include "PlayersFixture.h"

using namespace playersfixture;

// What players must never lose: the game, the file, their wins; and a saved
// game that is refused changes nothing.
class PlayerSafetyTest : public PlayersTest {
protected:
    // A working directory of its own, where the player file can be written.
    std::unique_ptr<WorkDir> scratch;
    void writable()
    {
        scratch = std::make_unique<WorkDir>();
        std::filesystem::create_directories("Assets/Players");
    }
    std::string file() { return WorkDir::read(PlayerFile::path); }
    void TearDown() override
    {
        PlayersTest::TearDown();
        scratch.reset();
    }
};

TEST_F(PlayerSafetyTest, DeletingWorksWithNobodyCurrentAndEveryChangeIsWrittenAtOnce)
{
    startBuiltin(DIFFICULTY_NORMAL);
    addPlayerMenu();
    writable();
    // Players listed, but the settings name none of them.
    WorkDir::write(PlayerFile::path, "<Player>\n\tName: Ann\n</Player>\n<Player>\n\tName: Bo\n</Player>\n"
                                     "<Player>\n\tName: Cy\n</Player>");
    engine->lastPlayerName = "Zed";
    engine->loadPlayerFile();
    engine->labelPlayers(nullptr);
    ASSERT_EQ(nullptr, engine->activePlayer());
    engine->confirmationFrame = &answerYes;
    engine->action = "DELETE_PLAYER2";
    engine->processAction();
    ASSERT_EQ(2u, engine->players.size());
    EXPECT_EQ(nullptr, engine->activePlayer());
    EXPECT_EQ(std::string::npos, file().find("Bo"));  // written without waiting for the exit
    EXPECT_EQ("Cy", labelText("Player2"));

    // Adding, choosing and winning are kept at once too.
    add("Dee");
    EXPECT_NE(std::string::npos, file().find("Name: Dee"));
    engine->action = "CHANGE_PLAYER1";
    engine->processAction();
    engine->action = "SELECT_PLAYER";
    engine->processAction();
    EXPECT_EQ("Ann", engine->activePlayer()->name);
    engine->updatePlayerStats();
    const std::string afterWin = file();
    EXPECT_NE(std::string::npos, afterWin.find("<Layouts>\n\t\tName: Turtle"));
    EXPECT_NE(std::string::npos, afterWin.find("luckycat"));
}

TEST_F(PlayerSafetyTest, ADamagedFileKeepsTheLaterRecordsAndItsOriginalOnce)
{
    startBuiltin(DIFFICULTY_NORMAL);
    addPlayerMenu();
    writable();
    const std::string damaged = "<Player>\n\tName: Ann\n\t<Rewards>\n<Player>\n\tName: Bo\n</Player>";
    WorkDir::write(PlayerFile::path, damaged);
    engine->loadPlayerFile();  // Bo is kept: the player file test's table
    const std::string kept = std::string(PlayerFile::path) + ".damaged";
    EXPECT_EQ(damaged, WorkDir::read(kept));
    EXPECT_EQ(1, scratch->count("Damaged player file read, the original is kept as: " + kept));

    // A later damage never replaces the first copy; a sound file makes none.
    ASSERT_TRUE(engine->savePlayerFile());
    WorkDir::write(PlayerFile::path, "<Player>\n\tName: Cy\n\t<Save>\n");
    engine->loadPlayerFile();
    EXPECT_EQ(damaged, WorkDir::read(kept));
    std::filesystem::remove(kept);
    WorkDir::write(PlayerFile::path, "<Player>\n\tName: Di\n</Player>");
    engine->loadPlayerFile();
    EXPECT_FALSE(std::filesystem::exists(kept));
}

TEST_F(PlayerSafetyTest, ARefusedSavedGameChangesNothingAsksForANewGameAndARestoredOneHasAFreshBonus)
{
    startBuiltin(DIFFICULTY_NORMAL);
    addPlayerMenu();
    Player* p = add("Eve");
    engine->layoutFiles.push_back("layouts/odd.lyt");
    engine->selectedLayout = engine->currentLayout = engine->layoutFiles.begin();
    auto board = [this] {
        const PointerView<Tile> tiles = pointers(level->tiles);
        return std::vector<Tile*>(tiles.begin(), tiles.end());
    };
    const std::vector<Tile*> tiles = board();
    // Known files and a difficulty, but tiles off the other layout's grid, no
    // snapshot or an unknown file: nothing of it may be applied, and a new
    // game is asked for on the board in play.
    for (const std::vector<std::string>& lines :
         {std::vector<std::string>{"Layout: layouts/odd.lyt", "Difficulty: Easy", "<Tiles>", "Bamboo1 500 0 0",
                                   "</Tiles>", "<TileStates0>", "</TileStates>"},
          std::vector<std::string>{"Layout: layouts/odd.lyt", "Difficulty: Advanced", "<Tiles>", "Dot1 0 0 0",
                                   "</Tiles>"},
          std::vector<std::string>{"Layout: layouts/odd.lyt", "TileSet: nowhere.tls", "Difficulty: Easy",
                                   "<TileStates0>", "</TileStates>"},
          std::vector<std::string>{"Layout: Assets/Layouts/elsewhere.lyt", "Difficulty: Easy", "<TileStates0>",
                                   "</TileStates>"}}) {
        p->saveLines = lines;
        engine->action.clear();
        EXPECT_FALSE(engine->loadSavedGame()) << lines[1];
        EXPECT_EQ("NEW_GAME", engine->action);
        EXPECT_EQ(tiles, board());
        EXPECT_EQ(DIFFICULTY_NORMAL, engine->difficulty);
        EXPECT_EQ(Layout::builtinTurtleFile, *engine->currentLayout);
        EXPECT_EQ(Layout::builtinTurtleFile, *engine->selectedLayout);
        EXPECT_EQ(engine->tileSetFiles.begin(), engine->currentTileSet);
    }

    // A sound game comes back with the bonus a fresh board has.
    playSomeMoves();
    engine->createSaveData();
    level->timeBonus = 300;
    engine->hintsUsed = engine->shufflesUsed = engine->undosUsed = engine->minutes = 9;
    ASSERT_TRUE(engine->loadSavedGame());
    EXPECT_EQ(1000, level->timeBonus);
    // The counters and the clock are the saved game's.
    EXPECT_EQ(1, engine->hintsUsed);
    EXPECT_EQ(0, engine->shufflesUsed);
    EXPECT_EQ(2, engine->undosUsed);
    EXPECT_EQ(2, engine->minutes);
    EXPECT_EQ(5, engine->seconds);
}

TEST_F(PlayerSafetyTest, ALayoutAndTileSetWithoutANameAreCountedUnderTheirFileNames)
{
    startBuiltin(DIFFICULTY_NORMAL);
    addPlayerMenu();
    Player* p = add("Fay");
    level->layout->name.clear();
    level->tileSet->name.clear();
    engine->updatePlayerStats();
    engine->updatePlayerStats();
    ASSERT_EQ(1u, p->layoutStats.size());
    EXPECT_EQ(std::filesystem::path(Layout::builtinTurtleFile).filename().string(), p->layoutStats[0].name);
    ASSERT_EQ(1u, p->tileSetStats.size());
    EXPECT_EQ(std::filesystem::path(TileSet::standardFile).filename().string(), p->tileSetStats[0].name);
    EXPECT_EQ(2u, p->tileSetStats[0].completed);
}
