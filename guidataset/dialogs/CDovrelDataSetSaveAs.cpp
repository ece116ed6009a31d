#include "guidataset/dialogs/CDovrelDataSetSaveAs.h"

#include "guidataset/resources/DovrelDataSetSaveAsIds.h"
#include "platform/core/Prompter.h"
#include "platform/qt/ControlId.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <filesystem>

namespace {

std::string& Remembered()
{
    static std::string folder;
    return folder;
}

std::string Trimmed(const std::string& text)
{
    return QString::fromStdString(text).trimmed().toStdString();
}

// A name given as a path keeps only its last component.
std::string LastComponent(const std::string& name)
{
    std::size_t separator = name.rfind('\\');
    if (separator == std::string::npos)
        separator = name.rfind('/');
    if (separator != std::string::npos && separator > 0)
        return name.substr(separator + 1);
    return name;
}

} // namespace

CDovrelDataSetSaveAs::CDovrelDataSetSaveAs(TWFileSystem* fileSystem, QWidget* parent)
    : QDialog(parent), m_fileSystem(fileSystem)
{
    setWindowTitle("Export DataFolder");
    platform::SetControlId(this, kIddDataSetSaveAs);

    auto* nameLabel = new QLabel("DataFolder Name:", this);
    m_nameEdit = new QLineEdit(this);
    m_nameEdit->setEnabled(false);
    platform::SetControlId(m_nameEdit, kIdcDataSetSaveAsName);

    auto* prompt = new QLabel("Please input or select export folder:", this);
    platform::SetControlId(prompt, kIdcDataSetSaveAsPrompt);
    m_folderEdit = new QLineEdit(this);
    platform::SetControlId(m_folderEdit, kIdcDataSetSaveAsFolder);
    prompt->setBuddy(m_folderEdit);
    auto* browse = new QPushButton("Browse", this);
    browse->setAutoDefault(false);
    platform::SetControlId(browse, kIdcDataSetSaveAsBrowse);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton("OK", QDialogButtonBox::AcceptRole);
    QPushButton* cancel = buttons->addButton("Cancel", QDialogButtonBox::RejectRole);
    platform::SetControlId(ok, kIdcDataSetSaveAsOk);
    platform::SetControlId(cancel, kIdcDataSetSaveAsCancel);
    ok->setDefault(true);
    cancel->setAutoDefault(false);

    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(m_folderEdit, 1);
    folderRow->addWidget(browse);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(nameLabel);
    layout->addWidget(m_nameEdit);
    layout->addSpacing(6);
    layout->addWidget(prompt);
    layout->addLayout(folderRow);
    layout->addSpacing(6);
    layout->addWidget(buttons);
    setMinimumWidth(420);

    connect(browse, &QPushButton::clicked, this, &CDovrelDataSetSaveAs::OnBrowse);
    connect(ok, &QPushButton::clicked, this, &CDovrelDataSetSaveAs::OnOk);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    m_folderEdit->setFocus();
}

CDovrelDataSetSaveAs::~CDovrelDataSetSaveAs() = default;

void CDovrelDataSetSaveAs::SetDataSetName(const std::string& name)
{
    m_dataSetName = name;
    m_nameEdit->setText(QString::fromStdString(name));
}

const std::string& CDovrelDataSetSaveAs::RememberedFolder()
{
    return Remembered();
}

void CDovrelDataSetSaveAs::OnBrowse()
{
    platform::FolderRequest request;
    request.title = "Select Folder.";
    request.folder = Remembered();
    request.parent = this;
    const std::string chosen = platform::Prompter::Instance().BrowseFolder(request);
    if (chosen.empty())
        return;
    Remembered() = chosen;
    m_folderEdit->setText(QString::fromStdString(chosen));
}

void CDovrelDataSetSaveAs::OnOk()
{
    const std::string name = Trimmed(LastComponent(m_nameEdit->text().toStdString()));
    if (name.empty()) {
        platform::MessageBoxTW("Please enter the DataFolder name.", platform::BoxIcon::Information,
                               platform::BoxButtons::Ok, this);
        m_nameEdit->setFocus();
        return;
    }
    std::string folder = Trimmed(m_folderEdit->text().toStdString());
    if (folder.empty()) {
        platform::MessageBoxTW("Please enter or select a DataFolder path.",
                               platform::BoxIcon::Information, platform::BoxButtons::Ok, this);
        m_folderEdit->setFocus();
        return;
    }
    std::error_code ec;
    if (!std::filesystem::exists(std::filesystem::path(folder), ec)) {
        platform::MessageBoxTW("The path does not exist.", platform::BoxIcon::Information,
                               platform::BoxButtons::Ok, this);
        m_folderEdit->setFocus();
        return;
    }
    if (folder.back() != '/' && folder.back() != '\\')
        folder += '/';
    m_exportPath = folder + name;
    accept();
}
