#include "support/BoardSetup.h"

// A click on the room, which play outcomes (tests/main) cannot make.
class PlayTest : public BoardTest {
protected:
    Level level;
    std::vector<Tile*> row;

    void SetUp() override
    {
        makeBoard(level, 30, 4, 2);
        int x = 0;
        for (const char* n : {"A", "A", "B", "B", "C"}) {
            row.push_back(put(level, n, x, 0, 0));
            x += 4;
        }
        level.updateTileStates();
        level.updateTilesFree();
    }
};

TEST_F(PlayTest, ClickOnTheRoomDeselects)
{
    Sprite room(re, 0, 0, 0);
    level.room = &room;
    level.handleSelection(row[0]);
    level.hintShown = true;
    level.handleSelection(&room);
    EXPECT_EQ(nullptr, level.selectedTile);
    EXPECT_FALSE(row[0]->highlighted || level.hintShown);
    level.room = nullptr;
}
