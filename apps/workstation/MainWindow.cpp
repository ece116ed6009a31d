#include "apps/workstation/MainWindow.h"

#include "host/baseline/CBaseline.h"
#include "host/util/TWFileSystem.h"
#include "platform/core/Prompter.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QStatusBar>

namespace workstation {

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
{
    m_mdiArea = new QMdiArea(this);
    m_mdiArea->setViewMode(QMdiArea::SubWindowView);
    setCentralWidget(m_mdiArea);
    m_projectLabel = new QLabel(this);
    statusBar()->addWidget(m_projectLabel, 1);
    BuildMenus();
    resize(1100, 720);
    UpdateTitle();
}

MainWindow::~MainWindow()
{
    CloseProject();
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
