#include <gtest/gtest.h>

#include "persist/Player.h"
#include "persist/StatsTable.h"

TEST(StatsTableTest, EachGroupUnderItsHeadingWithItsBestsAndNoneWhereNothingWasWon)
{
    Player p;
    EXPECT_TRUE(StatsTable::rows(p).empty());

    p.layoutStats.emplace_back();
    p.layoutStats.back().name = "Turtle";
    p.layoutStats.back().firstWin(6125, 12000, 0, 1, 2);  // over a hundred minutes
    p.layoutStats.back().addWin(7000, 9000, 3, 0, 5);
    p.tileSetStats.emplace_back();
    p.tileSetStats.back().name = "Standard";  // read from a file with no win counted
    const std::vector<StatsTable::Row> rows = StatsTable::rows(p);
    ASSERT_EQ(4u, rows.size());
    EXPECT_TRUE(rows[0].heading);
    EXPECT_EQ("Layouts", rows[0].name);
    const StatsTable::Row& turtle = rows[1];
    EXPECT_FALSE(turtle.heading);
    EXPECT_EQ("Turtle", turtle.name);
    EXPECT_EQ("2", turtle.won);
    EXPECT_EQ("102:05", turtle.time);
    EXPECT_EQ("12000", turtle.score);
    EXPECT_EQ("0", turtle.hints);
    EXPECT_EQ("0", turtle.shuffles);
    EXPECT_EQ("2", turtle.undos);
    EXPECT_TRUE(rows[2].heading);
    EXPECT_EQ("Tile sets", rows[2].name);
    EXPECT_EQ("0", rows[3].won);
    EXPECT_EQ("--", rows[3].time);
    EXPECT_EQ("--", rows[3].score);
}
