#pragma once
// The rows of one table file (TableFile: a header line naming the columns,
// then one line a row) as an item model. Cells stay the file's UTF-8 bytes
// until a view asks for one, so 80,000 rows load at the speed of the read.
#include <QAbstractTableModel>

#include <string>
#include <vector>

namespace workstation {

class CTableFileModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using Row = std::vector<std::string>;

    explicit CTableFileModel(QObject* parent = nullptr);

    // Replaces the rows with the file's; false, the model unchanged, with the
    // reason (naming the file) when it is unreadable, binary or no table.
    bool Load(const std::string& path, std::string& error);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    // Natural order of one column (see NaturalCompare); column -1 is the file's order.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // The stored cell of a row as currently ordered; empty past the end.
    const std::string& Cell(int row, int column) const;
    const Row& Header() const { return m_header; }

    // "nexthop_ip" -> "Nexthop IP": the file's column names as headings.
    static QString Heading(const std::string& column);

private:
    // Numbers to the right, everything else to the left.
    QVariant Alignment(int column) const;

    Row m_header;
    std::vector<Row> m_rows;        // in the file's order
    std::vector<int> m_order;       // shown row -> file row
    std::vector<bool> m_numeric;   // per column: right-aligned
};

} // namespace workstation
