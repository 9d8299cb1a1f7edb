#include "base/Log.h"

#include <fstream>
#include <iostream>
#include <mutex>

namespace {
// The process-wide log file and the buffer standard error had before it was
// redirected; both live until the static objects are destroyed.
std::ofstream logFile;
std::streambuf* savedErrBuffer = nullptr;
// Lines come from more than one thread while the game starts (the audio
// device opens beside the window); each is written whole.
std::mutex lineLock;
}

void openLog()
{
    logFile.close();
    logFile.clear();
    // Emptied, then written in append mode: a refused second start adds its
    // line at the end (appendToLog) and the next line of this run must not
    // write over it.
    logFile.open("log.txt", std::ios::out | std::ios::trunc);
    logFile.close();
    logFile.open("log.txt", std::ios::out | std::ios::app);
    if (!logFile.is_open()) {
        logFile.setstate(std::ios::failbit);
        return;
    }
    savedErrBuffer = std::cerr.rdbuf(logFile.rdbuf());
}

void outputError(const std::string& message)
{
    // std::cerr is unit-buffered: each line reaches the file at once.
    const std::lock_guard<std::mutex> hold(lineLock);
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

void reportFailure(const std::string& message, const std::string& terminalNote)
{
    outputError(message);
    if (savedErrBuffer) {
        std::ostream terminal(savedErrBuffer);
        terminal << "jadeloom: " << message << terminalNote << std::endl;
    }
}

void appendToLog(const std::string& message)
{
    std::ofstream file("log.txt", std::ios::out | std::ios::app);
    file << message << "\n";
}
