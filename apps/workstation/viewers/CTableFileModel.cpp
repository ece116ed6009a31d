#include "apps/workstation/viewers/CTableFileModel.h"

#include "apps/workstation/viewers/CMappedTextFile.h"
#include "apps/workstation/viewers/TextSearch.h"

#include "host/netutil/TableFile.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <numeric>

namespace workstation {

namespace {

// Columns whose first rows are all numbers read better right-aligned.
constexpr int kNumericProbeRows = 200;

bool IsNumber(const std::string& cell)
{
    return !cell.empty() && cell.find_first_not_of("0123456789") == std::string::npos;
}

bool HeadLooksBinary(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::string head(64 * 1024, '\0');
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<std::size_t>(in.gcount()));
    return CMappedTextFile::LooksBinary(head);
}

} // namespace

CTableFileModel::CTableFileModel(QObject* parent) : QAbstractTableModel(parent) {}

bool CTableFileModel::Load(const std::string& path, std::string& error)
{
    if (HeadLooksBinary(path)) {
        error = "The file '" + path + "' is a binary file, not a table, and is not shown.";
        return false;
    }
    Row header;
    std::vector<Row> rows;
    if (!TableFile::Read(path, header, rows)) {
        error = "The table '" + path + "' cannot be read: it is missing, unreadable or empty.";
        return false;
    }
    std::vector<bool> numeric(header.size(), true);
    for (std::size_t c = 0; c < header.size(); ++c) {
        bool any = false;
        for (std::size_t r = 0; r < rows.size() && r < static_cast<std::size_t>(kNumericProbeRows); ++r) {
            const std::string& cell = rows[r][c];
            if (cell.empty())
                continue;
            any = true;
            if (!IsNumber(cell)) {
                numeric[c] = false;
                break;
            }
        }
        numeric[c] = numeric[c] && any;
    }
    beginResetModel();
    m_header = std::move(header);
    m_rows = std::move(rows);
    m_numeric = std::move(numeric);
    m_order.resize(m_rows.size());
    std::iota(m_order.begin(), m_order.end(), 0);
    endResetModel();
    return true;
}

int CTableFileModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int CTableFileModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_header.size());
}

const std::string& CTableFileModel::Cell(int row, int column) const
{
    static const std::string empty;
    if (row < 0 || column < 0 || static_cast<std::size_t>(row) >= m_rows.size())
        return empty;
    const Row& cells = m_rows[static_cast<std::size_t>(m_order[static_cast<std::size_t>(row)])];
    return static_cast<std::size_t>(column) < cells.size() ? cells[static_cast<std::size_t>(column)] : empty;
}

QVariant CTableFileModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
        const std::string& cell = Cell(index.row(), index.column());
        if (role == Qt::ToolTipRole && cell.size() < 40)
            return {};
        return QString::fromUtf8(cell.data(), static_cast<qsizetype>(cell.size()));
    }
    if (role == Qt::TextAlignmentRole)
        return Alignment(index.column());
    return {};
}

QVariant CTableFileModel::Alignment(int column) const
{
    const bool right = column >= 0 && static_cast<std::size_t>(column) < m_numeric.size() && m_numeric[column];
    return QVariant::fromValue(Qt::Alignment((right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter));
}

QVariant CTableFileModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || static_cast<std::size_t>(section) >= m_header.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return Heading(m_header[static_cast<std::size_t>(section)]);
    if (role == Qt::ToolTipRole)
        return QString::fromStdString(m_header[static_cast<std::size_t>(section)]);
    if (role == Qt::TextAlignmentRole)
        return Alignment(section);   // headings over their numbers
    return {};
}

void CTableFileModel::sort(int column, Qt::SortOrder order)
{
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> sorted(m_rows.size());
    std::iota(sorted.begin(), sorted.end(), 0);
    if (column >= 0 && static_cast<std::size_t>(column) < m_header.size()) {
        const auto cell = [&](int row) -> const std::string& { return m_rows[static_cast<std::size_t>(row)][column]; };
        std::stable_sort(sorted.begin(), sorted.end(), [&](int a, int b) {
            const int c = NaturalCompare(cell(a), cell(b));
            return order == Qt::AscendingOrder ? c < 0 : c > 0;
        });
    }
    // Selections and the current row stay on their rows.
    std::vector<int> shownRow(m_rows.size());
    for (std::size_t i = 0; i < sorted.size(); ++i)
        shownRow[static_cast<std::size_t>(sorted[i])] = static_cast<int>(i);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& index : before)
        after << index.sibling(shownRow[static_cast<std::size_t>(m_order[static_cast<std::size_t>(index.row())])],
                               index.column());
    m_order = std::move(sorted);
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

QString CTableFileModel::Heading(const std::string& column)
{
    // Network abbreviations keep their capitals; "if" is the interface.
    static const char* const kUpper[] = {"ip", "mac", "vlan", "vrf", "cdp", "arp", "id", "mtu", "ios"};
    const auto isUpper = [](const QString& word) {
        return std::any_of(std::begin(kUpper), std::end(kUpper),
                           [&](const char* known) { return word.compare(QLatin1String(known), Qt::CaseInsensitive) == 0; });
    };
    QStringList words;
    for (const QString& word : QString::fromUtf8(column.c_str()).split(QLatin1Char('_'), Qt::SkipEmptyParts)) {
        if (word.compare(QLatin1String("if"), Qt::CaseInsensitive) == 0)
            words << QStringLiteral("interface");
        else
            words << (isUpper(word) ? word.toUpper() : word);
    }
    QString heading = words.join(QLatin1Char(' '));
    if (!heading.isEmpty())
        heading[0] = heading[0].toUpper();
    return heading;
}

} // namespace workstation
