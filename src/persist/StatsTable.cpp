#include "persist/StatsTable.h"

#include <cstdio>

#include "persist/Player.h"

namespace {
template <class Stats>
void addGroup(std::vector<StatsTable::Row>& out, const char* heading, const std::vector<Stats>& list)
{
    StatsTable::Row head;
    head.heading = true;
    head.name = heading;
    out.push_back(head);
    for (const Stats& s : list) {
        StatsTable::Row r;
        r.name = s.name.empty() ? std::string("(unnamed)") : s.name;
        r.won = std::to_string(s.completed);
        // A record read from a file may hold no win yet: no best to show.
        const bool any = s.completed > 0;
        r.time = any ? StatsTable::timeText(s.time) : "--";
        r.score = any ? std::to_string(s.score) : "--";
        r.hints = any ? std::to_string(s.hints) : "--";
        r.shuffles = any ? std::to_string(s.shuffles) : "--";
        r.undos = any ? std::to_string(s.undos) : "--";
        out.push_back(r);
    }
}
}

std::string StatsTable::timeText(unsigned int seconds)
{
    char text[32];
    // Minutes beyond two digits are shown whole rather than wrapped.
    std::snprintf(text, sizeof text, "%02u:%02u", seconds / 60, seconds % 60);
    return text;
}

std::vector<StatsTable::Row> StatsTable::rows(const Player& player)
{
    std::vector<Row> out;
    if (player.layoutStats.empty() && player.tileSetStats.empty())
        return out;
    addGroup(out, "Layouts", player.layoutStats);
    addGroup(out, "Tile sets", player.tileSetStats);
    return out;
}
