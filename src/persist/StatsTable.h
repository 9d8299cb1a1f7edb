#pragma once
#include <string>
#include <vector>

class Player;

// What the statistics panel lists for a player: a heading, a row for every
// layout won on, in the player's own order, then a heading and a row for
// every tile set. Each row holds the texts of its columns.
class StatsTable {
public:
    struct Row {
        bool heading = false;
        std::string name, won, time, score, hints, shuffles, undos;
    };

    static std::vector<Row> rows(const Player& player);
    // "mm:ss" of a time in seconds ("--" for none).
    static std::string timeText(unsigned int seconds);
};
