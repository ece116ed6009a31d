#include "guidataset/browser/CDatafolderTabView.h"

#include "guidataset/browser/BrowserCommands.h"
#include "guidataset/browser/CBrowserIcons.h"
#include "guidataset/browser/CBrowserPopupMenu.h"
#include "guidataset/browser/CDatafolderDoc.h"
#include "guidataset/browser/CTWDatafolderTabControl.h"
#include "guidataset/browser/CTWDatafolderView.h"
#include "guidataset/browser/core/CPopupMenu.h"
#include "guidataset/browser/core/PageTable.h"
#include "guidataset/browser/core/PopupMenuTracker.h"
#include "guidataset/resources/DatafolderBrowserIds.h"
#include "host/adaptor/DatafolderDataDisplayContent.h"
#include "platform/qt/ControlId.h"
#include "platform/qt/Profile.h"
#include "platform/qt/WaitCursor.h"

#include <QApplication>
#include <QMdiSubWindow>
#include <QTabBar>
#include <QVBoxLayout>

namespace {

constexpr const char* kProfileSection = "DatafolderView";
constexpr const char* kLastIndexKey = "LastIndex";

} // namespace

CDatafolderTabView::CDatafolderTabView(QWidget* parent) : QWidget(parent)
{
    m_tabs = new CTWDatafolderTabControl(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tabs);
    m_tabs->SetOnRightClick([this](int tab, const QPoint& at) { OnTabMenu(tab, at); });
    connect(m_tabs->tabBar(), &QTabBar::tabBarClicked, this, [this](int tab) {
        // Right-button clicks select through the tab menu; only a left click refreshes.
        if (!(QApplication::mouseButtons() & Qt::LeftButton))
            return;
        if (CTWDatafolderView* form = Form(tab))
            form->ActivateTab(tab);
    });
}

CDatafolderTabView::~CDatafolderTabView() = default;

CTWDatafolderView* CDatafolderTabView::Form(int tab) const
{
    return tab >= 0 && tab < m_tabs->count() ? dynamic_cast<CTWDatafolderView*>(m_tabs->widget(tab)) : nullptr;
}

int CDatafolderTabView::ShowContent(const DatafolderDataDisplayContent& content)
{
    const int countBefore = m_tabs->count();
    const QString caption = QString::fromStdString(content.tabCaption);
    for (int tab = 0; tab < countBefore; ++tab) {
        if (m_tabs->tabText(tab) == caption) {
            QWidget* form = m_tabs->widget(tab);
            m_tabs->removeTab(tab);
            delete form;
            break;
        }
    }

    const int position = m_tabs->count();
    auto* form = new CTWDatafolderView(m_tabs);
    platform::SetControlId(form, ids::kIdDatafolderFirstForm + position);
    // Each tab keeps a document of its own, as the document framework does.
    new CDatafolderDoc(form);
    const int pageId = PageIdOfCaption(content.tabCaption);
    const int tab = m_tabs->insertTab(position, form, CBrowserIcons::TabIcon(pageId), caption);
    if (tab < 0) {
        delete form;
        return 0;
    }
    form->ShowContent(content);

    if (content.tabCaption == BrowserTabs().back().caption) {
        const int last = platform::GetProfileInt(kProfileSection, kLastIndexKey, 0);
        if (last >= 0 && last <= countBefore && last < m_tabs->count())
            m_tabs->setCurrentIndex(last);
    }
    return 1;
}

void CDatafolderTabView::OnTabMenu(int tab, const QPoint& globalPoint)
{
    CPopupMenu menu;
    menu.AppendCommand(browsercmd::kCloseTab, "Close");
    menu.AppendCommand(browsercmd::kCloseAllTabs, "Close All");
    menu.AppendSeparator();
    const ScreenPoint point{globalPoint.x(), globalPoint.y()};
    IPopupMenuTracker* tracker = IPopupMenuTracker::Installed();
    const int command = tracker ? tracker->Track(menu, point) : CBrowserPopupMenu::Exec(menu, point, this);
    if (command == browsercmd::kCloseTab)
        CloseTab(tab >= 0 ? tab : m_tabs->currentIndex());
    else if (command == browsercmd::kCloseAllTabs)
        CloseAll();
}

void CDatafolderTabView::CloseTab(int tab)
{
    if (tab < 0 || tab >= m_tabs->count())
        return;
    QWidget* form = m_tabs->widget(tab);
    m_tabs->removeTab(tab);
    delete form;
    if (m_tabs->count() == 0)
        CloseAll();
}

void CDatafolderTabView::CloseAll()
{
    platform::WaitCursor wait;
    // The frame goes, and this view with it, once the event loop runs again.
    for (QWidget* up = parentWidget(); up; up = up->parentWidget()) {
        if (auto* frame = qobject_cast<QMdiSubWindow*>(up)) {
            frame->close();
            return;
        }
    }
}
