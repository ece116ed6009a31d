#include "guidataset/dialogs/CSelectADatasetDlg.h"

#include "guidataset/dataset/CDatasetComboBox.h"
#include "guidataset/resources/SelectADatasetDlgIds.h"
#include "host/baseline/CBaseline.h"
#include "host/util/TWDataSet.h"
#include "host/util/TWFileSystem.h"
#include "platform/qt/ControlId.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The DataFolder the open project currently reads from; empty without a project.
std::string CurrentDataSetName()
{
    CBaseline* baseline = CBaseline::Instance();
    TWFileSystem* fileSystem = baseline ? baseline->GetFileSystem() : nullptr;
    TWDataSet* registry = fileSystem ? fileSystem->GetDataSet() : nullptr;
    return registry ? registry->GetDatasetName(registry->GetCurrentDataSet()) : std::string();
}

} // namespace

CSelectADatasetDlg::CSelectADatasetDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle("Select DataFolder");
    platform::SetControlId(this, kIddSelectADataset);

    auto* prompt =
        new QLabel("Please select a DataFolder to calculate the virtual route \ntable", this);
    m_picker = new CDatasetComboBox(this);
    platform::SetControlId(m_picker, kIdcSelectADatasetPicker);
    prompt->setBuddy(m_picker);
    m_retrieveBox = new QCheckBox("Retrieve from live network if no route tables exist \n"
                                  "for the connected neighbors in the DataFolder",
                                  this);
    platform::SetControlId(m_retrieveBox, kIdcSelectADatasetRetrieve);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton("OK", QDialogButtonBox::AcceptRole);
    QPushButton* cancel = buttons->addButton("Cancel", QDialogButtonBox::RejectRole);
    platform::SetControlId(ok, kIdcSelectADatasetOk);
    platform::SetControlId(cancel, kIdcSelectADatasetCancel);
    ok->setDefault(true);
    cancel->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(m_picker);
    layout->addSpacing(4);
    layout->addWidget(m_retrieveBox);
    layout->addSpacing(6);
    layout->addWidget(buttons);
    setMinimumWidth(380);

    connect(ok, &QPushButton::clicked, this, &CSelectADatasetDlg::OnOk);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    const std::string current = CurrentDataSetName();
    m_picker->InitDataset(current.c_str(), nullptr, true, false);
    if (m_picker->GetCurSel() < 0 && m_picker->GetCount() > 0)
        m_picker->SetCurSel(0);
    m_retrieveBox->setChecked(true);
    m_picker->setFocus();
}

CSelectADatasetDlg::~CSelectADatasetDlg() = default;

void CSelectADatasetDlg::OnOk()
{
    std::string name;
    const std::string path = m_picker->GetDataSetPath("Please select a DataFolder", name);
    if (path.empty())
        return;
    m_path = path;
    m_retrieve = m_retrieveBox->isChecked();
    accept();
}
