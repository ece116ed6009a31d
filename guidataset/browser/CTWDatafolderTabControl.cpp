#include "guidataset/browser/CTWDatafolderTabControl.h"

#include "guidataset/resources/DatafolderBrowserIds.h"
#include "platform/qt/ControlId.h"

#include <QMouseEvent>
#include <QTabBar>

CTWDatafolderTabControl::CTWDatafolderTabControl(QWidget* parent) : QTabWidget(parent)
{
    platform::SetControlId(this, ids::kIdcDatafolderTabs);
    setDocumentMode(true);
    setUsesScrollButtons(true);
    setElideMode(Qt::ElideNone);
    setIconSize(QSize(16, 16));
    tabBar()->setExpanding(false);
    tabBar()->installEventFilter(this);
}

bool CTWDatafolderTabControl::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == tabBar() && event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            const int tab = tabBar()->tabAt(mouse->position().toPoint());
            if (tab >= 0)
                setCurrentIndex(tab);
            if (m_onRightClick)
                m_onRightClick(tab, mouse->globalPosition().toPoint());
            return true;
        }
    }
    return QTabWidget::eventFilter(watched, event);
}
