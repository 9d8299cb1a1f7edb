#include "base/WordReader.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <filesystem>

namespace {
bool isBlank(int c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}
}

// Characters are taken straight from the stream buffer: the stream's own
// per-character calls cost more than all the parsing.
WordReader::WordReader(std::istream& in) : source(in.rdbuf()) {}

WordReader::WordReader(const std::string& path)
{
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored))
        return;  // opens, but reading it fails
    file.open(path, std::ios::in | std::ios::binary);
    if (file.is_open())
        source = file.rdbuf();
}

// A failing read (a device error, a directory) ends the input like its end.
int WordReader::peekChar()
{
    if (!source)
        return EOF;
    try {
        return source->sgetc();
    } catch (...) {
        source = nullptr;
        return EOF;
    }
}

int WordReader::takeChar()
{
    if (!source)
        return EOF;
    try {
        return source->sbumpc();
    } catch (...) {
        source = nullptr;
        return EOF;
    }
}

bool WordReader::atEnd()
{
    if (!source)
        return true;
    int c;
    while ((c = peekChar()) != EOF && isBlank(c))
        takeChar();
    return c == EOF;
}

bool WordReader::next(std::string& word)
{
    word.clear();
    if (atEnd())
        return false;
    int c;
    while ((c = peekChar()) != EOF && !isBlank(c)) {
        takeChar();
        if (word.size() < maxWord)
            word.push_back(static_cast<char>(c));
    }
    return true;
}

bool WordReader::toInt(const std::string& word, int& value)
{
    if (word.empty())
        return false;
    errno = 0;
    char* end = nullptr;
    long v = std::strtol(word.c_str(), &end, 10);
    if (*end != '\0' || errno == ERANGE || v < INT_MIN || v > INT_MAX)
        return false;
    value = static_cast<int>(v);
    return true;
}

bool WordReader::toUnsigned(const std::string& word, unsigned int& value)
{
    if (word.empty() || word[0] == '-')
        return false;
    errno = 0;
    char* end = nullptr;
    unsigned long v = std::strtoul(word.c_str(), &end, 10);
    if (*end != '\0' || errno == ERANGE || v > UINT_MAX)
        return false;
    value = static_cast<unsigned int>(v);
    return true;
}

bool WordReader::toDouble(const std::string& word, double& value)
{
    if (word.empty())
        return false;
    errno = 0;
    char* end = nullptr;
    double v = std::strtod(word.c_str(), &end);
    if (*end != '\0' || errno == ERANGE || !std::isfinite(v))
        return false;
    value = v;
    return true;
}

bool WordReader::toFloat(const std::string& word, float& value)
{
    double v;
    if (!toDouble(word, v) || std::fabs(v) > 3.0e38)
        return false;
    value = static_cast<float>(v);
    return true;
}

bool WordReader::readInt(int& value)
{
    std::string w;
    return next(w) && toInt(w, value);
}

bool WordReader::readUnsigned(unsigned int& value)
{
    std::string w;
    return next(w) && toUnsigned(w, value);
}

bool WordReader::readFloat(float& value)
{
    std::string w;
    return next(w) && toFloat(w, value);
}

bool WordReader::readDouble(double& value)
{
    std::string w;
    return next(w) && toDouble(w, value);
}

bool WordReader::readBool(bool& value)
{
    std::string w;
    if (!next(w))
        return false;
    if (w == "true") { value = true; return true; }
    if (w == "false") { value = false; return true; }
    return false;
}

std::string WordReader::restOfLine(size_t maxLength)
{
    std::string line;
    if (!source)
        return line;
    int c;
    while ((c = takeChar()) != EOF && c != '\n') {
        if (line.size() < maxLength)
            line.push_back(static_cast<char>(c));
    }
    return line;
}

bool WordReader::nextLine(std::string& line, size_t maxLength, bool& tooLong)
{
    line.clear();
    tooLong = false;
    if (!source || peekChar() == EOF)
        return false;
    int c;
    while ((c = takeChar()) != EOF && c != '\n') {
        if (line.size() < maxLength)
            line.push_back(static_cast<char>(c));
        else
            tooLong = true;
    }
    return true;
}
