#include "host/devicegui/CDeviceListCtrl.h"

#include "host/netmodel/TWDeviceFactory.h"

#include <QApplication>
#include <QHeaderView>
#include <QIcon>
#include <QStyle>

#include <algorithm>

namespace {

// Icons by TWDeviceFactory::GetIndexOfDeviceSubType: unknown, router, switch, firewall.
QIcon DeviceIcon(int index)
{
    QStyle* style = QApplication::style();
    switch (index) {
    case 1: return QIcon::fromTheme("network-wired", style->standardIcon(QStyle::SP_DriveNetIcon));
    case 2: return QIcon::fromTheme("network-workgroup", style->standardIcon(QStyle::SP_ComputerIcon));
    case 3: return QIcon::fromTheme("security-high", style->standardIcon(QStyle::SP_VistaShield));
    default: return QIcon::fromTheme("computer", style->standardIcon(QStyle::SP_ComputerIcon));
    }
}

} // namespace

CDeviceListCtrl::CDeviceListCtrl(QWidget* parent) : QTreeWidget(parent)
{
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setIconSize(QSize(16, 16));
}

void CDeviceListCtrl::InitColumn(const std::string& heading, int width)
{
    setColumnCount(1);
    setHeaderLabels({QString::fromStdString(heading)});
    setColumnWidth(0, width);
}

int CDeviceListCtrl::AddDevice(const std::string& name, int deviceType)
{
    auto* item = new QTreeWidgetItem(QStringList{QString::fromStdString(name)});
    item->setIcon(0, DeviceIcon(TWDeviceFactory::GetIndexOfDeviceSubType(deviceType)));
    addTopLevelItem(item);
    return topLevelItemCount() - 1;
}

int CDeviceListCtrl::GetItemCount() const
{
    return topLevelItemCount();
}

std::string CDeviceListCtrl::GetItemText(int row) const
{
    const QTreeWidgetItem* item = topLevelItem(row);
    return item ? item->text(0).toStdString() : std::string();
}

std::vector<int> CDeviceListCtrl::GetSelectedRows() const
{
    std::vector<int> rows;
    for (const QTreeWidgetItem* item : selectedItems())
        rows.push_back(indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(item)));
    std::sort(rows.begin(), rows.end());
    return rows;
}

void CDeviceListCtrl::DeleteItem(int row)
{
    delete takeTopLevelItem(row);
}

void CDeviceListCtrl::DeleteAllItems()
{
    clear();
}
