#pragma once
#include <string>
#include <vector>

#include "game/BoardFingerprint.h"
#include "game/TileState.h"

class Level;
class Tile;

// The steps undo took back, so that they can be put back in order. Undo
// and redo go through it; the list holds only while the board is exactly
// where the last undo or redo left it, so any other move (a new pair, a
// parking, a restart, a shuffle, a new deal) ends it without being told.
class RedoList {
public:
    // Undoes one step of the board (Level::undoStep), keeping it to be
    // redone; false when the board had nothing to undo. Level::undo calls it.
    bool undo(Level& level);
    // Puts back the step undone last, with the points it had scored; false
    // when there is none.
    bool redo(Level& level);
    bool canRedo(const Level& level) const { return !steps.empty() && current(level); }
    void clear();

    // A "<Redo>" block for the saved game, or nothing when there is nothing
    // to redo (a game without one is saved exactly as before).
    std::vector<std::string> saveLines(const Level& level) const;
    // Takes back the lines inside a saved "<Redo>" block on the board as
    // restored; steps that name no tile of the board end the list there.
    void restore(Level& level, const std::vector<std::string>& lines);

private:
    struct Step {
        std::vector<Tile*> tiles;  // a pair taken, or the one tile parked
        bool parked = false;
        int points = 0;            // what the pair scored
        int timeBonus = 0;         // the bonus when it was undone
    };

    bool current(const Level& level) const;
    void markCurrent(const Level& level);

    std::vector<Step> steps;  // the step undone last at the back
    size_t historySize = 0;
    std::vector<TileState> top;  // the board's last snapshot when marked
    BoardFingerprint board;
};
