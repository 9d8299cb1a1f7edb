#include "base/LineReader.h"

LineReader::LineReader(const std::string& path, size_t limit) : file(path), maxLine(limit) {}

bool LineReader::next()
{
    if (!file.nextLine(line, maxLine, longLine))
        return false;
    lineStream.clear();
    lineStream.str(line);
    lineWords.next(key);
    return true;
}
