// Reading one side: line ends, encodings, and the files that are refused.
#include "apps/tarnwickdiff/core/DiffText.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using tarnwickdiff::CDiffText;

namespace {

std::vector<std::string> Lines(const CDiffText& text)
{
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < text.LineCount(); ++i)
        lines.emplace_back(text.Line(i));
    return lines;
}

using Strings = std::vector<std::string>;

} // namespace

TEST(DiffText, LineEndsAreDroppedAndNamed)
{
    const CDiffText crlf = CDiffText::FromBytes("hostname r1\r\n!\r\nend\r\n", "a");
    EXPECT_EQ(Lines(crlf), (Strings{"hostname r1", "!", "end"}));
    EXPECT_EQ(crlf.GetLineEnds(), CDiffText::LineEnds::CrLf);

    const CDiffText mixed = CDiffText::FromBytes("a\r\nb\nc", "b");
    EXPECT_EQ(Lines(mixed), (Strings{"a", "b", "c"}));
    EXPECT_EQ(mixed.GetLineEnds(), CDiffText::LineEnds::Mixed);
    // Same text, same identities, whatever the line ends.
    EXPECT_EQ(CDiffText::FromBytes("a\nb\nc\n", "c").Identities(), mixed.Identities());

    // A CR that ends no line is part of the line; a blank last line counts.
    EXPECT_EQ(Lines(CDiffText::FromBytes("x\ry\n\n", "c")), (Strings{"x\ry", ""}));
    EXPECT_EQ(CDiffText::FromBytes("", "d").LineCount(), 0u);
    EXPECT_EQ(CDiffText::FromBytes("", "d").GetLineEnds(), CDiffText::LineEnds::None);
}

TEST(DiffText, BytesThatAreNotUtf8ReadAsLatin1)
{
    // A description typed in a Latin-1 terminal, next to proper UTF-8.
    const CDiffText text = CDiffText::FromBytes(" description Caf\xE9 \xC3\xA9t\xE9\n \xC0\xAF\xF0\x9F\n", "a");
    ASSERT_TRUE(text.Ok());
    EXPECT_EQ(text.GetEncoding(), CDiffText::Encoding::EightBit);
    EXPECT_EQ(Lines(text), (Strings{" description Caf\xC3\xA9 \xC3\xA9t\xC3\xA9",
                                    // overlong form and a cut-off sequence: byte by byte
                                    " \xC3\x80\xC2\xAF\xC3\xB0\xC2\x9F"}));

    EXPECT_EQ(CDiffText::FromBytes("\xEF\xBB\xBFhostname r1\n", "b").Line(0), "hostname r1");
    EXPECT_EQ(CDiffText::FromBytes("\xEF\xBB\xBFx", "b").GetEncoding(), CDiffText::Encoding::Utf8Bom);
}

TEST(DiffText, Utf16WithByteOrderMarkIsTextNotBinary)
{
    // What PowerShell's ">" writes: UTF-16 LE, CR LF.
    const std::string le("\xFF\xFEr\0""1\0\r\0\n\0\xE9\0\x3D\xD8\x00\xDE", 16);
    const CDiffText text = CDiffText::FromBytes(le, "ps.txt");
    ASSERT_TRUE(text.Ok()) << text.Message();
    EXPECT_EQ(text.GetEncoding(), CDiffText::Encoding::Utf16Le);
    EXPECT_EQ(Lines(text), (Strings{"r1", "\xC3\xA9\xF0\x9F\x98\x80"}));
    EXPECT_EQ(text.GetLineEnds(), CDiffText::LineEnds::CrLf);

    const std::string be("\xFE\xFF\0h\0i\xD8\x3D", 8);   // a lone high surrogate at the end
    EXPECT_EQ(CDiffText::FromBytes(be, "be").Line(0), "hi\xEF\xBF\xBD");
}

TEST(DiffText, RefusedFilesAreNamedInTheMessage)
{
    twtest::TempDir dir;
    ASSERT_TRUE(dir.WriteFile("image.bin", std::string("GIF89a\0\0\x01", 9)));
    const CDiffText binary = CDiffText::Load(dir / "image.bin");
    EXPECT_EQ(binary.GetStatus(), CDiffText::Status::Binary);
    EXPECT_EQ(binary.Message(), "\"" + dir / "image.bin" +
                                    "\" is a binary file (it contains NUL bytes); only text files can be compared.");

    // A NUL far into a long log is a stray byte, not a binary file.
    ASSERT_TRUE(dir.WriteFile("long.log", std::string(CDiffText::kBinaryProbe, 'x') + '\0' + "\n"));
    EXPECT_TRUE(CDiffText::Load(dir / "long.log").Ok());

    const CDiffText missing = CDiffText::Load(dir / "no such.txt");
    EXPECT_EQ(missing.GetStatus(), CDiffText::Status::Missing);
    EXPECT_EQ(missing.Message(), "The file \"" + dir / "no such.txt" + "\" does not exist.");

    ASSERT_TRUE(dir.MakeDir("folder"));
    EXPECT_EQ(CDiffText::Load(dir / "folder").GetStatus(), CDiffText::Status::NotAFile);

    ASSERT_TRUE(dir.WriteFile("locked.txt", "secret\n"));
    ASSERT_EQ(::chmod((dir / "locked.txt").c_str(), 0), 0);
    if (::geteuid() != 0) {   // root reads it anyway
        const CDiffText locked = CDiffText::Load(dir / "locked.txt");
        EXPECT_EQ(locked.GetStatus(), CDiffText::Status::Unreadable);
        EXPECT_EQ(locked.Message(), "The file \"" + dir / "locked.txt" + "\" cannot be read: Permission denied.");
    }
}
