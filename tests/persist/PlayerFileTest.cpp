#include <gtest/gtest.h>

#include <sstream>

#include "persist/Player.h"
#include "persist/PlayerFile.h"
#include "support/WorkDir.h"

namespace {
std::vector<Player*> readText(const std::string& text)
{
    std::istringstream in(text);
    return PlayerFile::read(in);
}

struct Owned {
    std::vector<Player*> list;
    ~Owned()
    {
        for (Player* p : list)
            delete p;
    }
};
}

TEST(PlayerFileTest, TwoPlayersReadAndWrittenBackByteForByte)
{
    const std::string expected = WorkDir::read(JADELOOM_TEST_DATA "/persist/two_players.dat");
    ASSERT_FALSE(expected.empty());
    Owned players{readText(expected)};
    ASSERT_EQ(2u, players.list.size());

    const Player& ann = *players.list[0];
    ASSERT_EQ(25u, ann.saveLines.size());
    EXPECT_EQ("CameraPos: ", ann.saveLines[5]);  // tabs gone, the blank kept
    ASSERT_EQ(1u, ann.layoutStats.size());
    EXPECT_EQ(72000u, ann.layoutStats[0].score);
    EXPECT_EQ("Bo  Chen Jr", players.list[1]->name);
    std::ostringstream out;
    PlayerFile::write(out, players.list, nullptr, nullptr);
    EXPECT_EQ(expected, out.str());
}

TEST(PlayerFileTest, DamagedRecordsAreDroppedWithoutLosingTheOthers)
{
    Owned players{readText(
        "Name: Stray\n</Player>\n"                              // outside any record
        "<Player>\n\tName: Cut\n"                                // abandoned by the next tag
        "<Player>\n\tName: Dee\r\n\tFreeTiles: maybe\n"
        "\t<Layouts>\n\t\tName: Turtle Extra\n\t\tTime: soon\n\t\tScore: 7\n\t</Layouts>\n"
        "</Player>\n</Player>\n"                                 // the second end tag adds nothing
        // A save block without its end line runs to the end of the file,
        // so this record never ends and is not added.
        "<Player>\n\tName: Eve\n\t<Save>\n\t\tTime: 3\n\n</Player>\n<Player>\n\tName: Fay\n</Player>")};
    ASSERT_EQ(1u, players.list.size());
    const Player& dee = *players.list[0];
    EXPECT_EQ("Dee", dee.name);  // the carriage return is dropped
    EXPECT_FALSE(dee.highlightFreeTiles);
    ASSERT_EQ(1u, dee.layoutStats.size());
    EXPECT_EQ("Turtle", dee.layoutStats[0].name);  // one word
    EXPECT_EQ(0u, dee.layoutStats[0].time);
    EXPECT_EQ(7u, dee.layoutStats[0].score);
}
