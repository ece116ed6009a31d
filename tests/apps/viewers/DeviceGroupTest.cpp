// Device groups as the DataFolder browser's pages ask for them
// (GuiDeviceCenter::DeviceGroup): the dialog's name rules, the project's
// DeviceGroups.ini, and what the status bar says.
#include "ViewerFixture.h"

#include "apps/workstation/viewers/CDeviceGroupDialog.h"
#include "support/ModalDriver.h"

#include "host/adaptor/GuiDeviceCenter.h"
#include "platform/qt/ControlId.h"

#include <QComboBox>
#include <QDialog>

using twtest::kNoticeBox;
using twtest::ModalDriver;
using Dialog = workstation::CDeviceGroupDialog;

namespace {

class DeviceGroup : public twtest::ViewerFixture {
protected:
    static std::vector<GuiDeviceCenter::DeviceEntry> Entries(const std::vector<std::string>& names)
    {
        std::vector<GuiDeviceCenter::DeviceEntry> entries;
        for (const std::string& name : names)
            entries.push_back({name, 1021});   // the pages' type when the configuration names none
        return entries;
    }
    // Types the name and clicks Create.
    static ModalDriver::Step CreateAs(const std::string& name)
    {
        return [name](QDialog& dialog) {
            ModalDriver::FillText(dialog, Dialog::kNameId, name);
            ModalDriver::Click(dialog, Dialog::kOkId);
            return dialog.result();
        };
    }
    ModalDriver m_driver;
};

} // namespace

TEST_F(DeviceGroup, CreateChecksTheNameUntilItIsGood)
{
    Write("DeviceGroups.ini", "; kept as it is\r\n[Core]\r\ncore-r1=router\r\n");
    m_driver.Expect([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle().toStdString(), "Create Device Group");
        for (const char* name : {"   ", "lab/east", "CORE", "Access [2]"}) {
            ModalDriver::FillText(dialog, Dialog::kNameId, name);
            ModalDriver::Click(dialog, Dialog::kOkId);
        }
        EXPECT_EQ(dialog.result(), 0);   // still open
        return CreateAs("  Distribution ")(dialog);
    });
    const std::string badName = "A device group's name can't include control characters or any of the following "
                                "characters:\n\t[ ] = ; # \\ / : * ? \" < > |";
    m_prompter.ExpectMessage("Please enter a name for the device group.", platform::BoxAnswer::Ok, kNoticeBox)
        .ExpectMessage(badName, platform::BoxAnswer::Ok, kNoticeBox)
        .ExpectMessage("The device group 'Core' already exists.", platform::BoxAnswer::Ok, kNoticeBox)
        .ExpectMessage(badName, platform::BoxAnswer::Ok, kNoticeBox);

    // The model's spelling and type; a device it does not know keeps the page's name.
    GuiDeviceCenter::Instance().DeviceGroup(Entries({"DIST-SW1", "core-r1", "lab-sw9", "dist-sw1"}), true);
    EXPECT_EQ(m_driver.PendingCount(), 0u);
    EXPECT_EQ(Read("DeviceGroups.ini"), "; kept as it is\r\n[Core]\r\ncore-r1=router\r\n\r\n"
                                        "[Distribution]\r\ndist-sw1=switch\r\ncore-r1=router\r\nlab-sw9=\r\n");
    EXPECT_EQ(StatusText(), "Device group 'Distribution' created with 3 devices.");
}

TEST_F(DeviceGroup, AddPicksAGroupAndAddsOnlyNewMembers)
{
    // Without groups there is nothing to add to.
    m_prompter.ExpectMessage("The project has no device group yet: create one first.", platform::BoxAnswer::Ok,
                             kNoticeBox);
    GuiDeviceCenter::Instance().DeviceGroup(Entries({"core-r1"}), false);
    EXPECT_EQ(m_driver.Titles().size(), 0u);

    Write("DeviceGroups.ini", "[Core]\r\ncore-r1=router\r\n\r\n[Edge]\r\n");
    m_driver.Expect([](QDialog& dialog) {
        auto* groups = platform::Control<QComboBox>(&dialog, Dialog::kGroupListId);
        EXPECT_NE(groups, nullptr);
        if (!groups)
            return 0;
        EXPECT_EQ(groups->count(), 2);
        groups->setCurrentIndex(0);
        ModalDriver::Click(dialog, Dialog::kOkId);
        return dialog.result();
    });
    GuiDeviceCenter::Instance().DeviceGroup(Entries({"core-r1", "dist-sw1"}), false);
    EXPECT_EQ(Read("DeviceGroups.ini"), "[Core]\r\ncore-r1=router\r\ndist-sw1=switch\r\n\r\n[Edge]\r\n");
    EXPECT_EQ(StatusText(), "1 device added to the device group 'Core'.");

    // Cancel writes nothing.
    m_driver.Expect(ModalDriver::ClickStep(Dialog::kCancelId));
    GuiDeviceCenter::Instance().DeviceGroup(Entries({"lab-sw9"}), false);
    EXPECT_EQ(Read("DeviceGroups.ini"), "[Core]\r\ncore-r1=router\r\ndist-sw1=switch\r\n\r\n[Edge]\r\n");
}
