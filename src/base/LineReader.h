#pragma once
#include <cstddef>
#include <sstream>
#include <string>

#include "base/WordReader.h"

// The line-based formats (models, materials, animations, tile sets): every
// line is a keyword followed by its words. Lines are read with a length
// limit; the rest of a line is read word by word through words().
class LineReader {
public:
    explicit LineReader(const std::string& path, size_t maxLine = 255);
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    bool ok() const { return file.ok(); }

    // Moves to the next line; false at the end of the file.
    bool next();
    // The current line was longer than the limit (it was cut there).
    bool tooLong() const { return longLine; }
    // The first word of the current line; empty for a blank line.
    const std::string& keyword() const { return key; }
    // The words after the keyword.
    WordReader& words() { return lineWords; }

private:
    WordReader file;
    size_t maxLine;
    std::string line;
    std::string key;
    bool longLine = false;
    std::istringstream lineStream;  // one stream for all lines: cheaper than one per line
    WordReader lineWords{lineStream};
};
