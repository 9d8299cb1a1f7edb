#include <gtest/gtest.h>

#include "main/DisplayCheck.h"

// The lines for an unset and an unopenable display are the end-to-end
// command-line test's; an empty one is unset too.
TEST(DisplayCheck, AnEmptyDisplayIsNoneAndSdlIsKeptToX11UnlessThePlayerNamedADriver)
{
    const DisplayCheck empty("", nullptr);
    EXPECT_FALSE(empty.usable());
    EXPECT_EQ(empty.problem(), "no X display: DISPLAY is not set");
    EXPECT_TRUE(empty.pinX11());

    const DisplayCheck named(nullptr, "dummy");
    EXPECT_TRUE(named.usable());
    EXPECT_FALSE(named.pinX11());
}
