// "Device Access...": the settings typed for a device reach its section of
// Devices.ini, bad ones are refused with the reason, other devices are untouched.
#include "support/ModalDriver.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

#include "apps/workstation/CDeviceAccessDlg.h"
#include "apps/workstation/CLiveAccessMenu.h"
#include "host/adaptor/GuiLiveAccessCenter.h"
#include "host/netmodel/GlobalNetworkInfo.h"
#include "host/util/TWFileSystem.h"
#include "platform/qt/ControlId.h"

#include <QAction>
#include <QMainWindow>
#include <QSpinBox>

#include <gtest/gtest.h>

namespace {

using workstation::CDeviceAccessDlg;

TEST(DeviceAccessDlg, KeepsWhatIsTypedPerDeviceAndRefusesBadSettings)
{
    twtest::TempDir tmp;
    const std::string project = tmp / "lab";
    ASSERT_TRUE(TWFileSystem::CreateProject(project, "Lab"));
    twtest::WriteBytes(project + "/Devices.ini",
                       "[core-r1]\nType=router\nSubType=ios\n[nx-core1]\nType=switch\nSubType=nxos\n");
    TWFileSystem fileSystem(project);
    SetCurrBaselineFileSystem(&fileSystem);

    QMainWindow window;
    GuiLiveAccessCenter* const before = &GuiLiveAccessCenter::Instance();
    {
        workstation::CLiveAccessMenu menu(&window);
        EXPECT_NE(&GuiLiveAccessCenter::Instance(), before);
        twtest::ModalDriver driver;
        twtest::ScriptedPrompter prompter;
        prompter.ExpectMessage("The address of nx-core1 cannot hold blanks or control characters.",
                               platform::BoxAnswer::Ok);
        driver.Expect([](QDialog& dialog) {
            auto& access = static_cast<CDeviceAccessDlg&>(dialog);
            access.SelectDevice(1);
            EXPECT_EQ(twtest::ModalDriver::Text(dialog, CDeviceAccessDlg::kPlatformId), "NX-OS");
            twtest::ModalDriver::FillText(dialog, CDeviceAccessDlg::kAddressId, "10.0.0 .9");
            twtest::ModalDriver::FillText(dialog, CDeviceAccessDlg::kUserId, "netops");
            platform::Control<QSpinBox>(&dialog, CDeviceAccessDlg::kPortId)->setValue(2222);
            dialog.accept();
            EXPECT_EQ(dialog.result(), QDialog::Rejected);   // still open: the address is refused
            twtest::ModalDriver::FillText(dialog, CDeviceAccessDlg::kAddressId, "10.0.0.9");
            dialog.accept();
            return dialog.result();
        });
        window.findChild<QAction*>("actionDeviceAccess")->trigger();
        EXPECT_EQ(driver.PendingCount(), 0u);
        EXPECT_EQ(prompter.PendingCount(), 0u);
    }
    EXPECT_EQ(&GuiLiveAccessCenter::Instance(), before);

    const std::string ini = tmp.ReadFile("lab/Devices.ini");
    EXPECT_EQ(ini.find("Address", 0), ini.find("Address=10.0.0.9"));
    CDeviceAccess access;
    ASSERT_TRUE(CDeviceAccess::Load(*GetCurrentGNI(), "NX-CORE1", access));
    EXPECT_EQ(access.address, "10.0.0.9");
    EXPECT_EQ(access.port, 2222);
    EXPECT_EQ(access.user, "netops");
    EXPECT_EQ(access.platform, CliPlatform::NxOs);
    // The device left alone keeps no access keys at all.
    EXPECT_LT(ini.find("[core-r1]"), ini.find("[nx-core1]"));
    EXPECT_EQ(ini.substr(0, ini.find("[nx-core1]")).find("Port"), std::string::npos);
    SetCurrBaselineFileSystem(nullptr);
}

} // namespace
