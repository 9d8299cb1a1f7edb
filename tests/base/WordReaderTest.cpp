#include <gtest/gtest.h>

#include <sstream>

#include "base/WordReader.h"

TEST(WordReader, SplitsOnAnyBlankAndEndsCleanly)
{
    std::istringstream in("  Name:\tTurtle\r\n<Tile>  \n\n</Tile>");
    WordReader r(in);
    std::string w;
    std::vector<std::string> words;
    while (r.next(w))
        words.push_back(w);
    EXPECT_EQ(words, (std::vector<std::string>{"Name:", "Turtle", "<Tile>", "</Tile>"}));
    EXPECT_FALSE(r.next(w));
    EXPECT_TRUE(w.empty());
}

TEST(WordReader, BadNumbersAreConsumedAndLeaveTheTarget)
{
    std::istringstream in("12 x7 3.5 99999999999 -4 1e999 nan 2.5e-1 true yes");
    WordReader r(in);
    int i = -1;
    EXPECT_TRUE(r.readInt(i));
    EXPECT_EQ(i, 12);
    for (int bad = 0; bad < 3; ++bad)  // x7, 3.5 is not an integer, out of range
        EXPECT_FALSE(r.readInt(i));
    EXPECT_EQ(i, 12);
    unsigned int u = 7;
    EXPECT_FALSE(r.readUnsigned(u));  // -4
    EXPECT_EQ(u, 7u);
    float f = 1.0f;
    EXPECT_FALSE(r.readFloat(f));  // overflow
    EXPECT_FALSE(r.readFloat(f));  // not finite
    EXPECT_TRUE(r.readFloat(f));
    EXPECT_FLOAT_EQ(f, 0.25f);
    bool b = false;
    EXPECT_TRUE(r.readBool(b) && b);
    EXPECT_FALSE(r.readBool(b));  // "yes" leaves it
    EXPECT_TRUE(b);
    EXPECT_FALSE(r.readInt(i));   // end of stream
}

TEST(WordReader, HugeWordsAndLinesAreCut)
{
    std::string huge(100000, 'A');
    std::istringstream in(huge + " next\n" + huge + "\nshort\n");
    WordReader r(in);
    std::string w;
    ASSERT_TRUE(r.next(w));
    EXPECT_EQ(w.size(), WordReader::maxWord);
    ASSERT_TRUE(r.next(w));
    EXPECT_EQ(w, "next");
    r.restOfLine();
    std::string line;
    bool tooLong = false;
    ASSERT_TRUE(r.nextLine(line, 255, tooLong));
    EXPECT_TRUE(tooLong && line.size() == 255u);
    ASSERT_TRUE(r.nextLine(line, 255, tooLong));
    EXPECT_EQ(line, "short");
}

TEST(WordReader, MissingFileOrDirectoryIsNotOk)
{
    // A directory opens as a file but throws on reading: it must read as
    // nothing, never end the program.
    for (const char* path : {"/nonexistent/file.cfg", "/tmp", "/tmp/"}) {
        WordReader r{std::string(path)};
        EXPECT_FALSE(r.ok()) << path;
        std::string w;
        bool tooLong = false;
        EXPECT_FALSE(r.next(w)) << path;
        EXPECT_FALSE(r.nextLine(w, 255, tooLong)) << path;
    }
}
