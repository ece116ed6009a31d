#include "guidataset/dialogs/CDovrelSelectDataset.h"

#include "guidataset/dataset/GuiDatasetCenterImpl.h"
#include "guidataset/dialogs/DataFolderListModel.h"
#include "guidataset/resources/DovrelSelectDatasetIds.h"
#include "host/adaptor/GuiMapCenter.h"
#include "host/baseline/CNetworkBase.h"
#include "host/util/TWDataSet.h"
#include "host/util/TWFileSystem.h"
#include "host/util/tagDataSetInfo.h"
#include "platform/core/Prompter.h"
#include "platform/qt/ControlId.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QStyle>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>

namespace {

bool SameIgnoringCase(const std::string& a, const std::string& b)
{
    return QString::fromStdString(a).compare(QString::fromStdString(b), Qt::CaseInsensitive) == 0;
}

TWDataSet* RegistryOf(CNetworkBase* network)
{
    TWFileSystem* fileSystem = network ? network->GetFileSystem() : nullptr;
    return fileSystem ? fileSystem->GetDataSet() : nullptr;
}

QIcon DataFolderIcon()
{
    return QIcon::fromTheme("folder", QApplication::style()->standardIcon(QStyle::SP_DirIcon));
}

} // namespace

CDovrelSelectDataset::CDovrelSelectDataset(CNetworkBase* network,
                                           const std::vector<std::string>& leaveOut,
                                           QWidget* parent)
    : QDialog(parent), m_network(network), m_leaveOut(leaveOut)
{
    setWindowTitle("Select DataFolder");
    platform::SetControlId(this, kIddSelectDataset);

    m_model = new DataFolderListModel(this);
    m_model->SetRowIcon(DataFolderIcon());
    m_list = new QTreeView(this);
    platform::SetControlId(m_list, kIdcSelectDatasetList);
    m_list->setModel(m_model);
    m_list->setRootIsDecorated(false);
    m_list->setItemsExpandable(false);
    m_list->setUniformRowHeights(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setIconSize(QSize(16, 16));
    m_list->header()->setStretchLastSection(false);
    // The time columns were sized for the host's font; a larger one must not clip the time.
    const int timeWidth =
        std::max(108, m_list->fontMetrics().horizontalAdvance("0000-00-00 00:00") + 24);
    m_list->setColumnWidth(DataFolderListModel::ColName, 160);
    m_list->setColumnWidth(DataFolderListModel::ColCreateTime, timeWidth);
    m_list->setColumnWidth(DataFolderListModel::ColUpdateTime, timeWidth);
    m_list->setMinimumSize(160 + 2 * timeWidth + 24, 220);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton("OK", QDialogButtonBox::AcceptRole);
    QPushButton* cancel = buttons->addButton("Cancel", QDialogButtonBox::RejectRole);
    platform::SetControlId(ok, kIdcSelectDatasetOk);
    platform::SetControlId(cancel, kIdcSelectDatasetCancel);
    ok->setDefault(true);
    cancel->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addWidget(buttons);

    connect(ok, &QPushButton::clicked, this, &CDovrelSelectDataset::OnOk);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_list, &QTreeView::doubleClicked, this, [this](const QModelIndex&) { OnOk(); });

    FillList();
}

CDovrelSelectDataset::~CDovrelSelectDataset() = default;

void CDovrelSelectDataset::FillList()
{
    std::vector<tagDataSetInfo*> received;
    std::string currentName;
    if (m_network) {
        if (TWDataSet* registry = RegistryOf(m_network)) {
            registry->GetAllDataSets(received, true);
            currentName = registry->GetDatasetName(registry->GetCurrentDataSet());
        }
    } else {
        GuiMapCenter::Instance().GetLinkedDataSets(received);
        currentName = GuiDatasetCenterImpl::Instance()->GetCurrentDatasetFullPath();
    }

    int currentRow = -1;
    for (tagDataSetInfo* raw : received) {
        std::unique_ptr<tagDataSetInfo> record(raw);
        const bool leftOut = std::any_of(m_leaveOut.begin(), m_leaveOut.end(),
                                         [&](const std::string& name) {
                                             return SameIgnoringCase(name, record->fullName);
                                         });
        if (leftOut)
            continue;
        record->network = m_network;
        const bool isCurrent = currentRow < 0 && SameIgnoringCase(record->briefName, currentName);
        const int row = m_model->Append(std::move(record));
        if (isCurrent)
            currentRow = row;
    }

    if (currentRow >= 0) {
        const QModelIndex index = m_model->index(currentRow, DataFolderListModel::ColName);
        m_list->selectionModel()->setCurrentIndex(
            index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        m_list->scrollTo(index);
    }
    m_list->setFocus();
}

void CDovrelSelectDataset::OnOk()
{
    const QModelIndexList selected = m_list->selectionModel()->selectedRows();
    const tagDataSetInfo* record =
        selected.isEmpty() ? nullptr : m_model->Record(selected.front().row());
    if (!record) {
        platform::MessageBoxTW("Please select a DataFolder.", platform::BoxIcon::Information,
                               platform::BoxButtons::Ok, this);
        return;
    }
    m_name = record->fullName;
    m_briefName = m_model->data(selected.front()).toString().toStdString();
    if (TWDataSet* registry = RegistryOf(m_network))
        m_path = registry->GetDataSetPath(m_name);
    else
        m_path = m_name;
    m_wayChosen = kSelectDatasetWayList;
    accept();
}

void CDovrelSelectDataset::done(int result)
{
    // The rows' records live only as long as the dialog is open.
    m_model->Clear();
    QDialog::done(result);
}
