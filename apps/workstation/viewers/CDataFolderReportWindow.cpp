#include "apps/workstation/viewers/CDataFolderReportWindow.h"

#include "apps/workstation/viewers/CDataFolderReportModel.h"
#include "apps/workstation/viewers/CReportEntryOpener.h"

#include "host/compare/ReportExport.h"
#include "platform/core/Prompter.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace workstation {

namespace {

// Reports of up to this many rows open with every device expanded.
constexpr std::size_t kExpandAllRows = 400;

QString Html(const std::string& text)
{
    return QString::fromStdString(text).toHtmlEscaped();
}

QString SummaryText(const DataFolderReport& report)
{
    const KindCounts totals = report.Totals();
    QString text = QObject::tr("<b>%1</b> compared with <b>%2</b><br>").arg(Html(report.nameA), Html(report.nameB));
    text += QObject::tr("%1 devices with data, %2 with differences; %3 files in both DataFolders compared.<br>")
                .arg(report.devices)
                .arg(report.ChangedDevices().size())
                .arg(report.filesCompared);
    if (!report.HasDifferences())
        return text + QObject::tr("<b>No differences.</b>");
    text += QObject::tr("<b>Added %1, removed %2, changed %3</b>").arg(totals.added).arg(totals.removed).arg(totals.changed);
    if (totals.unreadable)
        text += QObject::tr(", <b>not compared %1</b>").arg(totals.unreadable);
    QStringList kinds;
    for (const CompareKindInfo& kind : CCompareKinds::All()) {
        const KindCounts counts = report.CountsOf(kind.kind);
        if (counts.Total())
            kinds << QStringLiteral("%1 %2").arg(QString::fromLatin1(kind.caption)).arg(counts.Total());
    }
    text += QStringLiteral(" &nbsp;(") + kinds.join(QStringLiteral(", ")) + QStringLiteral(")");
    if (!report.unknownDevices.empty()) {
        QStringList names;
        for (const std::string& name : report.unknownDevices)
            names << Html(name);
        text += QObject::tr("<br>Not in the project's device inventory (compared all the same): %1")
                    .arg(names.join(QStringLiteral(", ")));
    }
    return text;
}

} // namespace

CDataFolderReportWindow::CDataFolderReportWindow(QWidget* parent)
    : QWidget(parent), m_model(new CDataFolderReportModel(this)), m_summary(new QLabel(this)),
      m_tree(new QTreeView(this)), m_open(new QPushButton(tr("Open"), this))
{
    m_summary->setTextFormat(Qt::RichText);
    m_summary->setWordWrap(true);
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_tree->setModel(m_model);
    m_tree->setUniformRowHeights(true);
    m_tree->setAlternatingRowColors(true);
    m_tree->header()->setStretchLastSection(true);
    auto* exportButton = new QPushButton(tr("Export..."), this);
    m_open->setToolTip(tr("Compare the two files of the selected row, or show the one there is"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_open);
    buttons->addStretch(1);
    buttons->addWidget(exportButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_tree, 1);
    layout->addLayout(buttons);

    connect(m_tree, &QTreeView::activated, this, [this](const QModelIndex& index) { OpenRow(index); });
    connect(m_open, &QPushButton::clicked, this, [this] { OpenRow(m_tree->currentIndex()); });
    connect(exportButton, &QPushButton::clicked, this, [this] { Export(); });
}

void CDataFolderReportWindow::SetReport(DataFolderReport report)
{
    m_summary->setText(SummaryText(report));
    const std::size_t rows = report.entries.size();
    m_model->SetReport(std::move(report));
    if (rows <= kExpandAllRows)
        m_tree->expandAll();
    m_tree->resizeColumnToContents(CDataFolderReportModel::kName);
    m_tree->resizeColumnToContents(CDataFolderReportModel::kChange);
    m_open->setEnabled(rows != 0);
    if (m_model->rowCount())
        m_tree->setCurrentIndex(m_model->index(0, 0));
}

const DataFolderReport& CDataFolderReportWindow::Report() const
{
    return m_model->Report();
}

bool CDataFolderReportWindow::OpenRow(const QModelIndex& index)
{
    const ReportEntry* entry = m_model->Entry(index);
    return entry && CReportEntryOpener::Open(*entry, this);
}

bool CDataFolderReportWindow::Export()
{
    platform::FileRequest request;
    request.mode = platform::FileRequest::Mode::Save;
    request.title = "Export DataFolder Comparison";
    request.fileName = Report().nameA + " to " + Report().nameB + ".html";
    request.filter = "HTML page (*.html *.htm);;Text file (*.txt);;All files (*)";
    request.defaultSuffix = "html";
    request.parent = this;
    const std::vector<std::string> chosen = platform::Prompter::Instance().ChooseFiles(request);
    if (chosen.empty())
        return false;
    std::string error;
    if (CReportExport::Save(Report(), chosen.front(), error))
        return true;
    platform::MessageBoxTW(error, platform::BoxIcon::Exclamation, platform::BoxButtons::Ok, this);
    return false;
}

} // namespace workstation
