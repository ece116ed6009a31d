#include "apps/workstation/viewers/CKeyedCompareViewer.h"

#include "apps/workstation/viewers/CKeyedCompareModel.h"
#include "apps/workstation/viewers/TableGrid.h"
#include "apps/workstation/viewers/ViewerText.h"

#include "host/netutil/CKeyedTableCompare.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QRegularExpression>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

namespace workstation {

namespace {

constexpr int kMaxColumnWidth = 260;
constexpr int kWidthProbeRows = 300;

QCheckBox* KindBox(KeyedChangeKind kind, QWidget* parent)
{
    auto* box = new QCheckBox(parent);
    box->setObjectName(QStringLiteral("show_") + QString::fromLatin1(CKeyedTableCompare::KindName(kind)));
    box->setChecked(true);
    const QColor ink = CKeyedCompareModel::Ink(kind);
    const QColor tint = CKeyedCompareModel::Tint(kind);
    box->setStyleSheet(QStringLiteral("QCheckBox { color: %1; background: %2; border-radius: 3px; padding: 2px 6px; }")
                           .arg(ink.name(), tint.name()));
    return box;
}

QString KeysText(std::size_t count)
{
    return QStringLiteral("%1 %2").arg(Thousands(count), count == 1 ? QStringLiteral("key") : QStringLiteral("keys"));
}

} // namespace

CKeyedCompareViewer::CKeyedCompareViewer(QWidget* parent) : QWidget(parent)
{
    m_model = new CKeyedCompareModel(this);
    m_proxy = new QSortFilterProxyModel(this);
    m_proxy->setSourceModel(m_model);
    m_proxy->setFilterRole(CKeyedCompareModel::kChangeKindRole);

    m_added = KindBox(KeyedChangeKind::Added, this);
    m_removed = KindBox(KeyedChangeKind::Removed, this);
    m_changed = KindBox(KeyedChangeKind::Changed, this);
    m_ignored = new QCheckBox(this);
    m_ignored->setObjectName(QStringLiteral("includeIgnored"));
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("compareSummary"));
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_problems = new QLabel(this);
    m_problems->setObjectName(QStringLiteral("compareProblems"));
    m_problems->setWordWrap(true);
    m_problems->setStyleSheet(QStringLiteral("QLabel { background: #fff4d6; color: #6b4a00; padding: 4px 6px; }"));
    m_problems->hide();

    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("compareGrid"));
    m_table->setModel(m_proxy);
    StyleTableGrid(*m_table, kWidthProbeRows);

    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(6, 4, 6, 4);
    bar->addWidget(new QLabel(tr("Show:"), this));
    bar->addWidget(m_added);
    bar->addWidget(m_removed);
    bar->addWidget(m_changed);
    bar->addSpacing(16);
    bar->addWidget(m_ignored);
    bar->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(bar);
    auto* summaryRow = new QHBoxLayout;
    summaryRow->setContentsMargins(6, 0, 6, 4);
    summaryRow->addWidget(m_summary, 1);
    layout->addLayout(summaryRow);
    layout->addWidget(m_problems);
    layout->addWidget(m_table, 1);

    for (QCheckBox* box : {m_added, m_removed, m_changed})
        connect(box, &QCheckBox::toggled, this, [this] { UpdateFilter(); });
    connect(m_ignored, &QCheckBox::toggled, this, [this](bool on) { SetIncludeIgnored(on); });
    UpdateLabels();
}

bool CKeyedCompareViewer::Open(const std::string& first, const std::string& second, std::string& error)
{
    m_first = first;
    m_second = second;
    if (!Compare(error))
        return false;
    m_table->resizeColumnsToContents();
    for (int column = 0; column < m_model->DetailColumn(); ++column)
        m_table->setColumnWidth(column, std::min(kMaxColumnWidth, m_table->columnWidth(column) + 16));
    return true;
}

bool CKeyedCompareViewer::Compare(std::string& error)
{
    CKeyedTableCompare::Options options;
    options.includeIgnored = m_ignored->isChecked();
    KeyedTableDiff diff = CKeyedTableCompare::CompareFiles(m_first, m_second, options);
    if (!diff.ok) {
        error = diff.error;
        return false;
    }
    m_model->SetDiff(std::move(diff));
    UpdateFilter();
    UpdateLabels();
    return true;
}

void CKeyedCompareViewer::SetIncludeIgnored(bool include)
{
    if (m_ignored->isChecked() != include) {
        m_ignored->setChecked(include);   // its signal compares again
        return;
    }
    std::string error;
    if (!m_first.empty() && !Compare(error)) {
        // The files changed under the window since it opened.
        m_problems->setText(QString::fromStdString(error));
        m_problems->show();
    }
}

QCheckBox* CKeyedCompareViewer::KindFilter(const char* kindName) const
{
    const std::string name = kindName;
    return name == "added" ? m_added : name == "removed" ? m_removed : name == "changed" ? m_changed : nullptr;
}

void CKeyedCompareViewer::ShowKind(const char* kindName, bool shown)
{
    if (QCheckBox* box = KindFilter(kindName))
        box->setChecked(shown);
}

void CKeyedCompareViewer::UpdateFilter()
{
    QStringList kinds;
    for (QCheckBox* box : {m_added, m_removed, m_changed})
        if (box->isChecked())
            kinds << box->objectName().mid(5);
    // No kind ticked shows nothing, not everything.
    const QString pattern = kinds.isEmpty() ? QStringLiteral("^$") : QStringLiteral("^(%1)$").arg(kinds.join('|'));
    m_proxy->setFilterRegularExpression(QRegularExpression(pattern));
}

void CKeyedCompareViewer::UpdateLabels()
{
    const KeyedTableDiff& diff = m_model->Diff();
    m_added->setText(tr("Added: %1").arg(Thousands(diff.Count(KeyedChangeKind::Added))));
    m_removed->setText(tr("Removed: %1").arg(Thousands(diff.Count(KeyedChangeKind::Removed))));
    m_changed->setText(tr("Changed: %1").arg(Thousands(diff.Count(KeyedChangeKind::Changed))));

    const CTableKeys& keys = CTableKeys::Of(diff.kind);
    QStringList ignored;
    for (const std::string& column : keys.IgnoredColumns())
        ignored << QString::fromStdString(column);
    m_ignored->setEnabled(!ignored.isEmpty() && diff.ok);
    m_ignored->setText(ignored.isEmpty() || !diff.ok
                           ? tr("Compare every column")
                           : tr("Compare %1 too (changes on every capture)").arg(ignored.join(QStringLiteral(", "))));

    if (!diff.ok) {
        m_summary->clear();
        return;
    }
    const QString first = QFileInfo(QString::fromStdString(m_first)).fileName();
    const QString second = QFileInfo(QString::fromStdString(m_second)).fileName();
    m_summary->setText(tr("%1 (%2) -> %3 (%4); %5 unchanged")
                           .arg(first, KeysText(diff.firstKeys), second, KeysText(diff.secondKeys),
                                Thousands(diff.unchanged)));
    m_summary->setToolTip(QString::fromStdString(m_first + "\n" + m_second));

    QStringList problems;
    for (const KeyedDuplicate& duplicate : diff.duplicates)
        problems << QString::fromStdString(CKeyedTableCompare::DuplicateText(
            diff.kind, duplicate, duplicate.table == 1 ? "the first table" : "the second table"));
    for (const std::string& warning : diff.warnings)
        problems << QString::fromStdString(warning);
    m_problems->setText(problems.join(QLatin1Char('\n')));
    m_problems->setVisible(!problems.isEmpty());
}

QString CKeyedCompareViewer::SummaryText() const
{
    return m_summary->text();
}

QString CKeyedCompareViewer::ProblemText() const
{
    return m_problems->isVisible() || !m_problems->text().isEmpty() ? m_problems->text() : QString();
}

} // namespace workstation
