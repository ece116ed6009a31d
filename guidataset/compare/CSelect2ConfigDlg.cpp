#include "guidataset/compare/CSelect2ConfigDlg.h"

#include "guidataset/dataset/CDatasetComboBox.h"
#include "guidataset/resources/Select2ConfigDlgIds.h"
#include "host/baseline/CBaseline.h"
#include "host/netmodel/INetworkInfo.h"
#include "host/util/TWDataSet.h"
#include "host/util/TWFileSystem.h"
#include "host/util/tagDataSetInfo.h"
#include "platform/core/DirEntry.h"
#include "platform/core/FileTimes.h"
#include "platform/core/FindFiles.h"
#include "platform/core/Prompter.h"
#include "platform/qt/ControlId.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <sys/stat.h>

namespace {

constexpr const char* kProjectEntry = "Baseline";
enum FileColumn { ColName = 0, ColCreateTime = 1, ColPath = 2 };

bool IsFile(const std::string& path)
{
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

QPlainTextEdit* MakeFileText(QWidget* parent, int id)
{
    auto* text = new QPlainTextEdit(parent);
    text->setReadOnly(true);
    text->setFixedHeight(text->fontMetrics().lineSpacing() * 2 + 12);
    platform::SetControlId(text, id);
    return text;
}

QPushButton* MakeTakeButton(QWidget* parent, int id)
{
    auto* button = new QPushButton(">", parent);
    button->setAutoDefault(false);
    button->setFixedWidth(button->fontMetrics().horizontalAdvance(">") + 24);
    platform::SetControlId(button, id);
    return button;
}

} // namespace

CSelect2ConfigDlg::CSelect2ConfigDlg(TWFileSystem* fileSystem, INetworkInfo* networkInfo, QWidget* parent)
    : QDialog(parent), m_fileSystem(fileSystem), m_networkInfo(networkInfo)
{
    setWindowTitle("Compare Device Configurations");
    platform::SetControlId(this, kIddSelect2Config);

    m_picker = new CDatasetComboBox(this);
    m_picker->setMinimumContentsLength(24);
    platform::SetControlId(m_picker, kIdcSelect2ConfigPicker);
    m_deviceEdit = new QLineEdit(this);
    m_deviceEdit->setReadOnly(true);
    platform::SetControlId(m_deviceEdit, kIdcSelect2ConfigDevice);
    m_files = new QTreeWidget(this);
    platform::SetControlId(m_files, kIdcSelect2ConfigFiles);
    m_files->setRootIsDecorated(false);
    m_files->setUniformRowHeights(true);
    m_files->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_files->setMinimumHeight(140);
    m_firstText = MakeFileText(this, kIdcSelect2ConfigFirstText);
    m_secondText = MakeFileText(this, kIdcSelect2ConfigSecondText);
    auto* takeFirst = MakeTakeButton(this, kIdcSelect2ConfigTakeFirst);
    auto* takeSecond = MakeTakeButton(this, kIdcSelect2ConfigTakeSecond);

    auto* ok = new QPushButton("OK", this);
    ok->setDefault(true);
    platform::SetControlId(ok, kIdcSelect2ConfigOk);
    auto* cancel = new QPushButton("Cancel", this);
    cancel->setAutoDefault(false);
    platform::SetControlId(cancel, kIdcSelect2ConfigCancel);

    auto* left = new QGridLayout;
    left->addWidget(new QLabel("DataFolder:", this), 0, 0);
    left->addWidget(m_picker, 0, 1);
    left->addWidget(new QLabel("Device:", this), 1, 0);
    left->addWidget(m_deviceEdit, 1, 1);
    left->addWidget(m_files, 2, 0, 1, 2);
    left->setRowStretch(2, 1);
    auto* right = new QGridLayout;
    right->addWidget(new QLabel("Please Select Two Device Configurations:", this), 0, 0, 1, 2);
    right->addWidget(new QLabel("Device Configuration 1:", this), 1, 1);
    right->addWidget(takeFirst, 2, 0);
    right->addWidget(m_firstText, 2, 1);
    right->addWidget(new QLabel("Device Configuration 2:", this), 3, 1);
    right->addWidget(takeSecond, 4, 0);
    right->addWidget(m_secondText, 4, 1);
    right->setRowStretch(5, 1);
    right->setColumnStretch(1, 1);
    auto* body = new QHBoxLayout;
    body->addLayout(left, 1);
    body->addLayout(right, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);
    resize(720, 320);

    connect(m_picker, &CComboBoxTip::selectionChangeNotified, this, [this](int) { FillFiles(); });
    connect(takeFirst, &QPushButton::clicked, this, [this] { OnTake(true); });
    connect(takeSecond, &QPushButton::clicked, this, [this] { OnTake(false); });
    connect(ok, &QPushButton::clicked, this, &CSelect2ConfigDlg::OnOk);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

CSelect2ConfigDlg::~CSelect2ConfigDlg() = default;

void CSelect2ConfigDlg::showEvent(QShowEvent* event)
{
    if (!m_initialised) {
        m_initialised = true;
        OnInitDialog();
    }
    QDialog::showEvent(event);
}

void CSelect2ConfigDlg::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && focusWidget() == m_deviceEdit) {
        FillFiles();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CSelect2ConfigDlg::OnInitDialog()
{
    m_deviceEdit->setText(QString::fromStdString(m_deviceName));
    m_files->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_files->setHeaderLabels({"File Name", "Create Time", "Path"});
    m_files->setColumnWidth(ColName, 160);
    m_files->setColumnWidth(ColCreateTime, 130);
    m_files->setColumnHidden(ColPath, true);
    if (m_fileSystem) {
        m_picker->InitDataset(nullptr, CBaseline::Instance(), false, false);
        if (m_networkInfo)
            m_picker->SetCurSel(m_picker->InsertNewItem(0, kProjectEntry, kItemProject));
    }
    m_picker->SetCurSel(0);
    FillFiles();
}

void CSelect2ConfigDlg::FillFiles()
{
    if (m_picker->GetCurSel() < 0)
        return;
    const std::string name = m_picker->GetDataSetFullName("Please select a DataFolder!");
    if (name.empty())
        return;
    m_files->clear();
    if (name == kProjectEntry) {
        if (!m_networkInfo || !m_fileSystem)
            return;
        const std::string fileName = m_networkInfo->GetDeviceProperty(m_deviceName, "config_file_name");
        if (fileName.empty())
            return;
        const std::string path =
            m_fileSystem->GetConfigFilePath(fileName, m_networkInfo->GetDeviceNumber(m_deviceName), false);
        if (IsFile(path))
            AddFileRow(fileName, path);
        return;
    }
    TWDataSet* registry = m_fileSystem ? m_fileSystem->GetDataSet() : nullptr;
    const std::string dataFolder = registry ? registry->GetDataSetPath(name) : std::string();
    // No DataFolder folder must not mean the working folder.
    if (dataFolder.empty())
        return;
    const std::string folder = TWFileSystem::GetLiveConfigFolder(dataFolder);
    for (const platform::DirEntry& entry : platform::FindFiles(folder + m_deviceName + ".config")) {
        if (entry.IsDirectory() || entry.name == "." || entry.name == "..")
            continue;
        AddFileRow(entry.name, folder + entry.name);
    }
}

void CSelect2ConfigDlg::AddFileRow(const std::string& name, const std::string& path)
{
    const std::string created = platform::FormatLocalTime(platform::CreationTime(path), "%Y-%m-%d %H:%M");
    auto* row = new QTreeWidgetItem(
        QStringList{QString::fromStdString(name), QString::fromStdString(created), QString::fromStdString(path)});
    m_files->addTopLevelItem(row);
    m_files->scrollToItem(row);
}

void CSelect2ConfigDlg::OnTake(bool first)
{
    QTreeWidgetItem* chosen = nullptr;
    for (int row = 0; row < m_files->topLevelItemCount() && !chosen; ++row)
        if (m_files->topLevelItem(row)->isSelected())
            chosen = m_files->topLevelItem(row);
    if (!chosen) {
        platform::AppMessageBox("Please select a configuration file.");
        return;
    }
    const std::string path = chosen->text(ColPath).toStdString();
    if (path == (first ? m_secondPath : m_firstPath)) {
        platform::AppMessageBox("Please select two different configuration files.");
        return;
    }
    (first ? m_firstPath : m_secondPath) = path;
    m_firstText->setPlainText(QString::fromStdString(m_firstPath));
    m_secondText->setPlainText(QString::fromStdString(m_secondPath));
}

void CSelect2ConfigDlg::OnOk()
{
    if (m_firstPath.empty() || m_secondPath.empty()) {
        platform::AppMessageBox("Please select two configuration files.");
        return;
    }
    accept();
}
