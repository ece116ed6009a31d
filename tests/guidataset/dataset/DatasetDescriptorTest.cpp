#include "guidataset/dataset/core/CurrentDataSetRecord.h"
#include "guidataset/dataset/core/DatasetDescriptor.h"
#include "host/baseline/CBaseline.h"
#include "host/util/CConf.h"
#include "host/util/TWDataSet.h"
#include "host/util/TWFileSystem.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

using twtest::SameText;
using twtest::TempDir;

TEST(DatasetDescriptor, CreationTextsAreWrittenExactly)
{
    TempDir dir;
    ASSERT_TRUE(dir.MakeDir("locked"));
    ASSERT_TRUE(WriteServiceCreationDescriptor(dir / "locked", "ann", true));
    EXPECT_TRUE(SameText("<DatasetDesc><Creater>ann</Creater><IsLocked>True</IsLocked></DatasetDesc>",
                         dir.ReadFile("locked/TheDataset.Desc")));

    // Truncates a longer file; the user name is written as given.
    ASSERT_TRUE(dir.WriteFile("open/TheDataset.Desc", std::string(400, 'z')));
    ASSERT_TRUE(WriteServiceCreationDescriptor(dir / "open/", "o'neil", false));
    EXPECT_TRUE(SameText("<DatasetDesc><Creater>o'neil</Creater><IsLocked>False</IsLocked></DatasetDesc>",
                         dir.ReadFile("open/TheDataset.Desc")));

    ASSERT_TRUE(dir.MakeDir("new"));
    ASSERT_TRUE(WriteNewDialogCreationDescriptor(dir / "new", "bob"));
    EXPECT_TRUE(SameText("<DatasetDesc><Creater>bob</Creater></DatasetDesc>",
                         dir.ReadFile("new/TheDataset.Desc")));
}

TEST(DatasetDescriptor, WriterIntoAMissingFolderWritesNothing)
{
    TempDir dir;
    EXPECT_FALSE(WriteServiceCreationDescriptor(dir / "missing", "ann", true));
    EXPECT_FALSE(WriteNewDialogCreationDescriptor(dir / "missing", "ann"));
    EXPECT_FALSE(std::filesystem::exists(dir / "missing"));
}

TEST(DatasetDescriptor, DescriptionLineBreaksRoundTrip)
{
    EXPECT_EQ(DescriptionToStored("core\r\nedge"), "core\x08" "edge");
    EXPECT_EQ(DescriptionToStored("one\r\ntwo\nthree"), "one\x08two\x08three");
    EXPECT_EQ(DescriptionFromStored("one\x08two\x08three"), "one\r\ntwo\r\nthree");
    const std::string text = "a\r\n\r\nb\r\n";
    EXPECT_EQ(DescriptionFromStored(DescriptionToStored(text)), text);
}

TEST(CurrentDataSetRecord, WritesNameAndPathKeepingOtherSections)
{
    TempDir dir;
    std::string path = "stale";
    EXPECT_FALSE(WriteCurrentDataSetRecord("Core", nullptr, path));
    EXPECT_EQ(path, "");

    ASSERT_TRUE(CBaseline::Open(dir / "project", true));
    struct Closer {
        ~Closer() { CBaseline::Close(); }
    } closer;
    TWFileSystem* fileSystem = GetCurrBaselineFileSystem();
    TWDataSet* registry = fileSystem->GetDataSet();
    const std::string ini = TWFileSystem::GetCurrentBaselineFolder() + "TWDataSet.ini";
    ASSERT_TRUE(std::filesystem::create_directories(fileSystem->GetDataSetsFolder() + "Core audit"));
    {
        CConf conf(ini);
        ASSERT_TRUE(conf.SetValue("COMPARE", "Baseline", "Local default"));
        ASSERT_TRUE(conf.SetValue("RECORD_INFO", "Compared", "Core audit"));
    }

    ASSERT_TRUE(WriteCurrentDataSetRecord("core AUDIT", registry, path));
    EXPECT_EQ(path, fileSystem->GetDataSetsFolder() + "Core audit/");
    CConf conf(ini);
    EXPECT_EQ(conf.GetValue("RECORD_INFO", "Current"), "core AUDIT");
    EXPECT_EQ(conf.GetValue("RECORD_INFO", "CurrentPath"), path);
    EXPECT_EQ(conf.GetValue("RECORD_INFO", "Compared"), "Core audit");
    EXPECT_EQ(conf.GetValue("COMPARE", "Baseline"), "Local default");

    // An unknown name is recorded as given, with no path.
    ASSERT_TRUE(WriteCurrentDataSetRecord(std::string(600, 'n'), registry, path));
    CConf after(ini);
    EXPECT_EQ(after.GetValue("RECORD_INFO", "Current"), std::string(600, 'n'));
    EXPECT_EQ(after.GetValue("RECORD_INFO", "CurrentPath"), "");
}
