// The configuration viewer's file index and search, and where the
// workstation looks for the programs it starts.
#include "apps/workstation/CProgramPath.h"
#include "apps/workstation/viewers/CMappedTextFile.h"
#include "support/TempDir.h"

#include "platform/qt/StartProcess.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/stat.h>

using workstation::CMappedTextFile;
using Status = CMappedTextFile::Status;

TEST(MappedTextFile, LinesWhateverTheLineEnds)
{
    twtest::TempDir tmp;
    tmp.WriteFile("mixed", "one\r\ntwo\n\nfour\r\nfive");
    tmp.WriteFile("ends", "a\nb\n");
    tmp.WriteFile("empty", "");
    CMappedTextFile file;
    ASSERT_EQ(file.Open(tmp / "mixed"), Status::Ok);
    ASSERT_EQ(file.LineCount(), 5u);
    EXPECT_EQ(file.Line(0), "one");
    EXPECT_EQ(file.Line(2), "");
    EXPECT_EQ(file.Line(3), "four");
    EXPECT_EQ(file.Line(4), "five");
    EXPECT_EQ(file.Line(5), "");
    EXPECT_EQ(file.LongestLine(), 4u);   // "four" without its CR
    ASSERT_EQ(file.Open(tmp / "ends"), Status::Ok);
    EXPECT_EQ(file.LineCount(), 2u);
    ASSERT_EQ(file.Open(tmp / "empty"), Status::Ok);
    EXPECT_EQ(file.LineCount(), 0u);
    EXPECT_FALSE(file.Find("x", 0, 0, true, false).found);

    EXPECT_EQ(file.Open(tmp / "missing"), Status::CannotOpen);
    EXPECT_EQ(file.Open(tmp.Path()), Status::NotAFile);
    EXPECT_EQ(file.Path(), "");
}

TEST(MappedTextFile, BinaryMeansNulBytesOrMostlyControlCharacters)
{
    EXPECT_FALSE(CMappedTextFile::LooksBinary("hostname r1\r\n\tbanner \x1b[1m\f\b\n"));
    EXPECT_TRUE(CMappedTextFile::LooksBinary(std::string("hostname\0r1", 11)));
    EXPECT_TRUE(CMappedTextFile::LooksBinary("\x01\x02\x03\x04 abc def"));
    EXPECT_FALSE(CMappedTextFile::LooksBinary(std::string(95, 'a') + "\x01\x02\x03\x04\x05"));
}

TEST(MappedTextFile, FindGoesBothWaysAndRoundTheFile)
{
    twtest::TempDir tmp;
    // "vlan" at 0:0, 1:3, 1:8 and 1:13 (line:column), ignoring case.
    tmp.WriteFile("f", "Vlan10 up\r\nsw vlan VLAN vlan9\r\nend\r\n");
    CMappedTextFile file;
    ASSERT_EQ(file.Open(tmp / "f"), Status::Ok);
    const auto at = [](const CMappedTextFile::Match& m) {
        return m.found ? std::to_string(m.line) + ":" + std::to_string(m.column) + (m.wrapped ? " wrapped" : "")
                       : std::string("none");
    };
    EXPECT_EQ(at(file.Find("vlan", 0, 0, true, false)), "0:0");
    EXPECT_EQ(at(file.Find("vlan", 0, 1, true, false)), "1:3");
    EXPECT_EQ(at(file.Find("vlan", 1, 4, true, false)), "1:8");
    EXPECT_EQ(at(file.Find("vlan", 1, 9, true, false)), "1:13");
    EXPECT_EQ(at(file.Find("vlan", 1, 14, true, false)), "0:0 wrapped");
    EXPECT_EQ(at(file.Find("VLAN", 0, 1, true, true)), "1:8");   // matching case
    EXPECT_EQ(at(file.Find("vlan", 1, 13, false, false)), "1:8");
    EXPECT_EQ(at(file.Find("vlan", 0, 0, false, false)), "1:13 wrapped");
    EXPECT_EQ(at(file.Find("up\r\nsw", 0, 0, true, false)), "0:7");
    EXPECT_EQ(at(file.Find("vlan99", 0, 0, true, false)), "none");
    EXPECT_EQ(at(file.Find("", 0, 0, true, false)), "none");
}

// Over a megabyte, backward search goes chunk by chunk; a match across the
// boundary of two chunks is still found.
TEST(MappedTextFile, BackwardFindAcrossChunks)
{
    twtest::TempDir tmp;
    std::string text(3u << 20, 'x');
    const std::size_t boundary = 2u << 20;   // the chunk edge seen from the end
    text.replace(boundary - 3, 6, "NEEDLE");
    text.replace(10, 6, "NEEDLE");
    tmp.WriteFile("big", text);
    CMappedTextFile file;
    ASSERT_EQ(file.Open(tmp / "big"), Status::Ok);
    const auto found = file.Find("needle", 0, text.size(), false, false);
    ASSERT_TRUE(found.found);
    EXPECT_EQ(found.column, boundary - 3);
    const auto earlier = file.Find("needle", 0, boundary - 3, false, false);
    EXPECT_EQ(earlier.column, 10u);
    EXPECT_FALSE(earlier.wrapped);
}

TEST(ProgramPath, OwnFolderComesFirst)
{
    twtest::TempDir tmp;
    for (const char* folder : {"elsewhere/", "own/"}) {
        ASSERT_TRUE(tmp.WriteFile(std::string(folder) + "TarnwickDiff.exe", "#!/bin/sh\n"));
        ASSERT_EQ(::chmod((tmp / (std::string(folder) + "TarnwickDiff.exe")).c_str(), 0755), 0);
    }
    const std::string saved = std::getenv("PATH") ? std::getenv("PATH") : "";
    ::setenv("PATH", (tmp / "elsewhere:") .append(saved).c_str(), 1);
    workstation::CProgramPath::PutFirst(tmp / "own");
    workstation::CProgramPath::PutFirst(tmp / "own");
    const std::string path = std::getenv("PATH");
    EXPECT_EQ(platform::FindProgram("TarnwickDiff.exe"), tmp / "own/TarnwickDiff.exe");
    EXPECT_EQ(path.rfind(tmp / "own:" + tmp.Path() + "elsewhere:", 0), 0u);
    ::setenv("PATH", saved.c_str(), 1);
}
