#include <sstream>

#include "GameFixture.h"
#include "persist/Player.h"
#include "support/WorkDir.h"

// Redo puts back what undo took, from the buttons, the keys and across a
// saved game.
class RedoTest : public GameTest {
protected:
    // Everything the player sees of the game, one line per tile and a line
    // for the slots, the score, the counters and the bottom bar.
    std::string seen()
    {
        std::ostringstream s;
        for (const Tile* t : pointers(level->tiles))
            s << t->name << " " << t->gridPosition.x << " " << t->gridPosition.y << " " << t->gridPosition.z << " "
              << t->state << " " << (t->state != TILE_CLEARED && t->visible) << "\n";
        for (int i = 0; i < 3; ++i)
            s << "slot" << i << " " << (level->slots[i]->tile ? level->slots[i]->tile->name : "-") << "\n";
        s << "points";
        for (int p : level->matchPoints)
            s << " " << p;
        engine->updateBottomText();
        s << "\nbonus " << level->timeBonus << " tiles " << engine->tilesLeft << " moves " << engine->movesLeft
          << " hints " << engine->hintsUsed << " bar " << labelText("ScoreText") << "|" << labelText("TilesText")
          << "|" << labelText("MovesText") << "\n";
        return s.str();
    }

    // On "Normal" (Slot1 open): a tile parked and matched, a pair matched, a
    // tile parked; the time bonus run down in between.
    void playSomeMoves()
    {
        auto [a, b] = freePair();
        level->selectTile(a);
        level->timeBonus = 700;
        level->selectTile(b);
        auto [c, d] = freePair();
        level->timeBonus = 400;
        level->selectTile(c);
        level->selectTile(d);
        auto [e, f] = freePair();
        level->selectTile(e);
        level->timeBonus = 300;
        ASSERT_EQ(e, level->slots[0]->tile);
    }
};

TEST_F(RedoTest, RedoAfterUndoRestoresTheBoardScoreAndCountersExactly)
{
    startBuiltin(DIFFICULTY_NORMAL);
    addMenu();
    playSomeMoves();
    engine->undosUsed = 1;
    const std::string before = seen();

    // Parking, match, parking, match, parking: five steps back.
    for (int i = 0; i < 5; ++i)
        engine->undo();
    EXPECT_EQ(144, level->tilesLeft());
    EXPECT_EQ(6, engine->undosUsed);
    EXPECT_TRUE(level->matchPoints.empty());
    engine->redo();
    engine->redo();
    tap(SDLK_r);  // the key does the same
    tap(SDLK_r);
    key(SDLK_LCTRL, true);
    tap(SDLK_y);  // and so does Ctrl+Y
    key(SDLK_LCTRL, false);
    EXPECT_EQ(before, seen());
    EXPECT_EQ(6, engine->undosUsed);  // the undos stay counted
    engine->redo();  // nothing left to redo
    EXPECT_EQ(before, seen());

    // Y alone is no redo.
    engine->undo();
    tap(SDLK_y);
    EXPECT_EQ(nullptr, level->slots[0]->tile);
}

TEST_F(RedoTest, ANewMoveClearsTheRedoList)
{
    startBuiltin(DIFFICULTY_ADVANCED);
    addMenu();
    auto [a, b] = freePair();
    level->clearTiles(a, b);
    auto [c, d] = freePair();
    level->clearTiles(c, d);
    engine->undo();
    engine->undo();
    ASSERT_TRUE(level->redoList.canRedo(*level));
    auto [e, f] = freePair();
    level->clearTiles(e, f);  // a move of the player's own
    EXPECT_FALSE(level->redoList.canRedo(*level));
    const std::string moved = seen();
    engine->redo();
    EXPECT_EQ(moved, seen());

    // A restart or a new deal ends it too.
    engine->undo();
    ASSERT_TRUE(level->redoList.canRedo(*level));
    engine->restart();
    EXPECT_FALSE(level->redoList.canRedo(*level));
}

TEST_F(RedoTest, TheRedoListIsSavedWithTheGameOnlyWhenThereIsOne)
{
    startBuiltin(DIFFICULTY_NORMAL);
    addMenu();
    playSomeMoves();
    const std::string before = seen();
    auto saved = [&] {
        std::ostringstream out;
        engine->saveGame(out);
        return out.str();
    };
    const std::string withoutRedo = saved();
    EXPECT_EQ(std::string::npos, withoutRedo.find("Redo"));

    engine->undo();
    engine->undo();
    const std::string withRedo = saved();
    EXPECT_NE(std::string::npos, withRedo.find("\n\t\t<Redo>\n\t\t\tPark "));

    // Read back into a fresh board: both steps are still there to redo.
    std::vector<std::string> lines;
    {
        std::istringstream in(withRedo);
        std::string line;
        while (std::getline(in, line))
            if (line.find("Save>") == std::string::npos && !line.empty())
                lines.push_back(line.substr(line.find_first_not_of('\t')));
    }
    level->restart();
    ASSERT_FALSE(level->redoList.canRedo(*level));
    Player* p = new Player;
    p->name = "Ann";
    p->saveLines = lines;
    engine->players.emplace_back(p);
    engine->currentPlayer = engine->players.begin();
    ASSERT_TRUE(engine->loadSavedGame());
    EXPECT_EQ(withRedo, saved());
    engine->redo();
    engine->redo();
    EXPECT_EQ(before, seen());
    // As before the undos, which stay counted.
    std::string expected = withoutRedo;
    expected.replace(expected.find("NumUndo: 0"), 10, "NumUndo: 2");
    EXPECT_EQ(expected, saved());
}
