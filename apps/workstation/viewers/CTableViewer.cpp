#include "apps/workstation/viewers/CTableViewer.h"

#include "apps/workstation/viewers/CTableFileModel.h"
#include "apps/workstation/viewers/CTableFilterProxy.h"
#include "apps/workstation/viewers/TableGrid.h"
#include "apps/workstation/viewers/ViewerText.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <set>

namespace workstation {

namespace {

// Column widths come from the first rows only: measuring 80,000 rows would
// cost more than loading them.
constexpr int kWidthProbeRows = 300;
constexpr int kMaxColumnWidth = 360;
// Filtering waits for a pause in the typing.
constexpr int kTypingPauseMs = 120;

} // namespace

CTableViewer::CTableViewer(QWidget* parent) : QWidget(parent)
{
    m_model = new CTableFileModel(this);
    m_proxy = new CTableFilterProxy(this);
    m_proxy->SetTable(m_model);

    m_filter = new QLineEdit(this);
    m_filter->setObjectName("tableFilter");
    m_filter->setPlaceholderText(tr("Filter: rows with this text in any column"));
    m_filter->setClearButtonEnabled(true);
    m_count = new QLabel(this);
    m_count->setObjectName("tableRowCount");

    m_table = new QTableView(this);
    m_table->setObjectName("tableGrid");
    m_table->setModel(m_proxy);
    m_table->setSortingEnabled(true);
    m_table->sortByColumn(-1, Qt::AscendingOrder);   // the file's order until a heading is clicked
    m_table->setAlternatingRowColors(true);
    StyleTableGrid(*m_table, kWidthProbeRows);

    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(6, 4, 6, 4);
    bar->addWidget(new QLabel(tr("Filter:"), this));
    bar->addWidget(m_filter, 1);
    bar->addSpacing(12);
    bar->addWidget(m_count);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(bar);
    layout->addWidget(m_table, 1);

    auto* typing = new QTimer(this);
    typing->setSingleShot(true);
    typing->setInterval(kTypingPauseMs);
    connect(m_filter, &QLineEdit::textEdited, typing, qOverload<>(&QTimer::start));
    connect(typing, &QTimer::timeout, this, [this] { SetFilterText(m_filter->text()); });
    // The clear button edits nothing the typing timer hears of.
    connect(m_filter, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (text.isEmpty())
            SetFilterText(text);
    });

    auto* copy = new QAction(tr("Copy Rows"), this);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(copy, &QAction::triggered, this, &CTableViewer::CopySelectedRows);
    m_table->addAction(copy);
    m_table->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* find = new QAction(tr("Filter..."), this);
    find->setShortcut(QKeySequence::Find);
    find->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(find, &QAction::triggered, this, [this] {
        m_filter->setFocus(Qt::ShortcutFocusReason);
        m_filter->selectAll();
    });
    addAction(find);
    m_table->addAction(find);

    UpdateCount();
}

bool CTableViewer::Open(const std::string& path, std::string& error)
{
    if (!m_model->Load(path, error))
        return false;
    m_path = path;
    m_table->resizeColumnsToContents();
    for (int column = 0; column < m_model->columnCount(); ++column)
        m_table->setColumnWidth(column, std::min(kMaxColumnWidth, m_table->columnWidth(column) + 16));
    UpdateCount();
    return true;
}

void CTableViewer::SetPath(const std::string& path)
{
    m_path = path;
    emit PathChanged();
}

void CTableViewer::SetFilterText(const QString& text)
{
    if (m_filter->text() != text)
        m_filter->setText(text);
    m_proxy->SetFilterText(text);
    UpdateCount();
}

QString CTableViewer::RowCountText() const
{
    return m_count->text();
}

void CTableViewer::UpdateCount()
{
    const int all = m_model->rowCount();
    const int shown = m_proxy->rowCount();
    const QString noun = all == 1 ? tr("row") : tr("rows");
    m_count->setText(shown == all ? QStringLiteral("%1 %2").arg(Thousands(all), noun)
                                  : tr("%1 of %2 %3").arg(Thousands(shown), Thousands(all), noun));
}

void CTableViewer::CopySelectedRows() const
{
    std::set<int> rows;
    for (const QModelIndex& index : m_table->selectionModel()->selectedIndexes())
        rows.insert(index.row());
    if (rows.empty())
        return;
    QString text;
    for (int row : rows) {
        QStringList cells;
        for (int column = 0; column < m_proxy->columnCount(); ++column)
            cells << m_proxy->index(row, column).data().toString();
        text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    QApplication::clipboard()->setText(text);
}

} // namespace workstation
