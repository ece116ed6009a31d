#include "guidataset/compare/CDlgSelectShowCommand.h"

#include "guidataset/compare/core/ShowCommandNames.h"
#include "guidataset/resources/DlgSelectShowCommandIds.h"
#include "host/util/TWDataSet.h"
#include "host/util/TWFileSystem.h"
#include "platform/core/Prompter.h"
#include "platform/qt/ControlId.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

CDlgSelectShowCommand::CDlgSelectShowCommand(QWidget* parent) : QDialog(parent)
{
    setWindowTitle("Please select show commands");
    platform::SetControlId(this, kIddSelectShowCommand);
    m_list = new QTreeWidget(this);
    platform::SetControlId(m_list, kIdcSelectShowCommandList);
    m_list->setHeaderHidden(true);
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setMinimumSize(260, 240);

    auto* ok = new QPushButton("OK", this);
    ok->setDefault(true);
    platform::SetControlId(ok, kIdcSelectShowCommandOk);
    auto* cancel = new QPushButton("Cancel", this);
    cancel->setAutoDefault(false);
    platform::SetControlId(cancel, kIdcSelectShowCommandCancel);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, &CDlgSelectShowCommand::OnOk);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &CDlgSelectShowCommand::OnOk);
}

CDlgSelectShowCommand::~CDlgSelectShowCommand() = default;

void CDlgSelectShowCommand::showEvent(QShowEvent* event)
{
    if (!m_initialised) {
        m_initialised = true;
        OnInitDialog();
    }
    QDialog::showEvent(event);
}

void CDlgSelectShowCommand::OnInitDialog()
{
    TWFileSystem* fileSystem = GetCurrBaselineFileSystem();
    TWDataSet* registry = fileSystem ? fileSystem->GetDataSet() : nullptr;
    if (!registry)
        return;
    const std::string folder = registry->GetLiveShowCommandFolder(registry->GetDataSetPath(m_dataFolderName));
    m_list->setColumnCount(1);
    const QFontMetrics metrics(m_list->font());
    int widest = 0;
    for (const std::string& command : ListShowCommandNames(folder)) {
        const QString text = QString::fromStdString(command);
        m_list->addTopLevelItem(new QTreeWidgetItem(QStringList{text}));
        widest = std::max(widest, metrics.horizontalAdvance(text));
    }
    m_list->setColumnWidth(0, widest + 10);
    if (m_list->topLevelItemCount() > 0)
        return;
    platform::AppMessageBox("No show commands in data folder.");
    setResult(QDialog::Rejected);
    // Closed once its modal loop runs: closing while it is being shown would leave the loop waiting.
    QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
}

void CDlgSelectShowCommand::OnOk()
{
    std::vector<int> rows;
    for (const QTreeWidgetItem* item : m_list->selectedItems())
        rows.push_back(m_list->indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(item)));
    if (rows.empty() && !m_allowEmpty) {
        platform::AppMessageBox("Please select select commands.");
        return;
    }
    std::sort(rows.begin(), rows.end());
    for (int row : rows)
        m_chosen.push_back(m_list->topLevelItem(row)->text(0).toStdString());
    accept();
}
