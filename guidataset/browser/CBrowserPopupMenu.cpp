#include "guidataset/browser/CBrowserPopupMenu.h"

#include "guidataset/browser/core/CPopupMenu.h"

#include <QAction>
#include <QMenu>
#include <QPoint>

namespace {

void Fill(QMenu& target, const CPopupMenu& menu)
{
    for (const CPopupMenu::Item& item : menu.Items()) {
        switch (item.type) {
        case CPopupMenu::Item::Type::Separator:
            target.addSeparator();
            break;
        case CPopupMenu::Item::Type::SubMenu:
            if (item.subMenu) {
                QMenu* sub = target.addMenu(QString::fromStdString(item.text));
                Fill(*sub, *item.subMenu);
            }
            break;
        case CPopupMenu::Item::Type::Command: {
            QAction* action = target.addAction(QString::fromStdString(item.text));
            action->setData(item.id);
            action->setEnabled(item.enabled);
            break;
        }
        }
    }
}

} // namespace

int CBrowserPopupMenu::Exec(const CPopupMenu& menu, ScreenPoint point, QWidget* owner)
{
    QMenu popup(owner);
    Fill(popup, menu);
    const QAction* chosen = popup.exec(QPoint(point.x, point.y));
    return chosen ? chosen->data().toInt() : 0;
}
