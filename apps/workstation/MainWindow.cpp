#include "apps/workstation/MainWindow.h"

#include "apps/workstation/CDataFolderDock.h"
#include "apps/workstation/CLiveAccessMenu.h"
#include "apps/workstation/ChooseDataFolderDialog.h"
#include "apps/workstation/CWindowLayout.h"
#include "apps/workstation/ModuleLoader.h"
#include "apps/workstation/viewers/CHostViewers.h"
#include "apps/workstation/viewers/ComparisonWindows.h"

#include "platform/qt/CMultiDocTemplate.h"
#include "host/adaptor/DatafolderDataDisplayContent.h"
#include "host/adaptor/GuiDatasetCenter.h"
#include "host/adaptor/GuiRTCenter.h"
#include "host/adaptor/HostMessages.h"
#include "host/baseline/CBaseline.h"
#include "host/guiutil/HostCommandEvent.h"
#include "host/netmodel/CProjectNetworkInfo.h"
#include "host/netmodel/DeviceSetting.h"
#include "host/netmodel/GlobalNetworkInfo.h"
#include "host/util/CTWRTPath.h"
#include "host/util/MessageDispatcher.h"
#include "host/util/TWDataSet.h"
#include "host/util/tagDataSetInfo.h"
#include "host/util/TWFileSystem.h"
#include "platform/core/Paths.h"
#include "platform/core/Prompter.h"
#include "platform/qt/RunModal.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include <vector>

namespace workstation {

MainWindow::MainWindow(ModuleLoader* module, QWidget* parent)
    : QMainWindow(parent)
{
    m_mdiArea = new QMdiArea(this);
    m_mdiArea->setViewMode(QMdiArea::SubWindowView);
    setCentralWidget(m_mdiArea);
    m_projectLabel = new QLabel(this);
    statusBar()->addWidget(m_projectLabel, 1);
    m_viewers = new CHostViewers(m_mdiArea, statusBar(), this);
    BuildMenus();
    m_liveAccess = new CLiveAccessMenu(this);
    if (module && module->IsLoaded())
        BuildDataFolderTools(*module);
    resize(1100, 720);
    UpdateTitle();
}

MainWindow::~MainWindow()
{
    CloseProject();
    // The picker goes with this window; the service must not keep it.
    if (m_toolbarPicker) {
        if (GuiDatasetCenter* service = GuiDatasetCenter::Instance())
            service->InitBarComboBox(nullptr);
    }
}

void MainWindow::BuildMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    QAction* open = file->addAction(tr("Open Project..."), this, &MainWindow::OnOpenProject);
    open->setObjectName("actionOpenProject");
    open->setShortcut(QKeySequence::Open);
    m_closeProjectAction = file->addAction(tr("Close Project"), this, &MainWindow::CloseProject);
    m_closeProjectAction->setObjectName("actionCloseProject");
    file->addSeparator();
    QAction* exitAction = file->addAction(tr("Exit"), this, &QWidget::close);
    exitAction->setObjectName("actionExit");
    exitAction->setShortcut(QKeySequence::Quit);
}

bool MainWindow::OpenProject(const std::string& folder)
{
    if (!TWFileSystem::IsProjectFolder(folder)) {
        platform::AppMessageBox("'" + folder + "' is not a Tarnwick project: it holds no Workspace.ini.",
                                platform::BoxButtons::Ok, platform::BoxIcon::Exclamation, this);
        return false;
    }
    if (!CBaseline::Open(folder)) {
        platform::AppMessageBox("The project in '" + folder + "' cannot be opened.",
                                platform::BoxButtons::Ok, platform::BoxIcon::Exclamation, this);
        UpdateTitle();
        return false;
    }
    UpdateTitle();
    return true;
}

void MainWindow::CloseProject()
{
    if (!CBaseline::Instance())
        return;
    m_mdiArea->closeAllSubWindows();
    CBaseline::Close();
    UpdateTitle();
}

void MainWindow::OnOpenProject()
{
    platform::FolderRequest request;
    request.title = "Open Project";
    if (CBaseline* project = CBaseline::Instance())
        request.folder = project->GetFileSystem()->GetProjectFolder();
    request.parent = this;
    const std::string folder = platform::Prompter::Instance().BrowseFolder(request);
    if (!folder.empty())
        OpenProject(folder);
}

void MainWindow::BuildDataFolderTools(ModuleLoader& module)
{
    m_module = &module;
    m_toolbarPicker = module.CreateToolbarPicker(this);
    if (m_toolbarPicker) {
        QToolBar* toolbar = addToolBar(tr("DataFolder"));
        toolbar->setObjectName("toolbarDataFolder");
        toolbar->addWidget(new QLabel(tr(" DataFolder: "), toolbar));
        toolbar->addWidget(m_toolbarPicker);
        m_toolbarPicker->setToolTip(tr("Current DataFolder"));
        connect(m_toolbarPicker, SIGNAL(dataSetChosen(QString)), this, SLOT(OnDataSetChosen(QString)));
        if (GuiDatasetCenter* service = GuiDatasetCenter::Instance())
            service->InitBarComboBox(m_toolbarPicker);
    }
    // The browser's frames open in this window's MDI area; the window owns the template.
    if (GuiDatasetCenter* service = GuiDatasetCenter::Instance()) {
        if (CMultiDocTemplate* browser = service->CreateDocTemplate()) {
            browser->setParent(this);
            browser->SetMdiArea(m_mdiArea);
            m_browserTemplate = browser;
        }
    }

    m_dataFolderMenu = menuBar()->addMenu(tr("&DataFolder"));
    m_dataFolderMenu->setObjectName("menuDataFolder");
    QAction* newAction = m_dataFolderMenu->addAction(tr("New DataFolder..."), this, &MainWindow::OnNewDataFolder);
    newAction->setObjectName("actionNewDataFolder");
    QAction* link = m_dataFolderMenu->addAction(tr("Link Outside DataFolder..."), this, &MainWindow::OnLinkDataFolder);
    link->setObjectName("actionLinkDataFolder");
    m_lockAction = m_dataFolderMenu->addAction(tr("Lock"), this, &MainWindow::OnToggleLock);
    m_lockAction->setObjectName("actionLockDataFolder");
    m_dataFolderMenu->addSeparator();
    QAction* select = m_dataFolderMenu->addAction(tr("Select DataFolder..."), this, &MainWindow::OnSelectDataFolder);
    select->setObjectName("actionSelectDataFolder");
    QAction* describe = m_dataFolderMenu->addAction(tr("Description..."), this, &MainWindow::OnDescribeDataFolder);
    describe->setObjectName("actionDescribeDataFolder");
    QAction* browse = m_dataFolderMenu->addAction(tr("Open in Browser"), this, &MainWindow::OpenBrowser);
    browse->setObjectName("actionOpenInBrowser");
    QAction* results = m_dataFolderMenu->addAction(tr("Show Command Results..."), this,
                                                   &MainWindow::OpenShowCommandResults);
    results->setObjectName("actionShowCommandResults");
    QAction* view = m_dataFolderMenu->addAction(tr("View DataFolder..."), this, &MainWindow::OnViewDataFolder);
    view->setObjectName("actionViewDataFolder");
    QAction* exportAction = m_dataFolderMenu->addAction(tr("Export DataFolder..."), this, &MainWindow::OnExportDataFolder);
    exportAction->setObjectName("actionExportDataFolder");
    m_dataFolderMenu->addSeparator();
    QAction* importFiles = m_dataFolderMenu->addAction(tr("Import Show Command Results..."), this,
                                                       [this] { OnImportLogs(false); });
    importFiles->setObjectName("actionImportShowCommandFiles");
    QAction* importFolder = m_dataFolderMenu->addAction(tr("Import Show Command Results from Folder..."),
                                                        this, [this] { OnImportLogs(true); });
    importFolder->setObjectName("actionImportShowCommandFolder");
    m_dataFolderMenu->addSeparator();
    QAction* remove = m_dataFolderMenu->addAction(tr("Delete DataFolder"), this, &MainWindow::OnDeleteDataFolder);
    remove->setObjectName("actionDeleteDataFolder");
    connect(m_dataFolderMenu, &QMenu::aboutToShow, this, &MainWindow::UpdateDataFolderMenu);

    // The panel of DataFolders, docked beside the browsers; the menu brings it back once closed.
    m_dataFolderDock = new CDataFolderDock(this);
    m_dataFolderMenu->addSeparator();
    QAction* panel = m_dataFolderDock->toggleViewAction();
    panel->setText(tr("DataFolder Panel"));
    panel->setObjectName("actionDataFolderPanel");
    m_dataFolderMenu->addAction(panel);
    BuildCompareMenu();
}

void MainWindow::BuildCompareMenu()
{
    m_compareMenu = menuBar()->addMenu(tr("&Compare"));
    m_compareMenu->setObjectName("menuCompare");
    // The table compare dialog works on one kind of table at a time.
    QMenu* tables = m_compareMenu->addMenu(tr("Compare Tables"));
    tables->menuAction()->setObjectName("actionCompareTables");
    const struct {
        const char* text;
        const char* name;
        int kind;
    } kinds[] = {{"Route Tables...", "actionCompareRouteTables", CTWRTPath::kRouteTable},
                 {"ARP Tables...", "actionCompareArpTables", CTWRTPath::kArpTable},
                 {"MAC Tables...", "actionCompareMacTables", CTWRTPath::kMacTable},
                 {"CDP Tables...", "actionCompareCdpTables", CTWRTPath::kCdpTable}};
    for (const auto& entry : kinds) {
        const int kind = entry.kind;
        QAction* action = tables->addAction(tr(entry.text), this, [this, kind] { OnCompareTables(kind); });
        action->setObjectName(entry.name);
    }
    QAction* configRoute = m_compareMenu->addAction(tr("Compare Configuration and Routing..."), this,
                                                    &MainWindow::OnCompareConfigRoute);
    configRoute->setObjectName("actionCompareConfigRoute");
    QAction* dataFolders =
        m_compareMenu->addAction(tr("Compare DataFolders..."), this, &MainWindow::OnCompareDataFolders);
    dataFolders->setObjectName("actionCompareDataFolders");
    connect(m_compareMenu, &QMenu::aboutToShow, this, [this] {
        const bool enabled = Service() != nullptr;
        for (QAction* action : m_compareMenu->actions())
            action->setEnabled(enabled);
    });
}

bool MainWindow::OpenCompareDialog(const std::string& name)
{
    if (!Service())
        return false;
    if (name == "compare-tables")
        OnCompareTables(CTWRTPath::kRouteTable);
    else if (name == "compare-config-route")
        OnCompareConfigRoute();
    else if (name == "compare-datafolders")
        OnCompareDataFolders();
    else if (name == "select-show-commands")
        OpenSelectShowCommands();
    else if (name == "compare-device-configs")
        OpenCompareDeviceConfigs();
    else
        return false;
    return true;
}

void MainWindow::OpenSelectShowCommands()
{
    const std::string name = CBaseline::Instance()->GetFileSystem()->GetDataSet()->GetDatasetName(CurrentDataFolderPath());
    std::vector<std::string> chosen;
    if (Service()->DialogSelectShowCommand(name.c_str(), chosen, nullptr, false))
        statusBar()->showMessage(tr("%n show command(s) chosen.", nullptr, static_cast<int>(chosen.size())), 10000);
}

void MainWindow::OpenCompareDeviceConfigs()
{
    GlobalNetworkInfo* inventory = GetCurrentGNI();
    const std::vector<DeviceSetting*> devices = inventory ? inventory->GetDevices() : std::vector<DeviceSetting*>();
    const std::string device = devices.empty() ? std::string() : devices.front()->GetName();
    CProjectNetworkInfo networkInfo(inventory);
    Service()->CompareConfigFile(device.c_str(), 0, CBaseline::Instance()->GetFileSystem(), &networkInfo);
}

void MainWindow::OnCompareTables(int kind)
{
    GuiDatasetCenter* service = Service();
    if (!service)
        return;
    std::string host;
    TWDataSet* registry = CBaseline::Instance()->GetFileSystem()->GetDataSet();
    std::string first = registry->GetDatasetName(CurrentDataFolderPath());
    const std::string other = OtherDataFolderPath();
    std::string second = other.empty() ? first : registry->GetDatasetName(other);
    if (service->ShowCompareDataSet(this, kind, host, first, second, false, std::string()))
        ShowTableComparison(kind, host, first, second);
}

void MainWindow::OnCompareConfigRoute()
{
    GuiDatasetCenter* service = Service();
    if (!service)
        return;
    // The current DataFolder against the project's own configurations, to start from.
    std::vector<std::string> devices;
    std::string first = CurrentDataFolderPath();
    std::string second = "*";
    int choices = 1;
    if (service->ShowCompareMultiDlg(this, devices, first, second, choices))
        ShowConfigRouteComparison(MdiArea(), devices, first, second, choices);
}

void MainWindow::OnCompareDataFolders()
{
    GuiDatasetCenter* service = Service();
    if (!service)
        return;
    std::string first = CurrentDataFolderPath();
    std::string second = OtherDataFolderPath();
    if (service->ShowSelect2DatasetDialog(this, first, second, false, false) && !first.empty() && !second.empty())
        ShowDataFolderComparison(MdiArea(), first, second);
}

void MainWindow::ShowTableComparison(int kind, const std::string& host, const std::string& first,
                                     const std::string& second)
{
    if (kind == CTWRTPath::kRouteTable) {
        GuiRTCenter::Instance().CompareRouteTables(this, first, second);
        return;
    }
    unsigned message = 0;
    switch (kind) {
    case CTWRTPath::kArpTable: message = hostmsg::kCompareArpTable; break;
    case CTWRTPath::kMacTable: message = hostmsg::kCompareMacTable; break;
    case CTWRTPath::kCdpTable: message = hostmsg::kCompareCdpTable; break;
    default: return;
    }
    hostmsg::TableCompareRequest request;
    request.hostName = host;
    request.otherHostName = host;
    request.path = first;
    request.otherPath = second;
    MessageDispatcher::Instance().CallReceiver(hostmsg::kTableViewerReceiver, message, 0,
                                               reinterpret_cast<std::intptr_t>(&request));
}

GuiDatasetCenter* MainWindow::Service() const
{
    return CBaseline::Instance() ? GuiDatasetCenter::Instance() : nullptr;
}

std::string MainWindow::CurrentDataFolderPath() const
{
    CBaseline* project = CBaseline::Instance();
    return project ? project->GetFileSystem()->GetDataSet()->GetCurrentDataSet() : std::string();
}

std::string MainWindow::OtherDataFolderPath() const
{
    CBaseline* project = CBaseline::Instance();
    TWDataSet* registry = project ? project->GetFileSystem()->GetDataSet() : nullptr;
    if (!registry)
        return {};
    const std::string current = CurrentDataFolderPath();
    std::vector<tagDataSetInfo*> records;
    registry->GetAllDataSets(records, true);
    std::string other;
    for (tagDataSetInfo* record : records) {
        const std::string path = registry->GetDataSetPath(record->fullName);
        if (other.empty() && !path.empty() && path != current)
            other = path;
        delete record;
    }
    return other;
}

void MainWindow::UpdateDataFolderMenu()
{
    GuiDatasetCenter* service = Service();
    for (QAction* action : m_dataFolderMenu->actions())
        action->setEnabled(service != nullptr);
    if (!service)
        return;
    bool cancel = false;
    const bool locked = service->IsLocked2(CurrentDataFolderPath(), cancel, false);
    m_lockAction->setText(locked ? tr("UnLock") : tr("Lock"));
}

void MainWindow::OnDataSetChosen(const QString& name)
{
    if (GuiDatasetCenter* service = Service())
        service->SetCurrentDataset(name.toStdString().c_str(), CBaseline::Instance(), true);
}

void MainWindow::OnNewDataFolder()
{
    GuiDatasetCenter* service = Service();
    if (!service)
        return;
    std::string name;
    service->NewDataset(name, CBaseline::Instance()->GetFileSystem(), std::string());
}

void MainWindow::OnLinkDataFolder()
{
    if (GuiDatasetCenter* service = Service())
        service->AddExternDataset(CBaseline::Instance(), this, nullptr, nullptr, kItemExternal);
}

void MainWindow::OnToggleLock()
{
    if (GuiDatasetCenter* service = Service())
        service->LockDataset(CurrentDataFolderPath());
}

void MainWindow::OnDeleteDataFolder()
{
    GuiDatasetCenter* service = Service();
    if (!service)
        return;
    TWFileSystem* fileSystem = CBaseline::Instance()->GetFileSystem();
    ChooseDataFolderDialog dialog(*fileSystem, tr("Delete DataFolder"),
                                  tr("DataFolder to delete:"), this);
    if (platform::RunModal(dialog) != QDialog::Accepted)
        return;
    std::string path = fileSystem->GetDataSet()->GetDataSetPath(dialog.ChosenName());
    if (!path.empty())
        service->DoDeleteDataSet(path, fileSystem, this);
}

void MainWindow::OnSelectDataFolder()
{
    if (GuiDatasetCenter* service = Service())
        service->SelectCurrentDataset(CBaseline::Instance());
}

// Description, View and Export act on the current DataFolder, the one the
// toolbar picker shows.
void MainWindow::OnDescribeDataFolder()
{
    if (GuiDatasetCenter* service = Service()) {
        const std::string name =
            CBaseline::Instance()->GetFileSystem()->GetDataSet()->GetDatasetName(CurrentDataFolderPath());
        service->ViewDataSetDesc(name, this);
    }
}

void MainWindow::OnViewDataFolder()
{
    if (GuiDatasetCenter* service = Service())
        service->ViewDataSet(CurrentDataFolderPath(), this, false);
}

void MainWindow::OnExportDataFolder()
{
    if (Service() && m_module)
        m_module->ExportDataFolder(CurrentDataFolderPath(), this);
}

bool MainWindow::OpenBrowser()
{
    if (!Service() || !m_module)
        return false;
    return OpenBrowserOn(CBaseline::Instance()->GetFileSystem()->GetDataSet()->GetDatasetName(CurrentDataFolderPath()));
}

bool MainWindow::OpenBrowserOn(const std::string& name)
{
    GuiDatasetCenter* service = Service();
    if (!service || !m_module)
        return false;
    const std::string path = CBaseline::Instance()->GetFileSystem()->GetDataSet()->GetDataSetPath(name);
    if (path.empty())
        return false;
    DatafolderDataDisplayContent content(name, std::string());
    if (!m_module->PrepareBrowserContent(content, name, path))
        return false;
    service->DisplayView(content);
    return true;
}

bool MainWindow::OpenShowCommandResults()
{
    GuiDatasetCenter* service = Service();
    if (!service)
        return false;
    service->ViewShowCommandResult(this, CurrentDataFolderPath(), std::string());
    return true;
}

void MainWindow::OnImportLogs(bool fromFolder)
{
    GuiDatasetCenter* service = Service();
    if (!service)
        return;
    // The import writes results into the DataFolder of the toolbar picker and
    // parsed tables into the current one: a read-only one only if the user agrees.
    const std::string results = platform::EnsureTrailingSlash(service->GetCurrentDatasetFullPath());
    const std::string tables = platform::EnsureTrailingSlash(CurrentDataFolderPath());
    std::vector<std::string> written{results};
    if (tables != results)
        written.push_back(tables);
    for (const std::string& path : written) {
        bool cancel = false;
        if (!path.empty() && service->IsLocked2(path, cancel, true) && cancel)
            return;
    }
    service->ImportShowCmdResult(this, fromFolder);
}

void MainWindow::RestoreLayout()
{
    CWindowLayout::Restore(*this);
    // The panel shows with a project only, whatever the kept layout says.
    if (m_dataFolderDock)
        m_dataFolderDock->FollowProject();
}

void MainWindow::ReopenBrowsers()
{
    CBaseline* project = CBaseline::Instance();
    if (!project)
        return;
    // A DataFolder deleted or renamed since is left out: there is nothing to show.
    for (const std::string& name : CWindowLayout::Browsers(project->GetFileSystem()->GetProjectFolder()))
        OpenBrowserOn(name);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // An edit in progress (a browser's filter) commits as when the user leaves it.
    if (QWidget* focused = QApplication::focusWidget(); focused && isAncestorOf(focused))
        focused->clearFocus();
    std::string projectFolder;
    std::vector<std::string> browsers;
    if (CBaseline* project = CBaseline::Instance()) {
        projectFolder = project->GetFileSystem()->GetProjectFolder();
        if (m_browserTemplate)
            for (QMdiSubWindow* frame : m_browserTemplate->Frames())
                browsers.push_back(frame->windowTitle().toStdString());
    }
    CWindowLayout::Save(*this, projectFolder, browsers);
    QMainWindow::closeEvent(event);
}

void MainWindow::customEvent(QEvent* event)
{
    if (event->type() != HostCommandEvent::kType)
        return QMainWindow::customEvent(event);
    // The L2 topology view is not part of this workstation yet: say what was
    // asked so the user knows the cached tables will be used next time.
    constexpr int kRecalculateL2FromCache = 33397;
    if (static_cast<HostCommandEvent*>(event)->Command() == kRecalculateL2FromCache)
        statusBar()->showMessage(
            tr("L2 tables imported: the next L2 discovery will use the cached data."), 10000);
}

void MainWindow::UpdateTitle()
{
    CBaseline* project = CBaseline::Instance();
    if (project) {
        const std::string name = project->GetName();
        setWindowTitle(QString::fromStdString("Workspace - " + name));
        m_projectLabel->setText(
            QString::fromStdString(project->GetFileSystem()->GetProjectFolder()));
    } else {
        setWindowTitle(QString::fromStdString(platform::ApplicationTitle()));
        m_projectLabel->setText(tr("No project is open."));
    }
    m_closeProjectAction->setEnabled(project != nullptr);
    if (m_dataFolderDock)
        m_dataFolderDock->FollowProject();
}

} // namespace workstation
