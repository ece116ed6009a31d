#include "apps/workstation/viewers/CDeviceCompareWindow.h"

#include "apps/workstation/viewers/CDeviceCompareModel.h"
#include "apps/workstation/viewers/CReportEntryOpener.h"

#include "host/compare/DeviceComparer.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <map>

namespace workstation {

namespace {

QString KindSummary(const QString& caption, const std::vector<DeviceComparison>& rows,
                    DeviceVerdict DeviceComparison::*part)
{
    std::map<Verdict, int> counts;
    for (const DeviceComparison& row : rows)
        ++counts[(row.*part).verdict];
    QStringList parts;
    for (const auto& [verdict, count] : counts)
        parts << QStringLiteral("%1 %2").arg(count).arg(QString::fromLatin1(CDeviceComparer::Caption(verdict)).toLower());
    return QStringLiteral("<b>%1:</b> %2").arg(caption, parts.join(QStringLiteral(", ")));
}

} // namespace

CDeviceCompareWindow::CDeviceCompareWindow(QWidget* parent)
    : QWidget(parent), m_model(new CDeviceCompareModel(this)), m_summary(new QLabel(this)),
      m_table(new QTableView(this))
{
    m_summary->setTextFormat(Qt::RichText);
    m_summary->setWordWrap(true);
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setAlternatingRowColors(true);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    // The verdicts share the width; the device names take what they need.
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_table->horizontalHeader()->setSectionResizeMode(CDeviceCompareModel::kDevice, QHeaderView::ResizeToContents);
    auto* open = new QPushButton(tr("Open"), this);
    open->setToolTip(tr("Compare the selected device's configuration or route table"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_table, 1);
    layout->addWidget(open, 0, Qt::AlignLeft);
    connect(m_table, &QTableView::activated, this, [this](const QModelIndex& index) { OpenCell(index); });
    connect(open, &QPushButton::clicked, this, [this] { OpenCell(m_table->currentIndex()); });
}

void CDeviceCompareWindow::SetRows(const std::string& nameA, const std::string& nameB,
                                   std::vector<DeviceComparison> rows, bool configurations, bool routeTables)
{
    QString text = tr("<b>%1</b> compared with <b>%2</b>: %3 devices")
                       .arg(QString::fromStdString(nameA).toHtmlEscaped(),
                            QString::fromStdString(nameB).toHtmlEscaped())
                       .arg(rows.size());
    if (configurations)
        text += QStringLiteral("<br>") + KindSummary(tr("Configuration"), rows, &DeviceComparison::configuration);
    if (routeTables)
        text += QStringLiteral("<br>") + KindSummary(tr("Route table"), rows, &DeviceComparison::routeTable);
    m_summary->setText(text);
    m_model->SetRows(std::move(rows), configurations, routeTables);
    m_table->setColumnHidden(CDeviceCompareModel::kConfiguration, !configurations);
    m_table->setColumnHidden(CDeviceCompareModel::kRouteTable, !routeTables);
    if (m_model->rowCount())
        m_table->setCurrentIndex(m_model->index(0, configurations ? CDeviceCompareModel::kConfiguration
                                                                  : CDeviceCompareModel::kRouteTable));
}

bool CDeviceCompareWindow::OpenCell(const QModelIndex& index)
{
    if (!index.isValid())
        return false;
    QModelIndex cell = index;
    if (index.column() == CDeviceCompareModel::kDevice)
        cell = index.siblingAtColumn(m_model->ComparesConfigurations() ? CDeviceCompareModel::kConfiguration
                                                                         : CDeviceCompareModel::kRouteTable);
    const DeviceVerdict* verdict = m_model->Verdict(cell);
    if (!verdict || verdict->verdict == Verdict::InNeither || verdict->verdict == Verdict::NotCompared)
        return false;
    return CReportEntryOpener::Open(verdict->entry, this);
}

} // namespace workstation
