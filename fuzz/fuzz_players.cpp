// Player files: reading whatever the input is, then writing the records back
// and reading them again, which must give back as many records, undamaged.
#include <cstddef>
#include <cstdint>
#include <iostream>
#include <sstream>
#include <string>

#include "persist/Player.h"
#include "persist/PlayerFile.h"
#include "persist/SavedGame.h"

namespace {
void release(std::vector<Player*>& players)
{
    for (Player* p : players)
        delete p;
    players.clear();
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::cerr.setstate(std::ios::failbit);  // the reader's log lines
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    std::vector<Player*> players = PlayerFile::read(in);
    for (const Player* p : players)
        SavedGame::parse(p->saveLines);
    std::ostringstream out;
    PlayerFile::write(out, players, nullptr, nullptr);
    std::istringstream again(out.str());
    bool damaged = true;
    std::vector<Player*> reread = PlayerFile::read(again, &damaged);
    // Names with line ends or stats names with blanks cannot come back
    // whole, but the number of records always does, and a file the game
    // wrote never reads as damaged (which would keep a needless copy).
    if (reread.size() != players.size() || damaged)
        __builtin_trap();
    release(players);
    release(reread);
    return 0;
}
