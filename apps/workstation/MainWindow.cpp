#include "apps/workstation/MainWindow.h"

#include "apps/workstation/CLiveAccessMenu.h"
#include "apps/workstation/ChooseDataFolderDialog.h"
#include "apps/workstation/ModuleLoader.h"
#include "apps/workstation/viewers/CHostViewers.h"

#include "platform/qt/CMultiDocTemplate.h"
#include "host/adaptor/DatafolderDataDisplayContent.h"
#include "host/adaptor/GuiDatasetCenter.h"
#include "host/baseline/CBaseline.h"
#include "host/guiutil/HostCommandEvent.h"
#include "host/util/TWDataSet.h"
#include "host/util/tagDataSetInfo.h"
#include "host/util/TWFileSystem.h"
#include "platform/core/Paths.h"
#include "platform/core/Prompter.h"
#include "platform/qt/RunModal.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMdiArea>
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
    GuiDatasetCenter* service = Service();
    if (!service || !m_module)
        return false;
    const std::string path = CurrentDataFolderPath();
    const std::string name = CBaseline::Instance()->GetFileSystem()->GetDataSet()->GetDatasetName(path);
    DatafolderDataDisplayContent content(name, std::string());
    if (!m_module->PrepareBrowserContent(content, name, path))
        return false;
    service->DisplayView(content);
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
}

} // namespace workstation
