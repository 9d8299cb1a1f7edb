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

// Records cut short are the table below's; here, lines outside any record
// and values that do not read as they should.
TEST(PlayerFileTest, StrayLinesAndOddValuesAreReadSafely)
{
    bool damaged = false;
    std::istringstream in(
        "Name: Stray\n</Player>\n"                              // outside any record
        "<Player>\n\tName: Dee\r\n\tFreeTiles: maybe\n"
        "\t<Layouts>\n\t\tName: Turtle Extra\n\t\tTime: soon\n\t\tScore: 7\n\t</Layouts>\n"
        "\t<TileSets>\n\t\tName: \n\t\tGrade: A\n\t</TileSets>\n"  // a name left empty
        "</Player>\n</Player>\n");                              // the second end tag adds nothing
    Owned players{PlayerFile::read(in, &damaged)};
    EXPECT_TRUE(damaged);
    ASSERT_EQ(1u, players.list.size());
    const Player& dee = *players.list[0];
    EXPECT_EQ("Dee", dee.name);  // the carriage return is dropped
    EXPECT_FALSE(dee.highlightFreeTiles);
    ASSERT_EQ(1u, dee.layoutStats.size());
    EXPECT_EQ("Turtle", dee.layoutStats[0].name);  // one word
    EXPECT_EQ(0u, dee.layoutStats[0].time);
    EXPECT_EQ(7u, dee.layoutStats[0].score);
    ASSERT_EQ(1u, dee.tileSetStats.size());
    EXPECT_EQ("", dee.tileSetStats[0].name);  // not the next line's first word
    EXPECT_EQ("A", dee.tileSetStats[0].grade);
}

// Each kind of damage a file meets (a block cut short, a truncated last
// line, a stray end tag) loses the damaged record at most, never the whole
// records around it, and is reported.
TEST(PlayerFileTest, EveryKindOfDamageKeepsTheOtherWholeRecordsAndIsReported)
{
    const std::string before = "<Player>\n\tName: Ann\n\t<Rewards>\n\t\tAssets/Rewards/luckycat.obj\n\t</Rewards>\n</Player>\n";
    const std::string after = "\n<Player>\n\tName: Cy\n\t<Layouts>\n\t\tName: Turtle\n\t\tScore: 9\n\t</Layouts>\n</Player>";
    const std::string open = "<Player>\n\tName: Bo\n";
    struct Case {
        const char* what;
        std::string text;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {"rewards cut", before + open + "\t<Rewards>\n\t\tx.obj\n" + after, {"Ann", "Cy"}},
        {"save cut", before + open + "\t<Save>\n\t\tTime: 3\n" + after, {"Ann", "Cy"}},
        {"layouts cut", before + open + "\t<Layouts>\n\t\tName: Turtle\n" + after, {"Ann", "Cy"}},
        {"tile sets cut", before + open + "\t<TileSets>\n\t\tGrade: A\n" + after, {"Ann", "Cy"}},
        {"record cut", before + open + after, {"Ann", "Cy"}},
        {"stray end tag", before + "</Player>\n" + after, {"Ann", "Cy"}},
        {"truncated last line", before + after.substr(0, after.size() - 4), {"Ann"}},
        {"sound", before + after, {"Ann", "Cy"}},
    };
    for (const Case& c : cases) {
        bool damaged = false;
        std::istringstream in(c.text);
        Owned players{PlayerFile::read(in, &damaged)};
        std::vector<std::string> names;
        for (const Player* p : players.list)
            names.push_back(p->name);
        EXPECT_EQ(c.names, names) << c.what;
        EXPECT_EQ(std::string(c.what) != "sound", damaged) << c.what;
        if (names.size() == 2) {
            EXPECT_EQ(1u, players.list[0]->rewards.size()) << c.what;
            ASSERT_EQ(1u, players.list[1]->layoutStats.size()) << c.what;
            EXPECT_EQ(9u, players.list[1]->layoutStats[0].score) << c.what;
        }
    }
}
