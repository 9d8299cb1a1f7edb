#include "persist/PlayerFile.h"

#include "main/Log.h"
#include "persist/Player.h"
#include "persist/WordReader.h"

namespace {
// Stored lines are short; a longer one is cut rather than kept whole.
constexpr size_t maxSaveLine = 1024;

std::string withoutFirstCarriageReturn(std::string text)
{
    const size_t cr = text.find('\r');
    if (cr != std::string::npos)
        text.erase(cr, 1);
    return text;
}

// The numbers shared by both kinds of record; true when the key was one.
bool readResult(WordReader& in, const std::string& key, BestResults& r)
{
    uint32_t* field = nullptr;
    if (key == "Time:")
        field = &r.time;
    else if (key == "Score:")
        field = &r.score;
    else if (key == "Completed:")
        field = &r.completed;
    else if (key == "Hints:")
        field = &r.hints;
    else if (key == "Shuffles:")
        field = &r.shuffles;
    else if (key == "Undos:")
        field = &r.undos;
    if (!field)
        return false;
    unsigned int value;
    if (in.readUnsigned(value))
        *field = value;
    return true;
}

LayoutStats readLayoutStats(WordReader& in)
{
    LayoutStats s;
    std::string word;
    while (in.next(word) && word != "</Layouts>") {
        if (word == "Name:")
            in.next(s.name);
        else
            readResult(in, word, s);
    }
    return s;
}

TileSetStats readTileSetStats(WordReader& in)
{
    TileSetStats s;
    std::string word;
    while (in.next(word) && word != "</TileSets>") {
        if (word == "Name:")
            in.next(s.name);
        else if (word == "Grade:")
            in.next(s.grade);
        else
            readResult(in, word, s);
    }
    return s;
}

// The lines of a "<Save>" block, without tabs and carriage returns, up to the
// line "</Save>" or the end of the file.
void readSaveLines(WordReader& in, std::vector<std::string>& lines)
{
    in.restOfLine(0);  // the end of the tag's own line
    std::string line;
    bool tooLong = false;
    while (in.nextLine(line, maxSaveLine, tooLong)) {
        std::string clean;
        for (char c : line)
            if (c != '\t' && c != '\r')
                clean.push_back(c);
        if (clean == "</Save>")
            return;
        lines.push_back(clean);
    }
}

void writeResults(std::ostream& out, const BestResults& r)
{
    out << "\n\t\tTime: " << r.time << "\n\t\tScore: " << r.score << "\n\t\tCompleted: " << r.completed
        << "\n\t\tHints: " << r.hints << "\n\t\tShuffles: " << r.shuffles << "\n\t\tUndos: " << r.undos;
}
}

std::vector<Player*> PlayerFile::read(std::istream& in)
{
    WordReader reader(in);
    return read(reader);
}

std::vector<Player*> PlayerFile::read(WordReader& in)
{
    std::vector<Player*> players;
    Player* record = nullptr;  // owned until it is appended
    std::string word;
    while (in.next(word)) {
        if (word == "<Player>") {
            // A record whose end tag never came is abandoned.
            delete record;
            record = new Player;
        } else if (!record) {
            continue;  // nothing outside a record is read
        } else if (word == "</Player>") {
            players.push_back(record);
            outputError("Loaded player: " + record->name);
            record = nullptr;
        } else if (word == "Name:") {
            std::string name = in.restOfLine(WordReader::maxWord);
            if (!name.empty())
                name.erase(0, 1);  // the blank after the key
            record->setName(withoutFirstCarriageReturn(name));
        } else if (word == "FreeTiles:") {
            std::string value;
            in.next(value);
            record->highlightFreeTiles = value == "true";
        } else if (word == "<Rewards>") {
            std::string path;
            while (in.next(path) && path != "</Rewards>")
                record->rewards.push_back(path);
        } else if (word == "<Save>") {
            readSaveLines(in, record->saveLines);
        } else if (word == "<Layouts>") {
            record->layoutStats.push_back(readLayoutStats(in));
        } else if (word == "<TileSets>") {
            record->tileSetStats.push_back(readTileSetStats(in));
        }
    }
    delete record;
    return players;
}

void PlayerFile::writeStoredSave(std::ostream& out, const std::vector<std::string>& lines)
{
    out << "\n\t<Save>";
    const char* prefix = "\n\t\t";
    for (const std::string& line : lines) {
        if (line == "</Score>" || line == "</Tiles>" || line == "</TilesCleared>")
            prefix = "\n\t\t";
        out << prefix << line;
        if (line == "<Score>" || line == "<Tiles>" || line == "<TilesCleared>")
            prefix = "\n\t\t\t";
    }
    out << "\n\t</Save>";
}

void PlayerFile::write(std::ostream& out, const std::vector<Player*>& players, const Player* current,
                       const std::function<void(std::ostream&)>& writeCurrentSave)
{
    bool first = true;
    for (const Player* p : players) {
        if (!p)
            continue;
        out << (first ? "<Player>" : "\n<Player>");
        first = false;
        out << "\n\tName: " << p->name;
        out << "\n\tFreeTiles: " << (p->highlightFreeTiles ? "true" : "false");
        out << "\n\t<Rewards>";
        for (const std::string& r : p->rewards)
            out << "\n\t\t" << r;
        out << "\n\t</Rewards>";
        if (p == current && writeCurrentSave)
            writeCurrentSave(out);
        else
            writeStoredSave(out, p->saveLines);
        for (const LayoutStats& s : p->layoutStats) {
            out << "\n\t<Layouts>\n\t\tName: " << s.name;
            writeResults(out, s);
            out << "\n\t</Layouts>";
        }
        for (const TileSetStats& s : p->tileSetStats) {
            out << "\n\t<TileSets>\n\t\tName: " << s.name << "\n\t\tGrade: " << s.grade;
            writeResults(out, s);
            out << "\n\t</TileSets>";
        }
        out << "\n</Player>";
    }
}
