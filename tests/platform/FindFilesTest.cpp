#include "platform/core/FindFiles.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

using platform::DirEntry;
using platform::FindFiles;
using platform::WildcardMatch;

namespace {

std::set<std::string> Names(const std::string& pattern)
{
    std::set<std::string> names;
    for (const DirEntry& e : FindFiles(pattern))
        names.insert(e.name);
    return names;
}

const DirEntry* Find(const std::vector<DirEntry>& entries, const std::string& name)
{
    auto it = std::find_if(entries.begin(), entries.end(), [&](const DirEntry& e) { return e.name == name; });
    return it == entries.end() ? nullptr : &*it;
}

class FindFilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : {"rtAB1.config", "rtab2.CONFIG", "core.config", "notes.txt", "a", "abc"})
            ASSERT_TRUE(dir.WriteFile(name, "12345"));
        ASSERT_TRUE(dir.MakeDir("LiveConfig"));
    }
    twtest::TempDir dir;
};

} // namespace

TEST(WildcardMatch, IgnoresAsciiCaseAndHonoursQuestionMarksAndStars)
{
    EXPECT_TRUE(WildcardMatch("*ab*", "rtAB1.config"));
    EXPECT_TRUE(WildcardMatch("RT??1.*", "rtAB1.config"));
    EXPECT_FALSE(WildcardMatch("rt?1.*", "rtAB1.config"));
    EXPECT_TRUE(WildcardMatch("*.*", "noextension"));
    EXPECT_TRUE(WildcardMatch("*a*b*c", "xxAyyBzzC"));
    EXPECT_FALSE(WildcardMatch("*a*b*c", "xxAyyBzzCd"));
    EXPECT_TRUE(WildcardMatch("a*", "a"));
    EXPECT_FALSE(WildcardMatch("?", ""));
    EXPECT_FALSE(WildcardMatch("abc", "abcd"));
    // Non-ASCII bytes compare exactly, never folded.
    EXPECT_FALSE(WildcardMatch("\xc3\xa9*", "\xc3\x89t\xc3\xa9"));
}

TEST(WildcardMatch, PathologicalPatternStaysFast)
{
    const std::string name(20000, 'a');
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(WildcardMatch("*a*a*a*a*a*a*a*a*a*a*b", name));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
}

TEST_F(FindFilesTest, FilterFindsNamesWithoutRegardToCase)
{
    EXPECT_EQ(Names(dir.Path() + "*ab*"), (std::set<std::string>{"rtAB1.config", "rtab2.CONFIG", "abc"}));
    EXPECT_EQ(Names(dir.Path() + "*.config"), (std::set<std::string>{"rtAB1.config", "rtab2.CONFIG", "core.config"}));
    EXPECT_EQ(Names(dir.Path() + "rt?b?.*"), (std::set<std::string>{"rtAB1.config", "rtab2.CONFIG"}));
    // A plain name finds the file under another case.
    EXPECT_EQ(Names(dir.Path() + "NOTES.TXT"), (std::set<std::string>{"notes.txt"}));
    EXPECT_EQ(Names(dir.Path() + "notes.txt"), (std::set<std::string>{"notes.txt"}));
}

TEST_F(FindFilesTest, StarReportsDotsFoldersAndAttributes)
{
    const auto entries = FindFiles(dir.Path() + "*");
    EXPECT_EQ(entries.size(), 9u); // six files, one folder, "." and ".."
    ASSERT_NE(Find(entries, "."), nullptr);
    ASSERT_NE(Find(entries, ".."), nullptr);
    EXPECT_TRUE(Find(entries, ".")->IsDirectory());

    const DirEntry* folder = Find(entries, "LiveConfig");
    ASSERT_NE(folder, nullptr);
    EXPECT_EQ(folder->attributes & platform::kAttrDirectory, platform::kAttrDirectory);

    const DirEntry* file = Find(entries, "notes.txt");
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->attributes, static_cast<std::uint32_t>(platform::kAttrNormal));
    EXPECT_EQ(file->size, 5u);
    EXPECT_GT(file->lastWriteTime, 0);
    EXPECT_GT(file->creationTime, 0);

    ASSERT_EQ(::chmod((dir.Path() + "abc").c_str(), 0444), 0);
    const auto again = FindFiles(dir.Path() + "abc");
    ASSERT_EQ(again.size(), 1u);
    EXPECT_EQ(again[0].attributes, static_cast<std::uint32_t>(platform::kAttrReadOnly));
}

TEST_F(FindFilesTest, VisitorStopsTheSearch)
{
    int seen = 0;
    FindFiles(dir.Path() + "*", [&seen](const DirEntry&) { return ++seen < 3; });
    EXPECT_EQ(seen, 3);
}

TEST_F(FindFilesTest, MissingOrUnreadableFolderYieldsNothing)
{
    EXPECT_TRUE(FindFiles(dir.Path() + "missing/*").empty());
    EXPECT_TRUE(FindFiles(dir.Path() + "notes.txt/*").empty()); // a file is no folder
    EXPECT_TRUE(FindFiles(dir.Path()).empty());                  // no name part
    EXPECT_TRUE(FindFiles(dir.Path() + "*.nothing").empty());
    if (::geteuid() != 0) {
        ASSERT_EQ(::chmod((dir.Path() + "LiveConfig").c_str(), 0), 0);
        EXPECT_TRUE(FindFiles(dir.Path() + "LiveConfig/*").empty());
    }
}

TEST_F(FindFilesTest, PatternWithoutFolderSearchesTheWorkingFolder)
{
    char old[4096];
    ASSERT_NE(::getcwd(old, sizeof old), nullptr);
    ASSERT_EQ(::chdir(dir.Path().c_str()), 0);
    const auto names = Names("*.CONFIG");
    ASSERT_EQ(::chdir(old), 0);
    EXPECT_EQ(names.size(), 3u);
}
