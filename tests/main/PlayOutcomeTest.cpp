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
//   cN, c-  left click on board tile N, on nothing; rN: a left release only
//   mN      the pointer moves over tile N
//   pair    clicks on a free matching pair; free: a click on a free tile
//   solve   every pair of the deal's solution taken off (no clicks)
//   K:x     key x pressed and released (h, u, ret); D:x, U:x: held, let go
//   A:X     action X posted and processed; run: the pending one processed
//   HN,M    tiles N and M shown as a hint (what H shows)
//   T:s     the clock set to s seconds; B:n the time bonus set to n
//   bar     the bottom bar refreshed; frame: one pass of the main loop;
//   stop    tile animations end; menu, play: the game state changes
//   nostamps  no tile shows its stamp; quit: the window's close request
//   ?key=value  an outcome checked on the way, as those at the end
// Outcomes, key=value, are read by observe() below; "dealt" means every tile
// at its dealt place and the deal's solution clearing it, "solvable" that
// the board's current solution clears it.
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
const char* const SPREAD = "a | a | b | b | c";  // every tile free

const Row rows[] = {
    // Clicks: select, deselect, match; points and the time bonus.
    {"ClickSelectsAgainDeselects", ADV, SPREAD, "c0 ?selected=0 ?lit=1 c0", "selected=- lit=0"},
    {"OtherFaceMovesTheSelection", ADV, SPREAD, "c0 c2", "selected=2 lit=1"},
    // After a match the time bonus starts again from 1000.
    {"MatchClearsAndScores", ADV, SPREAD, "c2 B:400 c3 c0 c1", "left=1 bar=1 score=5400 selected=-"},
    {"SpentBonusScoresBasePoints", ADV, SPREAD, "B:0 c0 c1", "score=2000"},
    {"ClickOnAClearedTileDeselects", ADV, SPREAD, "c0 c1 c2 c0", "selected=- left=3"},
    {"BlockedTileIsNotTaken", ADV, "a a a", "c1", "selected=- lit=0"},
    {"ReleaseWithoutPressDoesNothing", ADV, SPREAD, "r0", "selected=-"},
    {"AltOrShiftClickDoesNotSelect", ADV, SPREAD, "D:lalt c0 U:lalt D:rshift c0 U:rshift", "selected=-"},
    {"ClickOnNothingDeselectsAndDropsTheHint", ADV, SPREAD, "c0 H2,3 c-", "selected=- hinted=0 hintshown=0"},
    {"HoverOnlyOnFreeTiles", ADV, "a a a", "m1 ?hover=0 m2", "hover=1"},
    // Holding slots.
    {"EasyParksTheFirstClickAndItsMatchClearsIt", EASY, SPREAD, "c0 ?slot1=0 ?slot1shown=0 ?selected=- ?left=5 c1",
     "slot1=- slot1shown=1 score=1750 left=3"},
    {"EasyFillsAllThreeSlots", EASY, "a | b | c | d | e", "c0 c1 c2 c3", "parked=0,1,2 selected=3"},
    {"FullSlotsStillClearAMatch", EASY, "a | b | c | d | a", "c0 c1 c2 c3 c4", "parked=-,1,2 left=3 selected=-"},
    {"NormalHasOneSlotAndDropsTheSelection", NORMAL, SPREAD, "c2 c0 c3", "slot1=- selected=- lit=0 left=3"},
    // Undo, restart and new games.
    {"UndoAMatchBackIntoItsSlot", NORMAL, SPREAD, "c0 c1 B:700 A:UNDO", "slot1=0 left=5 score=0 undos=1"},
    {"UndoMatchThenParking", NORMAL, SPREAD, "c0 c1 A:UNDO A:UNDO A:UNDO", "slot1=- left=5 undos=2"},
    {"UndoWaitsForPlay", ADV, SPREAD, "c0 c1 menu A:UNDO ?action=UNDO ?left=3 play run", "action=- left=5 undos=1"},
    {"UndoKeyIsNotCountedNorShownInTheBar", ADV, "turtle", "K:h K:ret frame stop frame K:u", "left=144 bar=142 undos=0"},
    {"RestartKeepsClockAndCounters", EASY, SPREAD, "c0 c1 c2 T:187 A:HINT A:RESTART",
     "left=5 slot1=- score=0 hints=1 time=03:07"},
    {"FirstMatchAfterRestartUndoes", EASY, SPREAD, "c0 c1 A:RESTART c0 c1 A:UNDO", "left=5 undos=1"},
    {"NewGameWaitsForTheAnimationsAndDealsTheSameBoard", ADV, "turtle",
     "pair T:99 A:HINT A:NEW_GAME ?action=NEW_GAME ?left=142 stop run", "action=- left=144 dealt=1 hints=0 time=00:00"},
    {"NewGameFromTheMainMenuOpensTheDoors", ADV, "turtle", "menu A:SELECT_TILESET",
     "state=play action=MENU_OPEN_DOORS left=144"},
    // Hints and the keyboard.
    {"HintKeyAndReturnTakeAPair", ADV, "turtle", "K:ret ?left=144 K:h K:ret K:h K:ret K:h K:ret frame stop frame",
     "left=138 bar=138 hints=0"},
    {"ReturnTakesOnlyAPairStillFree", ADV, "a a b", "H0,1 K:ret", "left=3"},
    {"HintActionCountsOnlyInPlay", ADV, "turtle", "A:HINT ?hints=1 ?hintshown=1 ?action=- menu A:HINT", "hints=1 action=-"},
    {"HintWithoutMovesIsNotCounted", ADV, SPREAD, "c0 c1 c2 c3 A:HINT", "hints=0 action=-"},
    // Difficulty: wraps, clamps, restarts the deal and sets the board.
    {"NextDifficulty", NORMAL, "turtle", "pair T:240 A:HINT A:DIFFICULTY_NEXT",
     "diff=Advanced slots=000 points=2000 left=144 dealt=1 hints=0 time=00:00 action=-"},
    {"NextAtTheTopStays", ADV, "turtle", "pair A:DIFFICULTY_NEXT", "diff=Advanced left=144"},
    {"PrevAtTheBottomStaysAndRestarts", EASY, SPREAD, "c0 c1 A:DIFFICULTY_PREV", "diff=Easy left=5"},
    {"NormalOpensOneSlotAndChangeWrapsToEasy", ADV, SPREAD,
     "A:DIFFICULTY_PREV ?diff=Normal ?slots=100 ?points=1000 A:DIFFICULTY_NEXT A:DIFFICULTY_CHANGE",
     "diff=Easy slots=111 points=750"},
    {"DisabledSlotsStayHidden", EASY, SPREAD, "c0 A:DIFFICULTY_NEXT", "slots=100 slotitems=100 slot1=-"},
    {"OnlyEasyAndNormalShowStamps", ADV, SPREAD, "nostamps A:DIFFICULTY_NEXT ?stamps=0 A:DIFFICULTY_CHANGE", "stamps=5"},
    // The end of a game.
    {"NoMovesWithAFreeSlotIsNoDeadEnd", NORMAL, "a | b", "bar", "action=-"},
    {"NoMovesWithoutSlotsOpensThePanel", ADV, "a | b",
     "bar ?action=NOMOVES_LEFT run ?panel=1 ?topbar=0 ?state=play A:CLOSE_NOMOVES", "panel=0 topbar=1"},
    {"LastPairWinsOnce", ADV, "a | a", "c0 c1 ?action=GAME_WON_PANEL ?topbar=0 ?bar=0 A:NONE bar", "state=won action=-"},
    {"WonOnlyOnceEvenBackInPlay", ADV, "a | a", "c0 c1 A:GAMEWON_OK bar", "state=play action=NEW_GAME"},
    // The won panel waits for the animations; its OK deals again.
    {"WonPanelAndNewGameAfterAWin", ADV, "turtle",
     "solve bar run ?action=GAME_WON_PANEL ?wonpanel=0 stop run ?action=- ?wonpanel=1 A:GAMEWON_OK ?wonpanel=0 "
     "?topbar=1 ?action=NEW_GAME run", "left=144 state=play dealt=1"},
    {"NoBoardIsNoWin", ADV, "", "bar", "state=play action=-"},
    // Shuffle.
    {"ShuffleMovesTheLiveTilesOnly", NORMAL, "turtle", "pair free A:SHUFFLE",
     "shuffles=1 slot1=- slot1shown=1 left=142 moved=1 solvable=1"},
    // Other actions.
    {"UnknownActionsAreDropped", ADV, "turtle", "A:NO_SUCH A:CHANGE_PLAYER11 A:hint", "action=- hints=0 state=play"},
    {"Exit", ADV, SPREAD, "A:EXIT", "done=1 action=-"},
    {"CloseRequest", ADV, SPREAD, "menu A:UNDO quit", "done=1 action=-"},
    {"HighlightOptionOnAndOff", ADV, SPREAD, "A:HIGHLIGHT_TILES ?freeshown=1 A:HIGHLIGHT_TILES", "freeshown=0"},
    // Restart and a difficulty change go back to the deal, also after a shuffle.
    {"RestartAndDifficultyAfterShuffle", ADV, "turtle",
     "pair A:SHUFFLE A:RESTART ?left=144 ?dealt=1 ?shuffles=1 ?score=0 A:SHUFFLE A:DIFFICULTY_PREV",
     "left=144 dealt=1 shuffles=0"},
    // A shuffle starts a new undo history: nothing before it comes back.
    {"UndoAfterShuffleWithAParkedTile", NORMAL, "turtle", "pair free A:SHUFFLE A:UNDO A:UNDO",
     "left=142 undos=0 slot1=- shuffles=1 score=2000"},
    {"UndoAfterShuffleThenAMatch", ADV, "turtle", "A:SHUFFLE pair A:UNDO A:UNDO", "left=144 undos=1"},
    // A shuffle that cannot help ends in the no-moves panel.
    {"HopelessShuffle", ADV, "a ^a", "A:SHUFFLE ?action=NOMOVES_LEFT ?shuffles=1 ?left=2 frame", "panel=1 action=-"},
    // Undo never leaves a tile drawn selected with nothing selected.
    {"UndoParkingAfterASlotMatchMadeWhileSelected", NORMAL, "a | a | b | b", "c2 c0 c3 c0 K:u",
     "lit=0 selected=- slot1=- left=2"},
    {"UndoAfterReturnClearedWhileSelected", ADV, "a | a | b | b | c", "c2 H0,1 K:ret c3 K:u", "lit=0 selected=- left=3"},
    // Restart and difficulty drop the shown hint.
    {"RestartAndDifficultyDropTheHint", ADV, "turtle", "K:h A:RESTART ?hinted=0 ?hintshown=0 K:h A:DIFFICULTY_CHANGE",
     "hinted=0 hintshown=0"},
    // U and Return show the emptied holding slot.
    {"UndoKeyShowsTheEmptySlot", EASY, "a | b", "c0 K:u", "slot1=- slot1shown=1 undos=0"},
    {"ReturnShowsTheEmptySlot", EASY, "a | a | b", "c0 H0,1 K:ret", "slot1=- slot1shown=1 left=1"},
};

class PlayOutcome : public GameTest, public ::testing::WithParamInterface<Row> {
protected:
    std::vector<Vector3> dealt;
    std::vector<size_t> solution;  // the deal's own, as tile numbers

    void build(const std::string& board, int difficulty)
    {
        if (board == "turtle") {
            startBuiltin(difficulty);
        } else {
            std::istringstream in(board);
            std::vector<std::pair<std::string, Point>> tiles;
            int x = 0;
            for (std::string word; in >> word;) {
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
        for (Tile* t : pointers(level->tiles))
            dealt.push_back(t->gridPosition);
        solution = numbers(level->solution);
    }

    std::vector<size_t> numbers(const std::vector<Tile*>& list) const
    {
        std::vector<size_t> out;
        for (Tile* t : list)
            out.push_back(placeOf(t));
        return out;
    }

    // The tile's place in the board's list; the list's size when not on it.
    size_t placeOf(const Tile* t) const
    {
        const PointerView<Tile> tiles = pointers(level->tiles);
        return static_cast<size_t>(std::distance(tiles.begin(), std::find(tiles.begin(), tiles.end(), t)));
    }

    void clickOn(Tile* t, bool press = true)
    {
        renderer->pick = t;
        if (press)
            click();
        else
            button(SDL_BUTTON_LEFT, false);
        renderer->pick = nullptr;
    }

    static SDLKey keyNamed(const std::string& k)
    {
        const std::pair<const char*, SDLKey> keys[] = {{"h", SDLK_h},         {"u", SDLK_u},
                                                       {"ret", SDLK_RETURN},  {"lalt", SDLK_LALT},
                                                       {"rshift", SDLK_RSHIFT}, {"lctrl", SDLK_LCTRL}};
        for (const auto& [name, sym] : keys)
            if (k == name)
                return sym;
        ADD_FAILURE() << "unknown key " << k;
        return SDLK_UNKNOWN;
    }

    Tile* tile(const std::string& number) { return level->tiles.at(std::stoul(number)).get(); }

    void step(const std::string& s)
    {
        const std::string arg = s.size() > 2 ? s.substr(2) : std::string();
        if (s == "c-") {
            clickOn(nullptr);
        } else if (s[0] == 'c' && std::isdigit(static_cast<unsigned char>(s[1]))) {
            clickOn(tile(s.substr(1)));
        } else if (s[0] == 'r' && std::isdigit(static_cast<unsigned char>(s[1]))) {
            clickOn(tile(s.substr(1)), false);
        } else if (s[0] == 'm' && std::isdigit(static_cast<unsigned char>(s[1]))) {
            renderer->pick = tile(s.substr(1));
            motion(20, 20, 1, 0);
        } else if (s == "pair") {
            auto [a, b] = freePair();
            ASSERT_TRUE(a && b);
            clickOn(a);
            clickOn(b);
        } else if (s == "free") {
            level->updateTilesFree();
            clickOn(level->freeTiles.at(0));
        } else if (s == "solve") {
            for (size_t i = 0; i + 1 < solution.size(); i += 2)
                level->clearTiles(level->tiles[solution[i]].get(), level->tiles[solution[i + 1]].get());
        } else if (s.rfind("K:", 0) == 0) {
            tap(keyNamed(arg));
        } else if (s.rfind("D:", 0) == 0 || s.rfind("U:", 0) == 0) {
            key(keyNamed(arg), s[0] == 'D');
        } else if (s.rfind("A:", 0) == 0) {
            engine->action = arg;
            engine->processAction();
        } else if (s == "run") {
            engine->processAction();
        } else if (s[0] == 'H') {
            const size_t comma = s.find(',');
            tile(s.substr(1, comma - 1))->hinted = tile(s.substr(comma + 1))->hinted = true;
            level->hintShown = true;
        } else if (s.rfind("T:", 0) == 0) {
            engine->minutes = std::stoi(arg) / 60;
            engine->seconds = std::stoi(arg) % 60;
        } else if (s.rfind("B:", 0) == 0) {
            level->timeBonus = std::stoi(arg);
        } else if (s == "bar") {
            engine->updateBottomText();
        } else if (s == "frame") {
            engine->runFrame();
        } else if (s == "stop") {
            stopAnimations();
        } else if (s == "menu" || s == "play") {
            engine->setGameState(s == "menu" ? GS_MAIN_MENU : GS_PLAYING);
        } else if (s == "nostamps") {
            level->setTileStamps(false);
        } else if (s[0] == '?') {
            const size_t eq = s.find('=');
            EXPECT_EQ(s.substr(eq + 1), observe(s.substr(1, eq - 1))) << s;
        } else if (s == "quit") {
            SDL_Event e{};
            e.type = SDL_QUIT;
            send(e);
        } else {
            FAIL() << "unknown step " << s;
        }
    }

    std::string indexOf(const Tile* t) const
    {
        const size_t at = placeOf(t);
        return at == level->tiles.size() ? "-" : std::to_string(at);
    }

    // Takes the pairs off in the order given; true when that clears the board.
    bool clears(const std::vector<size_t>& order)
    {
        for (size_t i = 0; i + 1 < order.size(); i += 2) {
            Tile* a = level->tiles.at(order[i]).get();
            Tile* b = level->tiles.at(order[i + 1]).get();
            if (!level->isFree(a) || !level->isFree(b))
                return false;
            a->state = b->state = TILE_CLEARED;
        }
        return level->tilesLeft() == 0;
    }

    std::string observe(const std::string& key)
    {
        auto count = [this](auto pred) {
            const PointerView<Tile> tiles = pointers(level->tiles);
            return std::to_string(std::count_if(tiles.begin(), tiles.end(), pred));
        };
        auto flag = [](bool b) { return std::string(b ? "1" : "0"); };
        if (key == "left")
            return std::to_string(level->tilesLeft());
        if (key == "bar")
            return labelText("TilesText");
        if (key == "score")
            return std::to_string(level->score());
        if (key == "action")
            return engine->action.empty() ? "-" : engine->action;
        if (key == "hints" || key == "undos" || key == "shuffles")
            return std::to_string(key == "hints" ? engine->hintsUsed
                                  : key == "undos" ? engine->undosUsed : engine->shufflesUsed);
        if (key == "state")
            return engine->gameState == GS_PLAYING ? "play" : engine->gameState == GS_GAME_WON ? "won"
                : engine->gameState == GS_MAIN_MENU ? "menu" : "other";
        if (key == "selected")
            return indexOf(level->selectedTile);
        if (key == "lit")
            return count([](Tile* t) { return t->state == TILE_SELECTED || t->highlighted; });
        if (key == "slot1")
            return indexOf(level->slots[0]->tile);
        if (key == "parked")
            return indexOf(level->slots[0]->tile) + "," + indexOf(level->slots[1]->tile) + ","
                + indexOf(level->slots[2]->tile);
        if (key == "slot1shown")
            return flag(engine->slot1->visible);
        if (key == "slots")
            return flag(level->slots[0]->enabled) + flag(level->slots[1]->enabled) + flag(level->slots[2]->enabled);
        if (key == "slotitems")
            return flag(engine->slot1->visible) + flag(engine->slot2->visible) + flag(engine->slot3->visible);
        if (key == "points")
            return std::to_string(level->basePoints);
        if (key == "diff")
            return labelText("DifficultyText");
        if (key == "stamps")
            return count([](Tile* t) { return t->showStamp; });
        if (key == "hinted")
            return count([](Tile* t) { return t->hinted || t->hoverHighlighted; });
        if (key == "hintshown")
            return flag(level->hintShown || !level->hintTiles.empty());
        if (key == "hover")
            return count([](Tile* t) { return t->hover; });
        if (key == "panel" || key == "wonpanel" || key == "topbar")
            return flag(engine->menuItem(key == "panel" ? "NoMovesPanel" : key == "wonpanel" ? "GameWonPanel"
                                                                                             : "TopBar")
                            ->visible
                        && (key != "topbar" || engine->menuItem("TopBar")->active));
        if (key == "freeshown")
            return flag(engine->showFreeTiles);
        if (key == "done")
            return flag(engine->done);
        if (key == "time")
            return GameEngine::clockText(60 * engine->minutes + engine->seconds);
        if (key == "moved" || key == "dealt") {
            bool atDeal = true;
            for (size_t i = 0; i < level->tiles.size(); ++i)
                atDeal = atDeal && level->tiles[i]->gridPosition == dealt.at(i)
                    && level->tiles[i]->state == TILE_ON_BOARD;
            return key == "moved" ? flag(!atDeal) : flag(atDeal && clears(solution));
        }
        if (key == "solvable")
            return flag(clears(numbers(level->solution)));
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
        EXPECT_EQ(e.substr(eq + 1), observe(e.substr(0, eq))) << e.substr(0, eq);
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, PlayOutcome, ::testing::ValuesIn(rows),
                         [](const ::testing::TestParamInfo<Row>& info) { return std::string(info.param.name); });
}
