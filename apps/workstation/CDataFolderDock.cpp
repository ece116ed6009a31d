#include "apps/workstation/CDataFolderDock.h"

#include "host/adaptor/GuiDatasetCenter.h"
#include "host/baseline/CBaseline.h"
#include "platform/qt/Profile.h"

#include <QAction>
#include <QCloseEvent>
#include <QMainWindow>

namespace workstation {

namespace {

Qt::DockWidgetArea RememberedArea()
{
    const int area = platform::GetProfileInt(CDataFolderDock::kSection, CDataFolderDock::kAreaKey,
                                             Qt::LeftDockWidgetArea);
    switch (area) {
    case Qt::LeftDockWidgetArea:
    case Qt::RightDockWidgetArea:
    case Qt::TopDockWidgetArea:
    case Qt::BottomDockWidgetArea:
        return static_cast<Qt::DockWidgetArea>(area);
    default:
        return Qt::LeftDockWidgetArea;
    }
}

} // namespace

CDataFolderDock::CDataFolderDock(QMainWindow* window) : QDockWidget(tr("DataFolders"), window), m_window(window)
{
    setObjectName(QStringLiteral("dockDataFolders"));
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                QDockWidget::DockWidgetFloatable);
    window->addDockWidget(RememberedArea(), this);
    setFloating(platform::GetProfileInt(kSection, kFloatingKey, 0) != 0);
    hide();
    connect(this, &QDockWidget::dockLocationChanged, this, [this] { RememberPlace(); });
    connect(this, &QDockWidget::topLevelChanged, this, [this] { RememberPlace(); });
    // Shown again from the menu: shown at the next start too.
    connect(toggleViewAction(), &QAction::triggered, this, [](bool shown) {
        platform::WriteProfileInt(kSection, kVisibleKey, shown ? 1 : 0);
    });
}

void CDataFolderDock::FollowProject()
{
    GuiDatasetCenter* service = GuiDatasetCenter::Instance();
    const bool open = CBaseline::Instance() && service;
    m_following = true;
    if (open && !widget()) {
        // The service refills its panel whenever a project opens; it is made once.
        if (QWidget* panel = service->CreateDatafolderPanel(this))
            setWidget(panel);
    }
    toggleViewAction()->setEnabled(open && widget());
    setVisible(open && widget() && platform::GetProfileInt(kSection, kVisibleKey, 1) != 0);
    m_following = false;
}

void CDataFolderDock::closeEvent(QCloseEvent* event)
{
    if (!m_following)
        platform::WriteProfileInt(kSection, kVisibleKey, 0);
    QDockWidget::closeEvent(event);
}

void CDataFolderDock::RememberPlace()
{
    if (m_following)
        return;
    platform::WriteProfileInt(kSection, kFloatingKey, isFloating() ? 1 : 0);
    const Qt::DockWidgetArea area = m_window->dockWidgetArea(this);
    if (area != Qt::NoDockWidgetArea)
        platform::WriteProfileInt(kSection, kAreaKey, static_cast<int>(area));
}

} // namespace workstation
