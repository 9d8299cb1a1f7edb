#include <gtest/gtest.h>

#include "main/DisplayCheck.h"

TEST(DisplayCheck, NoDisplayIsNamedAndSdlIsKeptToX11)
{
    for (const char* display : {static_cast<const char*>(nullptr), ""}) {
        const DisplayCheck check(display, nullptr);
        EXPECT_FALSE(check.usable());
        EXPECT_EQ(check.problem(), "no X display: DISPLAY is not set");
        EXPECT_TRUE(check.pinX11());
    }
    const DisplayCheck closed(":4711", "");
    EXPECT_FALSE(closed.usable());
    EXPECT_EQ(closed.problem(), "no X display: cannot open display \":4711\"");
}

TEST(DisplayCheck, AVideoDriverThePlayerNamedIsLeftToSdl)
{
    const DisplayCheck check(nullptr, "dummy");
    EXPECT_TRUE(check.usable());
    EXPECT_FALSE(check.pinX11());
}
