#include "guidataset/dataset/core/DatasetDescriptor.h"
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

TEST(DatasetLockFlag, LockingADataFolderWithoutDescriptorCreatesIt)
{
    TempDir dir;
    ASSERT_TRUE(dir.MakeDir("ds"));
    SetDatasetLockFlag(dir / "ds", 1);
    EXPECT_TRUE(twtest::SameText("<DatasetDesc><IsLocked>True</IsLocked></DatasetDesc>",
                                 dir.ReadFile("ds/TheDataset.Desc")));

    SetDatasetLockFlag(dir / "ds", 0);
    EXPECT_TRUE(twtest::SameText("<DatasetDesc><IsLocked>False</IsLocked></DatasetDesc>",
                                 dir.ReadFile("ds/TheDataset.Desc")));
}

TEST(DatasetLockFlag, WritingKeepsTheOtherElementsInPlace)
{
    TempDir dir;
    ASSERT_TRUE(dir.WriteFile("a/TheDataset.Desc",
                              "<DatasetDesc><Creater>ann</Creater><IsLocked>False</IsLocked>"
                              "<Desc>first&#08;second</Desc></DatasetDesc>"));
    SetDatasetLockFlag(dir / "a", 1);
    EXPECT_TRUE(twtest::SameText("<DatasetDesc><Creater>ann</Creater><IsLocked>True</IsLocked>"
                                 "<Desc>first&#08;second</Desc></DatasetDesc>",
                                 dir.ReadFile("a/TheDataset.Desc")));

    // Without the element, it is added after the others.
    ASSERT_TRUE(dir.WriteFile("b/TheDataset.Desc", NewDialogCreationDescriptor("bob")));
    SetDatasetLockFlag(dir / "b/", 1);
    EXPECT_TRUE(twtest::SameText(
        "<DatasetDesc><Creater>bob</Creater><IsLocked>True</IsLocked></DatasetDesc>",
        dir.ReadFile("b/TheDataset.Desc")));
}

TEST(DatasetLockFlag, UnreadableDescriptorIsReplacedWhole)
{
    TempDir dir;
    ASSERT_TRUE(dir.WriteFile("ds/TheDataset.Desc", "<DatasetDesc><Creater>ann</Creater>"));
    SetDatasetLockFlag(dir / "ds", 1);
    EXPECT_TRUE(twtest::SameText("<DatasetDesc><IsLocked>True</IsLocked></DatasetDesc>",
                                 dir.ReadFile("ds/TheDataset.Desc")));
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

TEST(DatasetLockFlag, LockedDataFolderAsksBeforeDataIsSaved)
{
    TempDir dir;
    ASSERT_TRUE(dir.WriteFile("lab-ds/TheDataset.Desc", Descriptor("True")));
    const std::string path = dir / "lab-ds/";
    ScriptedPrompter prompter;

    // Without an open project the folder's own name is shown.
    prompter.ExpectMessage(ReadOnlyQuestion("lab-ds"), BoxAnswer::No, ExclamationYesNo());
    bool cancel = false;
    EXPECT_TRUE(ReadDatasetLockFlag(path, cancel, true));
    EXPECT_TRUE(cancel);

    const std::size_t loads = DatasetLockFlagFileLoads();
    prompter.ExpectMessage(ReadOnlyQuestion("lab-ds"), BoxAnswer::Yes, ExclamationYesNo());
    cancel = true;
    EXPECT_TRUE(ReadDatasetLockFlag(path, cancel, true));
    EXPECT_FALSE(cancel);
    EXPECT_EQ(DatasetLockFlagFileLoads(), loads);

    // Not asked: cancel stays as the caller set it.
    cancel = true;
    EXPECT_TRUE(ReadDatasetLockFlag(path, cancel, false));
    EXPECT_TRUE(cancel);
    EXPECT_EQ(prompter.log.size(), 2u);
}

TEST(DatasetLockFlag, UnlockedDataFolderNeverAsks)
{
    TempDir dir;
    ASSERT_TRUE(dir.WriteFile("ds/TheDataset.Desc", Descriptor("False")));
    ScriptedPrompter prompter;
    bool cancel = true;
    EXPECT_FALSE(ReadDatasetLockFlag(dir / "ds", cancel, true));
    EXPECT_TRUE(cancel);
    cancel = false;
    EXPECT_FALSE(ReadDatasetLockFlag(dir / "ds", cancel, true));
    EXPECT_FALSE(cancel);
    EXPECT_TRUE(prompter.log.empty());
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
