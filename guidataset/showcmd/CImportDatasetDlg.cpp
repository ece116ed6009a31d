#include "guidataset/showcmd/CImportDatasetDlg.h"

#include "guidataset/dataset/CDatasetComboBox.h"
#include "guidataset/showcmd/ImportDatasetDlgIds.h"
#include "platform/core/Prompter.h"
#include "platform/qt/ControlId.h"
#include "platform/qt/RunModal.h"
#include "platform/qt/ShellFileOp.h"
#include "platform/qt/WaitCursor.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <filesystem>
#include <system_error>

namespace {

std::string& BrowsedFolder()
{
    static std::string folder;
    return folder;
}

std::string Trimmed(const std::string& text)
{
    const char* blanks = " \t";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

} // namespace

CImportDatasetDlg::CImportDatasetDlg(CNetworkBase* network, QWidget* parent) : QDialog(parent)
{
    setWindowTitle("Import DataFolder");
    platform::SetControlId(this, kIddImportDataset);

    auto* folderLabel = new QLabel("Please input or select import folder:", this);
    m_folderEdit = new QLineEdit(this);
    platform::SetControlId(m_folderEdit, kIdcImportDatasetFolder);
    folderLabel->setBuddy(m_folderEdit);
    auto* browse = new QPushButton("Browse", this);
    platform::SetControlId(browse, kIdcImportDatasetBrowse);
    browse->setAutoDefault(false);

    auto* pickerLabel = new QLabel("DataFolder Name", this);
    m_picker = new CDatasetComboBox(this);
    platform::SetControlId(m_picker, kIdcImportDatasetPicker);
    pickerLabel->setBuddy(m_picker);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton("OK", QDialogButtonBox::AcceptRole);
    QPushButton* cancel = buttons->addButton("Cancel", QDialogButtonBox::RejectRole);
    platform::SetControlId(ok, kIdcImportDatasetOk);
    platform::SetControlId(cancel, kIdcImportDatasetCancel);
    ok->setDefault(true);
    cancel->setAutoDefault(false);

    auto* grid = new QGridLayout;
    grid->addWidget(folderLabel, 0, 0, 1, 2);
    grid->addWidget(m_folderEdit, 1, 0);
    grid->addWidget(browse, 1, 1);
    grid->addWidget(pickerLabel, 2, 0, 1, 2);
    grid->addWidget(m_picker, 3, 0, 1, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(6);
    layout->addWidget(buttons);
    setMinimumWidth(400);

    connect(browse, &QPushButton::clicked, this, &CImportDatasetDlg::OnBrowse);
    connect(ok, &QPushButton::clicked, this, &CImportDatasetDlg::OnOk);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    m_picker->InitDataset(nullptr, network, true, false);
    m_folderEdit->setFocus();
}

CImportDatasetDlg::~CImportDatasetDlg() = default;

const std::string& CImportDatasetDlg::LastBrowsedFolder()
{
    return BrowsedFolder();
}

void CImportDatasetDlg::OnBrowse()
{
    platform::FolderRequest request;
    request.title = "Select DataFolder Path.";
    request.folder = BrowsedFolder();
    request.parent = this;
    const std::string folder = platform::Prompter::Instance().BrowseFolder(request);
    if (folder.empty())
        return;
    BrowsedFolder() = folder;
    m_folderEdit->setText(QString::fromStdString(folder));
}

void CImportDatasetDlg::OnOk()
{
    const std::string folder = Trimmed(m_folderEdit->text().toStdString());
    std::error_code error;
    if (folder.empty() || !std::filesystem::is_directory(folder, error)) {
        platform::AppMessageBox("The imported folder does not exist.", platform::BoxButtons::Ok,
                                platform::BoxIcon::Exclamation, this);
        return;
    }
    std::string name;
    const std::string path = m_picker->GetDataSetPath("Please select a DataFolder", name);
    if (path.empty())
        return;
    m_importFolder = folder;
    m_dataFolderPath = path;
    accept();
}

bool CImportDatasetDlg::ImportIntoDataFolder(QWidget* owner, const std::string& importFolder,
                                             const std::string& dataFolderPath)
{
    platform::ShellFileOp copy(owner, "Import the DataFolder");
    {
        platform::WaitCursor wait;
        // Creates the DataFolder's folder when missing, and takes it back with the rest on a cancel.
        if (copy.Copy(importFolder, dataFolderPath))
            return true;
    }
    platform::AppMessageBox(copy.Error(), platform::BoxButtons::Ok,
                            copy.Cancelled() ? platform::BoxIcon::Information : platform::BoxIcon::Exclamation,
                            owner);
    return false;
}

bool CImportDatasetDlg::Import(CNetworkBase* network, QWidget* panel)
{
    CImportDatasetDlg dialog(network, panel);
    if (platform::RunModal(dialog) != QDialog::Accepted)
        return false;
    return ImportIntoDataFolder(panel, dialog.GetImportFolder(), dialog.GetDataFolderPath());
}
