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
    // A lone line end at every offset of the 16-byte blocks, among CR LF pairs
    // that stay as they are (across block borders, or beside a lone end there).
    for (std::size_t shift : {0, 4}) {
        for (std::size_t at = 2; at < 48; ++at) {
            for (char lone : {'\n', '\r'}) {
                const std::size_t offset = (at + 8 - shift) % 8;
                if (offset < 2 || (lone == '\r' && offset == 7))
                    continue;   // on a pair, or a CR before a CR (dropped, above)
                std::string in(48, 'a'), out;
                for (std::size_t i = shift; i < in.size(); i += 8)
                    in.replace(i, 2, "\r\n");
                in[at] = lone;
                const std::string expected = in.substr(0, at) + "\r\n" + in.substr(at + 1);
                NormaliseShowCommandLineEnds(in, out);
                EXPECT_EQ(out, expected) << at << int(lone);
                EXPECT_EQ(Read(dir, in), expected) << at << int(lone);
            }
        }
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
