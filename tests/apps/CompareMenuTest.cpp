// The workstation's Compare menu: each entry opens the module's dialog, and
// what the user chose reaches the host's table compare or the hand-off.
#include "CampusWorkstation.h"
#include "apps/workstation/MainWindow.h"
#include "apps/workstation/viewers/CDataFolderReportWindow.h"
#include "guidataset/resources/CompareDatasetDlgIds.h"
#include "guidataset/resources/DlgSelect2DatasetIds.h"
#include "host/adaptor/HostMessages.h"
#include "host/baseline/CBaseline.h"
#include "host/util/CTWRTPath.h"
#include "host/util/MessageDispatcher.h"
#include "platform/qt/ControlId.h"
#include "support/DataFolderPicker.h"
#include "support/ModalDriver.h"
#include "support/RecordingDeviceCenter.h"
#include "support/ScriptedPrompter.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QMdiArea>
#include <QMdiSubWindow>

#include <gtest/gtest.h>

namespace {

using twtest::ChooseDataFolder;

class CompareMenu : public twtest::CampusWorkstation {
protected:
    CompareMenu()
    {
        EXPECT_TRUE(tmp.MakeDir("campus/DataFolders/Audit"));
        EXPECT_TRUE(tmp.MakeDir("campus/DataFolders/Field Lab"));
    }
    std::string PutArp(const std::string& dataFolder)
    {
        const std::string relative = "campus/DataFolders/" + dataFolder + "/LiveArpTable/" +
                                     CTWRTPath::GetRtbFileName("dist-sw1", "", "", CTWRTPath::kArpTable);
        EXPECT_TRUE(tmp.WriteFile(relative, "arp\r\n"));
        return tmp.Path() + relative;
    }
};

TEST_F(CompareMenu, ChosenArpTablesReachTheHostsTableCompareWithBothPaths)
{
    const std::string audit = PutArp("Audit");
    const std::string lab = PutArp("Field Lab");
    workstation::MainWindow window(&module);
    ASSERT_TRUE(window.OpenProject(project));
    twtest::RecordingDeviceCenter devices;
    devices.answerHost = "dist-sw1";
    hostmsg::TableCompareRequest received;
    unsigned message = 0;
    MessageDispatcher::Instance().RegisterReceiver(
        hostmsg::kTableViewerReceiver, [&](unsigned m, std::uintptr_t, std::intptr_t lparam) {
            message = m;
            received = *reinterpret_cast<const hostmsg::TableCompareRequest*>(lparam);
            return 1L;
        });
    twtest::ModalDriver driver;
    driver.Expect([&](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle().toStdString(), "Compare ARP Table");
        twtest::ModalDriver::Click(dialog, kIdcCompareDatasetSelect);
        ChooseDataFolder(dialog, kIdcCompareDatasetFirstPicker, "Audit");
        ChooseDataFolder(dialog, kIdcCompareDatasetSecondPicker, "Field Lab");
        twtest::ModalDriver::Click(dialog, kIdcCompareDatasetOk);
        return dialog.result();
    });
    window.findChild<QAction*>("actionCompareArpTables")->trigger();
    MessageDispatcher::Instance().UnRegisterReceiver(hostmsg::kTableViewerReceiver);
    EXPECT_EQ(message, hostmsg::kCompareArpTable);
    EXPECT_EQ(received.hostName, "dist-sw1");
    EXPECT_EQ(received.path, audit);
    EXPECT_EQ(received.otherPath, lab);
}

TEST_F(CompareMenu, CompareDataFoldersOpensTheChangeReportOfTheChosenPair)
{
    workstation::MainWindow window(&module);
    ASSERT_TRUE(window.OpenProject(project));
    twtest::ModalDriver driver;
    driver.Expect([&](QDialog& dialog) {
        ChooseDataFolder(dialog, kIdcSelect2DatasetFirstPicker, "Audit");
        ChooseDataFolder(dialog, kIdcSelect2DatasetSecondPicker, "Field Lab");
        twtest::ModalDriver::Click(dialog, kIdcSelect2DatasetOk);
        return dialog.result();
    });
    window.findChild<QAction*>("actionCompareDataFolders")->trigger();
    const QList<QMdiSubWindow*> windows = window.MdiArea()->subWindowList();
    ASSERT_EQ(windows.size(), 1);
    EXPECT_TRUE(qobject_cast<workstation::CDataFolderReportWindow*>(windows.front()->widget()));
    EXPECT_EQ(windows.front()->windowTitle(), QString::fromUtf8("Changes: Audit \u2192 Field Lab"));
}

} // namespace
