#pragma once
#include <cstdint>
#include <string>
#include <vector>

class Layout;

// The player's own layouts: the ".lyt" files of the "layouts" folder in the
// working directory. Only files that can be dealt are offered; every other
// one is left out with one log line naming it, so a bad file never reaches
// the chooser, a saved game or the board.
class PlayerLayouts {
public:
    static constexpr const char* folder = "layouts";
    // Pairs of tiles, at most one full deal of the largest size.
    static constexpr size_t minPositions = 2;
    static constexpr size_t maxPositions = 144;
    // Far above any real layout; keeps a stray huge file from stalling start-up.
    static constexpr std::uintmax_t maxFileBytes = 1u << 20;

    // The files of dir that can be offered, sorted by path. Each file read is
    // logged once as "Loaded layout file: PATH".
    static std::vector<std::string> scan(const std::string& dir = folder);
    // Whether one file can be offered; when not, logs why with its path.
    static bool acceptable(const std::string& file);
    // Whether the file is one of the player's (inside the folder).
    static bool isPlayers(const std::string& file);
    // The name shown in the chooser: the player's layouts are marked.
    static std::string shownName(const Layout& layout);

    // Kept layouts are named by the player: one word of letters, digits, '-'
    // and '_' (a layout's name is one word), so that the file can neither
    // leave the folder nor stand for another.
    static constexpr size_t maxNameLength = 32;
    // Why name cannot be given to a layout kept in dir, or empty when it can.
    static std::string nameProblem(const std::string& name, const std::string& dir = folder);
    // Writes layout into dir as NAME.lyt under that name; the file's path,
    // or empty (logged) when it could not be written or would not be offered.
    static std::string keep(const Layout& layout, const std::string& name, const std::string& dir = folder);

private:
    // One board per built-in tile set, dealt from each candidate in turn.
    struct Boards;
    static bool check(const std::string& file, Boards& boards);
};
