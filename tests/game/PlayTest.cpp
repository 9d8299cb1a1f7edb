#include "support/BoardSetup.h"

#include "render/Material.h"

// What the board does beyond the outcomes of play (tests/main): the room,
// the slot operations and the per-frame highlights.
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
    EXPECT_FALSE(row[0]->highlighted);
    EXPECT_FALSE(level.hintShown);
    level.room = nullptr;
}

TEST_F(PlayTest, SlotsParkUnparkAndAttach)
{
    EXPECT_FALSE(level.slotTile(row[0], true, true));  // no slot open
    level.setSlotEnabled(1, true);
    ASSERT_TRUE(level.slotTile(row[0], true, false));
    EXPECT_EQ(row[0], level.slots[1]->tile);
    EXPECT_FALSE(level.slotTile(row[0], true, false));   // already parked
    EXPECT_FALSE(level.slotTile(row[1], false, false));  // not parked
    EXPECT_TRUE(level.slotTile(row[0], false, false));
    EXPECT_EQ(TILE_ON_BOARD, row[0]->state);
    EXPECT_TRUE(row[0]->visible);

    // Slots owned by someone else take over the board's, and give them back.
    TileSlot a, b, c;
    level.slotTile(row[0], true, false);
    level.attachSlots(&a, &b, &c);
    EXPECT_TRUE(b.enabled);
    EXPECT_EQ(row[0], b.tile);
    level.attachSlots(nullptr, nullptr, nullptr);
    EXPECT_EQ(nullptr, b.tile);
    EXPECT_EQ(row[0], level.slots[1]->tile);
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
