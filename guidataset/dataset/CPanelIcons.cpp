#include "guidataset/dataset/CPanelIcons.h"

#include "guidataset/browser/CBrowserIcons.h"

#include <QIcon>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>
#include <map>

namespace {


void Folder(QPainter& p, const char* fill = "#f3c95b")
{
    QPainterPath folder;
    folder.moveTo(1.5, 3.5);
    folder.lineTo(6, 3.5);
    folder.lineTo(7.5, 5);
    folder.lineTo(14.5, 5);
    folder.lineTo(14.5, 13.5);
    folder.lineTo(1.5, 13.5);
    folder.closeSubpath();
    p.setPen(CBrowserIcons::Pen("#9a7420"));
    p.setBrush(QColor(fill));
    p.drawPath(folder);
}

void Padlock(QPainter& p)
{
    p.setPen(CBrowserIcons::Pen("#444444", 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(9.5, 6.5, 4, 5), 0, 180 * 16);
    p.setPen(CBrowserIcons::Pen("#333333"));
    p.setBrush(QColor("#c0392b"));
    p.drawRect(QRectF(8.5, 9, 6, 5));
}

void LinkArrow(QPainter& p)
{
    p.setPen(CBrowserIcons::Pen("#ffffff", 0.8));
    p.setBrush(QColor("#2f7bbf"));
    p.drawRect(QRectF(0.5, 8.5, 6.5, 6.5));
    p.setPen(CBrowserIcons::Pen("#ffffff", 1.2));
    p.drawLine(QPointF(2, 13.5), QPointF(5.5, 10));
    p.drawLine(QPointF(3.5, 10), QPointF(5.5, 10));
    p.drawLine(QPointF(5.5, 10), QPointF(5.5, 12));
}

void Plus(QPainter& p)
{
    p.setPen(CBrowserIcons::Pen("#2e8b3d", 2));
    p.drawLine(QPointF(11.5, 7.5), QPointF(11.5, 14));
    p.drawLine(QPointF(8.25, 10.75), QPointF(14.75, 10.75));
}

void Arrow(QPainter& p, bool out)
{
    p.setPen(CBrowserIcons::Pen("#2f7bbf", 1.8));
    const double from = out ? 7 : 15;
    const double to = out ? 15 : 7;
    p.drawLine(QPointF(from, 10.5), QPointF(to, 10.5));
    const double head = out ? to - 3 : to + 3;
    p.drawLine(QPointF(to, 10.5), QPointF(head, 7.5));
    p.drawLine(QPointF(to, 10.5), QPointF(head, 13.5));
}

} // namespace

QIcon CPanelIcons::Icon(int index, bool linked)
{
    // Drawn once: the panel asks for one per DataFolder on every refill.
    static std::map<int, QIcon> drawn;
    const int key = index * 2 + (linked ? 1 : 0);
    if (const auto found = drawn.find(key); found != drawn.end())
        return found->second;
    QIcon icon = CBrowserIcons::Painted([index, linked](QPainter& p) {
        switch (index) {
        case kIconNetwork:
            p.setPen(CBrowserIcons::Pen("#3d5a80"));
            p.setBrush(QColor("#98c1d9"));
            p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
            p.drawLine(QPointF(1.5, 8), QPointF(14.5, 8));
            p.drawLine(QPointF(8, 1.5), QPointF(8, 14.5));
            break;
        case kIconCurrent:
            Folder(p, "#7cc36e");
            break;
        case kIconRow:
            p.setPen(CBrowserIcons::Pen("#5a6b7b"));
            p.setBrush(QColor("#fdfdfd"));
            p.drawRect(QRectF(3.5, 1.5, 9, 13));
            break;
        case kIconFolder:
            Folder(p, "#e0e0e0");
            break;
        case kIconLocked:
            Folder(p);
            Padlock(p);
            break;
        default:
            Folder(p);
            break;
        }
        if (linked)
            LinkArrow(p);
    });
    drawn.emplace(key, icon);
    return icon;
}

QIcon CPanelIcons::NewIcon()
{
    return CBrowserIcons::Painted([](QPainter& p) {
        Folder(p);
        Plus(p);
    });
}

QIcon CPanelIcons::ExportIcon()
{
    return CBrowserIcons::Painted([](QPainter& p) {
        Folder(p);
        Arrow(p, true);
    });
}

QIcon CPanelIcons::ImportIcon()
{
    return CBrowserIcons::Painted([](QPainter& p) {
        Folder(p);
        Arrow(p, false);
    });
}

QIcon CPanelIcons::LinkIcon() { return Icon(kIconUnlocked, true); }

QIcon CPanelIcons::HelpIcon()
{
    return CBrowserIcons::Painted([](QPainter& p) {
        p.setPen(CBrowserIcons::Pen("#1f5f99"));
        p.setBrush(QColor("#2f7bbf"));
        p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
        p.setPen(CBrowserIcons::Pen("#ffffff"));
        QFont font = p.font();
        font.setPixelSize(11);
        font.setBold(true);
        p.setFont(font);
        p.drawText(QRectF(1.5, 1.5, 13, 13), Qt::AlignCenter, QStringLiteral("?"));
    });
}

const std::int32_t* CPanelIcons::RowImageHolder()
{
    static const std::int32_t holder[] = {0, 0, kIconRow, 0};
    return holder;
}
