#include "guidataset/dialogs/CDovrelDataSetView.h"

#include "guidataset/dialogs/DataSetViewFileModel.h"
#include "guidataset/dialogs/core/DataSetViewFiles.h"
#include "guidataset/resources/DovrelDataSetViewIds.h"
#include "host/baseline/CBaseline.h"
#include "host/util/TWDataSet.h"
#include "host/util/TWFileSystem.h"
#include "platform/qt/ControlId.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

// The name as the open project's registry knows it; without a project the
// registry answers the folder path itself.
std::string DataSetNameOf(const std::string& path)
{
    CNetworkBase* baseline = GetCurrentBaseline();
    TWFileSystem* fileSystem = baseline ? baseline->GetFileSystem() : nullptr;
    if (fileSystem && fileSystem->GetDataSet())
        return fileSystem->GetDataSet()->GetDatasetName(path);
    return TWDataSet().GetDatasetName(path);
}

QIcon FileRowIcon(const QStyle* style)
{
    const QIcon application = QApplication::windowIcon();
    if (!application.isNull())
        return application;
    return QIcon::fromTheme(QStringLiteral("text-x-generic"),
                            style->standardIcon(QStyle::SP_FileIcon));
}

QLineEdit* ReadOnlyEdit(QWidget* parent, int id)
{
    auto* edit = new QLineEdit(parent);
    edit->setReadOnly(true);
    platform::SetControlId(edit, id);
    return edit;
}

} // namespace

CDovrelDataSetView::CDovrelDataSetView(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("DataFolder View"));
    setObjectName(QStringLiteral("dlg%1").arg(ids::kIddDataSetView));

    m_nameEdit = ReadOnlyEdit(this, ids::kIdcDataSetViewName);
    m_pathEdit = ReadOnlyEdit(this, ids::kIdcDataSetViewPath);

    m_kindPicker = new QComboBox(this);
    m_kindPicker->setEditable(false);
    // Sized for the longest entry, "SimulatedRouteTable", before the entries exist.
    m_kindPicker->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_kindPicker->setMinimumContentsLength(22);
    platform::SetControlId(m_kindPicker, ids::kIdcDataSetViewKind);

    m_model = new DataSetViewFileModel(this);
    m_fileList = new QTreeView(this);
    m_fileList->setModel(m_model);
    m_fileList->setRootIsDecorated(false);
    m_fileList->setItemsExpandable(false);
    m_fileList->setUniformRowHeights(true);
    m_fileList->setAllColumnsShowFocus(true);
    m_fileList->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_fileList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_fileList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_fileList->header()->setStretchLastSection(false);
    m_fileList->header()->resizeSection(DataSetViewFileModel::kColumnName, 270);
    m_fileList->header()->resizeSection(DataSetViewFileModel::kColumnCreateTime, 138);
    m_fileList->header()->resizeSection(DataSetViewFileModel::kColumnUpdateTime, 138);
    m_fileList->setMinimumSize(270 + 138 + 138 + 24, 260);
    platform::SetControlId(m_fileList, ids::kIdcDataSetViewFiles);

    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setDefault(true);
    close->setAutoDefault(true);
    platform::SetControlId(close, ids::kIdcDataSetViewClose);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* fields = new QGridLayout;
    const auto addField = [&](int row, const char* label, QWidget* field) {
        auto* text = new QLabel(QString::fromUtf8(label), this);
        text->setBuddy(field);
        fields->addWidget(text, row, 0);
        fields->addWidget(field, row, 1);
    };
    addField(0, "DataFolder Name:", m_nameEdit);
    addField(1, "DataFolder Path:", m_pathEdit);
    addField(2, "Select Sub DataFolder:", m_kindPicker);
    fields->setColumnStretch(1, 1);
    // The picker keeps its own width; the edits take the row.
    fields->setAlignment(m_kindPicker, Qt::AlignLeft);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(m_fileList, 1);
    layout->addLayout(buttons);

    setTabOrder(m_nameEdit, m_pathEdit);
    setTabOrder(m_pathEdit, m_kindPicker);
    setTabOrder(m_kindPicker, m_fileList);
    setTabOrder(m_fileList, close);
}

CDovrelDataSetView::~CDovrelDataSetView() = default;

void CDovrelDataSetView::SetDataSetPath(const std::string& path)
{
    m_path = path;
    m_name = DataSetNameOf(path);
}

void CDovrelDataSetView::showEvent(QShowEvent* event)
{
    if (!m_initialised && !event->spontaneous()) {
        m_initialised = true;
        OnInitDialog();
    }
    QDialog::showEvent(event);
}

void CDovrelDataSetView::OnInitDialog()
{
    m_model->SetRowIcon(FileRowIcon(style()));
    m_nameEdit->setText(QString::fromStdString(m_name));
    m_pathEdit->setText(QString::fromStdString(m_path));
    m_nameEdit->setCursorPosition(0);
    m_pathEdit->setCursorPosition(0);

    {
        const QSignalBlocker quiet(m_kindPicker);
        for (const DataSetViewKind& entry : DataSetViewKinds())
            m_kindPicker->addItem(QString::fromUtf8(entry.text), entry.kind);
        m_kindPicker->setCurrentIndex(kViewKindDefaultPosition);
        if (m_preselectSimulated && m_kindPicker->count() > kViewKindSimulatedPosition)
            m_kindPicker->setCurrentIndex(kViewKindSimulatedPosition);
    }
    connect(m_kindPicker, &QComboBox::currentIndexChanged, this,
            &CDovrelDataSetView::OnKindChanged);
    FillFileList();
}

void CDovrelDataSetView::OnKindChanged()
{
    FillFileList();
}

void CDovrelDataSetView::FillFileList()
{
    m_model->Clear();
    const int position = m_kindPicker->currentIndex();
    const auto& kinds = DataSetViewKinds();
    if (position < 0 || position >= static_cast<int>(kinds.size()))
        return;
    m_model->SetRows(ListDataSetViewRows(m_path, kinds[static_cast<std::size_t>(position)]));
}
