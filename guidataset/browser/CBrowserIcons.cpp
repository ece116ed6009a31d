#include "guidataset/browser/CBrowserIcons.h"

#include "guidataset/dataset/core/DataKind.h"

#include <QIcon>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>
#include <map>

QIcon CBrowserIcons::Painted(const std::function<void(QPainter&)>& draw)
{
    // Drawn on a 16-unit square at 16 and 32 pixels, so the icon stays sharp on scaled screens.
    QIcon icon;
    for (int size : {16, 32}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / 16.0, size / 16.0);
        draw(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QPen CBrowserIcons::Pen(const char* color, double width)
{
    QPen pen{QColor(color)};
    pen.setWidthF(width);
    return pen;
}

namespace {

using Drawing = std::function<void(QPainter&)>;

void Document(QPainter& p)
{
    QPainterPath page;
    page.moveTo(3.5, 1.5);
    page.lineTo(10, 1.5);
    page.lineTo(12.5, 4);
    page.lineTo(12.5, 14.5);
    page.lineTo(3.5, 14.5);
    page.closeSubpath();
    p.setPen(CBrowserIcons::Pen("#5a6b7b"));
    p.setBrush(QColor("#fdfdfd"));
    p.drawPath(page);
    p.setPen(CBrowserIcons::Pen("#2f7bbf"));
    for (double y : {6.5, 8.5, 10.5})
        p.drawLine(QPointF(5.5, y), QPointF(10.5, y));
    p.drawLine(QPointF(5.5, 12.5), QPointF(8.5, 12.5));
}

void Route(QPainter& p)
{
    p.setPen(CBrowserIcons::Pen("#1d5a91"));
    p.setBrush(QColor("#2f7bbf"));
    p.drawEllipse(QPointF(8, 8), 6.5, 6.5);
    p.setPen(CBrowserIcons::Pen("#ffffff", 1.3));
    p.drawLine(QPointF(4, 8), QPointF(12, 8));
    p.drawLine(QPointF(8, 4), QPointF(8, 12));
    p.drawLine(QPointF(10, 6), QPointF(12, 8));
    p.drawLine(QPointF(10, 10), QPointF(12, 8));
    p.drawLine(QPointF(6, 6), QPointF(8, 4));
    p.drawLine(QPointF(10, 6), QPointF(8, 4));
}

Drawing Table(const char* header, const char* line)
{
    return [header, line](QPainter& p) {
        p.setPen(CBrowserIcons::Pen(line));
        p.setBrush(QColor("#ffffff"));
        p.drawRect(QRectF(1.5, 2.5, 13, 11));
        p.setBrush(QColor(header));
        p.drawRect(QRectF(1.5, 2.5, 13, 3));
        p.setPen(CBrowserIcons::Pen(line, 0.8));
        p.drawLine(QPointF(1.5, 8.5), QPointF(14.5, 8.5));
        p.drawLine(QPointF(1.5, 11), QPointF(14.5, 11));
        p.drawLine(QPointF(6, 5.5), QPointF(6, 13.5));
        p.drawLine(QPointF(10, 5.5), QPointF(10, 13.5));
    };
}

void Terminal(QPainter& p)
{
    p.setPen(CBrowserIcons::Pen("#14171b"));
    p.setBrush(QColor("#2b2f36"));
    p.drawRoundedRect(QRectF(1.5, 2.5, 13, 11), 1, 1);
    p.setPen(CBrowserIcons::Pen("#7fe07f", 1.3));
    p.drawLine(QPointF(4, 6), QPointF(6.5, 8));
    p.drawLine(QPointF(6.5, 8), QPointF(4, 10));
    p.setPen(CBrowserIcons::Pen("#d8dde3", 1.2));
    p.drawLine(QPointF(8, 10.5), QPointF(12, 10.5));
}

void Folder(QPainter& p)
{
    QPainterPath folder;
    folder.moveTo(1.5, 3.5);
    folder.lineTo(6.5, 3.5);
    folder.lineTo(8, 5);
    folder.lineTo(14.5, 5);
    folder.lineTo(14.5, 13.5);
    folder.lineTo(1.5, 13.5);
    folder.closeSubpath();
    p.setPen(CBrowserIcons::Pen("#a67c12"));
    p.setBrush(QColor("#f2c14e"));
    p.drawPath(folder);
    p.drawLine(QPointF(1.5, 6.5), QPointF(14.5, 6.5));
    p.setPen(CBrowserIcons::Pen("#2f5d8c", 1.1));
    p.setBrush(QColor("#ffffff"));
    p.drawEllipse(QPointF(9.5, 9.8), 2.3, 2.3);
    p.setPen(CBrowserIcons::Pen("#2f5d8c", 1.5));
    p.drawLine(QPointF(11.2, 11.5), QPointF(13.6, 13.6));
}

void Switch(QPainter& p)
{
    p.setPen(CBrowserIcons::Pen("#1f6b4a"));
    p.setBrush(QColor("#3aa876"));
    p.drawRoundedRect(QRectF(1.5, 4.5, 13, 7), 1.5, 1.5);
    p.setPen(CBrowserIcons::Pen("#ffffff", 1.2));
    p.drawLine(QPointF(4, 7), QPointF(11, 7));
    p.drawLine(QPointF(9.5, 5.8), QPointF(11, 7));
    p.drawLine(QPointF(5, 9), QPointF(12, 9));
    p.drawLine(QPointF(5, 9), QPointF(6.5, 10.2));
}

void Firewall(QPainter& p)
{
    p.setPen(CBrowserIcons::Pen("#8a2c1d"));
    p.setBrush(QColor("#d9553f"));
    p.drawRect(QRectF(1.5, 3.5, 13, 10));
    p.setPen(CBrowserIcons::Pen("#f7d9d3", 0.9));
    for (double y : {6.8, 10.2})
        p.drawLine(QPointF(1.5, y), QPointF(14.5, y));
    for (double x : {5.5, 10.5})
        p.drawLine(QPointF(x, 3.5), QPointF(x, 6.8));
    p.drawLine(QPointF(8, 6.8), QPointF(8, 10.2));
    for (double x : {5.5, 10.5})
        p.drawLine(QPointF(x, 10.2), QPointF(x, 13.5));
}

void UnknownDevice(QPainter& p)
{
    p.setPen(CBrowserIcons::Pen("#5a6b7b"));
    p.setBrush(QColor("#c9d2db"));
    p.drawRoundedRect(QRectF(1.5, 5.5, 13, 6), 1, 1);
    p.setBrush(QColor("#2f7bbf"));
    for (double x : {4.0, 6.5, 9.0})
        p.drawRect(QRectF(x, 7.5, 1.5, 1.5));
}

} // namespace

QIcon CBrowserIcons::TabIcon(int pageId)
{
    // Kept for the whole run and never destroyed: pixmaps must not outlive the application object.
    static auto* icons = new std::map<int, QIcon>();
    const int key = pageId == kKindSimulatedRouteTable ? kKindLiveRouteTable : pageId;
    if (auto it = icons->find(key); it != icons->end())
        return it->second;
    QIcon icon;
    switch (key) {
    case kKindLiveConfig: icon = CBrowserIcons::Painted(Document); break;
    case kKindLiveRouteTable: icon = CBrowserIcons::Painted(Route); break;
    case kKindLiveArpTable: icon = CBrowserIcons::Painted(Table("#e39b2d", "#9a6312")); break;
    case kKindLiveMacTable: icon = CBrowserIcons::Painted(Table("#4aa564", "#2b6e3d")); break;
    case kKindLiveCdpTable: icon = CBrowserIcons::Painted(Table("#8a62c4", "#58378c")); break;
    case kKindShowCommand:
        icon = QIcon::fromTheme(QStringLiteral("utilities-terminal"), CBrowserIcons::Painted(Terminal));
        break;
    default: icon = QIcon::fromTheme(QStringLiteral("text-x-generic"), CBrowserIcons::Painted(Document)); break;
    }
    return icons->emplace(key, icon).first->second;
}

QIcon CBrowserIcons::FrameIcon()
{
    static auto* icon = new QIcon(CBrowserIcons::Painted(Folder));
    return *icon;
}

QIcon CBrowserIcons::DeviceIcon(int index)
{
    static auto* icons = new std::map<int, QIcon>();
    auto found = icons->find(index);
    if (found != icons->end())
        return found->second;
    QIcon icon;
    switch (index) {
    case 1: icon = Painted(Route); break;
    case 2: icon = Painted(Switch); break;
    case 3: icon = Painted(Firewall); break;
    default: icon = Painted(UnknownDevice); break;
    }
    icons->emplace(index, icon);
    return icon;
}
