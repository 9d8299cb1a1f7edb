#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>

#include "main/InstanceLock.h"
#include "support/WorkDir.h"

TEST(InstanceLock, OneHolderAtATimeAndTheHolderIsNamed)
{
    WorkDir dir;
    {
        InstanceLock first("game.lock");
        ASSERT_EQ(first.state(), InstanceLock::State::Held);
        // A lock is per open file: a second one conflicts even within
        // this process, as it would in another game.
        InstanceLock second("game.lock");
        EXPECT_EQ(second.state(), InstanceLock::State::HeldElsewhere);
        EXPECT_EQ(second.holder(), static_cast<long>(getpid()));
    }
    InstanceLock again("game.lock");
    EXPECT_EQ(again.state(), InstanceLock::State::Held);
}

TEST(InstanceLock, TheLockEndsWithAProcessThatDies)
{
    WorkDir dir;
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        InstanceLock held("game.lock");
        const char c = held.state() == InstanceLock::State::Held ? 'y' : 'n';
        (void)!write(ready[1], &c, 1);
        pause();
        _exit(0);
    }
    char c = 0;
    ASSERT_EQ(read(ready[0], &c, 1), 1);
    ASSERT_EQ(c, 'y');
    EXPECT_EQ(InstanceLock("game.lock").state(), InstanceLock::State::HeldElsewhere);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    EXPECT_EQ(InstanceLock("game.lock").state(), InstanceLock::State::Held);
    close(ready[0]);
    close(ready[1]);
}

TEST(InstanceLock, AnUnopenableFileIsReportedNotHeld)
{
    WorkDir dir;
    const InstanceLock lock("no/such/folder/game.lock");
    EXPECT_EQ(lock.state(), InstanceLock::State::Unavailable);
    EXPECT_NE(lock.error().find("no/such/folder/game.lock: "), std::string::npos);
}
