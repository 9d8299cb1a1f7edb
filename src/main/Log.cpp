#include "main/Log.h"

#include <fstream>
#include <iostream>

namespace {
// The process-wide log file and the buffer standard error had before it was
// redirected; both live until the static objects are destroyed.
std::ofstream logFile;
std::streambuf* savedErrBuffer = nullptr;
}

void openLog()
{
    logFile.close();
    logFile.clear();
    logFile.open("log.txt", std::ios::out | std::ios::trunc);
    if (!logFile.is_open()) {
        logFile.setstate(std::ios::failbit);
        return;
    }
    savedErrBuffer = std::cerr.rdbuf(logFile.rdbuf());
}

void outputError(const std::string& message)
{
    // std::cerr is unit-buffered: each line reaches the file at once.
    std::cerr << message << "\n";
    std::cerr.flush();
}

void closeLog()
{
    if (logFile.is_open() && savedErrBuffer) {
        std::cerr.rdbuf(savedErrBuffer);
        savedErrBuffer = nullptr;
    }
}
