#pragma once
#include <cstddef>
#include <fstream>
#include <istream>
#include <streambuf>
#include <string>

// The one reader of the game's text formats: streams of blank-separated words
// in which a key ends in a colon and is followed by its value, records are
// enclosed in <tags>, and booleans are "true" and "false".
//
// It never trusts its input: words longer than maxWord are cut (the rest of
// the word is skipped), lines longer than a caller's limit are reported, and a
// value that does not parse leaves the caller's variable untouched. Reading
// always moves forward, so a loop over next() ends on any file.
class WordReader {
public:
    static constexpr size_t maxWord = 1024;

    explicit WordReader(std::istream& in);
    // Opens a file of its own; ok() tells whether it opened.
    explicit WordReader(const std::string& path);

    bool ok() const { return source != nullptr; }
    bool atEnd();

    // The next word; false at the end of the stream (word is then empty).
    bool next(std::string& word);

    // Reads one word and converts it. A word that is not wholly a number
    // (or not "true"/"false") is consumed and false is returned; the target
    // keeps its value. The end of the stream also returns false.
    bool readInt(int& value);
    bool readUnsigned(unsigned int& value);
    bool readFloat(float& value);
    bool readDouble(double& value);
    bool readBool(bool& value);

    // The rest of the current line (after the last word read), without the
    // newline. At most maxLength characters are kept; the remainder of a
    // longer line is skipped. A carriage return before the newline is kept,
    // as some formats strip it themselves.
    std::string restOfLine(size_t maxLength = 255);

    // Reads a whole line for line-based formats. Returns false at the end of
    // the stream. When the line is longer than maxLength, tooLong is set, the
    // line is cut to maxLength and the rest of it is skipped.
    bool nextLine(std::string& line, size_t maxLength, bool& tooLong);

    // Single characters, blanks included, for formats that quote characters
    // (EOF at the end of the stream).
    int peekCharacter() { return peekChar(); }
    int nextCharacter() { return takeChar(); }

    // Conversions shared with callers that already hold a word.
    static bool toInt(const std::string& word, int& value);
    static bool toUnsigned(const std::string& word, unsigned int& value);
    static bool toFloat(const std::string& word, float& value);
    static bool toDouble(const std::string& word, double& value);

private:
    int peekChar();
    int takeChar();

    std::ifstream file;
    std::streambuf* source = nullptr;
};
