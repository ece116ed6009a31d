#include "apps/workstation/viewers/CReportEntryOpener.h"

#include "apps/workstation/viewers/CDiffLauncher.h"
#include "apps/workstation/viewers/CHostViewers.h"
#include "apps/workstation/viewers/CKeyedCompareViewer.h"

#include "host/adaptor/GuiRTCenter.h"
#include "host/adaptor/HostMessages.h"
#include "host/compare/DataFolderReport.h"
#include "host/netutil/CTableKeys.h"
#include "host/util/MessageDispatcher.h"
#include "platform/core/Prompter.h"

#include <QString>

#include <cstdint>
#include <filesystem>

namespace workstation {

namespace {

bool ViewText(const std::string& path)
{
    hostmsg::ConfigViewRequest view;
    view.path = path.c_str();
    return MessageDispatcher::Instance().CallReceiver(hostmsg::kConfigViewerReceiver, hostmsg::kViewConfig, 0,
                                                      reinterpret_cast<std::intptr_t>(&view)) != 0;
}

bool ViewTable(unsigned message, const std::string& path)
{
    return MessageDispatcher::Instance().CallReceiver(hostmsg::kTableViewerReceiver, message,
                                                      reinterpret_cast<std::uintptr_t>(path.c_str()), 0) != 0;
}

} // namespace

bool CReportEntryOpener::Open(const ReportEntry& entry, QWidget* parent)
{
    if (entry.change == ChangeKind::Unreadable) {
        platform::MessageBoxTW("This " + DataFolderReport::Subject(entry) + " of " + entry.device +
                                   " was not compared: " + entry.reason,
                               platform::BoxIcon::Exclamation, platform::BoxButtons::Ok, parent);
        return false;
    }
    if (entry.pathA.empty() || entry.pathB.empty())
        return ViewOne(entry, parent);
    if (entry.kind == CompareKind::Configuration || entry.kind == CompareKind::ShowCommand)
        return CDiffLauncher::Start(entry.pathA, entry.pathB, parent);
    return CompareTables(entry, parent);
}

bool CReportEntryOpener::CompareTables(const ReportEntry& entry, QWidget* parent)
{
    // "core-r1 route table — 2026-11-20 Core audit → 2026-11-27 After change"
    auto dataFolder = [](const std::string& path) {
        return QString::fromStdString(std::filesystem::path(path).parent_path().parent_path().filename().string());
    };
    const CTableKeys* keys = CTableKeys::FromPath(entry.pathA);
    const std::string what = keys ? keys->Title() : std::string("table");
    const QString title = QString::fromStdString(entry.device + " " + what) +
                          QStringLiteral(" \u2014 ") + dataFolder(entry.pathA) + QStringLiteral(" \u2192 ") +
                          dataFolder(entry.pathB);
    // Inside the workstation the comparison joins its other viewers.
    if (CHostViewers* viewers = parent ? parent->window()->findChild<CHostViewers*>() : nullptr)
        return viewers->CompareTableFiles(entry.pathA, entry.pathB, title);
    auto* viewer = new CKeyedCompareViewer;
    std::string error;
    if (!viewer->Open(entry.pathA, entry.pathB, error)) {
        delete viewer;
        platform::MessageBoxTW(error, platform::BoxIcon::Exclamation, platform::BoxButtons::Ok, parent);
        return false;
    }
    viewer->setParent(parent, Qt::Window);
    viewer->setAttribute(Qt::WA_DeleteOnClose);
    viewer->setWindowTitle(title);
    viewer->resize(980, 600);
    viewer->show();
    return true;
}

bool CReportEntryOpener::ViewOne(const ReportEntry& entry, QWidget* parent)
{
    const std::string& path = entry.pathA.empty() ? entry.pathB : entry.pathA;
    bool shown = false;
    switch (entry.kind) {
    case CompareKind::RouteTable:
        GuiRTCenter::Instance().OpenRouteTable(path, 0, 0);
        shown = true;
        break;
    case CompareKind::ArpTable: shown = ViewTable(hostmsg::kViewArpTable, path); break;
    case CompareKind::MacTable: shown = ViewTable(hostmsg::kViewMacTable, path); break;
    case CompareKind::CdpTable: shown = ViewTable(hostmsg::kViewCdpTable, path); break;
    case CompareKind::Configuration:
    case CompareKind::Interfaces:
    case CompareKind::ShowCommand: shown = ViewText(path); break;
    }
    if (!shown)
        platform::MessageBoxTW("No viewer is available for " + path + ".", platform::BoxIcon::Exclamation,
                               platform::BoxButtons::Ok, parent);
    return shown;
}

} // namespace workstation
