#include "persist/SavedGame.h"

#include <sstream>

#include "game/Level.h"
#include "game/Tile.h"
#include "game/Difficulty.h"
#include "base/WordReader.h"

namespace {
// One stored line as words: its key and what follows.
class Line {
public:
    explicit Line(const std::string& text) : stream(text), words(stream) { words.next(key); }
    std::string key;
    WordReader& rest() { return words; }

private:
    std::istringstream stream;
    WordReader words;
};

int readIntOrZero(WordReader& in)
{
    int v = 0;
    return in.readInt(v) ? v : 0;
}

bool readPlace(WordReader& in, double& x, double& y, double& z)
{
    return in.readDouble(x) && in.readDouble(y) && in.readDouble(z);
}

const char* difficultyWord(int difficulty)
{
    switch (difficulty) {
    case DIFFICULTY_EASY: return "Easy";
    case DIFFICULTY_ADVANCED: return "Advanced";
    default: return "Normal";
    }
}

std::string placeText(const Tile* t)
{
    std::ostringstream s;
    s << t->name << " " << static_cast<double>(t->gridPosition.x) << " "
      << static_cast<double>(t->gridPosition.y) << " " << static_cast<double>(t->gridPosition.z);
    return s.str();
}

std::string stateText(const TileState& e)
{
    return placeText(e.tile) + " " + std::to_string(e.state) + (e.shown ? " true" : " false");
}
}

SavedGame SavedGame::parse(const std::vector<std::string>& lines)
{
    SavedGame g;
    size_t i = 0;
    // The lines of a block up to its end line (or the last line); i is left
    // on the line after the end line.
    auto block = [&](const char* endKey, auto&& each) {
        for (++i; i < lines.size(); ++i) {
            Line line(lines[i]);
            if (line.key == endKey) {
                ++i;
                return;
            }
            each(line);
        }
    };
    while (i < lines.size()) {
        Line line(lines[i]);
        const std::string& key = line.key;
        WordReader& in = line.rest();
        if (key == "Time:") {
            g.time = readIntOrZero(in);
        } else if (key == "NumHint:") {
            g.hints = readIntOrZero(in);
        } else if (key == "NumShuffle:") {
            g.shuffles = readIntOrZero(in);
        } else if (key == "NumUndo:") {
            g.undos = readIntOrZero(in);
        } else if (key == "RandomSeed:") {
            unsigned int v = 0;
            g.seed = in.readUnsigned(v) ? v : 0;
        } else if (key == "Layout:") {
            g.hasLayout = in.next(g.layout);
        } else if (key == "TileSet:") {
            g.hasTileSet = in.next(g.tileSet);
        } else if (key == "Difficulty:") {
            in.next(g.difficulty);
        } else if (key == "<Score>") {
            block("</Score>", [&](Line& l) {
                int points;
                if (WordReader::toInt(l.key, points))
                    g.score.push_back(points);
            });
            continue;
        } else if (key == "<Tiles>") {
            block("</Tiles>", [&](Line& l) {
                SavedTile t;
                t.name = l.key;
                if (!t.name.empty() && readPlace(l.rest(), t.x, t.y, t.z))
                    g.tiles.push_back(t);
            });
            continue;
        } else if (key.find("<TileStates") != std::string::npos) {
            std::vector<SavedTileState> snapshot;
            bool lastShown = true;
            block("</TileStates>", [&](Line& l) {
                SavedTileState e;
                e.name = l.key;
                std::string flag;
                if (e.name.empty() || !readPlace(l.rest(), e.x, e.y, e.z) || !l.rest().readInt(e.state))
                    return;
                l.rest().next(flag);
                e.shown = flag == "true" ? true : flag == "false" ? false : lastShown;
                lastShown = e.shown;
                snapshot.push_back(e);
            });
            g.snapshots.push_back(std::move(snapshot));
            g.complete = true;
            continue;
        } else if (key == "<Redo>") {
            for (++i; i < lines.size() && Line(lines[i]).key != "</Redo>"; ++i)
                g.redo.push_back(lines[i]);
            ++i;
            continue;
        } else if (key == "<TilesCleared>") {
            block("</TilesCleared>", [](Line&) {});
            g.complete = true;
            continue;
        }
        ++i;
    }
    return g;
}

std::vector<std::string> SavedGame::boardLines(const Level& level, int time, int hints, int shuffles,
                                               int undos, const std::string& layoutPath,
                                               const std::string& tileSetPath, int difficulty)
{
    std::vector<std::string> out;
    out.push_back("Time: " + std::to_string(time));
    out.push_back("NumHint: " + std::to_string(hints));
    out.push_back("NumShuffle: " + std::to_string(shuffles));
    out.push_back("NumUndo: " + std::to_string(undos));
    out.push_back("RandomSeed: " + std::to_string(level.randomSeed));
    out.push_back("CameraPos: ");
    out.push_back("CameraTarget: ");
    out.push_back("Layout: " + layoutPath);
    out.push_back("TileSet: " + tileSetPath);
    out.push_back(std::string("Difficulty: ") + difficultyWord(difficulty));
    out.push_back("<Score>");
    for (int points : level.matchPoints)
        out.push_back(std::to_string(points));
    out.push_back("</Score>");
    out.push_back("<Tiles>");
    for (const Tile* t : pointers(level.tiles))
        if (t)
            out.push_back(placeText(t));
    out.push_back("</Tiles>");
    const std::vector<std::vector<TileState>>& history = level.undoHistory;
    for (size_t k = 0; k < history.size(); ++k) {
        out.push_back("<TileStates" + std::to_string(k) + ">");
        for (size_t j = 0; j < history[k].size(); ++j) {
            const TileState& e = history[k][j];
            if (!e.tile)
                continue;
            // Later snapshots hold only what changed since the one before.
            if (k > 0 && j < history[k - 1].size() && history[k - 1][j].state == e.state)
                continue;
            out.push_back(stateText(e));
        }
        out.push_back("</TileStates>");
    }
    // Only a game with steps to redo has the block.
    for (const std::string& line : level.redoList.saveLines(level))
        out.push_back(line);
    return out;
}

void SavedGame::writeLive(std::ostream& out, const std::vector<std::string>& lines)
{
    out << "\n\t<Save>";
    bool inBlock = false;
    for (const std::string& line : lines) {
        const bool ends = line == "</Score>" || line == "</Tiles>" || line == "</TileStates>" || line == "</Redo>";
        if (ends)
            inBlock = false;
        out << (inBlock ? "\n\t\t\t" : "\n\t\t") << line;
        if (line == "<Score>" || line == "<Tiles>" || line.compare(0, 11, "<TileStates") == 0 || line == "<Redo>")
            inBlock = true;
    }
    out << "\n\t</Save>";
}
