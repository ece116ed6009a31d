#include "guidataset/compare/CCompareShowCommandDlg.h"

#include "guidataset/compare/core/CompareConfigFile.h"
#include "guidataset/dataset/CDatasetComboBox.h"
#include "guidataset/resources/CompareShowCommandDlgIds.h"
#include "guidataset/showcmd/core/ShowCommandResultList.h"
#include "host/adaptor/GuiDatasetCenter.h"
#include "host/baseline/CBaseline.h"
#include "host/netutil/CliText.h"
#include "host/util/CFileName.h"
#include "host/util/TWDataSet.h"
#include "host/util/TWFileSystem.h"
#include "platform/core/DirEntry.h"
#include "platform/core/Prompter.h"
#include "platform/qt/ControlId.h"
#include "platform/qt/StartProcess.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <sys/stat.h>

#include <vector>

namespace {

constexpr const char* kPickDataFolder = "Please select a DataFolder";
constexpr const char* kViewerProgram = "TarnwickDiff.exe";

std::string CurrentDataFolderName()
{
    CNetworkBase* baseline = GetCurrentBaseline();
    TWFileSystem* fileSystem = baseline ? baseline->GetFileSystem() : nullptr;
    if (TWDataSet* registry = fileSystem ? fileSystem->GetDataSet() : nullptr)
        return registry->GetDatasetName(registry->GetCurrentDataSet());
    GuiDatasetCenter* service = GuiDatasetCenter::Instance();
    return service ? service->GetCurrentDatasetFullPath() : std::string();
}

// The result files of folder whose names begin with prefix, in the
// directory's order.
std::vector<std::string> ResultFiles(const std::string& folder, const std::string& prefix)
{
    std::vector<std::string> names;
    EnumShowCommandResults(
        [](const platform::DirEntry& entry, int, std::intptr_t, void* context) {
            static_cast<std::vector<std::string>*>(context)->push_back(entry.name);
        },
        &names, 0, folder, prefix, false);
    return names;
}

bool IsFile(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

QComboBox* MakeList(QWidget* parent, int id)
{
    auto* list = new QComboBox(parent);
    list->setEditable(false);
    list->setMinimumContentsLength(24);
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    platform::SetControlId(list, id);
    return list;
}

} // namespace

CCompareShowCommandDlg::CCompareShowCommandDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle("Compare show command");
    platform::SetControlId(this, kIddCompareShowCommand);

    auto* deviceLabel = new QLabel("Device Name:", this);
    m_deviceEdit = new QLineEdit(this);
    platform::SetControlId(m_deviceEdit, kIdcCompareShowCommandDevice);
    deviceLabel->setBuddy(m_deviceEdit);

    auto* group = new QGroupBox("Select Two DataFolders", this);
    m_first.picker = new CDatasetComboBox(group);
    platform::SetControlId(m_first.picker, kIdcCompareShowCommandFirstPicker);
    m_second.picker = new CDatasetComboBox(group);
    platform::SetControlId(m_second.picker, kIdcCompareShowCommandSecondPicker);
    m_first.commands = MakeList(group, kIdcCompareShowCommandFirstCommand);
    m_second.commands = MakeList(group, kIdcCompareShowCommandSecondCommand);
    m_first.executions = MakeList(group, kIdcCompareShowCommandFirstExecution);
    m_second.executions = MakeList(group, kIdcCompareShowCommandSecondExecution);

    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel("First Datafolder:", group), 0, 0);
    grid->addWidget(new QLabel("Second Datafolder:", group), 0, 1);
    grid->addWidget(m_first.picker, 1, 0);
    grid->addWidget(m_second.picker, 1, 1);
    grid->addWidget(m_first.commands, 2, 0);
    grid->addWidget(m_second.commands, 2, 1);
    grid->addWidget(m_first.executions, 3, 0);
    grid->addWidget(m_second.executions, 3, 1);

    auto* compare = new QPushButton("Compare", this);
    platform::SetControlId(compare, kIdcCompareShowCommandCompare);
    compare->setDefault(true);
    auto* cancel = new QPushButton("Cancel", this);
    platform::SetControlId(cancel, kIdcCompareShowCommandCancel);
    cancel->setAutoDefault(false);

    auto* deviceRow = new QHBoxLayout;
    deviceRow->addWidget(deviceLabel);
    deviceRow->addWidget(m_deviceEdit, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(compare);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(deviceRow);
    layout->addWidget(group);
    layout->addLayout(buttons);

    connect(compare, &QPushButton::clicked, this, &CCompareShowCommandDlg::OnCompare);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    for (Side* side : {&m_first, &m_second}) {
        connect(side->picker, &CComboBoxTip::selectionChangeNotified, this,
                [this, side](int) { OnPickerChanged(*side); });
        connect(side->commands, &QComboBox::activated, this, [this, side](int) { FillExecutions(*side); });
    }
}

CCompareShowCommandDlg::~CCompareShowCommandDlg() = default;

void CCompareShowCommandDlg::showEvent(QShowEvent* event)
{
    if (!m_initialised) {
        m_initialised = true;
        OnInitDialog();
    }
    QDialog::showEvent(event);
}

void CCompareShowCommandDlg::OnInitDialog()
{
    m_deviceEdit->setText(QString::fromStdString(m_deviceName));
    m_deviceEdit->setReadOnly(true);
    if (m_dataFolderName.empty())
        m_dataFolderName = CurrentDataFolderName();
    const std::string start = m_dataFolderName;
    for (Side* side : {&m_first, &m_second}) {
        side->picker->InitDataset(start.c_str(), nullptr, true, false);
        int index = side->picker->FindDataSet(start.c_str());
        if (index < 0)
            index = side->picker->FindStringExact(start);
        if (index >= 0)
            side->picker->SetCurSel(index);
    }
    for (Side* side : {&m_first, &m_second}) {
        side->executions->clear();
        FillCommands(*side);
        FillExecutions(*side);
    }
}

std::string CCompareShowCommandDlg::DeviceName() const
{
    return std::string(CliText::Trim(m_deviceEdit->text().toStdString()));
}

std::string CCompareShowCommandDlg::SideDataFolderPath(Side& side)
{
    return side.picker->GetDataSetPath(kPickDataFolder, m_dataFolderName);
}

void CCompareShowCommandDlg::OnPickerChanged(Side& side)
{
    side.executions->clear();
    FillCommands(side);
    FillExecutions(side);
}

void CCompareShowCommandDlg::FillCommands(Side& side)
{
    const std::string device = DeviceName();
    if (device.empty())
        return;
    const std::string path = SideDataFolderPath(side);
    if (path.empty())
        return;
    const std::string folder = TWFileSystem::GetLiveShowCommandDataFolder(path);
    side.commands->clear();
    for (const std::string& name : ResultFiles(folder, CFileName::ToShowCommandFilter(device))) {
        std::string resultDevice, command, time;
        CFileName::FromShowCommandResultFileName(name, resultDevice, command, time);
        // Another device whose name begins with this one's shares the prefix.
        if (resultDevice != device)
            continue;
        const QString text = QString::fromStdString(command);
        if (side.commands->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0)
            side.commands->addItem(text);
    }
    if (side.commands->count() > 0)
        side.commands->setCurrentIndex(0);
}

void CCompareShowCommandDlg::FillExecutions(Side& side)
{
    const std::string device = DeviceName();
    if (device.empty())
        return;
    const std::string path = SideDataFolderPath(side);
    if (path.empty() || side.commands->currentIndex() < 0)
        return;
    const std::string command = side.commands->currentText().toStdString();
    const std::string folder = TWFileSystem::GetLiveShowCommandDataFolder(path);
    side.executions->clear();
    for (const std::string& name : ResultFiles(folder, CFileName::ToShowCommandResultFilter(device, command))) {
        std::string resultDevice, resultCommand, time;
        CFileName::FromShowCommandResultFileName(name, resultDevice, resultCommand, time);
        // The directory search ignores case; a command spelt otherwise is another command.
        if (resultDevice != device || resultCommand != command)
            continue;
        side.executions->addItem(QString::fromStdString(time));
    }
    if (side.executions->count() > 0)
        side.executions->setCurrentIndex(0);
}

std::string CCompareShowCommandDlg::SideResultPath(Side& side, std::string& fileName)
{
    fileName.clear();
    const std::string path = SideDataFolderPath(side);
    if (path.empty())
        return {};
    if (side.commands->currentIndex() < 0) {
        platform::MessageBoxTW("Please select a Show Command", platform::BoxIcon::Information,
                               platform::BoxButtons::Ok, this);
        return {};
    }
    if (side.executions->currentIndex() < 0) {
        platform::MessageBoxTW("The is no result in the DataFolder.", platform::BoxIcon::Information,
                               platform::BoxButtons::Ok, this);
        return {};
    }
    fileName = CFileName::ToShowCommandResultFileName(DeviceName(), side.commands->currentText().toStdString(),
                                                      side.executions->currentText().toStdString(), "txt");
    return TWFileSystem::GetLiveShowCommandDataFolder(path) + fileName;
}

bool CCompareShowCommandDlg::ResultFileThere(const std::string& path, const std::string& fileName)
{
    if (IsFile(path))
        return true;
    platform::MessageBoxTW("File \"" + fileName + "\" does not exist", platform::BoxIcon::Information,
                           platform::BoxButtons::Ok, this);
    return false;
}

std::string CCompareShowCommandDlg::DiffCommandLine(const std::string& firstPath, const std::string& secondPath)
{
    return std::string("\"") + kViewerProgram + "\" \"" + firstPath + "\" \"" + secondPath + "\"";
}

void CCompareShowCommandDlg::OnCompare()
{
    if (DeviceName().empty())
        return;
    std::string firstName;
    const std::string first = SideResultPath(m_first, firstName);
    // The second side is looked at only when the first names a file.
    if (first.empty() || !ResultFileThere(first, firstName))
        return;
    std::string secondName;
    const std::string second = SideResultPath(m_second, secondName);
    if (second.empty() || !ResultFileThere(second, secondName))
        return;
    if (CompareConfigFile(first, second, true)) {
        platform::MessageBoxTW("These two results have not been modified.", platform::BoxIcon::Information,
                               platform::BoxButtons::Ok, this);
        return;
    }
    // The viewer runs on its own; only a failed start is reported.
    if (!platform::StartProcess(DiffCommandLine(first, second)))
        platform::MessageBoxTW(std::string("The difference viewer ") + kViewerProgram +
                                   " cannot be started: it is neither on PATH nor in the workstation's own folder.",
                               platform::BoxIcon::Exclamation, platform::BoxButtons::Ok, this);
}
