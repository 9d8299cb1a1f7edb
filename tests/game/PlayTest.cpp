#include "BoardFixture.h"

#include "render/Material.h"

// A row of separate tiles on one layer: every tile is free.
class PlayTest : public BoardTest {
protected:
    Level level;
    std::vector<Tile*> row;

    void SetUp() override
    {
        BoardTest::SetUp();
        makeBoard(level, 30, 4, 2);
        const char* names[] = {"A", "A", "B", "B", "C", "C", "D"};
        int x = 0;
        for (const char* n : names) {
            row.push_back(put(level, n, x, 0, 0));
            x += 4;
        }
        level.updateTileStates();
        level.updateTilesFree();
    }
    void TearDown() override
    {
        level.deleteMap();
        level.renderEngine = nullptr;  // the engine goes before the board
        BoardTest::TearDown();
    }
};

TEST_F(PlayTest, AdvancedSelectsDeselectsAndClears)
{
    applyDifficulty(level, 2);
    EXPECT_EQ(2000, level.basePoints);
    level.handleSelection(row[0]);
    EXPECT_EQ(row[0], level.selectedTile);
    EXPECT_EQ(TILE_SELECTED, row[0]->state);
    EXPECT_TRUE(row[0]->highlighted);
    level.handleSelection(row[0]);
    EXPECT_EQ(nullptr, level.selectedTile);
    EXPECT_EQ(TILE_ON_BOARD, row[0]->state);
    EXPECT_FALSE(row[0]->highlighted);

    // A non-matching second click moves the selection.
    level.handleSelection(row[0]);
    level.handleSelection(row[2]);
    EXPECT_EQ(row[2], level.selectedTile);
    EXPECT_EQ(TILE_ON_BOARD, row[0]->state);

    level.timeBonus = 400;
    level.handleSelection(row[3]);
    EXPECT_EQ(TILE_CLEARED, row[2]->state);
    EXPECT_EQ(TILE_CLEARED, row[3]->state);
    EXPECT_EQ(nullptr, level.selectedTile);
    ASSERT_EQ(1u, level.matchPoints.size());
    EXPECT_EQ(2400, level.matchPoints[0]);
    EXPECT_EQ(1000, level.timeBonus);
    EXPECT_EQ(5, level.tilesLeft());
    EXPECT_EQ((std::vector<Tile*>{row[3], row[2]}), level.clearedTiles);
    EXPECT_EQ(2u, level.undoHistory.size());

    // A bonus that has run out leaves exactly the base points.
    level.timeBonus = 0;
    level.handleSelection(row[4]);
    level.handleSelection(row[5]);
    EXPECT_EQ(2000, level.matchPoints.back());
    EXPECT_EQ(4400, level.score());

    // Clicks on cleared tiles change nothing but the selection.
    level.handleSelection(row[0]);
    level.handleSelection(row[2]);
    EXPECT_EQ(nullptr, level.selectedTile);
    EXPECT_EQ(TILE_ON_BOARD, row[0]->state);
    EXPECT_EQ(TILE_CLEARED, row[2]->state);
}

TEST_F(PlayTest, ClickOnABlockedTileOrTheRoomDeselects)
{
    applyDifficulty(level, 2);
    Tile* top = put(level, "Top", 12, 0, 1);  // covers row[3]
    level.updateTilesFree();
    level.handleSelection(row[0]);
    level.hintShown = true;
    level.handleSelection(row[3]);
    EXPECT_EQ(nullptr, level.selectedTile);
    EXPECT_EQ(TILE_ON_BOARD, row[0]->state);
    EXPECT_EQ(TILE_ON_BOARD, row[3]->state);
    EXPECT_FALSE(level.hintShown);

    Sprite room(re, 0, 0, 0);
    level.room = &room;
    level.handleSelection(top);
    EXPECT_EQ(top, level.selectedTile);
    level.handleSelection(&room);
    EXPECT_EQ(nullptr, level.selectedTile);
    EXPECT_FALSE(top->highlighted);
    level.room = nullptr;
    level.handleSelection(nullptr);
}

TEST_F(PlayTest, EasyParksEveryClickUntilTheSlotsAreFull)
{
    applyDifficulty(level, 0);
    EXPECT_EQ(750, level.basePoints);
    level.handleSelection(row[0]);
    EXPECT_EQ(row[0], level.slots[0]->tile);
    EXPECT_EQ(TILE_SLOTTED, row[0]->state);
    EXPECT_FALSE(row[0]->visible);
    EXPECT_EQ(nullptr, level.selectedTile);
    EXPECT_EQ(2u, level.undoHistory.size());

    // A match against a parked tile clears both and empties its slot.
    level.handleSelection(row[1]);
    EXPECT_EQ(TILE_CLEARED, row[0]->state);
    EXPECT_EQ(TILE_CLEARED, row[1]->state);
    EXPECT_EQ(nullptr, level.slots[0]->tile);
    EXPECT_EQ(1750, level.matchPoints.back());

    level.handleSelection(row[2]);  // Slot1
    level.handleSelection(row[4]);  // Slot2: does not match B
    level.handleSelection(row[6]);  // Slot3
    EXPECT_EQ(row[2], level.slots[0]->tile);
    EXPECT_EQ(row[4], level.slots[1]->tile);
    EXPECT_EQ(row[6], level.slots[2]->tile);
    EXPECT_FALSE(level.slotAvailable());
    EXPECT_EQ(nullptr, level.selectedTile);
    // The slots are full: a non-matching click now selects.
    Tile* extra = put(level, "E", 28, 0, 0);
    level.updateTilesFree();
    level.handleSelection(extra);
    EXPECT_EQ(extra, level.selectedTile);
    level.handleSelection(row[5]);  // matches C in Slot2
    EXPECT_EQ(TILE_CLEARED, row[4]->state);
    EXPECT_EQ(nullptr, level.slots[1]->tile);
    EXPECT_EQ(nullptr, level.selectedTile);
    EXPECT_EQ(TILE_ON_BOARD, extra->state);
    EXPECT_TRUE(level.slotAvailable());
}

TEST_F(PlayTest, NormalHasOneSlot)
{
    applyDifficulty(level, 1);
    EXPECT_EQ(1000, level.basePoints);
    level.handleSelection(row[2]);
    EXPECT_EQ(row[2], level.slots[0]->tile);
    level.handleSelection(row[0]);
    EXPECT_EQ(row[0], level.selectedTile);
    level.handleSelection(row[3]);  // clears with the parked B
    EXPECT_EQ(TILE_CLEARED, row[2]->state);
    EXPECT_EQ(nullptr, level.slots[0]->tile);
    EXPECT_EQ(nullptr, level.selectedTile);  // the selection is dropped
    EXPECT_EQ(TILE_ON_BOARD, row[0]->state);
}

TEST_F(PlayTest, UndoAfterAMatchAndAfterParking)
{
    applyDifficulty(level, 1);
    level.handleSelection(row[0]);  // parked
    level.handleSelection(row[1]);  // clears with it
    ASSERT_EQ(3u, level.undoHistory.size());
    level.timeBonus = 700;
    EXPECT_TRUE(level.undo());
    EXPECT_EQ(TILE_SLOTTED, row[0]->state);
    EXPECT_EQ(row[0], level.slots[0]->tile);
    EXPECT_FALSE(row[0]->visible);
    EXPECT_EQ(TILE_ON_BOARD, row[1]->state);
    EXPECT_TRUE(row[1]->visible);
    EXPECT_TRUE(level.matchPoints.empty());
    EXPECT_EQ(0, level.timeBonus);
    EXPECT_TRUE(level.clearedTiles.empty());
    EXPECT_EQ(7, level.tilesLeft());

    EXPECT_TRUE(level.undo());  // takes the parked tile back
    EXPECT_EQ(TILE_ON_BOARD, row[0]->state);
    EXPECT_TRUE(row[0]->visible);
    EXPECT_EQ(nullptr, level.slots[0]->tile);
    EXPECT_EQ(1u, level.undoHistory.size());
    EXPECT_FALSE(level.undo());
    EXPECT_FALSE(level.undo());
}

TEST_F(PlayTest, RestartReturnsToTheDealtBoard)
{
    applyDifficulty(level, 0);
    level.handleSelection(row[0]);
    level.handleSelection(row[1]);
    level.handleSelection(row[2]);
    const std::vector<Vector3> before = {row[0]->gridPosition, row[2]->gridPosition};
    level.restart();
    for (Tile* t : row) {
        EXPECT_EQ(TILE_ON_BOARD, t->state);
        EXPECT_TRUE(t->visible);
    }
    EXPECT_EQ(before[0], row[0]->gridPosition);
    EXPECT_EQ(before[1], row[2]->gridPosition);
    EXPECT_TRUE(level.matchPoints.empty());
    EXPECT_TRUE(level.clearedTiles.empty());
    EXPECT_EQ(nullptr, level.slots[0]->tile);
    EXPECT_TRUE(level.slotAvailable());
    EXPECT_EQ(7, level.tilesFree());
    // The first match after a restart can be undone.
    level.handleSelection(row[0]);
    level.handleSelection(row[1]);
    EXPECT_TRUE(level.undo());
    EXPECT_EQ(7, level.tilesLeft());
}

TEST_F(PlayTest, SlotsParkAndUnpark)
{
    EXPECT_FALSE(level.slotAvailable());
    EXPECT_FALSE(level.slotTile(row[0], true, true));
    level.setSlotEnabled(1, true);
    ASSERT_TRUE(level.slotTile(row[0], true, false));
    EXPECT_EQ(row[0], level.slots[1]->tile);
    EXPECT_FALSE(level.slotTile(row[0], true, false));  // already parked
    EXPECT_FALSE(level.slotTile(row[1], false, false)); // not parked
    EXPECT_TRUE(level.slotTile(row[0], false, false));
    EXPECT_EQ(TILE_ON_BOARD, row[0]->state);
    EXPECT_TRUE(row[0]->visible);

    // Slots owned by someone else take over the board's.
    TileSlot a, b, c;
    level.slotTile(row[0], true, false);
    level.attachSlots(&a, &b, &c);
    EXPECT_TRUE(b.enabled);
    EXPECT_EQ(row[0], b.tile);
    EXPECT_EQ(1, level.slotOf(row[0]));
    level.attachSlots(nullptr, nullptr, nullptr);
    EXPECT_EQ(nullptr, b.tile);
    EXPECT_EQ(row[0], level.slots[1]->tile);
}

TEST_F(PlayTest, PerFrameHighlights)
{
    Material highlight, hover;
    re->highlightMaterial = &highlight;
    re->hoverHighlightMaterial = &hover;
    applyDifficulty(level, 2);
    level.handleSelection(row[0]);
    row[2]->hover = true;
    row[0]->hover = true;
    level.highlightTiles();
    EXPECT_EQ(&highlight, row[0]->overlay);
    EXPECT_FALSE(row[0]->hoverHighlighted);  // selected and only hovered
    EXPECT_EQ(&hover, row[2]->overlay);
    row[2]->hover = false;
    row[4]->hinted = true;
    level.highlightTiles();
    EXPECT_EQ(nullptr, row[2]->overlay);
    EXPECT_EQ(&hover, row[4]->overlay);

    // Free tiles that match the selection light up.
    level.highlightFreeTiles();
    EXPECT_TRUE(row[1]->hoverHighlighted);
    EXPECT_FALSE(row[3]->hoverHighlighted);
    level.hintShown = true;
    row[1]->hoverHighlightTile(false);
    level.highlightFreeTiles();
    EXPECT_FALSE(row[1]->hoverHighlighted);
    level.hintShown = false;
    level.handleSelection(row[0]);
    level.highlightFreeTiles();
    EXPECT_TRUE(row[3]->hoverHighlighted);
    level.deleteMap();
    re->highlightMaterial = re->hoverHighlightMaterial = nullptr;
}

