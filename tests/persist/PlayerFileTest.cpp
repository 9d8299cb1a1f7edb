#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "persist/Player.h"
#include "persist/PlayerFile.h"

namespace {
std::string readFile(const std::string& name)
{
    std::ifstream in(name, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

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
    const std::string expected = readFile(JADELOOM_TEST_DATA "/persist/two_players.dat");
    ASSERT_FALSE(expected.empty());
    Owned players{readText(expected)};
    ASSERT_EQ(2u, players.list.size());

    const Player& ann = *players.list[0];
    EXPECT_EQ("Ann Lee", ann.name);
    EXPECT_TRUE(ann.highlightFreeTiles);
    EXPECT_EQ(std::vector<std::string>{"Assets/Rewards/luckycat.obj"}, ann.rewards);
    ASSERT_EQ(25u, ann.saveLines.size());
    EXPECT_EQ("CameraPos: ", ann.saveLines[5]);  // tabs gone, the blank kept
    EXPECT_EQ("Bamboo1 2 0 0 1000 false", ann.saveLines[23]);
    ASSERT_EQ(1u, ann.layoutStats.size());
    EXPECT_EQ("Turtle", ann.layoutStats[0].name);
    EXPECT_EQ(72000u, ann.layoutStats[0].score);
    EXPECT_EQ(2u, ann.layoutStats[0].undos);
    ASSERT_EQ(1u, ann.tileSetStats.size());
    EXPECT_EQ("A", ann.tileSetStats[0].grade);
    EXPECT_EQ(300u, ann.tileSetStats[0].time);
    EXPECT_EQ(1u, ann.tileSetStats[0].shuffles);

    const Player& bo = *players.list[1];
    EXPECT_EQ("Bo  Chen Jr", bo.name);
    EXPECT_FALSE(bo.highlightFreeTiles);
    EXPECT_TRUE(bo.rewards.empty());
    EXPECT_TRUE(bo.saveLines.empty());
    EXPECT_TRUE(bo.layoutStats.empty());

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
