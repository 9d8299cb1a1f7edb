#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "main/CommandLine.h"

namespace {
CommandLine parse(std::initializer_list<const char*> args)
{
    std::vector<const char*> argv{"jadeloom"};
    argv.insert(argv.end(), args);
    return CommandLine(static_cast<int>(argv.size()), argv.data());
}
}

TEST(CommandLine, TheLastModeOptionWins)
{
    EXPECT_EQ(parse({"--fullscreen"}).fullscreen(), std::optional<bool>(true));
    EXPECT_EQ(parse({"--windowed"}).fullscreen(), std::optional<bool>(false));
    EXPECT_EQ(parse({"--windowed", "--fullscreen"}).fullscreen(), std::optional<bool>(true));
    EXPECT_EQ(parse({"--fullscreen", "--windowed"}).fullscreen(), std::optional<bool>(false));
    EXPECT_EQ(parse({"--fullscreen", "--windowed"}).request(), CommandLine::Request::Play);
}

// Each option alone is the end-to-end command-line test's; here, mixed.
TEST(CommandLine, HelpAndVersionAnswerAtOnceUnlessAnErrorCameFirst)
{
    EXPECT_EQ(parse({"--fullscreen", "--version", "--bogus"}).request(), CommandLine::Request::Version);
    EXPECT_EQ(parse({"--version", "--help"}).request(), CommandLine::Request::Version);
    EXPECT_EQ(parse({"--bogus", "--help"}).request(), CommandLine::Request::Error);
}

TEST(CommandLine, UnknownWordsAreNamedInTheError)
{
    const CommandLine option = parse({"--windowed", "--fulscreen"});
    EXPECT_EQ(option.request(), CommandLine::Request::Error);
    EXPECT_EQ(option.error(), "unknown option '--fulscreen'");
    EXPECT_EQ(parse({"-"}).error(), "unexpected argument '-'");
    EXPECT_EQ(parse({"save.dat"}).error(), "unexpected argument 'save.dat'");
    // Options are whole words: neither a prefix nor a value is taken.
    EXPECT_EQ(parse({"--full"}).request(), CommandLine::Request::Error);
    EXPECT_EQ(parse({"--fullscreen=yes"}).request(), CommandLine::Request::Error);
    EXPECT_EQ(parse({""}).request(), CommandLine::Request::Error);
}
