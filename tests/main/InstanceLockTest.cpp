#include <gtest/gtest.h>

#include "main/InstanceLock.h"
#include "support/WorkDir.h"

// A second game refused and the lock ending with its game, however it ends,
// are the end-to-end second-instance test's.
TEST(InstanceLock, AnUnopenableFileIsReportedNotHeld)
{
    WorkDir dir;
    const InstanceLock lock("no/such/folder/game.lock");
    EXPECT_EQ(lock.state(), InstanceLock::State::Unavailable);
    EXPECT_NE(lock.error().find("no/such/folder/game.lock: "), std::string::npos);
}
