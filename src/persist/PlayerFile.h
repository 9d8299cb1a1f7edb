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
    // without its end tag is dropped; unknown words are skipped. A block that
    // lost its end tag ends at the next "<Player>", so the records after it
    // are kept. damaged, when given, tells whether anything was dropped or
    // cut short (a record or block without its end tag, words outside any
    // record).
    static std::vector<Player*> read(std::istream& in, bool* damaged = nullptr);
    static std::vector<Player*> read(WordReader& in, bool* damaged = nullptr);

    // Writes every record. The saved game of the player current is written
    // by writeCurrentSave (the live board) instead of from its stored lines.
    static void write(std::ostream& out, const std::vector<Player*>& players, const Player* current,
                      const std::function<void(std::ostream&)>& writeCurrentSave);

    // A stored game as the block of a player who is not current.
    static void writeStoredSave(std::ostream& out, const std::vector<std::string>& lines);
};
