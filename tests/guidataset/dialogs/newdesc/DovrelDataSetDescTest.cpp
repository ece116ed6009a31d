#include "guidataset/dataset/GuiDatasetCenterImpl.h"
#include "guidataset/dialogs/CDovrelDataSetDesc.h"
#include "guidataset/resources/DovrelDataSetDescIds.h"
#include "host/baseline/CBaseline.h"
#include "platform/core/FileTimes.h"
#include "platform/qt/ControlId.h"
#include "support/ModalDriver.h"
#include "support/TempDir.h"

#include <QLineEdit>

#include <gtest/gtest.h>

#include <map>
#include <string>

using twtest::ModalDriver;

namespace {

class DescriptionDialogTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(CBaseline::Open(temp / "project", true)); }
    void TearDown() override { CBaseline::Close(); }

    std::string Folder(const std::string& name) const { return temp / ("project/DataFolders/" + name); }
    void WriteDescriptor(const std::string& name, const std::string& bytes)
    {
        ASSERT_TRUE(temp.WriteFile("project/DataFolders/" + name + "/TheDataset.Desc", bytes));
    }
    std::string Descriptor(const std::string& name)
    {
        return temp.ReadFile("project/DataFolders/" + name + "/TheDataset.Desc");
    }

    // Opens the dialog for name and returns what each field shows; when
    // description is given it is typed and saved.
    std::map<int, std::string> Show(const std::string& name, const std::string* description = nullptr)
    {
        std::map<int, std::string> shown;
        driver.Expect([&](QDialog& d) {
            for (int id : {kIdcDataSetDescName, kIdcDataSetDescPath, kIdcDataSetDescCreateTime,
                           kIdcDataSetDescCreator, kIdcDataSetDescApplication, kIdcDataSetDescTask,
                           kIdcDataSetDescText})
                shown[id] = ModalDriver::Text(d, id);
            auto* hidden = platform::Control<QLineEdit>(&d, kIdcDataSetDescApplication);
            EXPECT_TRUE(hidden && hidden->isHidden());
            if (!description)
                return ModalDriver::Reject()(d);
            ModalDriver::FillText(d, kIdcDataSetDescText, *description);
            return ModalDriver::ClickStep(kIdcDataSetDescSave)(d);
        });
        GuiDatasetCenterImpl::Instance()->ViewDataSetDesc(name, nullptr);
        EXPECT_EQ(driver.Titles().back(), "DataFolder Description");
        return shown;
    }
    std::string FolderTime(const std::string& name)
    {
        return platform::FormatLocalTime(platform::CreationTime(Folder(name)), "%Y-%m-%d %H:%M:%S");
    }

    twtest::TempDir temp;
    ModalDriver driver;
};

TEST_F(DescriptionDialogTest, ShowsTheDescriptorOrTheFolderTimeAndSystemForLocalDefault)
{
    WriteDescriptor("Alpha", "<DatasetDesc><Creater>ann</Creater><CreateTime>2024-03-05 14:07:09"
                             "</CreateTime><Application>Audit</Application><Task>T1</Task>"
                             "<Desc>one\x08two</Desc></DatasetDesc>");
    auto shown = Show("alpha");
    EXPECT_EQ(shown[kIdcDataSetDescName], "Alpha");
    EXPECT_EQ(shown[kIdcDataSetDescPath], Folder("Alpha"));
    EXPECT_EQ(shown[kIdcDataSetDescCreateTime], "2024-03-05 14:07:09");
    EXPECT_EQ(shown[kIdcDataSetDescCreator], "ann");
    EXPECT_EQ(shown[kIdcDataSetDescApplication], "Audit");
    EXPECT_EQ(shown[kIdcDataSetDescTask], "T1");
    EXPECT_EQ(shown[kIdcDataSetDescText], "one\ntwo");

    WriteDescriptor("Beta", "<DatasetDesc><Creater>ann</Creater><CreateTime></CreateTime></DatasetDesc>");
    shown = Show("Beta");
    EXPECT_EQ(shown[kIdcDataSetDescCreateTime], FolderTime("Beta"));
    EXPECT_EQ(shown[kIdcDataSetDescCreateTime].size(), 19u);

    WriteDescriptor("Local default", "<DatasetDesc><Creater>bob</Creater></DatasetDesc>");
    EXPECT_EQ(Show("Local default")[kIdcDataSetDescCreator], "system");
}

TEST_F(DescriptionDialogTest, SavedLinesTravelAsBackspaceBytesAndComeBack)
{
    WriteDescriptor("Alpha", "<DatasetDesc><Creater>ann</Creater><IsLocked>True</IsLocked></DatasetDesc>");
    const std::string typed = "first line\nsecond line\nthird";
    Show("Alpha", &typed);
    EXPECT_EQ(Descriptor("Alpha"), "<DatasetDesc><Creater>ann</Creater><IsLocked>True</IsLocked>"
                                   "<Desc>first line\x08second line\x08third</Desc></DatasetDesc>");
    EXPECT_EQ(Show("Alpha")[kIdcDataSetDescText], typed);

    // Descriptors written as character references read the same.
    WriteDescriptor("Beta", "<DatasetDesc><Desc>one&#08;two&#8;three</Desc></DatasetDesc>");
    EXPECT_EQ(Show("Beta")[kIdcDataSetDescText], "one\ntwo\nthree");
}

TEST_F(DescriptionDialogTest, DescriptorThatIsNotXmlOpensEmptyAndSaveWritesAFreshOne)
{
    WriteDescriptor("Gamma", "not xml at all");
    const std::string typed = "note";
    const auto shown = Show("Gamma", &typed);
    EXPECT_EQ(shown.at(kIdcDataSetDescCreator), "");
    EXPECT_EQ(shown.at(kIdcDataSetDescText), "");
    EXPECT_EQ(shown.at(kIdcDataSetDescCreateTime), FolderTime("Gamma"));
    EXPECT_EQ(Descriptor("Gamma"), "<DatasetDesc><Desc>note</Desc></DatasetDesc>");
}

} // namespace
