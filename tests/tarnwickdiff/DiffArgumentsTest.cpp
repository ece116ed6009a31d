// The viewer's command line as the DataFolder module builds it, and with the
// titles the other compare windows add.
#include "apps/tarnwickdiff/core/DiffArguments.h"
#include "platform/qt/StartProcess.h"

#include <gtest/gtest.h>

using tarnwickdiff::DiffArguments;
using tarnwickdiff::ParseDiffArguments;

namespace {

// The arguments the viewer receives for a command line started through the platform.
std::vector<std::string> Received(const std::string& commandLine)
{
    std::vector<std::string> parts = platform::SplitCommandLine(commandLine);
    EXPECT_FALSE(parts.empty());
    EXPECT_EQ(parts.front(), "TarnwickDiff.exe");
    return {parts.begin() + 1, parts.end()};
}

} // namespace

TEST(DiffArguments, TheModulesExactCommandLineGivesBothPathsUnchanged)
{
    const std::string first = "/home/ana/Net Project/DataFolders/Local default/ShowCommand/"
                              "core-r1$show ip route$20240501-101500.txt";
    const std::string second = "/mnt/df-2024 06/ShowCommand/core-r1$show ip route$20240602-080000.txt";
    const std::string line = "\"TarnwickDiff.exe\" \"" + first + "\" \"" + second + "\"";
    DiffArguments args;
    std::string error;
    ASSERT_TRUE(ParseDiffArguments(Received(line), args, error)) << error;
    EXPECT_EQ(args.leftPath, first);
    EXPECT_EQ(args.rightPath, second);
    EXPECT_EQ(args.leftTitle, "");
    EXPECT_EQ(args.rightTitle, "");
    EXPECT_FALSE(args.ignoreWhitespace || args.firstPaintExit || args.help);
    EXPECT_EQ(args.screenshot, "");

    // A path that starts with '-' follows "--", as with diff.
    EXPECT_FALSE(ParseDiffArguments({"-x.cfg", "y.cfg"}, args, error));
    ASSERT_TRUE(ParseDiffArguments({"--", "-x.cfg", "y.cfg"}, args, error)) << error;
    EXPECT_EQ(args.leftPath, "-x.cfg");
}

TEST(DiffArguments, TitlesLabelsAndOptionsBeforeThePaths)
{
    DiffArguments args;
    std::string error;
    ASSERT_TRUE(ParseDiffArguments({"--title1", "core-r1 (Baseline)", "--title2=core-r1 (Monday)", "-w", "a", "b"},
                                   args, error))
        << error;
    EXPECT_EQ(args.leftTitle, "core-r1 (Baseline)");
    EXPECT_EQ(args.rightTitle, "core-r1 (Monday)");
    EXPECT_TRUE(args.ignoreWhitespace);
    EXPECT_EQ(args.leftPath, "a");

    ASSERT_TRUE(ParseDiffArguments({"-L", "old", "--label", "new", "a", "b"}, args, error)) << error;
    EXPECT_EQ(args.leftTitle, "old");
    EXPECT_EQ(args.rightTitle, "new");

    ASSERT_TRUE(ParseDiffArguments({"--screenshot", "/tmp/s.png", "--first-paint-exit", "a", "b"}, args, error));
    EXPECT_EQ(args.screenshot, "/tmp/s.png");
    EXPECT_TRUE(args.firstPaintExit);
}

TEST(DiffArguments, BadUsageSaysWhatIsWrong)
{
    DiffArguments args;
    std::string error;
    EXPECT_FALSE(ParseDiffArguments({"only-one.txt"}, args, error));
    EXPECT_EQ(error, "two files to compare are needed, 1 given");
    EXPECT_FALSE(ParseDiffArguments({"a", "b", "c"}, args, error));
    EXPECT_EQ(error, "two files to compare are needed, 3 given");
    EXPECT_FALSE(ParseDiffArguments({"--colour", "a", "b"}, args, error));
    EXPECT_EQ(error, "unknown option --colour");
    EXPECT_FALSE(ParseDiffArguments({"a", "b", "--title1"}, args, error));
    EXPECT_EQ(error, "--title1 needs a value");
    EXPECT_FALSE(ParseDiffArguments({"-L", "1", "-L", "2", "-L", "3", "a", "b"}, args, error));
    ASSERT_TRUE(ParseDiffArguments({"a", "--help"}, args, error));
    EXPECT_TRUE(args.help);
}
