#include "support/BoardSetup.h"

#include "render/Material.h"

// What the board does beyond the outcomes of play (tests/main): a click on
// the room and the per-frame highlights.
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

TEST_F(PlayTest, PerFrameHighlights)
{
    Material highlight, hover;
    re->highlightMaterial = &highlight;
    re->hoverHighlightMaterial = &hover;
    level.handleSelection(row[0]);
    row[0]->hover = row[2]->hover = true;
    level.highlightTiles();
    EXPECT_EQ(&highlight, row[0]->overlay);  // selected and only hovered
    EXPECT_EQ(&hover, row[2]->overlay);
    row[2]->hover = false;
    row[4]->hinted = true;
    level.highlightTiles();
    EXPECT_EQ(nullptr, row[2]->overlay);
    EXPECT_EQ(&hover, row[4]->overlay);

    // Free tiles matching the selection light up, unless a hint is shown.
    level.highlightFreeTiles();
    EXPECT_TRUE(row[1]->hoverHighlighted);
    EXPECT_FALSE(row[3]->hoverHighlighted);
    row[1]->hoverHighlightTile(false);
    level.hintShown = true;
    level.highlightFreeTiles();
    EXPECT_FALSE(row[1]->hoverHighlighted);
    level.hintShown = false;
    level.handleSelection(row[0]);  // nothing selected: every free tile
    level.highlightFreeTiles();
    EXPECT_TRUE(row[3]->hoverHighlighted);
    re->highlightMaterial = re->hoverHighlightMaterial = nullptr;
}
