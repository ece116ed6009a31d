#include "guidataset/showcmd/core/ShowCommandResultFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using twtest::TempDir;

namespace {

std::string Read(const TempDir& dir, const std::string& bytes)
{
    dir.WriteFile("r.txt", bytes);
    std::string text;
    EXPECT_TRUE(ReadShowCommandResult(dir / "r.txt", text));
    return text;
}

} // namespace

TEST(ShowCommandResultFile, ReadNormalisesLineEndsByteForByte)
{
    TempDir dir;
    const std::pair<std::string, std::string> cases[] = {
        {"a\nb\rc\r\r\nd", "a\r\nb\r\nc\r\nd"},
        {"\nx\n\n", "\r\nx\r\n\r\n"},
        {"\r\ry\r", "\r\r\ny\r\n"},   // the first byte is kept as it is
        {"z\r\r\r", "z\r\n"},
        {"\r\n\r\n", "\r\n\r\n"},
        {std::string("n\0\r\0", 4), std::string("n\0\r\n\0", 5)},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(Read(dir, in), out) << testing::PrintToString(in);
    // Long enough for the 16-byte blocks: faults at every offset of a block.
    for (std::size_t at = 0; at < 80; ++at) {
        std::string in(48, 'a'), out;
        for (std::size_t i = 0; i + 2 <= in.size(); i += 8)
            in.replace(i, 2, "\r\n");
        in[at % 40] = at < 40 ? '\n' : '\r';
        NormaliseShowCommandLineEnds(in, out);
        std::string expected;
        for (std::size_t i = 0; i < in.size(); ++i) {
            if (in[i] == '\n' && (i == 0 || in[i - 1] != '\r'))
                expected += '\r';
            if (in[i] == '\r' && i > 0 && i + 1 < in.size() && in[i + 1] == '\r')
                continue;
            expected += in[i];
            if (in[i] == '\r' && i > 0 && (i + 1 == in.size() || in[i + 1] != '\n'))
                expected += '\n';
        }
        EXPECT_EQ(out, expected) << at;
    }
}

TEST(ShowCommandResultFile, ReadAppendsAndFailsWithoutTouchingText)
{
    TempDir dir;
    std::string text = "kept";
    dir.WriteFile("empty.txt", "");
    EXPECT_FALSE(ReadShowCommandResult(dir / "empty.txt", text));
    EXPECT_FALSE(ReadShowCommandResult(dir / "missing.txt", text));
    EXPECT_FALSE(ReadShowCommandResult(dir.Path(), text));
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
    EXPECT_FALSE(ReadShowCommandResult(dir / "fifo", text));
    EXPECT_EQ(text, "kept");
    dir.WriteFile("r.txt", "\r\n1\n");
    EXPECT_TRUE(ReadShowCommandResult(dir / "r.txt", text));
    EXPECT_EQ(text, "kept\r\n1\r\n");
}

TEST(ShowCommandResultFile, NoteSplitsAtTheFirstSeparator)
{
    const std::string sep(kShowCommandNoteSeparator);
    ASSERT_EQ(sep.size(), 32u);
    std::string result, note;
    SplitShowCommandResult("out\r\n", result, note);
    EXPECT_EQ(result, "out\r\n");
    EXPECT_EQ(note, "");
    SplitShowCommandResult("out" + sep + "n1" + sep + "n2", result, note);
    EXPECT_EQ(result, "out");
    EXPECT_EQ(note, "n1" + sep + "n2");
}

TEST(ShowCommandResultFile, WriteThenReadGivesBackResultAndNote)
{
    TempDir dir;
    const std::string sep(kShowCommandNoteSeparator);
    const std::string path = dir / "r1$show ver$t.txt";
    ASSERT_TRUE(WriteShowCommandResult(path, "line 1\r\nline 2\r\n", "checked" + sep + "twice"));
    std::string content, result, note;
    ASSERT_TRUE(ReadShowCommandResult(path, content));
    SplitShowCommandResult(content, result, note);
    EXPECT_EQ(result, "line 1\r\nline 2\r\n");
    EXPECT_EQ(note, "checked" + sep + "twice");

    ASSERT_TRUE(WriteShowCommandResult(path, "only output", ""));
    EXPECT_EQ(twtest::ReadBytes(path), "only output");
    ASSERT_TRUE(WriteShowCommandResult(path, "", "note"));
    EXPECT_EQ(twtest::ReadBytes(path), sep + "note");

    ::chmod(path.c_str(), 0444);
    if (::access(path.c_str(), W_OK) != 0) { // root writes anyway
        EXPECT_FALSE(WriteShowCommandResult(path, "lost?", ""));
        EXPECT_EQ(twtest::ReadBytes(path), sep + "note");
    }
    EXPECT_FALSE(WriteShowCommandResult(dir / "no-such-folder/r.txt", "x", ""));
}
