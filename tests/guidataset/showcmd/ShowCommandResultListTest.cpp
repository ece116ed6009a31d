#include "guidataset/showcmd/core/ShowCommandResultExport.h"
#include "guidataset/showcmd/core/ShowCommandResultFile.h"
#include "guidataset/showcmd/core/ShowCommandResultList.h"
#include "host/util/CFileName.h"
#include "platform/core/DirEntry.h"
#include "support/TempDir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

using testing::UnorderedElementsAre;
using twtest::TempDir;

namespace {

std::vector<std::string> List(const std::string& folder, const std::string& filter, bool deviceField,
                              int* count = nullptr)
{
    std::vector<std::string> names;
    int marker = 0;
    const int n = EnumShowCommandResults(
        [&](const platform::DirEntry& entry, int index, std::intptr_t user, void* context) {
            EXPECT_EQ(index, static_cast<int>(names.size()));
            EXPECT_EQ(user, 77);
            EXPECT_EQ(context, &marker);
            EXPECT_GT(entry.lastWriteTime, 0);
            names.push_back(entry.name);
        },
        &marker, 77, folder, filter, deviceField);
    if (count)
        *count = n;
    return names;
}

std::vector<std::string> FolderContent(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder))
        names.push_back(e.path().filename().string());
    return names;
}

} // namespace

TEST(ShowCommandResultList, DeviceFieldRuleAndPattern)
{
    TempDir dir;
    for (const char* name : {"R1$show ver$t.txt", "xR1y$show$t.txt", "r1$show$t.txt", "core$show R1$t.txt",
                             "R1-notes.txt", "R1.log"})
        dir.WriteFile(name, "x");
    dir.MakeDir("R1dir.txt");
    int count = 0;
    EXPECT_THAT(List(dir.Path(), "R1", true, &count),
                UnorderedElementsAre("R1$show ver$t.txt", "xR1y$show$t.txt", "R1-notes.txt"));
    EXPECT_EQ(count, 3);
    // Without the device field the filter is a prefix, matched ignoring case.
    EXPECT_THAT(List(dir / "", "R1", false),
                UnorderedElementsAre("R1$show ver$t.txt", "r1$show$t.txt", "R1-notes.txt"));
    EXPECT_EQ(List(dir.Path(), "", true).size(), 5u);

    List(dir.Path(), "nothing", false, &count);
    EXPECT_EQ(count, -1);
    List(dir.Path(), "R1dir", false, &count); // only a folder matches
    EXPECT_EQ(count, 0);
    List(dir / "missing/", "", false, &count);
    EXPECT_EQ(count, -1);
    List(dir.Path(), "../", false, &count);
    EXPECT_EQ(count, -1);
}

TEST(ShowCommandResultExport, MergedLayoutByteForByte)
{
    TempDir source, target;
    const std::string sep(kShowCommandNoteSeparator);
    const std::string a = CFileName::ToShowCommandResultFileName("R1", "show ver", "2024-01-01 10-00-00.000", "txt");
    const std::string b = CFileName::ToShowCommandResultFileName("R1", "show ip", "2024-01-02 10-00-00.000", "txt");
    const std::string c = CFileName::ToShowCommandResultFileName("../up", "show: x", "t", "txt");
    source.WriteFile(a, "v1\r\n");
    source.WriteFile(b, "ip\r\n" + sep + "watch" + sep + "again");
    source.WriteFile(c, "");
    target.WriteFile("R1.txt", "older export that is longer than the new one");

    EXPECT_EQ(ExportShowCommandResults("", source.Path(), ""), 0);
    EXPECT_EQ(ExportShowCommandResults(target.Path(), source.Path(), ""), 3);

    std::map<std::string, std::string> blocks = {
        {a, "#--- R1  show ver  Execute at 2024-01-01 10-00-00.000\r\nv1\r\n\r\n\r\n"},
        {b, "#--- R1  show ip  Execute at 2024-01-02 10-00-00.000\r\nip\r\nNOTE here:watchNOTE here:again\r\n\r\n"}};
    std::string expected;
    for (const std::string& name : List(source.Path(), "R1", false))
        expected += blocks[name];
    EXPECT_EQ(target.ReadFile("R1.txt"), expected);
    EXPECT_EQ(target.ReadFile("..%2Fup.txt"), "#--- ../up  show: x  Execute at t\r\n\r\n\r\n");
    EXPECT_THAT(FolderContent(target.Path()), UnorderedElementsAre("R1.txt", "..%2Fup.txt"));

    EXPECT_EQ(ExportShowCommandResults(target.Path(), source.Path(), "R1$show ip"), 1);
    EXPECT_EQ(target.ReadFile("R1.txt"), blocks[b]);
    EXPECT_EQ(ExportShowCommandResults(target / "missing", source.Path(), ""), 3);
    EXPECT_FALSE(target.Exists("missing"));
}
