#include <gtest/gtest.h>

#include <fstream>
#include <iostream>
#include <sstream>

#include "ScopedWorkDir.h"
#include "main/Log.h"

namespace {
std::string readLog()
{
    std::ifstream in("log.txt");
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}
}

TEST(Log, EachRunStartsAFreshLogAndLinesArriveAtOnce)
{
    ScopedWorkDir dir;
    openLog();
    outputError("first run");
    closeLog();

    openLog();
    outputError("SDL initialized properly");
    EXPECT_EQ(readLog(), "SDL initialized properly\n");  // written before closeLog
    outputError("ends in a newline\n");
    std::cerr << "anything on standard error" << std::endl;
    closeLog();
    outputError("after closing: not in the log");
    EXPECT_EQ(readLog(), "SDL initialized properly\nends in a newline\n\nanything on standard error\n");
}

TEST(Log, UnopenableLogLeavesStandardErrorAlone)
{
    ScopedWorkDir dir;
    std::filesystem::create_directory("log.txt");
    std::streambuf* before = std::cerr.rdbuf();
    openLog();
    EXPECT_EQ(std::cerr.rdbuf(), before);
    outputError("goes to the terminal");
    closeLog();
    EXPECT_EQ(std::cerr.rdbuf(), before);
}
