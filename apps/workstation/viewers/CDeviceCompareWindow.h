#pragma once
// The configurations and route tables of many devices in two DataFolders:
// one row per device with a verdict per kind, counts at the top. Opening a
// cell compares its two files (or shows the one there is).
#include <QWidget>

#include <string>
#include <vector>

struct DeviceComparison;
class QLabel;
class QModelIndex;
class QTableView;

namespace workstation {

class CDeviceCompareModel;

class CDeviceCompareWindow : public QWidget {
    Q_OBJECT
public:
    explicit CDeviceCompareWindow(QWidget* parent = nullptr);

    void SetRows(const std::string& nameA, const std::string& nameB, std::vector<DeviceComparison> rows,
                 bool configurations, bool routeTables);
    // The cell's comparison; a device cell opens the configuration, else the
    // route table. False when there is nothing to open.
    bool OpenCell(const QModelIndex& index);

    QTableView* Table() const { return m_table; }
    CDeviceCompareModel* Model() const { return m_model; }
    QLabel* Summary() const { return m_summary; }

private:
    CDeviceCompareModel* m_model;
    QLabel* m_summary;
    QTableView* m_table;
};

} // namespace workstation
