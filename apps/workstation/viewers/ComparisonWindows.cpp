#include "apps/workstation/viewers/ComparisonWindows.h"

#include "apps/workstation/viewers/CDataFolderReportWindow.h"
#include "apps/workstation/viewers/CDeviceCompareWindow.h"

#include "host/compare/DataFolderComparer.h"
#include "host/compare/DeviceComparer.h"
#include "host/util/TWDataSet.h"
#include "host/util/TWFileSystem.h"
#include "platform/core/Paths.h"
#include "platform/core/Prompter.h"
#include "platform/qt/WaitCursor.h"

#include <QDir>
#include <QIcon>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>

namespace workstation {

namespace {

// How pickers name the DataFolder at path; the project's own configuration
// folder is the workspace entry.
std::string DisplayName(const std::string& path)
{
    const std::string folder = platform::EnsureTrailingSlash(path);
    std::string name = QDir(QString::fromStdString(folder)).dirName().toStdString();
    if (TWFileSystem* fileSystem = GetCurrBaselineFileSystem()) {
        if (folder == fileSystem->GetConfigRootFolder())
            return "*Baseline Config";
        const std::string full = fileSystem->GetDataSet()->GetDatasetName(folder);
        if (!full.empty())
            TWDataSet::GetBriefDataSetName(fileSystem, full, name);
    }
    return name;
}

void Place(QWidget* window, QWidget* mdiParent, const QString& title, const char* iconName, QSize size)
{
    window->setWindowTitle(title);
    const QIcon icon = QIcon::fromTheme(QString::fromLatin1(iconName),
                                        window->style()->standardIcon(QStyle::SP_FileDialogContentsView));
    if (auto* area = qobject_cast<QMdiArea*>(mdiParent)) {
        QMdiSubWindow* sub = area->addSubWindow(window);
        sub->setAttribute(Qt::WA_DeleteOnClose);
        sub->setWindowIcon(icon);
        if (area->isVisible())
            size = size.boundedTo(area->viewport()->size());
        sub->resize(size);
        sub->show();
        area->setActiveSubWindow(sub);
    } else {
        window->setParent(mdiParent, Qt::Window);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->setWindowIcon(icon);
        window->resize(size);
        window->show();
    }
}

} // namespace

CDataFolderReportWindow* ShowDataFolderComparison(QWidget* mdiParent, const std::string& pathA,
                                                  const std::string& pathB)
{
    CDataFolderComparer comparer(pathA, DisplayName(pathA), pathB, DisplayName(pathB));
    comparer.UseProjectInventory();
    DataFolderReport report;
    std::string error;
    {
        platform::WaitCursor wait;
        if (!comparer.Compare(report, error)) {
            platform::MessageBoxTW(error, platform::BoxIcon::Exclamation, platform::BoxButtons::Ok, mdiParent);
            return nullptr;
        }
    }
    const QString title = QObject::tr("Changes: %1 \u2192 %2")
                              .arg(QString::fromStdString(report.nameA), QString::fromStdString(report.nameB));
    auto* window = new CDataFolderReportWindow;
    window->SetReport(std::move(report));
    Place(window, mdiParent, title, "edit-find-replace", QSize(900, 600));
    return window;
}

CDeviceCompareWindow* ShowConfigRouteComparison(QWidget* mdiParent, const std::vector<std::string>& devices,
                                                const std::string& pathA, const std::string& pathB, int what)
{
    const bool configurations = (what & 1) != 0;
    const bool routeTables = (what & 2) != 0;
    std::vector<DeviceComparison> rows;
    std::string error;
    {
        platform::WaitCursor wait;
        if (!CDeviceComparer(pathA, pathB).Compare(devices, configurations, routeTables, rows, error)) {
            platform::MessageBoxTW(error, platform::BoxIcon::Exclamation, platform::BoxButtons::Ok, mdiParent);
            return nullptr;
        }
    }
    const std::string nameA = DisplayName(pathA);
    const std::string nameB = DisplayName(pathB);
    auto* window = new CDeviceCompareWindow;
    window->SetRows(nameA, nameB, std::move(rows), configurations, routeTables);
    const QString title = QObject::tr("Compare Configuration and Routing: %1 and %2")
                              .arg(QString::fromStdString(nameA), QString::fromStdString(nameB));
    Place(window, mdiParent, title, "edit-find-replace", QSize(760, 480));
    return window;
}

} // namespace workstation
