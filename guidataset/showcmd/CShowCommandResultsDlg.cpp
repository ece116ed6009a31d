#include "guidataset/showcmd/CShowCommandResultsDlg.h"

#include "guidataset/browser/CBrowserIcons.h"
#include "guidataset/compare/CCompareShowCommandDlg.h"
#include "guidataset/dataset/CDatasetComboBox.h"
#include "guidataset/resources/ShowCommandResultsDlgIds.h"
#include "guidataset/showcmd/CResultNameListModel.h"
#include "guidataset/showcmd/core/ResultNoteCheck.h"
#include "guidataset/showcmd/core/ResultTextSearch.h"
#include "guidataset/showcmd/core/ShowCommandResultExport.h"
#include "guidataset/showcmd/core/ShowCommandResultFile.h"
#include "guidataset/showcmd/core/ShowCommandResultNames.h"
#include "host/adaptor/GuiCenter.h"
#include "host/adaptor/GuiLiveAccessCenter.h"
#include "host/baseline/CBaseline.h"
#include "host/guiutil/CInputMessageDlg.h"
#include "host/guiutil/CSerialEdit.h"
#include "host/guiutil/CSerialEditWrapper.h"
#include "host/netmodel/DeviceSetting.h"
#include "host/netmodel/GlobalNetworkInfo.h"
#include "host/netmodel/TWDeviceFactory.h"
#include "host/netmodel/TWDeviceType.h"
#include "host/util/CFileName.h"
#include "host/util/TWDataSet.h"
#include "host/util/TWFileSystem.h"
#include "platform/core/Paths.h"
#include "platform/core/Prompter.h"
#include "platform/qt/ControlId.h"
#include "platform/qt/RunModal.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStyle>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

#include <sys/stat.h>

#include <algorithm>
#include <vector>

namespace {

constexpr const char* kSaveQuestion = "Do you want to save the modifications?";
constexpr const char* kReExecuteTip = "Re-Execute";
constexpr std::size_t kKeywordMaxBytes = 254;

TWDataSet* Registry()
{
    CBaseline* project = CBaseline::Instance();
    TWFileSystem* fileSystem = project ? project->GetFileSystem() : nullptr;
    return fileSystem ? fileSystem->GetDataSet() : nullptr;
}

bool IsFile(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::string FileNameOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The first bytes of text, cut before a character that would not fit whole.
std::string CutUtf8(const std::string& text, std::size_t maxBytes)
{
    if (text.size() <= maxBytes)
        return text;
    std::size_t end = maxBytes;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end;
    return text.substr(0, end);
}

QToolButton* MakeToolButton(QWidget* parent, int id, const char* themeIcon, QStyle::StandardPixmap fallback,
                            const char* tip)
{
    auto* button = new QToolButton(parent);
    button->setIcon(QIcon::fromTheme(QString::fromLatin1(themeIcon), parent->style()->standardIcon(fallback)));
    button->setToolTip(QString::fromLatin1(tip));
    button->setAutoRaise(true);
    platform::SetControlId(button, id);
    return button;
}

QTreeView* MakeListView(QWidget* parent, int id, CResultNameListModel* model)
{
    auto* view = new QTreeView(parent);
    view->setRootIsDecorated(false);
    view->setUniformRowHeights(true);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setModel(model);
    view->header()->setStretchLastSection(true);
    platform::SetControlId(view, id);
    return view;
}

} // namespace

CShowCommandResultsDlg::CShowCommandResultsDlg(QWidget** ownerSlot, QWidget* parent)
    : QDialog(parent), m_ownerSlot(ownerSlot)
{
    setWindowTitle("Show Command Results Browser");
    setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);
    platform::SetControlId(this, kIddShowCommandResults);
    BuildControls();
    resize(980, 640);
    setMinimumSize(minimumSizeHint());
}

CShowCommandResultsDlg::~CShowCommandResultsDlg()
{
    if (m_ownerSlot && *m_ownerSlot == this)
        *m_ownerSlot = nullptr;
}

CShowCommandResultsDlg* CShowCommandResultsDlg::ShowInstance(QWidget*& slot)
{
    auto* window = dynamic_cast<CShowCommandResultsDlg*>(slot);
    if (!window) {
        window = new CShowCommandResultsDlg(&slot);
        slot = window;
    }
    if (window->isMinimized())
        window->showNormal();
    else
        window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void CShowCommandResultsDlg::BuildControls()
{
    auto* group = new QGroupBox("DataFolder", this);
    m_picker = new CDatasetComboBox(group);
    platform::SetControlId(m_picker, kIdcResultsDataFolderPicker);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(m_picker);

    m_devices = new CResultNameListModel("Device", this);
    m_commands = new CResultNameListModel("Command", this);
    m_deviceView = MakeListView(this, kIdcResultsDeviceList, m_devices);
    m_commandView = MakeListView(this, kIdcResultsCommandList, m_commands);
    auto* commandLabel = new QLabel("Show command:", this);
    commandLabel->setBuddy(m_commandView);

    auto* left = new QVBoxLayout;
    left->addWidget(group);
    left->addWidget(m_deviceView, 3);
    left->addWidget(commandLabel);
    left->addWidget(m_commandView, 2);

    auto* timeLabel = new QLabel("Execution Time:", this);
    m_times = new QComboBox(this);
    m_times->setEditable(false);
    m_times->setMinimumContentsLength(24);
    platform::SetControlId(m_times, kIdcResultsTimeList);
    timeLabel->setBuddy(m_times);
    m_previous = MakeToolButton(this, kIdcResultsPrevious, "go-previous", QStyle::SP_ArrowBack, "To previous result");
    m_next = MakeToolButton(this, kIdcResultsNext, "go-next", QStyle::SP_ArrowForward, "To next result");
    m_reExecute = MakeToolButton(this, kIdcResultsReExecute, "view-refresh", QStyle::SP_BrowserReload, kReExecuteTip);
    m_save = MakeToolButton(this, kIdcResultsSave, "document-save", QStyle::SP_DialogSaveButton, "Save the result");
    auto* timeRow = new QHBoxLayout;
    timeRow->addWidget(timeLabel);
    timeRow->addWidget(m_times, 1);
    for (QToolButton* button : {m_previous, m_next, m_reExecute, m_save})
        timeRow->addWidget(button);

    m_editor = new CSerialEditWrapper(this);
    m_editor->Init("Courier");
    m_text = m_editor->GetEdit();
    platform::SetControlId(m_text, kIdcResultsText);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setContextMenuPolicy(Qt::CustomContextMenu);
    m_status = new QLabel(this);
    m_status->setWordWrap(true);
    m_status->setVisible(false);
    platform::SetControlId(m_status, kIdcResultsStatus);

    auto* noteLabel = new QLabel("Please enter NOTE here:", this);
    m_note = new QPlainTextEdit(this);
    m_note->setTabChangesFocus(true);
    m_note->setMaximumHeight(110);
    platform::SetControlId(m_note, kIdcResultsNote);
    noteLabel->setBuddy(m_note);

    auto* right = new QVBoxLayout;
    right->addLayout(timeRow);
    right->addWidget(m_editor, 1);
    right->addWidget(m_status);
    right->addWidget(noteLabel);
    right->addWidget(m_note);

    auto* panes = new QHBoxLayout;
    panes->addLayout(left, 1);
    panes->addLayout(right, 3);

    m_compare = new QPushButton("Compare", this);
    platform::SetControlId(m_compare, kIdcResultsCompare);
    auto* exportButton = new QPushButton("Export", this);
    platform::SetControlId(exportButton, kIdcResultsExport);
    auto* closeButton = new QPushButton("Close", this);
    platform::SetControlId(closeButton, kIdcResultsClose);
    for (QPushButton* button : {m_compare, exportButton, closeButton})
        button->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_compare);
    buttons->addWidget(exportButton);
    buttons->addWidget(closeButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(panes, 1);
    layout->addLayout(buttons);

    m_note->setEnabled(false);
    m_compare->setEnabled(false);
    UpdateNavigation();

    connect(m_picker, &CComboBoxTip::selectionChangeNotified, this, [this](int) { OnPickerChanged(); });
    // A device chosen by the user keeps the command where it can, but starts at
    // the command's first execution.
    connect(m_deviceView->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        m_time.clear();
        OnDeviceChanged();
    });
    connect(m_commandView->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { OnCommandChanged(); });
    connect(m_times, &QComboBox::currentIndexChanged, this, [this](int) { OnTimeChanged(); });
    connect(m_previous, &QToolButton::clicked, this, [this] { Step(-1); });
    connect(m_next, &QToolButton::clicked, this, [this] { Step(1); });
    connect(m_reExecute, &QToolButton::clicked, this, &CShowCommandResultsDlg::ReExecute);
    connect(m_save, &QToolButton::clicked, this, [this] { SaveModifications(false); });
    connect(m_compare, &QPushButton::clicked, this, &CShowCommandResultsDlg::Compare);
    connect(exportButton, &QPushButton::clicked, this, &CShowCommandResultsDlg::Export);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    connect(m_text, &QWidget::customContextMenuRequested, this, &CShowCommandResultsDlg::ShowTextMenu);
    connect(m_text->document(), &QTextDocument::contentsChange, this, &CShowCommandResultsDlg::KeepFindText);
    connect(m_note, &QPlainTextEdit::textChanged, this, &CShowCommandResultsDlg::LimitNote);
    connect(new QShortcut(QKeySequence::Find, this), &QShortcut::activated, this,
            &CShowCommandResultsDlg::AskAndFind);
    connect(new QShortcut(QKeySequence(Qt::Key_F3), this), &QShortcut::activated, this,
            &CShowCommandResultsDlg::FindNext);
}

// Entry points.

void CShowCommandResultsDlg::OpenResultFile(const std::string& path)
{
    const std::size_t slash = path.find_last_of("/\\");
    if (slash == std::string::npos) {
        OpenDataFolder(std::string(), std::string());
        return;
    }
    CFileName::FromShowCommandResultFileName(path.substr(slash + 1), m_device, m_command, m_time);
    const std::string folder = path.substr(0, slash + 1);
    const std::size_t parentEnd = folder.find_last_of("/\\", folder.size() >= 2 ? folder.size() - 2 : 0);
    const std::string dataFolder = parentEnd == std::string::npos ? folder : folder.substr(0, parentEnd + 1);
    m_since.clear();
    m_picker->setEnabled(true);
    SelectDataFolder(dataFolder);
    // The listing of another folder than the DataFolder's own: the one the file lies in.
    if (platform::EnsureTrailingSlash(folder) != m_folder) {
        m_folder = platform::EnsureTrailingSlash(folder);
        ResetDevices(nullptr);
    }
}

void CShowCommandResultsDlg::OpenDataFolder(const std::string& dataFolder, const std::string& device)
{
    m_since.clear();
    std::string path = dataFolder;
    TWDataSet* registry = Registry();
    if (path.empty() && registry)
        path = registry->GetCurrentDataSet();
    else if (registry && path.find_first_of("/\\") == std::string::npos)
        path = registry->GetDataSetPath(path);
    m_device = device;
    m_command.clear();
    m_time.clear();
    m_picker->setEnabled(true);
    SelectDataFolder(path);
}

void CShowCommandResultsDlg::OpenDevices(const std::set<std::string>& devices, const std::string& dataFolder,
                                         const std::string& since, const std::string& title,
                                         const std::string& device)
{
    if (!SaveModifications(true))
        return;
    m_since = since;
    TWDataSet* registry = Registry();
    std::string path = dataFolder;
    if (path.empty() && registry)
        path = registry->GetCurrentDataSet();
    m_device = device;
    m_command.clear();
    m_time.clear();
    m_picker->OnDestroy();
    std::string shown = title;
    if (shown.empty())
        shown = registry ? registry->GetDatasetName(path) : platform::StripTrailingSeparators(path);
    m_picker->SetCurSel(m_picker->AddString(shown));
    m_picker->setEnabled(false);
    m_dataFolderPath = platform::EnsureTrailingSlash(path);
    m_folder = TWFileSystem::GetLiveShowCommandDataFolder(m_dataFolderPath);
    m_commands->Clear();
    ResetDevices(&devices);
}

// DataFolder and device lists.

void CShowCommandResultsDlg::SelectDataFolder(const std::string& path)
{
    if (!SaveModifications(true))
        return;
    m_picker->OnDestroy();
    TWDataSet* registry = Registry();
    const std::string name = registry ? registry->GetDatasetName(path) : platform::StripTrailingSeparators(path);
    {
        QSignalBlocker quiet(m_picker);
        m_picker->InitDataset(name.c_str(), nullptr, false, false);
        const int index = m_picker->FindDataSet(name.c_str());
        if (index >= 0)
            m_picker->SetCurSel(index);
    }
    m_resetOnDataFolderChange = false;
    UseDataFolder(path);
    m_resetOnDataFolderChange = true;
}

void CShowCommandResultsDlg::UseDataFolder(const std::string& path)
{
    if (!SaveModifications(true))
        return;
    m_dataFolderPath = path.empty() ? path : platform::EnsureTrailingSlash(path);
    m_folder = path.empty() ? path : TWFileSystem::GetLiveShowCommandDataFolder(m_dataFolderPath);
    if (m_resetOnDataFolderChange) {
        m_device.clear();
        m_command.clear();
        m_time.clear();
    }
    m_commands->Clear();
    ResetDevices(nullptr);
}

void CShowCommandResultsDlg::OnPickerChanged()
{
    if (!SaveModifications(true)) {
        // Back to the DataFolder whose result still holds the changes.
        QSignalBlocker quiet(m_picker);
        TWDataSet* registry = Registry();
        if (registry)
            m_picker->SetCurSel(m_picker->FindDataSet(registry->GetDatasetName(m_dataFolderPath).c_str()));
        return;
    }
    std::string name;
    const std::string path = m_picker->GetDataSetPath("Please select a DataFolder", name);
    if (!path.empty())
        UseDataFolder(path);
}

bool CShowCommandResultsDlg::ResetDevices(const std::set<std::string>* devices)
{
    if (!SaveModifications(true))
        return false;
    m_currentFile.clear();
    m_findPos = -1;
    m_findKeyword.clear();
    ClearDisplay();
    {
        QSignalBlocker quiet(m_times);
        m_times->clear();
    }
    m_lastTimeIndex = -1;
    m_lastDeviceRow = -1;
    m_lastCommandRow = -1;
    m_commands->Clear();

    FillDeviceList(*m_devices, m_folder, devices);
    if (m_devices->rowCount() == 0) {
        SetStatus(m_folder.empty() ? QString("No DataFolder is chosen.")
                                   : QString("This DataFolder holds no show-command results."));
        UpdateNavigation();
        return true;
    }
    const int row = m_devices->FindName(m_device);
    SelectRowQuietly(m_deviceView, row >= 0 ? row : 0);
    OnDeviceChanged();
    return true;
}

void CShowCommandResultsDlg::FillDeviceList(CResultNameListModel& model, const std::string& folder,
                                            const std::set<std::string>* devices)
{
    std::vector<std::string> names;
    std::vector<QIcon> icons;
    GlobalNetworkInfo* network = GetCurrentGNI();
    const auto typeOf = [network](const std::string& name) {
        DeviceSetting* setting = network ? network->getDeviceSetting(name) : nullptr;
        return setting ? setting->GetDeviceType() : -1;
    };
    if (devices) {
        for (const std::string& name : *devices) {
            const int type = typeOf(name);
            if (type < 0 || !TWDeviceFactory::IsValidAction(type, TW_ACTION_SHOW_COMMAND))
                continue;
            names.push_back(name);
            icons.push_back(CBrowserIcons::DeviceIcon(TWDeviceFactory::GetIndexOfDeviceSubType(type)));
        }
    } else if (!folder.empty()) {
        names = ListShowCommandDevices(folder);
        icons.reserve(names.size());
        for (const std::string& name : names) {
            const int type = typeOf(name);
            icons.push_back(CBrowserIcons::DeviceIcon(type < 0 ? 0 : TWDeviceFactory::GetIndexOfDeviceSubType(type)));
        }
    }
    model.SetRows(names, std::move(icons));
}

void CShowCommandResultsDlg::OnDeviceChanged()
{
    const int row = SelectedRow(m_deviceView);
    if (row == m_lastDeviceRow)
        return;
    if (!SaveModifications(true)) {
        SelectRowQuietly(m_deviceView, m_lastDeviceRow);
        return;
    }
    m_lastDeviceRow = row;
    m_lastCommandRow = -1;
    if (row < 0) {
        m_commands->Clear();
        FillTimes();
        return;
    }
    m_device = m_devices->Name(row);
    m_commands->SetRows(ListShowCommandCommands(m_folder, m_device, m_since));
    if (m_commands->rowCount() > 0) {
        const int command = m_commands->FindName(m_command);
        SelectRowQuietly(m_commandView, command >= 0 ? command : 0);
    }
    m_lastCommandRow = SelectedRow(m_commandView);
    FillTimes();
}

void CShowCommandResultsDlg::OnCommandChanged()
{
    const int row = SelectedRow(m_commandView);
    if (row == m_lastCommandRow)
        return;
    if (!SaveModifications(true)) {
        SelectRowQuietly(m_commandView, m_lastCommandRow);
        return;
    }
    m_lastCommandRow = row;
    m_time.clear();
    FillTimes();
}

void CShowCommandResultsDlg::FillTimes()
{
    const int commandRow = SelectedRow(m_commandView);
    m_command = commandRow >= 0 ? m_commands->Name(commandRow) : std::string();
    {
        QSignalBlocker quiet(m_times);
        m_times->clear();
        if (SelectedRow(m_deviceView) >= 0 && commandRow >= 0) {
            for (const std::string& time : ListShowCommandTimes(m_folder, m_device, m_command, m_since))
                m_times->addItem(QString::fromStdString(time));
            if (m_times->count() > 0) {
                const int wanted = m_times->findText(QString::fromStdString(m_time), Qt::MatchExactly);
                m_times->setCurrentIndex(wanted >= 0 ? wanted : 0);
            }
        }
    }
    m_lastTimeIndex = m_times->currentIndex();
    ShowSelectedResult();
    UpdateNavigation();
}

void CShowCommandResultsDlg::OnTimeChanged()
{
    const int index = m_times->currentIndex();
    if (index == m_lastTimeIndex)
        return;
    if (!SaveModifications(true)) {
        QSignalBlocker quiet(m_times);
        m_times->setCurrentIndex(m_lastTimeIndex);
        return;
    }
    m_lastTimeIndex = index;
    ShowSelectedResult();
    UpdateNavigation();
}

// The result shown.

void CShowCommandResultsDlg::ShowSelectedResult()
{
    m_currentFile.clear();
    m_findPos = -1;
    m_findKeyword.clear();
    SetStatus(QString());
    if (SelectedRow(m_deviceView) < 0 || SelectedRow(m_commandView) < 0 || m_times->currentIndex() < 0) {
        ClearDisplay();
        return;
    }
    m_time = m_times->currentText().toStdString();
    const std::string file = m_folder + CFileName::ToShowCommandResultFileName(m_device, m_command, m_time, "txt");
    std::string content;
    if (!ReadShowCommandResult(file, content) && !IsFile(file)) {
        ClearDisplay();
        SetStatus(QString("The result %1 is no longer in the DataFolder.").arg(QString::fromStdString(FileNameOf(file))));
        return;
    }
    m_currentFile = file;
    m_note->setEnabled(true);
    m_compare->setEnabled(true);
    std::string resultText;
    std::string note;
    SplitShowCommandResult(content, resultText, note);
    {
        QSignalBlocker quiet(m_note);
        m_note->setPlainText(QString::fromStdString(WithLfLineEnds(note)));
    }
    m_lastNote = m_note->toPlainText();
    m_storedNote = NoteText();

    const std::string companion = m_currentFile + ".rtf";
    bool shown = false;
    if (IsFile(companion)) {
        shown = m_text->OnOpen(companion);
        if (!shown)
            SetStatus(QString("The formatting of this result (%1) could not be read: %2 The plain result is shown; "
                              "saving writes the formatting again.")
                          .arg(QString::fromStdString(FileNameOf(companion)),
                               QString::fromStdString(m_text->GetLastError())));
    }
    m_findTextValid = false;   // not kept up to date while the whole text is replaced
    if (!shown) {
        const std::string plain = WithLfLineEnds(resultText);
        // Find searches this very text until it is edited: no copy out of a
        // large document, and one conversion shared with the editor.
        m_findText = QString::fromStdString(plain);
        m_text->SetPlainTextShared(m_findText);
        m_findTextValid = true;
    }
    m_text->SetFilePath(companion);
    m_text->SetModified(false);
}

void CShowCommandResultsDlg::ClearDisplay()
{
    m_currentFile.clear();
    {
        QSignalBlocker quiet(m_note);
        m_note->clear();
    }
    m_lastNote.clear();
    m_storedNote.clear();
    m_text->SetPlainTextContent(std::string());
    m_text->SetModified(false);
    m_note->setEnabled(false);
    m_compare->setEnabled(false);
    SetStatus(QString());
}

bool CShowCommandResultsDlg::SaveModifications(bool ask)
{
    if (m_currentFile.empty())
        return true;
    const std::string note = NoteText();
    if (note == m_storedNote && !m_text->IsModified())
        return true;
    if (ask && platform::MessageBoxTW(kSaveQuestion, platform::BoxIcon::Exclamation, platform::BoxButtons::YesNo,
                                      this) != platform::BoxAnswer::Yes) {
        // The changes are dropped: nothing is pending any more.
        m_storedNote = note;
        m_text->SetModified(false);
        return true;
    }
    const std::string text = m_text->GetPlainTextContent();
    const ResultSaveProblem problem = CheckResultBeforeSave(text, note);
    if (problem != ResultSaveProblem::None) {
        platform::MessageBoxTW(ResultSaveProblemMessage(problem), platform::BoxIcon::Exclamation,
                               platform::BoxButtons::Ok, this);
        return false;
    }
    if (!WriteShowCommandResult(m_currentFile, WithCrLfLineEnds(text), WithCrLfLineEnds(note))) {
        platform::MessageBoxTW("The result " + FileNameOf(m_currentFile) +
                                   " could not be written, so it was left as it was: the DataFolder may be "
                                   "read-only or missing. Your changes are still shown.",
                               platform::BoxIcon::Exclamation, platform::BoxButtons::Ok, this);
        return false;
    }
    if (!m_text->OnSave(m_currentFile + ".rtf"))
        platform::MessageBoxTW("The result text and its note were saved, but not their formatting: " +
                                   m_text->GetLastError(),
                               platform::BoxIcon::Exclamation, platform::BoxButtons::Ok, this);
    m_text->SetModified(false);
    m_storedNote = note;
    return true;
}

void CShowCommandResultsDlg::LimitNote()
{
    const QString text = m_note->toPlainText();
    // Like an edit with a length limit: typing or pasting past it is refused,
    // while a longer note read from a file is shown whole.
    if (text.size() > static_cast<qsizetype>(kShowCommandNoteMaxChars) && text.size() > m_lastNote.size()) {
        const int position = std::min<int>(m_note->textCursor().position(), static_cast<int>(m_lastNote.size()));
        QSignalBlocker quiet(m_note);
        m_note->setPlainText(m_lastNote);
        QTextCursor cursor = m_note->textCursor();
        cursor.setPosition(position);
        m_note->setTextCursor(cursor);
        QApplication::beep();
        return;
    }
    m_lastNote = text;
}

// Navigation and commands.

void CShowCommandResultsDlg::UpdateNavigation()
{
    const int index = m_times->currentIndex();
    m_previous->setEnabled(index > 0);
    m_next->setEnabled(index >= 0 && index + 1 < m_times->count());
}

void CShowCommandResultsDlg::Step(int delta)
{
    const int index = m_times->currentIndex() + delta;
    if (m_times->currentIndex() < 0 || index < 0 || index >= m_times->count())
        return;
    m_times->setCurrentIndex(index);   // runs OnTimeChanged, which offers to save first
}

void CShowCommandResultsDlg::ReExecute()
{
    if (m_device.empty() || m_command.empty() || GuiCenter::Instance().IsRestrictedMode())
        return;
    if (!SaveModifications(true))
        return;
    const std::string path = m_folder + CFileName::ToShowCommandResultFileName(m_device, m_command, "", "txt");
    GuiLiveAccessCenter::Instance().ExecuteCommand(m_device, m_command, path, this);
    if (IsFile(path)) {
        std::string device, command, time;
        CFileName::FromShowCommandResultFileName(FileNameOf(path), device, command, time);
        {
            QSignalBlocker quiet(m_times);
            m_times->addItem(QString::fromStdString(time));
            m_times->setCurrentIndex(m_times->count() - 1);
        }
        m_lastTimeIndex = m_times->currentIndex();
        ShowSelectedResult();
    }
    UpdateNavigation();
    m_reExecute->setToolTip(kReExecuteTip);
    // A pause against a double click running the command twice.
    m_reExecute->setEnabled(false);
    QTimer::singleShot(600, m_reExecute, [button = m_reExecute] { button->setEnabled(true); });
}

void CShowCommandResultsDlg::Compare()
{
    TWDataSet* registry = Registry();
    CCompareShowCommandDlg dialog(this);
    dialog.SetDeviceName(m_device);
    dialog.SetShowCommand(m_command);
    dialog.SetDataFolderName(registry ? registry->GetDatasetName(m_dataFolderPath) : m_dataFolderPath);
    platform::RunModal(dialog);
}

void CShowCommandResultsDlg::Export()
{
    platform::FolderRequest request;
    request.title = "Please select a folder to export.";
    request.parent = this;
    const std::string folder = platform::Prompter::Instance().BrowseFolder(request);
    if (folder.empty() || m_folder.empty())
        return;
    const int count = ExportShowCommandResults(folder, m_folder, std::string());
    SetStatus(count > 0 ? QString("%1 results exported to %2.").arg(count).arg(QString::fromStdString(folder))
                        : QString("This DataFolder holds no results to export."));
}

// Find.

void CShowCommandResultsDlg::AskAndFind()
{
    CInputMessageDlg input(this);
    input.SetCaption("Find Text");
    input.SetLabel("Keyword:");
    input.SetText(std::string());
    input.SetMaxLength(0);
    input.SetMessages("Please input message!", "The input is invalid.", "The input is too long.");
    if (!input.DoModal())
        return;
    FindText(input.GetText());
}

void CShowCommandResultsDlg::FindText(const std::string& keyword)
{
    m_findKeyword = QString::fromStdString(CutUtf8(keyword, kKeywordMaxBytes));
    m_findPos = 0;
    FindNext();
}

void CShowCommandResultsDlg::KeepFindText(int position, int removed, int added)
{
    if (!m_findTextValid)
        return;
    if (position < 0 || removed < 0 || added < 0 || position + removed > m_findText.size()) {
        m_findTextValid = false;
        return;
    }
    // The changed stretch as the raw text has it (a paragraph end is one
    // character), so an edit costs its own length, not the whole result's.
    QTextCursor changed(m_text->document());
    changed.setPosition(position);
    changed.setPosition(std::min(position + added, m_text->document()->characterCount() - 1),
                        QTextCursor::KeepAnchor);
    const QString text = changed.selectedText();
    if (removed == added && QStringView(m_findText).mid(position, removed) == text)
        return;   // formatting only
    m_findText.replace(position, removed, text);
}

void CShowCommandResultsDlg::FindNext()
{
    if (m_findPos < 0 || m_findKeyword.isEmpty())
        return;
    if (!m_findTextValid) {
        // The raw text keeps the document's positions (a paragraph end is one
        // character) and is cheaper to take than the plain text.
        m_findText = m_text->document()->toRawText();
        m_findTextValid = true;
    }
    const std::u16string_view text(reinterpret_cast<const char16_t*>(m_findText.utf16()),
                                   static_cast<std::size_t>(m_findText.size()));
    const std::u16string_view keyword(reinterpret_cast<const char16_t*>(m_findKeyword.utf16()),
                                      static_cast<std::size_t>(m_findKeyword.size()));
    const std::ptrdiff_t found = FindTextIgnoringCase(text, keyword, static_cast<std::size_t>(m_findPos));
    if (found < 0) {
        SetStatus(QString("\"%1\" was not found; press Ctrl+F to search again.").arg(m_findKeyword));
        m_findPos = -1;
        m_findKeyword.clear();
        return;
    }
    QTextCursor cursor(m_text->document());
    cursor.setPosition(static_cast<int>(found));
    cursor.setPosition(static_cast<int>(found + m_findKeyword.size()), QTextCursor::KeepAnchor);
    m_text->setTextCursor(cursor);
    m_text->setFocus();
    m_findPos = found + m_findKeyword.size();
    SetStatus(QString());
}

void CShowCommandResultsDlg::ShowTextMenu(const QPoint& where)
{
    QMenu menu(this);
    QAction* copy = menu.addAction("Copy", m_text, &QPlainTextEdit::copy);
    copy->setEnabled(m_text->textCursor().hasSelection());
    menu.addAction("Select All", m_text, &QPlainTextEdit::selectAll);
    menu.exec(m_text->viewport()->mapToGlobal(where));
}

// Window.

void CShowCommandResultsDlg::closeEvent(QCloseEvent* event)
{
    if (!SaveModifications(true)) {
        event->ignore();
        return;
    }
    event->accept();
}

void CShowCommandResultsDlg::reject()
{
    close();
}

void CShowCommandResultsDlg::SetStatus(const QString& text)
{
    m_status->setText(text);
    m_status->setVisible(!text.isEmpty());
}

int CShowCommandResultsDlg::SelectedRow(QTreeView* view) const
{
    const QModelIndexList rows = view->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void CShowCommandResultsDlg::SelectRowQuietly(QTreeView* view, int row)
{
    QSignalBlocker quiet(view->selectionModel());
    if (row < 0) {
        view->selectionModel()->clearSelection();
        return;
    }
    const QModelIndex index = view->model()->index(row, 0);
    view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    view->scrollTo(index);
}

std::string CShowCommandResultsDlg::NoteText() const
{
    return m_note->toPlainText().toStdString();
}
