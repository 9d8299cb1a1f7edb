#include <cstdlib>
#include <filesystem>

#include "PlayersFixture.h"

using namespace playersfixture;

// One scripted game, start to exit, whose player file and settings must come
// out byte for byte as they always have: a guard for changes meant to leave
// behaviour alone (who owns what, how boards are dealt and restored). When
// the files change on purpose, UPDATE_GOLDEN=1 writes them anew.
TEST_F(PlayersTest, AScriptedGameWritesThePlayerFileAndSettingsAsBefore)
{
    startBuiltin(DIFFICULTY_NORMAL);
    addPlayerMenu();
    add("Ann");
    playSomeMoves();  // two pairs, a parked tile, counters and clock
    engine->action = "UNDO";
    engine->processAction();
    add("Bo");  // Ann's game is stored; Bo is dealt afresh
    stopAnimations();
    engine->processAction();
    auto [a, b] = freePair();
    level->selectTile(a);
    level->selectTile(b);
    engine->updatePlayerStats();  // Bo's first statistics, as after a win
    engine->action = "CHANGE_PLAYER1";
    engine->processAction();
    engine->action = "SELECT_PLAYER";
    engine->processAction();  // Ann's game comes back
    engine->seconds = 42;

    std::string players, settings;
    {
        WorkDir dir;
        std::filesystem::create_directories("Assets/Players");
        ASSERT_TRUE(engine->savePlayerFile());
        engine->saveConfig();
        players = WorkDir::read(PlayerFile::path);
        settings = WorkDir::read("jadeloom_demo.cfg");
    }
    const std::string golden = JADELOOM_TEST_DATA "/persist/scripted_game";
    if (std::getenv("UPDATE_GOLDEN")) {
        WorkDir::write(golden + ".dat", players);
        WorkDir::write(golden + ".cfg", settings);
    }
    EXPECT_EQ(WorkDir::read(golden + ".dat"), players);
    EXPECT_EQ(WorkDir::read(golden + ".cfg"), settings);
}
