#include "guidataset/dataset/core/DatasetLockFlag.h"
#include "host/baseline/CBaseline.h"
#include "host/util/TWFileSystem.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

using platform::BoxAnswer;
using platform::BoxButtons;
using platform::BoxIcon;
using twtest::ScriptedPrompter;
using twtest::TempDir;

namespace {

std::string Descriptor(const std::string& lockedText)
{
    return "<DatasetDesc><Creater>ann</Creater><IsLocked>" + lockedText + "</IsLocked></DatasetDesc>";
}

std::string ReadOnlyQuestion(const std::string& name)
{
    return "'" + name + "' is the read-only DataFolder. \nYou can use another DataFolder to save your data, \n"
           "otherwise the data in '" + name + "' will be overwritten.\nAre you sure to continue?";
}

bool ReadQuietly(const std::string& path)
{
    bool cancel = false;
    return ReadDatasetLockFlag(path, cancel, false);
}

ScriptedPrompter::MessageCheck ExclamationYesNo()
{
    ScriptedPrompter::MessageCheck check;
    check.kind = platform::BoxKind::Captioned;
    check.caption = platform::kWorkstationCaption;
    check.icon = BoxIcon::Exclamation;
    check.buttons = BoxButtons::YesNo;
    return check;
}

// Closes the project even when a check fails half-way.
struct OpenProject {
    explicit OpenProject(const std::string& folder) { opened = CBaseline::Open(folder, true); }
    ~OpenProject() { CBaseline::Close(); }
    bool opened = false;
};

} // namespace

TEST(DatasetLockFlag, DescriptorTextDecidesTheFlag)
{
    TempDir dir;
    const struct {
        const char* folder;
        std::string bytes;
        bool locked;
    } cases[] = {
        {"upper", Descriptor("TRUE"), true},
        {"lower", Descriptor("true"), true},
        {"one", Descriptor("1"), true},
        {"yes", Descriptor("yes"), false},
        {"zero", Descriptor("0"), false},
        {"empty", Descriptor(""), false},
        {"notxml", "IsLocked=True, not a document <<", false},
        {"otherroot", "<Dataset><IsLocked>True</IsLocked></Dataset>", false},
        {"nested", "<DatasetDesc><Task><IsLocked>True</IsLocked></Task></DatasetDesc>", false},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(dir.WriteFile(std::string(c.folder) + "/TheDataset.Desc", c.bytes));
        EXPECT_EQ(ReadQuietly(dir / c.folder), c.locked) << c.folder;
    }
    ASSERT_TRUE(dir.MakeDir("nofile"));
    EXPECT_FALSE(ReadQuietly(dir / "nofile"));
    EXPECT_FALSE(ReadQuietly(dir / "missing/folder"));
}

TEST(DatasetLockFlag, WriterCreatesAmendsOrReplacesTheDescriptor)
{
    TempDir dir;
    const struct {
        const char* folder;
        const char* before;   // null: no descriptor yet
        std::string after;
    } cases[] = {
        {"none", nullptr, "<DatasetDesc><IsLocked>True</IsLocked></DatasetDesc>"},
        // Other elements, entities and UTF-8 text stay in place; a line break
        // written as a reference comes back as the single byte.
        {"kept", "<DatasetDesc><Creater>ann</Creater><IsLocked>False</IsLocked>"
                 "<Desc>first&#08;a\xE2\x82\xAC&amp;b</Desc></DatasetDesc>",
         "<DatasetDesc><Creater>ann</Creater><IsLocked>True</IsLocked>"
         "<Desc>first\x08" "a\xE2\x82\xAC&amp;b</Desc></DatasetDesc>"},
        {"added", "<DatasetDesc><Creater>bob</Creater></DatasetDesc>",
         "<DatasetDesc><Creater>bob</Creater><IsLocked>True</IsLocked></DatasetDesc>"},
        {"broken", "<DatasetDesc><Creater>ann</Creater>", "<DatasetDesc><IsLocked>True</IsLocked></DatasetDesc>"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(c.before ? dir.WriteFile(std::string(c.folder) + "/TheDataset.Desc", c.before)
                             : dir.MakeDir(c.folder));
        SetDatasetLockFlag(dir / (std::string(c.folder) + "/"), 1);
        EXPECT_TRUE(twtest::SameText(c.after, dir.ReadFile(std::string(c.folder) + "/TheDataset.Desc")))
            << c.folder;
    }
    SetDatasetLockFlag(dir / "none", 0);
    EXPECT_TRUE(twtest::SameText("<DatasetDesc><IsLocked>False</IsLocked></DatasetDesc>",
                                 dir.ReadFile("none/TheDataset.Desc")));
}

TEST(DatasetLockFlag, CacheAnswersRepeatedQuestionsWithoutReadingTheFile)
{
    TempDir dir;
    ASSERT_TRUE(dir.WriteFile("ds/TheDataset.Desc", Descriptor("True")));

    const std::size_t before = DatasetLockFlagFileLoads();
    EXPECT_TRUE(ReadQuietly(dir / "ds"));
    EXPECT_EQ(DatasetLockFlagFileLoads(), before + 1);
    // With or without the trailing separator: the same key.
    EXPECT_TRUE(ReadQuietly(dir / "ds/"));
    EXPECT_EQ(DatasetLockFlagFileLoads(), before + 1);

    // The cache, not the file, answers from now on.
    ASSERT_TRUE(dir.WriteFile("ds/TheDataset.Desc", Descriptor("False")));
    EXPECT_TRUE(ReadQuietly(dir / "ds"));

    // A backslash separator forms a key of its own.
    ReadQuietly(dir / "ds\\");
    EXPECT_EQ(DatasetLockFlagFileLoads(), before + 2);
}

TEST(DatasetLockFlag, WriterUpdatesTheCacheEvenWhenItCannotSave)
{
    TempDir dir;
    ASSERT_TRUE(dir.WriteFile("ds/TheDataset.Desc", Descriptor("False")));
    EXPECT_FALSE(ReadQuietly(dir / "ds"));
    SetDatasetLockFlag(dir / "ds", 1);
    const std::size_t loads = DatasetLockFlagFileLoads();
    EXPECT_TRUE(ReadQuietly(dir / "ds"));
    EXPECT_EQ(DatasetLockFlagFileLoads(), loads);

    SetDatasetLockFlag(dir / "gone", 1);
    EXPECT_FALSE(std::filesystem::exists(dir / "gone"));
    EXPECT_TRUE(ReadQuietly(dir / "gone"));
}

TEST(DatasetLockFlag, OnlyALockedDataFolderAsksBeforeDataIsSaved)
{
    TempDir dir;
    ASSERT_TRUE(dir.WriteFile("lab-ds/TheDataset.Desc", Descriptor("True")));
    ASSERT_TRUE(dir.WriteFile("open/TheDataset.Desc", Descriptor("False")));
    const std::string path = dir / "lab-ds/";
    ScriptedPrompter prompter;

    // Without an open project the folder's own name is shown.
    prompter.ExpectMessage(ReadOnlyQuestion("lab-ds"), BoxAnswer::No, ExclamationYesNo());
    bool cancel = false;
    EXPECT_TRUE(ReadDatasetLockFlag(path, cancel, true));
    EXPECT_TRUE(cancel);

    // Yes leaves the caller's flag as it was, set or not.
    const std::size_t loads = DatasetLockFlagFileLoads();
    for (bool given : {true, false}) {
        cancel = given;
        prompter.ExpectMessage(ReadOnlyQuestion("lab-ds"), BoxAnswer::Yes, ExclamationYesNo());
        EXPECT_TRUE(ReadDatasetLockFlag(path, cancel, true));
        EXPECT_EQ(cancel, given);
    }
    EXPECT_EQ(DatasetLockFlagFileLoads(), loads);

    // Not asked: cancel stays as the caller set it.
    for (bool given : {true, false}) {
        cancel = given;
        EXPECT_TRUE(ReadDatasetLockFlag(path, cancel, false));
        EXPECT_FALSE(ReadDatasetLockFlag(dir / "open", cancel, true));
        EXPECT_EQ(cancel, given);
    }
    EXPECT_EQ(prompter.log.size(), 3u);
}

TEST(DatasetLockFlag, QuestionNamesTheDataFolderAsTheProjectKnowsIt)
{
    TempDir dir;
    OpenProject project(dir / "project");
    ASSERT_TRUE(project.opened);
    const std::string path = GetCurrBaselineFileSystem()->GetDataSetsFolder() + "Core audit/";
    ASSERT_TRUE(std::filesystem::create_directories(path));
    SetDatasetLockFlag(path, 1);

    ScriptedPrompter prompter;
    prompter.ExpectMessage(ReadOnlyQuestion("Core audit"), BoxAnswer::No, ExclamationYesNo());
    bool cancel = false;
    EXPECT_TRUE(ReadDatasetLockFlag(path, cancel, true));
    EXPECT_TRUE(cancel);
}
