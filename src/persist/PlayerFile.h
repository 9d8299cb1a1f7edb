#pragma once
#include <functional>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

class Player;
class WordReader;

// The player file: one record per player, in list order, each with the name,
// the free-tile option, the rewards, the stored game and the best results per
// layout and per tile set. Indentation is made of tabs; there is no newline
// after the last record.
class PlayerFile {
public:
    static constexpr const char* path = "Assets/Players/players_demo.dat";

    // The records of a stream, in order; the caller owns them. A record
    // without its end tag is dropped; unknown words are skipped.
    static std::vector<Player*> read(std::istream& in);
    static std::vector<Player*> read(WordReader& in);

    // Writes every record. The saved game of the player current is written
    // by writeCurrentSave (the live board) instead of from its stored lines.
    static void write(std::ostream& out, const std::vector<Player*>& players, const Player* current,
                      const std::function<void(std::ostream&)>& writeCurrentSave);

    // A stored game as the block of a player who is not current.
    static void writeStoredSave(std::ostream& out, const std::vector<std::string>& lines);
};
