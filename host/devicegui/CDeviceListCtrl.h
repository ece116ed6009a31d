#pragma once
// The host's list of devices: one row per device, its name in the first
// column and the icon of its kind, several rows selectable.
#include <QTreeWidget>

#include <string>
#include <vector>

class CDeviceListCtrl : public QTreeWidget {
    Q_OBJECT
public:
    explicit CDeviceListCtrl(QWidget* parent = nullptr);

    // One column with its heading and width.
    void InitColumn(const std::string& heading, int width);
    // Appends a row for the device with the icon of its TWDeviceType; returns its row.
    int AddDevice(const std::string& name, int deviceType);
    int GetItemCount() const;
    std::string GetItemText(int row) const;
    // Selected rows in ascending order.
    std::vector<int> GetSelectedRows() const;
    void DeleteItem(int row);
    void DeleteAllItems();
};
