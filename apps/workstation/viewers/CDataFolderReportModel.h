#pragma once
// The rows of a DataFolder change report: one row per device that changed,
// under it one row per kind (and command or table name) that differs.
#include "host/compare/DataFolderReport.h"

#include <QAbstractItemModel>

#include <vector>

namespace workstation {

class CDataFolderReportModel : public QAbstractItemModel {
    Q_OBJECT
public:
    enum Column { kName, kChange, kDetails, kColumnCount };

    explicit CDataFolderReportModel(QObject* parent = nullptr);

    void SetReport(DataFolderReport report);
    const DataFolderReport& Report() const { return m_report; }
    // The entry of a kind row; null for a device row.
    const ReportEntry* Entry(const QModelIndex& index) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    struct Device {
        std::size_t first = 0;   // its entries: [first, first + count) of the report's
        std::size_t count = 0;
        KindCounts counts;
    };
    QVariant DeviceData(const Device& device, int column, int role) const;
    QVariant EntryData(const ReportEntry& entry, int column, int role) const;

    DataFolderReport m_report;
    std::vector<Device> m_devices;
};

} // namespace workstation
