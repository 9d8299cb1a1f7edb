#include <gtest/gtest.h>

#include <iostream>

#include "base/Log.h"
#include "support/WorkDir.h"

TEST(Log, EachRunStartsAFreshLogAndLinesArriveAtOnce)
{
    WorkDir dir;
    openLog();
    outputError("first run");
    closeLog();
    openLog();
    outputError("SDL initialized properly");
    EXPECT_EQ(WorkDir::read("log.txt"), "SDL initialized properly\n");  // before closeLog
    outputError("ends in a newline\n");
    std::cerr << "anything on standard error" << std::endl;
    closeLog();
    outputError("after closing: not in the log");
    EXPECT_EQ(WorkDir::read("log.txt"), "SDL initialized properly\nends in a newline\n\nanything on standard error\n");
}
