#include "persist/PlayerLayouts.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "game/Layout.h"
#include "game/Level.h"
#include "game/TileSet.h"
#include "base/Log.h"

namespace fs = std::filesystem;

// Boards without a render or sound engine: dealing needs only the grid and
// the tile templates' names and matches.
struct PlayerLayouts::Boards {
    Level levels[2];
    Boards()
    {
        const char* sets[2] = {TileSet::standardFile, TileSet::hiraganaFile};
        for (int i = 0; i < 2; ++i) {
            TileSet* ts = new TileSet(nullptr, nullptr, &levels[i]);
            ts->createTileSet(sets[i]);
            levels[i].setTileSet(ts);
        }
    }
};

namespace {
void leaveOut(const std::string& why, const std::string& file)
{
    outputError("Player layout left out (" + why + "): " + file);
}

// A copy for a board to own, without the preview picture.
Layout* copyOf(const Layout& l)
{
    Layout* c = new Layout(nullptr);
    c->fileName = l.fileName;
    c->name = l.name;
    c->gridX = l.gridX;
    c->gridY = l.gridY;
    c->gridZ = l.gridZ;
    c->tileCoordinates = l.tileCoordinates;
    return c;
}
}

std::vector<std::string> PlayerLayouts::scan(const std::string& dir)
{
    std::vector<std::string> files;
    std::error_code ec;
    if (!fs::is_directory(dir, ec))
        return files;
    // Every entry named like a layout file is looked at, links and folders
    // too, so that none is left out without a word.
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec))
        if (it->path().extension() == ".lyt")
            files.push_back(it->path().generic_string());
    if (ec)
        outputError("Could not list all files in: " + dir);
    std::sort(files.begin(), files.end());
    if (files.empty())
        return files;

    Boards boards;
    std::vector<std::string> offered;
    for (const std::string& file : files)
        if (check(file, boards))
            offered.push_back(file);
    return offered;
}

bool PlayerLayouts::acceptable(const std::string& file)
{
    Boards boards;
    return check(file, boards);
}

bool PlayerLayouts::check(const std::string& file, Boards& boards)
{
    std::error_code ec;
    if (!fs::is_regular_file(file, ec) || !std::ifstream(file)) {
        leaveOut("cannot be read", file);
        return false;
    }
    const std::uintmax_t bytes = fs::file_size(file, ec);
    if (ec || bytes > maxFileBytes) {
        leaveOut("larger than " + std::to_string(maxFileBytes) + " bytes", file);
        return false;
    }
    Layout layout(nullptr, file);
    const size_t count = layout.tileCoordinates.size();
    if (count % 2 != 0 || count < minPositions || count > maxPositions) {
        leaveOut(std::to_string(count) + " positions, an even number from 2 to 144 is needed", file);
        return false;
    }
    const std::string problem = layout.playableProblem();
    if (!problem.empty()) {
        leaveOut(problem, file);
        return false;
    }
    for (Level& level : boards.levels) {
        level.setLayout(copyOf(layout));
        if (!level.deal() || level.tilesLeft() != static_cast<int>(count)) {
            leaveOut("cannot be dealt solvable", file);
            return false;
        }
    }
    return true;
}

bool PlayerLayouts::isPlayers(const std::string& file)
{
    const std::string prefix = std::string(folder) + "/";
    return file.compare(0, prefix.size(), prefix) == 0;
}

std::string PlayerLayouts::shownName(const Layout& layout)
{
    std::string name = layout.name.empty() ? layout.fileName : layout.name;
    if (isPlayers(layout.fileName))
        name += " (yours)";
    return name;
}
