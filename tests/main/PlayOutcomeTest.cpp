#include <sstream>

#include "GameFixture.h"

// Play as the player meets it: one row per situation, a board, the player's
// steps through events and actions, and what the player then sees.
//
// Boards: "turtle" is the built-in deal. Otherwise tile names, each tile
// matching only its own name, side by side in one row of one layer ("a a b":
// the ends are free, the middle one is blocked); "|" leaves a gap and a name
// starting with "^" lies on top of the tile before it.
// Steps, separated by blanks:
//   cN      left click on board tile N; "c-" on nothing
//   pair    clicks on a free matching pair; "free": a click on a free tile
//   K:x     key x pressed and released (h, u, ret)
//   A:X     action X posted and processed
//   HN,M    tiles N and M shown as a hint (what H shows)
//   frame   one pass of the main loop; "stop": tile animations end
//   menu    the state becomes the main menu
// Outcomes, key=value: left (tiles on the board), bar (the tiles text),
// score, action ("-": none), hints, undos, shuffles, state (play, won, menu),
// selected (tile or -), lit (tiles drawn selected), slot1 (tile or -),
// slot1shown (the empty slot item shown), hinted (tiles hinted), hintshown,
// panel (no-moves panel shown), dealt (every tile back at its dealt place
// and the deal's own solution clears it), time.
namespace {
struct Row {
    const char* name;
    int difficulty;
    const char* board;
    const char* steps;
    const char* expect;
};

void PrintTo(const Row& row, std::ostream* os)
{
    *os << row.name;
}

const int EASY = DIFFICULTY_EASY, NORMAL = DIFFICULTY_NORMAL, ADV = DIFFICULTY_ADVANCED;

const Row rows[] = {
    // Restart and a difficulty change go back to the deal, also after a shuffle.
    {"RestartAfterShuffle", ADV, "turtle", "pair A:SHUFFLE A:RESTART", "left=144 dealt=1 shuffles=1 score=0"},
    {"DifficultyAfterShuffle", ADV, "turtle", "pair A:SHUFFLE A:DIFFICULTY_PREV", "left=144 dealt=1 shuffles=0"},
    // A shuffle starts a new undo history: nothing before it comes back.
    {"UndoAfterShuffleWithAParkedTile", NORMAL, "turtle", "pair free A:SHUFFLE A:UNDO A:UNDO",
     "left=142 undos=0 slot1=- shuffles=1 score=2000"},
    {"UndoAfterShuffleThenAMatch", ADV, "turtle", "A:SHUFFLE pair A:UNDO A:UNDO", "left=144 undos=1"},
    // A shuffle that cannot help ends in the no-moves panel.
    {"HopelessShuffle", ADV, "a ^a", "A:SHUFFLE", "action=NOMOVES_LEFT shuffles=1 left=2"},
    {"HopelessShufflePanel", ADV, "a ^a", "A:SHUFFLE frame", "panel=1 action=-"},
    // Undo never leaves a tile drawn selected with nothing selected.
    {"UndoParkingAfterASlotMatchMadeWhileSelected", NORMAL, "a | a | b | b", "c2 c0 c3 c0 K:u",
     "lit=0 selected=- slot1=- left=2"},
    {"UndoAfterReturnClearedWhileSelected", ADV, "a | a | b | b | c", "c2 H0,1 K:ret c3 K:u", "lit=0 selected=- left=3"},
    // Restart and difficulty drop the shown hint.
    {"RestartDropsTheHint", ADV, "turtle", "K:h A:RESTART", "hinted=0 hintshown=0"},
    {"DifficultyDropsTheHint", ADV, "turtle", "K:h A:DIFFICULTY_CHANGE", "hinted=0 hintshown=0"},
    // U and Return show the emptied holding slot.
    {"UndoKeyShowsTheEmptySlot", EASY, "a | b", "c0 K:u", "slot1=- slot1shown=1 undos=0"},
    {"ReturnShowsTheEmptySlot", EASY, "a | a | b", "c0 H0,1 K:ret", "slot1=- slot1shown=1 left=1"},
};

class PlayOutcome : public GameTest, public ::testing::WithParamInterface<Row> {
protected:
    std::vector<Vector3> dealt;
    std::vector<Tile*> solution;  // the deal's own

    void build(const std::string& board, int difficulty)
    {
        if (board == "turtle") {
            startBuiltin(difficulty);
        } else {
            std::istringstream in(board);
            std::vector<std::pair<std::string, Point>> tiles;
            std::string word;
            int x = 0;
            while (in >> word) {
                if (word == "|") {
                    x += 2;
                } else if (word[0] == '^') {
                    const Point below = tiles.back().second;
                    tiles.push_back({word.substr(1), Point(below.x, below.y, below.z + 1)});
                } else {
                    tiles.push_back({word, Point(x, 0, 0)});
                    x += 2;
                }
            }
            startTiles(tiles, difficulty);
        }
        addMenu();
        engine->setDifficulty(0);
        engine->updateSlots();
        engine->action.clear();
        for (Tile* t : level->tiles)
            dealt.push_back(t->gridPosition);
        solution = level->solution;
    }

    void clickOn(Tile* t)
    {
        renderer->pick = t;
        click();
        renderer->pick = nullptr;
    }

    void step(const std::string& s)
    {
        if (s[0] == 'c' && s != "c-") {
            clickOn(level->tiles.at(std::stoul(s.substr(1))));
        } else if (s == "c-") {
            clickOn(nullptr);
        } else if (s == "pair") {
            auto [a, b] = freePair();
            ASSERT_TRUE(a && b);
            clickOn(a);
            clickOn(b);
        } else if (s == "free") {
            level->updateTilesFree();
            clickOn(level->freeTiles.at(0));
        } else if (s.rfind("K:", 0) == 0) {
            const std::string k = s.substr(2);
            tap(k == "h" ? SDLK_h : k == "u" ? SDLK_u : k == "ret" ? SDLK_RETURN : SDLK_UNKNOWN);
        } else if (s.rfind("A:", 0) == 0) {
            engine->action = s.substr(2);
            engine->processAction();
        } else if (s[0] == 'H') {
            const size_t comma = s.find(',');
            for (size_t i : {std::stoul(s.substr(1, comma - 1)), std::stoul(s.substr(comma + 1))})
                level->tiles.at(i)->hinted = true;
            level->hintShown = true;
        } else if (s == "frame") {
            engine->runFrame();
        } else if (s == "stop") {
            stopAnimations();
        } else if (s == "menu") {
            engine->setGameState(GS_MAIN_MENU);
        } else {
            FAIL() << "unknown step " << s;
        }
    }

    std::string indexOf(const Tile* t) const
    {
        for (size_t i = 0; i < level->tiles.size(); ++i)
            if (level->tiles[i] == t)
                return std::to_string(i);
        return "-";
    }

    bool backAtTheDeal()
    {
        for (size_t i = 0; i < level->tiles.size(); ++i)
            if (!(level->tiles[i]->gridPosition == dealt[i]) || level->tiles[i]->state != TILE_ON_BOARD)
                return false;
        for (size_t i = 0; i + 1 < solution.size(); i += 2) {
            Tile* a = solution[i];
            Tile* b = solution[i + 1];
            if (!level->isFree(a) || !level->isFree(b))
                return false;
            a->state = b->state = TILE_CLEARED;
        }
        return level->tilesLeft() == 0;
    }

    std::string observe(const std::string& key)
    {
        auto count = [this](auto pred) {
            int n = 0;
            for (Tile* t : level->tiles)
                n += pred(t) ? 1 : 0;
            return std::to_string(n);
        };
        if (key == "left")
            return std::to_string(level->tilesLeft());
        if (key == "bar")
            return labelText("TilesText");
        if (key == "score")
            return std::to_string(level->score());
        if (key == "action")
            return engine->action.empty() ? "-" : engine->action;
        if (key == "hints")
            return std::to_string(engine->hintsUsed);
        if (key == "undos")
            return std::to_string(engine->undosUsed);
        if (key == "shuffles")
            return std::to_string(engine->shufflesUsed);
        if (key == "state")
            return engine->gameState == GS_PLAYING ? "play" : engine->gameState == GS_GAME_WON ? "won"
                : engine->gameState == GS_MAIN_MENU                               ? "menu"
                                                                                  : "other";
        if (key == "selected")
            return indexOf(level->selectedTile);
        if (key == "lit")
            return count([](Tile* t) { return t->state == TILE_SELECTED || t->highlighted; });
        if (key == "slot1")
            return indexOf(level->slots[0]->tile);
        if (key == "slot1shown")
            return engine->slot1->visible ? "1" : "0";
        if (key == "hinted")
            return count([](Tile* t) { return t->hinted || t->hoverHighlighted; });
        if (key == "hintshown")
            return level->hintShown || !level->hintTiles.empty() ? "1" : "0";
        if (key == "panel")
            return engine->menuItem("NoMovesPanel")->visible ? "1" : "0";
        if (key == "time")
            return engine->timeText;
        if (key == "dealt")
            return backAtTheDeal() ? "1" : "0";
        return "unknown key " + key;
    }
};

TEST_P(PlayOutcome, PlayerSeesTheRightBoard)
{
    const Row& row = GetParam();
    build(row.board, row.difficulty);
    std::istringstream steps(row.steps);
    for (std::string s; steps >> s;) {
        step(s);
        if (HasFatalFailure())
            return;
    }
    std::istringstream expect(row.expect);
    for (std::string e; expect >> e;) {
        const size_t eq = e.find('=');
        const std::string key = e.substr(0, eq);
        EXPECT_EQ(e.substr(eq + 1), observe(key)) << key;
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, PlayOutcome, ::testing::ValuesIn(rows),
                         [](const ::testing::TestParamInfo<Row>& info) { return std::string(info.param.name); });
}
