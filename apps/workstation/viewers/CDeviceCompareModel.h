#pragma once
// One row per device of a configuration and route-table comparison, with the
// verdict of each kind compared.
#include "host/compare/DeviceComparer.h"

#include <QAbstractTableModel>

#include <vector>

namespace workstation {

class CDeviceCompareModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { kDevice, kConfiguration, kRouteTable, kColumnCount };

    explicit CDeviceCompareModel(QObject* parent = nullptr);

    void SetRows(std::vector<DeviceComparison> rows, bool configurations, bool routeTables);
    // The verdict in a kind cell; null for the device column or a kind not compared.
    const DeviceVerdict* Verdict(const QModelIndex& index) const;
    bool ComparesConfigurations() const { return m_configurations; }
    bool ComparesRouteTables() const { return m_routeTables; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    std::vector<DeviceComparison> m_rows;
    bool m_configurations = true;
    bool m_routeTables = true;
};

} // namespace workstation
