#pragma once
#include <ostream>
#include <string>
#include <vector>

class Level;

// A player's game in progress as text lines: the clock, the counters, the
// seed, the layout, tile set and difficulty, the match points, the tiles with
// their grid places and the undo history. Snapshot 0 lists every tile; each
// later snapshot lists only the tiles whose state differs from the snapshot
// before it.
class SavedGame {
public:
    struct SavedTile {
        std::string name;
        double x = 0, y = 0, z = 0;
    };
    struct SavedTileState {
        std::string name;
        double x = 0, y = 0, z = 0;
        int state = 0;
        bool shown = true;
    };

    int time = 0;  // seconds
    int hints = 0;
    int shuffles = 0;
    int undos = 0;
    unsigned int seed = 0;
    bool hasLayout = false;
    std::string layout;
    bool hasTileSet = false;
    std::string tileSet;
    std::string difficulty;  // the word as read; empty when there was none
    std::vector<int> score;
    std::vector<SavedTile> tiles;
    std::vector<std::vector<SavedTileState>> snapshots;  // as stored: later ones partial
    std::vector<std::string> redo;  // the lines inside a "<Redo>" block, for RedoList
    bool complete = false;  // a snapshot (or a cleared-tiles block) was read whole

    // Reads stored lines; anything it does not know is skipped, numbers that
    // do not read count as 0, a block without its end line ends with the lines.
    static SavedGame parse(const std::vector<std::string>& lines);

    // The lines describing the live board.
    static std::vector<std::string> boardLines(const Level& level, int time, int hints, int shuffles,
                                               int undos, const std::string& layoutPath,
                                               const std::string& tileSetPath, int difficulty);

    // The block of the player in play as the live game writes it: lines inside
    // the score, tiles and snapshot blocks one tab deeper.
    static void writeLive(std::ostream& out, const std::vector<std::string>& lines);
};
