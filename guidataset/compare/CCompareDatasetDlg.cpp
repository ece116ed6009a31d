#include "guidataset/compare/CCompareDatasetDlg.h"

#include "guidataset/compare/core/CompareOpeningFile.h"
#include "guidataset/compare/core/CompareTableChoices.h"
#include "guidataset/compare/core/CompareTableKind.h"
#include "guidataset/dataset/CDatasetComboBox.h"
#include "guidataset/resources/CompareDatasetDlgIds.h"
#include "host/adaptor/GuiDeviceCenter.h"
#include "host/netutil/CliText.h"
#include "host/util/TWFileSystem.h"
#include "platform/core/Prompter.h"
#include "platform/qt/ControlId.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr const char* kPickDataFolder = "Please select an DataFolder";

QComboBox* MakeTableList(QWidget* parent, int id)
{
    auto* list = new QComboBox(parent);
    list->setMinimumContentsLength(32);
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    platform::SetControlId(list, id);
    return list;
}

CDatasetComboBox* MakePicker(QWidget* parent, int id)
{
    auto* picker = new CDatasetComboBox(parent);
    picker->setMinimumContentsLength(24);
    platform::SetControlId(picker, id);
    return picker;
}

} // namespace

CCompareDatasetDlg::CCompareDatasetDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle("Dialog");
    platform::SetControlId(this, kIddCompareDataset);

    auto* hostLabel = new QLabel("Hostame:", this);
    m_hostEdit = new QLineEdit(this);
    m_hostEdit->setEnabled(false);
    platform::SetControlId(m_hostEdit, kIdcCompareDatasetHostName);
    hostLabel->setBuddy(m_hostEdit);
    m_selectButton = new QPushButton("Select", this);
    m_selectButton->setAutoDefault(false);
    platform::SetControlId(m_selectButton, kIdcCompareDatasetSelect);

    auto* group = new QGroupBox("Select Two DataFolders", this);
    m_first.picker = MakePicker(group, kIdcCompareDatasetFirstPicker);
    m_second.picker = MakePicker(group, kIdcCompareDatasetSecondPicker);
    m_first.tables = MakeTableList(group, kIdcCompareDatasetFirstTable);
    m_second.tables = MakeTableList(group, kIdcCompareDatasetSecondTable);
    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel("First DataFolder:", group), 0, 0);
    grid->addWidget(m_first.picker, 0, 1);
    grid->addWidget(m_first.tables, 1, 1);
    grid->addWidget(new QLabel("Second DataFolder:", group), 2, 0);
    grid->addWidget(m_second.picker, 2, 1);
    grid->addWidget(m_second.tables, 3, 1);
    grid->setColumnStretch(1, 1);

    auto* ok = new QPushButton("OK", this);
    ok->setDefault(true);
    platform::SetControlId(ok, kIdcCompareDatasetOk);
    auto* cancel = new QPushButton("Cancel", this);
    cancel->setAutoDefault(false);
    platform::SetControlId(cancel, kIdcCompareDatasetCancel);

    auto* hostRow = new QHBoxLayout;
    hostRow->addWidget(hostLabel);
    hostRow->addWidget(m_hostEdit, 1);
    hostRow->addWidget(m_selectButton);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(hostRow);
    layout->addWidget(group);
    layout->addLayout(buttons);

    connect(m_selectButton, &QPushButton::clicked, this, &CCompareDatasetDlg::OnSelectDevice);
    connect(ok, &QPushButton::clicked, this, &CCompareDatasetDlg::OnOk);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    for (Side* side : {&m_first, &m_second})
        connect(side->picker, &CComboBoxTip::selectionChangeNotified, this, [this, side](int) { FillTables(*side); });
}

CCompareDatasetDlg::~CCompareDatasetDlg() = default;

void CCompareDatasetDlg::ApplyOpeningFile(const std::string& path)
{
    const CompareOpeningFile opening = ReadCompareOpeningFile(path, m_kind, GetCurrBaselineFileSystem());
    if (!opening.applied)
        return;
    m_kind = opening.kind;
    m_firstName = opening.dataFolderName;
    if (opening.parsed) {
        m_hostName = opening.host;
        m_preselect = opening.preselect;
    }
}

void CCompareDatasetDlg::showEvent(QShowEvent* event)
{
    if (!m_initialised) {
        m_initialised = true;
        OnInitDialog();
    }
    QDialog::showEvent(event);
}

void CCompareDatasetDlg::OnInitDialog()
{
    WriteControls();
    m_first.picker->InitDataset(m_firstName.c_str(), nullptr, true, false);
    m_second.picker->InitDataset(m_secondName.c_str(), nullptr, true, false);
    FillTables(m_first);
    FillTables(m_second);
    if (const char* caption = CompareTableKindOf(m_kind).caption)
        setWindowTitle(caption);
    // Without a project there is no device to choose from.
    if (!GetCurrBaselineFileSystem())
        m_selectButton->hide();
}

void CCompareDatasetDlg::ReadControls()
{
    m_hostName = m_hostEdit->text().toStdString();
    m_firstName = m_first.picker->currentText().toStdString();
    m_secondName = m_second.picker->currentText().toStdString();
    m_firstTableText = m_first.tables->currentText().toStdString();
    m_secondTableText = m_second.tables->currentText().toStdString();
}

void CCompareDatasetDlg::WriteControls()
{
    m_hostEdit->setText(QString::fromStdString(m_hostName));
}

void CCompareDatasetDlg::FillTables(Side& side)
{
    ReadControls();
    side.tables->clear();
    side.paths.clear();
    std::string name;
    const std::string path = side.picker->GetDataSetPath(kPickDataFolder, name);
    CompareTableChoices choices = ListCompareTables(path, m_hostName, m_kind, m_preselect);
    for (const std::string& text : choices.texts)
        side.tables->addItem(QString::fromStdString(text));
    side.paths = std::move(choices.paths);
    if (side.tables->count() > 0)
        side.tables->setCurrentIndex(choices.preselected >= 0 ? choices.preselected : 0);
}

void CCompareDatasetDlg::OnSelectDevice()
{
    ReadControls();
    int unusedType = 0;
    GuiDeviceCenter::Instance().SelectDevice(this, m_hostName, unusedType, CompareTableKindOf(m_kind).deviceFilter,
                                             0);
    WriteControls();
    FillTables(m_first);
    FillTables(m_second);
}

void CCompareDatasetDlg::OnOk()
{
    ReadControls();
    const auto refuse = [](const char* text) { platform::AppMessageBox(text); };
    if (m_hostName.empty())
        return refuse("Please select a device first.");
    if (m_firstName.empty() || m_firstTableText.empty())
        return refuse("The First DataFolder cannot be empty.");
    if (m_secondName.empty() || m_secondTableText.empty())
        return refuse("The Second DataFolder cannot be empty.");
    if (!m_allowSame && m_firstName == m_secondName && m_firstTableText == m_secondTableText)
        return refuse("The first DataFolder cannot be same with the second one .");
    if (const auto found = m_first.paths.find(m_firstTableText); found != m_first.paths.end())
        m_firstPath = found->second;
    if (const auto found = m_second.paths.find(m_secondTableText); found != m_second.paths.end())
        m_secondPath = found->second;
    accept();
}
