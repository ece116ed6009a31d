#include "platform/qt/StartProcess.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <sys/stat.h>
#include <thread>

using platform::SplitCommandLine;
using Parts = std::vector<std::string>;

TEST(SplitCommandLine, QuotedPiecesKeepBlanks)
{
    EXPECT_EQ(SplitCommandLine("\"TarnwickDiff.exe\" \"/a/b c.txt\" \"/x.txt\""),
              (Parts{"TarnwickDiff.exe", "/a/b c.txt", "/x.txt"}));
    EXPECT_EQ(SplitCommandLine("  prog   one\ttwo  "), (Parts{"prog", "one", "two"}));
    EXPECT_EQ(SplitCommandLine("prog \"\" last"), (Parts{"prog", "", "last"}));
    EXPECT_EQ(SplitCommandLine("prog --file=\"a b\"c"), (Parts{"prog", "--file=a bc"}));
    EXPECT_EQ(SplitCommandLine("prog \"C:\\dir\\f.txt\""), (Parts{"prog", "C:\\dir\\f.txt"}));
    EXPECT_EQ(SplitCommandLine("\"unterminated arg"), (Parts{"unterminated arg"}));
    EXPECT_TRUE(SplitCommandLine("   ").empty());
}

namespace {

// Puts folder first on PATH for the lifetime of the object.
class PathPrefix {
public:
    explicit PathPrefix(const std::string& folder)
    {
        const char* old = std::getenv("PATH");
        m_had = old != nullptr;
        m_old = old ? old : "";
        setenv("PATH", (folder + ":" + m_old).c_str(), 1);
    }
    ~PathPrefix()
    {
        if (m_had)
            setenv("PATH", m_old.c_str(), 1);
        else
            unsetenv("PATH");
    }

private:
    bool m_had = false;
    std::string m_old;
};

} // namespace

TEST(StartProcess, FindsProgramOnPathAndPassesArguments)
{
    twtest::TempDir dir;
    // A stand-in viewer that records its arguments, one a line.
    ASSERT_TRUE(dir.WriteFile("bin/twviewer",
                              "#!/bin/sh\nfor a in \"$@\"; do echo \"$a\"; done > \"" + dir.Path() +
                                  "args.tmp\"\nmv \"" + dir.Path() + "args.tmp\" \"" + dir.Path() +
                                  "args.txt\"\n"));
    ASSERT_EQ(::chmod((dir / "bin/twviewer").c_str(), 0755), 0);
    PathPrefix path(dir.Path() + "bin");

    EXPECT_EQ(platform::FindProgram("twviewer"), dir.Path() + "bin/twviewer");
    EXPECT_EQ(platform::FindProgram("twviewer.exe"), dir.Path() + "bin/twviewer");
    EXPECT_EQ(platform::FindProgram("tw-no-such-program"), "");
    EXPECT_EQ(platform::FindProgram(dir.Path() + "bin/missing"), "");

    ASSERT_TRUE(platform::StartProcess("\"twviewer.exe\" \"/a/b c.txt\" \"/x.txt\""));
    for (int i = 0; i < 100 && !dir.Exists("args.txt"); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(dir.ReadFile("args.txt"), "/a/b c.txt\n/x.txt\n");

    EXPECT_FALSE(platform::StartProcess("\"tw-no-such-program\" x"));
    EXPECT_FALSE(platform::StartProcess(""));
}
