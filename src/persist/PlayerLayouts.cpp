#include "persist/PlayerLayouts.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>

#include "game/Layout.h"
#include "game/Level.h"
#include "game/TileSet.h"
#include "base/AtomicFile.h"
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

std::string PlayerLayouts::nameProblem(const std::string& name, const std::string& dir)
{
    if (name.empty())
        return "Type a name first.";
    if (name.size() > maxNameLength)
        return "That name is too long.";
    for (char c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-' && c != '_')
            return "Use letters, digits, - and _ only.";
    std::error_code ec;
    if (fs::is_symlink(dir, ec) || (fs::exists(dir, ec) && !fs::is_directory(dir, ec)))
        return "The layouts folder cannot be written.";
    // Names differing in case alone would be one file on some systems.
    auto lower = [](std::string t) {
        for (char& c : t)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return t;
    };
    const std::string wanted = lower(name + ".lyt");
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec))
        if (lower(it->path().filename().string()) == wanted)
            return "A layout of that name is kept already.";
    return std::string();
}

std::string PlayerLayouts::keep(const Layout& layout, const std::string& name, const std::string& dir)
{
    if (!nameProblem(name, dir).empty())
        return std::string();
    std::error_code ec;
    fs::create_directories(dir, ec);
    const std::string path = (fs::path(dir) / (name + ".lyt")).generic_string();
    const bool written = AtomicFile::write(path, [&](std::ostream& out) {
        auto vec = [&out](const char* key, const Vector3& v) {
            out << key << ' ' << v.x << ' ' << v.y << ' ' << v.z << '\n';
        };
        out << "Name: " << name << '\n';
        vec("DefaultCameraTranslation:", layout.defaultCameraTranslation);
        vec("DefaultCameraTrack:", layout.defaultCameraTrack);
        out << "DefaultCameraZoom: " << layout.defaultCameraZoom << '\n';
        out << "DefaultFov: " << layout.defaultFov << '\n';
        out << "GridX: " << layout.gridX << "\nGridY: " << layout.gridY << "\nGridZ: " << layout.gridZ << '\n';
        out << "TileCoordinates:\n";
        for (const Vector3& p : layout.tileCoordinates)
            out << "\tTile " << p.x << ' ' << p.y << ' ' << p.z << '\n';
    });
    if (!written)
        return std::string();
    // What would be left out at the next start is not kept at all.
    if (!acceptable(path)) {
        fs::remove(path, ec);
        return std::string();
    }
    outputError("Kept layout: " + path);
    return path;
}
