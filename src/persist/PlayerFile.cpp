#include "persist/PlayerFile.h"

#include <memory>

#include "base/Log.h"
#include "persist/Player.h"
#include "base/WordReader.h"

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

// How a block of a record ended. A "<Player>" inside a block means the
// block lost its end tag: the block ends there so the records after it are
// still read.
enum class BlockEnd { Tag, NextPlayer, EndOfFile };

// A stats name is one word; a "Name:" with nothing after it on its line is
// an empty name, not the first word of the next line.
std::string readStatsName(WordReader& in)
{
    const std::string rest = in.restOfLine(WordReader::maxWord);
    const size_t start = rest.find_first_not_of(" \t\r");
    if (start == std::string::npos)
        return std::string();
    const size_t end = rest.find_first_of(" \t\r", start);
    return rest.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

template <class Stats, class Key>
BlockEnd readStats(WordReader& in, const char* endTag, Stats& s, Key key)
{
    std::string word;
    while (in.next(word)) {
        if (word == endTag)
            return BlockEnd::Tag;
        if (word == "<Player>")
            return BlockEnd::NextPlayer;
        if (word == "Name:")
            s.name = readStatsName(in);
        else if (!key(word))
            readResult(in, word, s);
    }
    return BlockEnd::EndOfFile;
}

BlockEnd readRewards(WordReader& in, std::vector<std::string>& rewards)
{
    std::string path;
    while (in.next(path)) {
        if (path == "</Rewards>")
            return BlockEnd::Tag;
        if (path == "<Player>")
            return BlockEnd::NextPlayer;
        rewards.push_back(path);
    }
    return BlockEnd::EndOfFile;
}

// The lines of a "<Save>" block, without tabs and carriage returns, up to the
// line "</Save>", a line starting a new record, or the end of the file.
BlockEnd readSaveLines(WordReader& in, std::vector<std::string>& lines)
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
            return BlockEnd::Tag;
        const size_t first = clean.find_first_not_of(' ');
        if (first != std::string::npos && clean.compare(first, 8, "<Player>") == 0)
            return BlockEnd::NextPlayer;
        lines.push_back(clean);
    }
    return BlockEnd::EndOfFile;
}

void writeResults(std::ostream& out, const BestResults& r)
{
    out << "\n\t\tTime: " << r.time << "\n\t\tScore: " << r.score << "\n\t\tCompleted: " << r.completed
        << "\n\t\tHints: " << r.hints << "\n\t\tShuffles: " << r.shuffles << "\n\t\tUndos: " << r.undos;
}
}

std::vector<Player*> PlayerFile::read(std::istream& in, bool* damaged)
{
    WordReader reader(in);
    return read(reader, damaged);
}

std::vector<Player*> PlayerFile::read(WordReader& in, bool* damaged)
{
    std::vector<Player*> players;
    std::unique_ptr<Player> record;  // owned until it is appended
    bool harmed = false;
    std::string word;
    bool startRecord = false;  // a block ended at the next record's tag
    while (startRecord || in.next(word)) {
        if (startRecord || word == "<Player>") {
            // A record whose end tag never came is abandoned.
            harmed = harmed || record;
            record = std::make_unique<Player>();
            startRecord = false;
            continue;
        }
        if (!record) {
            // Nothing outside a record is read; anything there is damage.
            harmed = true;
            continue;
        }
        BlockEnd end = BlockEnd::Tag;
        if (word == "</Player>") {
            outputError("Loaded player: " + record->name);
            players.push_back(record.release());
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
            end = readRewards(in, record->rewards);
        } else if (word == "<Save>") {
            end = readSaveLines(in, record->saveLines);
        } else if (word == "<Layouts>") {
            end = readStats(in, "</Layouts>", record->layoutStats.emplace_back(),
                            [](const std::string&) { return false; });
        } else if (word == "<TileSets>") {
            TileSetStats& s = record->tileSetStats.emplace_back();
            end = readStats(in, "</TileSets>", s, [&in, &s](const std::string& key) {
                if (key != "Grade:")
                    return false;
                in.next(s.grade);
                return true;
            });
        }
        if (end == BlockEnd::NextPlayer)
            startRecord = true;
        harmed = harmed || end != BlockEnd::Tag;
    }
    harmed = harmed || record;
    if (damaged)
        *damaged = harmed;
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
