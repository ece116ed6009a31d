#include "apps/workstation/viewers/CHostViewers.h"

#include "apps/workstation/viewers/CConfigViewer.h"
#include "apps/workstation/viewers/CDeviceGroupDialog.h"
#include "apps/workstation/viewers/CDiffLauncher.h"
#include "apps/workstation/viewers/CKeyedCompareViewer.h"
#include "apps/workstation/viewers/CTableViewer.h"
#include "apps/workstation/viewers/CWorkspaceUpdate.h"
#include "apps/workstation/viewers/CWorkstationDeviceCenter.h"
#include "apps/workstation/viewers/CWorkstationRTCenter.h"

#include "host/adaptor/HostMessages.h"
#include "host/baseline/CNetworkBase.h"
#include "host/netmodel/CDeviceGroups.h"
#include "host/netmodel/GlobalNetworkInfo.h"
#include "host/netmodel/TWDevice.h"
#include "host/util/MessageDispatcher.h"
#include "host/util/TWDataSet.h"
#include "host/util/TWFileSystem.h"
#include "platform/core/Paths.h"
#include "platform/core/Prompter.h"
#include "platform/qt/RunModal.h"

#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>
#include <QStyle>

#include <filesystem>

namespace workstation {

namespace {

constexpr int kStatusMs = 8000;

std::string Capitalised(std::string text)
{
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z')
        text[0] = static_cast<char>(text[0] - 'a' + 'A');
    return text;
}

bool Exists(const std::string& path)
{
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

std::string Plural(std::size_t count, const char* noun)
{
    return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

} // namespace

CHostViewers::CHostViewers(QMdiArea* mdiArea, QStatusBar* statusBar, QObject* parent)
    : QObject(parent),
      m_mdiArea(mdiArea),
      m_statusBar(statusBar),
      m_rtCenter(std::make_unique<CWorkstationRTCenter>(*this)),
      m_deviceCenter(std::make_unique<CWorkstationDeviceCenter>(*this))
{
    MessageDispatcher& dispatcher = MessageDispatcher::Instance();
    dispatcher.RegisterReceiver(hostmsg::kConfigViewerReceiver,
                                [this](unsigned message, std::uintptr_t wparam, std::intptr_t lparam) {
                                    return OnConfigMessage(message, wparam, lparam);
                                });
    dispatcher.RegisterReceiver(hostmsg::kTableViewerReceiver,
                                [this](unsigned message, std::uintptr_t wparam, std::intptr_t lparam) {
                                    return OnTableMessage(message, wparam, lparam);
                                });
    m_previousRTCenter = GuiRTCenter::Install(m_rtCenter.get());
    m_previousDeviceCenter = GuiDeviceCenter::Install(m_deviceCenter.get());
}

CHostViewers::~CHostViewers()
{
    MessageDispatcher::Instance().UnRegisterReceiver(hostmsg::kConfigViewerReceiver);
    MessageDispatcher::Instance().UnRegisterReceiver(hostmsg::kTableViewerReceiver);
    if (&GuiRTCenter::Instance() == m_rtCenter.get())
        GuiRTCenter::Install(m_previousRTCenter);
    if (&GuiDeviceCenter::Instance() == m_deviceCenter.get())
        GuiDeviceCenter::Install(m_previousDeviceCenter);
}

long CHostViewers::OnConfigMessage(unsigned message, std::uintptr_t wparam, std::intptr_t lparam)
{
    switch (message) {
    case hostmsg::kViewConfig: {
        const auto* request = reinterpret_cast<const hostmsg::ConfigViewRequest*>(lparam);
        if (!request || !request->path)
            return 0;
        return ViewConfig(request->path, request->line, request->activate) ? 1 : 0;
    }
    case hostmsg::kCompareConfig: {
        const auto* path = reinterpret_cast<const char*>(wparam);
        if (!path)
            return 0;
        return CompareConfig(path, reinterpret_cast<CNetworkBase*>(lparam)) ? 1 : 0;
    }
    case hostmsg::kCompareConfigFiles: {
        const auto* first = reinterpret_cast<const char*>(wparam);
        const auto* second = reinterpret_cast<const char*>(lparam);
        return first && second && CDiffLauncher::Start(first, second, Owner()) ? 1 : 0;
    }
    case hostmsg::kUpdateConfig: {
        const auto* request = reinterpret_cast<const hostmsg::ConfigUpdateRequest*>(lparam);
        if (!request || request->kind != 3)
            return 0;
        UpdateConfig(request->deviceName, request->path);
        return 1;
    }
    case hostmsg::kUpdateConfigs: {
        const auto* entries = reinterpret_cast<const std::vector<GuiDeviceCenter::DeviceEntry>*>(wparam);
        const auto* folder = reinterpret_cast<const char*>(lparam);
        if (!entries || !folder)
            return 0;
        std::vector<std::string> devices;
        for (const GuiDeviceCenter::DeviceEntry& entry : *entries)
            devices.push_back(entry.name);
        UpdateConfigs(devices, folder);
        return 1;
    }
    default:
        return 0;
    }
}

long CHostViewers::OnTableMessage(unsigned message, std::uintptr_t wparam, std::intptr_t lparam)
{
    TableKind kind = TableKind::Arp;
    bool compare = false;
    switch (message) {
    case hostmsg::kViewArpTable: kind = TableKind::Arp; break;
    case hostmsg::kViewMacTable: kind = TableKind::Mac; break;
    case hostmsg::kViewCdpTable: kind = TableKind::Cdp; break;
    case hostmsg::kCompareArpTable: kind = TableKind::Arp; compare = true; break;
    case hostmsg::kCompareMacTable: kind = TableKind::Mac; compare = true; break;
    case hostmsg::kCompareCdpTable: kind = TableKind::Cdp; compare = true; break;
    default: return 0;
    }
    if (!compare) {
        const auto* path = reinterpret_cast<const char*>(wparam);
        return path && ViewTable(path, kind) ? 1 : 0;
    }
    const auto* request = reinterpret_cast<const hostmsg::TableCompareRequest*>(lparam);
    if (!request || request->path.empty())
        return 0;
    if (!request->otherPath.empty())
        return CompareTables(request->path, request->otherPath, kind) ? 1 : 0;
    const std::string& host = request->otherHostName.empty() ? request->hostName : request->otherHostName;
    return CompareTable(request->path, kind, host) ? 1 : 0;
}

QWidget* CHostViewers::Owner() const
{
    return m_mdiArea->window();
}

void CHostViewers::ShowStatus(const std::string& text)
{
    if (m_statusBar)
        m_statusBar->showMessage(QString::fromStdString(text), kStatusMs);
}

TWFileSystem* CHostViewers::FileSystemOf(CNetworkBase* network) const
{
    return network ? network->GetFileSystem() : GetCurrBaselineFileSystem();
}

// "<file> - <DataFolder>", or "- project configuration" for the project's own.
QString CHostViewers::ConfigTitle(const std::string& path) const
{
    const QString file = QFileInfo(QString::fromStdString(path)).fileName();
    TWFileSystem* fileSystem = GetCurrBaselineFileSystem();
    if (fileSystem && CCompanionFiles::DataFolderOf(path) == fileSystem->GetConfigRootFolder())
        return file + tr(" \u2014 project configuration");
    std::string folder = CCompanionFiles::DataFolderOf(path);
    std::string name = QDir(QString::fromStdString(folder)).dirName().toStdString();
    if (fileSystem) {
        const std::string full = fileSystem->GetDataSet()->GetDatasetName(folder);
        TWDataSet::GetBriefDataSetName(fileSystem, full, name);
    }
    return file + QStringLiteral(" \u2014 ") + QString::fromStdString(name);
}

QString CHostViewers::TableTitle(const std::string& path, TableKind kind) const
{
    std::string host;
    std::string qualifier;
    CCompanionFiles::SplitTableName(path, host, qualifier);
    std::string title = Capitalised(CCompanionFiles::KindTitle(kind)) + " of " + host;
    if (!qualifier.empty())
        title += " (" + qualifier + ")";
    return QString::fromStdString(title) + DataFolderSuffix(path);
}

QString CHostViewers::DataFolderSuffix(const std::string& path) const
{
    // The DataFolder's name as the configuration title gives it.
    const QString config = ConfigTitle(path);
    const qsizetype dash = config.indexOf(QStringLiteral(" \u2014 "));
    return dash >= 0 ? config.mid(dash) : QString();
}

template <class Viewer>
Viewer* CHostViewers::Raise(const std::string& path, bool activate) const
{
    for (QMdiSubWindow* window : m_mdiArea->subWindowList()) {
        auto* viewer = qobject_cast<Viewer*>(window->widget());
        if (viewer && viewer->Path() == path) {
            if (activate)
                m_mdiArea->setActiveSubWindow(window);
            return viewer;
        }
    }
    return nullptr;
}

template <class Viewer>
Viewer* CHostViewers::OpenNew(const std::string& path, const QString& title, const char* iconName, QSize size,
                              bool activate)
{
    auto* viewer = new Viewer;
    std::string error;
    if (!viewer->Open(path, error)) {
        delete viewer;
        platform::MessageBoxTW(error, platform::BoxIcon::Exclamation, platform::BoxButtons::Ok, Owner());
        return nullptr;
    }
    AddWindow(viewer, title, iconName, size, activate);
    return viewer;
}

void CHostViewers::AddWindow(QWidget* viewer, const QString& title, const char* iconName, QSize size, bool activate)
{
    viewer->setWindowTitle(title);
    QMdiSubWindow* window = m_mdiArea->addSubWindow(viewer);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowIcon(QIcon::fromTheme(QString::fromLatin1(iconName),
                                           m_mdiArea->style()->standardIcon(QStyle::SP_FileIcon)));
    if (m_mdiArea->isVisible())
        size = size.boundedTo(m_mdiArea->viewport()->size());
    window->resize(size);
    window->show();
    if (activate) {
        m_mdiArea->setActiveSubWindow(window);
        viewer->setFocus();
    }
}

bool CHostViewers::ViewConfig(const std::string& path, int line, bool activate)
{
    auto* viewer = Raise<CConfigViewer>(path, activate);
    if (!viewer) {
        viewer = OpenNew<CConfigViewer>(path, ConfigTitle(path), "text-x-generic", QSize(860, 620), activate);
        if (!viewer)
            return false;
        connect(viewer, &CConfigViewer::PathChanged, viewer,
                [this, viewer] { viewer->setWindowTitle(ConfigTitle(viewer->Path())); });
    }
    viewer->GoToLine(line);
    return true;
}

bool CHostViewers::ViewTable(const std::string& path, TableKind kind)
{
    if (Raise<CTableViewer>(path, true))
        return true;
    auto* viewer = OpenNew<CTableViewer>(path, TableTitle(path, kind), "x-office-spreadsheet", QSize(900, 560), true);
    if (!viewer)
        return false;
    connect(viewer, &CTableViewer::PathChanged, viewer,
            [this, viewer, kind] { viewer->setWindowTitle(TableTitle(viewer->Path(), kind)); });
    return true;
}

void CHostViewers::FollowRename(const std::string& oldPath, const std::string& newPath)
{
    for (CConfigViewer* viewer : ConfigViewers())
        if (viewer->Path() == oldPath)
            viewer->SetPath(newPath);
    for (CTableViewer* viewer : TableViewers())
        if (viewer->Path() == oldPath)
            viewer->SetPath(newPath);
}

bool CHostViewers::CompareConfig(const std::string& path, CNetworkBase* network)
{
    const auto say = [this](const std::string& text) {
        platform::MessageBoxTW(text, platform::BoxIcon::Information, platform::BoxButtons::Ok, Owner());
        return false;
    };
    const std::string device = CCompanionFiles::ConfigDevice(path);
    if (!Exists(path))
        return say("The configuration '" + path + "' does not exist.");
    TWFileSystem* fileSystem = FileSystemOf(network);
    if (!fileSystem)
        return say("No project is open, so there is no project configuration of " + device +
                   " to compare with.");
    const std::string other = CCompanionFiles::ProjectConfig(*fileSystem, device);
    if (other.empty())
        return say("The project has no configuration of " + device + " (Config/" +
                   CCompanionFiles::ConfigFileName(device) + ") to compare with.");
    if (CCompanionFiles::SameFile(path, other))
        return say("This is the project's own configuration of " + device + "; there is nothing to compare it with.");
    return CDiffLauncher::Start(path, other, Owner());
}

bool CHostViewers::CompareTables(const std::string& first, const std::string& second, TableKind kind)
{
    for (const std::string& path : {first, second}) {
        if (!Exists(path)) {
            platform::MessageBoxTW("The " + CCompanionFiles::KindTitle(kind) + " '" + path + "' does not exist.",
                                   platform::BoxIcon::Information, platform::BoxButtons::Ok, Owner());
            return false;
        }
    }
    return CompareTableFiles(first, second,
                             QString::fromStdString(CCompanionFiles::KindTitle(kind) + ": ") +
                                 QFileInfo(QString::fromStdString(first)).fileName() + QStringLiteral(" -> ") +
                                 QFileInfo(QString::fromStdString(second)).fileName());
}

bool CHostViewers::CompareTable(const std::string& path, TableKind kind, const std::string& otherHost)
{
    const auto say = [this](const std::string& text) {
        platform::MessageBoxTW(text, platform::BoxIcon::Information, platform::BoxButtons::Ok, Owner());
        return false;
    };
    std::string host;
    std::string qualifier;
    CCompanionFiles::SplitTableName(path, host, qualifier);
    if (!otherHost.empty())
        host = otherHost;
    const std::string what = CCompanionFiles::KindTitle(kind) + " of " + host;
    if (!Exists(path))
        return say("The " + what + " '" + path + "' does not exist.");
    TWFileSystem* fileSystem = GetCurrBaselineFileSystem();
    if (!fileSystem)
        return say("No project is open, so there is no current DataFolder to compare the " + what + " with.");
    std::string current = fileSystem->GetDataSet()->GetDatasetName(fileSystem->GetDataSet()->GetCurrentDataSet());
    TWDataSet::GetBriefDataSetName(fileSystem, current, current);
    const std::string other = CCompanionFiles::CurrentDataFolderTable(*fileSystem, kind, path, host);
    if (other.empty())
        return say("The current DataFolder '" + current + "' has no " + what + " to compare with.");
    if (CCompanionFiles::SameFile(path, other))
        return say("This " + what + " is the current DataFolder's own ('" + current +
                   "'); make another DataFolder current to compare it with.");
    // "Route table of core-r1 — Audit -> Local default"
    const QString otherFolder = DataFolderSuffix(other).mid(3);
    const QString title = TableTitle(path, kind) + QStringLiteral(" -> ") +
                          (otherFolder.isEmpty() ? QFileInfo(QString::fromStdString(other)).fileName() : otherFolder);
    return CompareTableFiles(path, other, title);
}

bool CHostViewers::CompareTableFiles(const std::string& first, const std::string& second, const QString& title)
{
    for (QMdiSubWindow* window : m_mdiArea->subWindowList()) {
        auto* viewer = qobject_cast<CKeyedCompareViewer*>(window->widget());
        if (viewer && viewer->First() == first && viewer->Second() == second) {
            m_mdiArea->setActiveSubWindow(window);
            return true;
        }
    }
    auto* viewer = new CKeyedCompareViewer;
    std::string error;
    if (!viewer->Open(first, second, error)) {
        delete viewer;
        platform::MessageBoxTW(error, platform::BoxIcon::Exclamation, platform::BoxButtons::Ok, Owner());
        return false;
    }
    AddWindow(viewer, title, "edit-find-replace", QSize(980, 600), true);
    return true;
}

void CHostViewers::UpdateWorkspace(const std::function<void(CWorkspaceUpdate&)>& copy)
{
    TWFileSystem* fileSystem = GetCurrBaselineFileSystem();
    GlobalNetworkInfo* model = GetCurrentGNI();
    if (!fileSystem || !model) {
        platform::MessageBoxTW("No project is open: there is no workspace to update.", platform::BoxIcon::Information,
                               platform::BoxButtons::Ok, Owner());
        return;
    }
    CWorkspaceUpdate update(*fileSystem, *model);
    copy(update);
    if (const std::string problems = update.ProblemReport(); !problems.empty())
        platform::MessageBoxTW(problems, platform::BoxIcon::Exclamation, platform::BoxButtons::Ok, Owner());
    if (const std::string confirmation = update.Confirmation(); !confirmation.empty())
        ShowStatus(confirmation);
}

void CHostViewers::UpdateConfig(const std::string& device, const std::string& path)
{
    UpdateWorkspace([&](CWorkspaceUpdate& update) { update.FromFile(device, path); });
}

void CHostViewers::UpdateConfigs(const std::vector<std::string>& devices, const std::string& folder)
{
    UpdateWorkspace([&](CWorkspaceUpdate& update) { update.FromFolder(devices, folder); });
}

void CHostViewers::DeviceGroup(const std::vector<GuiDeviceCenter::DeviceEntry>& devices, bool create)
{
    const auto say = [this](const std::string& text, platform::BoxIcon icon) {
        platform::MessageBoxTW(text, icon, platform::BoxButtons::Ok, Owner());
    };
    TWFileSystem* fileSystem = GetCurrBaselineFileSystem();
    if (!fileSystem) {
        say("No project is open: device groups belong to a project.", platform::BoxIcon::Information);
        return;
    }
    // The model's spelling and type where it knows the device.
    const GlobalNetworkInfo* model = GetCurrentGNI();
    std::vector<CDeviceGroups::Member> members;
    std::vector<std::string> names;
    for (const GuiDeviceCenter::DeviceEntry& entry : devices) {
        if (entry.name.empty())
            continue;
        const TWDevice* known = model ? model->GetDevice(entry.name, true) : nullptr;
        members.push_back({known ? known->GetName() : entry.name, known ? known->GetDeviceType() : entry.type});
        names.push_back(members.back().name);
    }
    if (members.empty()) {
        say("No device was chosen for the device group.", platform::BoxIcon::Information);
        return;
    }
    CDeviceGroups groups(fileSystem->GetProjectFolder());
    if (!create && groups.GetGroups().empty()) {
        say("The project has no device group yet: create one first.", platform::BoxIcon::Information);
        return;
    }
    CDeviceGroupDialog dialog(groups, names, create, Owner());
    if (platform::RunModal(dialog) != QDialog::Accepted)
        return;
    const std::string group = dialog.GroupName();
    int added = 0;
    const CDeviceGroups::Result result =
        create ? groups.Create(group, members, &added) : groups.Add(group, members, &added);
    if (result != CDeviceGroups::Result::Ok) {
        say(groups.Describe(result, group), platform::BoxIcon::Exclamation);
        return;
    }
    if (create)
        ShowStatus("Device group '" + group + "' created with " + Plural(static_cast<std::size_t>(added), "device") + ".");
    else if (added == 0)
        ShowStatus("The device group '" + group + "' already holds " + (names.size() == 1 ? "this device." : "these devices."));
    else
        ShowStatus(Plural(static_cast<std::size_t>(added), "device") + " added to the device group '" + group + "'.");
}

template <class Viewer>
std::vector<Viewer*> CHostViewers::All() const
{
    std::vector<Viewer*> viewers;
    for (QMdiSubWindow* window : m_mdiArea->subWindowList())
        if (auto* viewer = qobject_cast<Viewer*>(window->widget()))
            viewers.push_back(viewer);
    return viewers;
}

std::vector<CConfigViewer*> CHostViewers::ConfigViewers() const
{
    return All<CConfigViewer>();
}

std::vector<CTableViewer*> CHostViewers::TableViewers() const
{
    return All<CTableViewer>();
}

std::vector<CKeyedCompareViewer*> CHostViewers::CompareViewers() const
{
    return All<CKeyedCompareViewer>();
}

} // namespace workstation
