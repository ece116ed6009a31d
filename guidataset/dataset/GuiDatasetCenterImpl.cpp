#include "guidataset/dataset/GuiDatasetCenterImpl.h"

#include "guidataset/browser/CDatafolderChildFrame.h"
#include "guidataset/browser/CDatafolderDoc.h"
#include "guidataset/browser/CDatafolderTabView.h"
#include "platform/qt/CMultiDocTemplate.h"
#include "guidataset/browser/SubDatasetProvider.h"
#include "guidataset/browser/core/BrowserRows.h"
#include "guidataset/browser/core/CDatafolderTreeItems.h"
#include "guidataset/browser/core/DatafolderSelection.h"
#include "guidataset/browser/core/PageTable.h"
#include "guidataset/resources/DatafolderBrowserIds.h"
#include "guidataset/compare/CCompareDatasetDlg.h"
#include "guidataset/compare/CCompareMultiDlg.h"
#include "guidataset/compare/CDlgSelect2Dataset.h"
#include "guidataset/compare/CDlgSelectShowCommand.h"
#include "guidataset/compare/CSelect2ConfigDlg.h"
#include "guidataset/compare/CTwoCompareDatasetsImpl.h"
#include "guidataset/dataset/CDatafolderPanelDlg.h"
#include "guidataset/dataset/CDatafolderTreeAdapter.h"
#include "guidataset/dataset/CXTPDataSetComboBox.h"
#include "guidataset/dataset/ComboBoxTipDataSets.h"
#include "guidataset/dataset/DatasetEventSubscriber.h"
#include "guidataset/dataset/core/CurrentDataSetRecord.h"
#include "guidataset/dataset/core/DataFolderName.h"
#include "guidataset/dataset/core/DataKind.h"
#include "guidataset/dataset/core/DataKindFiles.h"
#include "guidataset/dataset/core/DatasetDescriptor.h"
#include "guidataset/dataset/core/DatasetLockFlag.h"
#include "guidataset/dialogs/CDovrelDataSetDesc.h"
#include "guidataset/dialogs/CDovrelDataSetNew.h"
#include "guidataset/dialogs/CDovrelSelectDataset.h"
#include "guidataset/dialogs/CSelectADatasetDlg.h"
#include "guidataset/dialogs/CDovrelDataSetView.h"
#include "guidataset/showcmd/CShowCommandResultsDlg.h"
#include "guidataset/showcmd/ShowCmdImport.h"
#include "host/adaptor/DatafolderDataDisplayContent.h"
#include "host/adaptor/GuiCenter.h"
#include "host/adaptor/GuiLiveAccessCenter.h"
#include "host/adaptor/HostMessages.h"
#include "host/adaptor/ITwoCompareDatasets.h"
#include "host/baseline/CBaseline.h"
#include "host/util/CConf.h"
#include "host/util/CDataFolderGuard.h"
#include "host/util/CGlobalSet.h"
#include "host/util/EventDispatcher.h"
#include "host/util/MessageDispatcher.h"
#include "host/util/Pathname.h"
#include "host/util/TWDataSet.h"
#include "host/util/TWFileSystem.h"
#include "host/util/TWRoot.h"
#include "host/util/tagDataSetInfo.h"
#include "platform/core/DirEntry.h"
#include "platform/core/Prompter.h"
#include "platform/qt/RunModal.h"
#include "platform/qt/ShellFileOp.h"
#include "platform/qt/WaitCursor.h"

#include <QMdiSubWindow>
#include <QTreeWidget>
#include <QWidget>

#include <strings.h>

#include <algorithm>
#include <cctype>
#include <memory>

namespace {

constexpr const char* kLocalDefault = "Local default";
// The image table of the browser opened without a panel: every row shows its tab's icon.
constexpr std::int32_t kBrowserRowImages[] = {0, 0, 0, 0};

// The kinds the host reloads when the current DataFolder changes.
const std::vector<int>& ReloadedKinds()
{
    static const std::vector<int> kinds = {kKindLiveConfig,   kKindLiveRouteTable,
                                           kKindLiveArpTable, kKindLiveMacTable,
                                           kKindLiveCdpTable, kKindLiveInterface};
    return kinds;
}

bool EndsInSeparator(const std::string& path)
{
    return !path.empty() && (path.back() == '/' || path.back() == '\\');
}

std::string WithSeparator(std::string path)
{
    if (!EndsInSeparator(path))
        path += '/';
    return path;
}

TWDataSet* RegistryOf(TWFileSystem* fileSystem)
{
    return fileSystem ? fileSystem->GetDataSet() : nullptr;
}

TWFileSystem* FileSystemOf(CNetworkBase* network)
{
    return network ? network->GetFileSystem() : nullptr;
}

TWDataSet* RegistryOf(CNetworkBase* network)
{
    return RegistryOf(FileSystemOf(network));
}

TWFileSystem* BaselineFileSystem()
{
    return FileSystemOf(CBaseline::Instance());
}

// Events carry the DataFolder path as a C string.
void* EventPath(const std::string& path)
{
    return const_cast<char*>(path.c_str());
}

// A name the service may append to the DataFolders folder without leaving it.
bool IsPlainFolderName(const std::string& name)
{
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of("/\\") == std::string::npos;
}

} // namespace

GuiDatasetCenterImpl* GuiDatasetCenterImpl::Instance()
{
    static GuiDatasetCenterImpl instance;
    return &instance;
}

GuiDatasetCenterImpl::GuiDatasetCenterImpl()
{
    m_adaptorWord = 0;
    SubscribeToEvents();
}

void GuiDatasetCenterImpl::SubscribeToEvents()
{
    if (m_subscriber)
        return;
    m_subscriber = new CDatasetEventSubscriber(*this);
    EventDispatcher::Instance().Register(kEventDataFolder, m_subscriber);
    EventDispatcher::Instance().Register(kEventProject, m_subscriber);
}

GuiDatasetCenterImpl::~GuiDatasetCenterImpl()
{
    // At process exit the host's toolbar, and the picker with it, may be gone.
    m_barComboBox = nullptr;
    Cleanup();
    m_adaptorWord = 0;
}

bool GuiDatasetCenterImpl::Cleanup()
{
    CloseManageDataset();
    CloseShowCommandResult();
    if (m_subscriber) {
        EventDispatcher::Instance().UnRegister(m_subscriber);
        delete m_subscriber;
        m_subscriber = nullptr;
    }
    delete m_compare;
    m_compare = nullptr;
    DestroyPanel();
    if (m_barComboBox)
        m_barComboBox->FreeMemory();
    return true;
}

void GuiDatasetCenterImpl::InitBarComboBox(void* picker)
{
    m_barComboBox = static_cast<CXTPDataSetComboBox*>(picker);
    if (m_barComboBox)
        m_barComboBox->SetShowBriefMode(true);
}

void GuiDatasetCenterImpl::ShowDataSets(CNetworkBase* network)
{
    if (!m_barComboBox)
        return;
    TWDataSet* registry = RegistryOf(network);
    const std::string name = registry ? registry->GetDatasetName(registry->GetCurrentDataSet()) : std::string();
    m_barComboBox->ClearEditText();
    m_barComboBox->SetToolTipText("");
    picker::RefillComboBox(*m_barComboBox, network, name.c_str(), true, true);
    if (m_barComboBox->GetCurSel() < 0) {
        if (m_barComboBox->GetCount() == 0) {
            m_lastSelection = -1;
            return;
        }
        m_barComboBox->SetCurSel(0);
    }
    const int selected = m_barComboBox->GetCurSel();
    const std::string text = m_barComboBox->GetLBText(selected);
    m_barComboBox->SetToolTipText(text);
    // Standing in for a linked DataFolder whose disk is away: the record keeps
    // naming that one, so it is current again when its folder is back.
    if (registry && RecordAwaitsUnavailableLink(*registry))
        AnnounceCurrentDataSet(registry->GetDataSetPath(text));
    else
        RecordCurrentDataSet(text.c_str(), FileSystemOf(network));
    m_lastSelection = selected;
}

bool GuiDatasetCenterImpl::SelectCurrentDataset(CComboBoxTip* picker, int index,
                                                CNetworkBase* network)
{
    CDovrelSelectDataset dialog(network, {});
    if (platform::RunModal(dialog) != QDialog::Accepted) {
        // "More..." was chosen in the picker: its previous item comes back.
        if (picker && index >= 0)
            picker->SetCurSel(index);
        return false;
    }
    if (picker)
        picker->SetCurSel(picker::ForceShowDataSetItem(*picker, dialog.GetName(), network));
    return true;
}

bool GuiDatasetCenterImpl::SelectCurrentDataset(CNetworkBase* network)
{
    if (!m_barComboBox)
        return false;
    CDovrelSelectDataset dialog(network, {});
    if (platform::RunModal(dialog) != QDialog::Accepted || dialog.GetWayChosen() == 0)
        return false;
    SetAsCurrentDataset(dialog.GetName(), network);
    return true;
}

void GuiDatasetCenterImpl::SelectBarItem(int index)
{
    m_lastSelection = index;
    m_barComboBox->SetCurSel(index);
}

void GuiDatasetCenterImpl::SetCurrentDataset(const char* name, CNetworkBase* network, bool notify)
{
    if (!m_barComboBox || !name || !*name)
        return;
    const int selected = m_barComboBox->GetCurSel();
    if (selected < 0)
        return;
    const tagDataSetInfo* record = m_barComboBox->GetItemRecord(selected);
    if (record && record->itemType == kItemNew) {
        std::string newName;
        if (NewDataset(newName, FileSystemOf(network), std::string()))
            SetAsCurrentDataset(newName, network);
        else if (m_lastSelection >= 0)
            m_barComboBox->SetCurSel(m_lastSelection);
        return;
    }
    if (record && record->itemType == kItemMore) {
        if (!SelectCurrentDataset(network) && m_lastSelection >= 0)
            m_barComboBox->SetCurSel(m_lastSelection);
        return;
    }

    m_barComboBox->SetToolTipText(name);
    CBaseline* baseline = CBaseline::Instance();
    if (baseline)
        RecordCurrentDataSet(name, baseline->GetFileSystem());
    m_lastSelection = selected;

    std::string path = record ? record->fullName : std::string();
    if (TWDataSet* registry = RegistryOf(baseline))
        path = registry->GetDataSetPath(name);
    if (notify)
        GuiCenter::Instance().OnCurrentDataSetChanged(path, ReloadedKinds(), true, 0);
    PanelMarkCurrent(path);
}

void GuiDatasetCenterImpl::SetAsCurrentDataset(const std::string& name, CNetworkBase* network)
{
    if (name.empty() || !m_barComboBox)
        return;
    int index = m_barComboBox->FindDataSet(name.c_str());
    if (index < 0)
        index = m_barComboBox->ForceShowDataSet(name, network, nullptr);
    SelectBarItem(index);
    m_barComboBox->SetToolTipText(name);
    if (!network)
        return;
    RecordCurrentDataSet(name.c_str(), network->GetFileSystem());
    if (TWDataSet* registry = RegistryOf(network))
        PanelMarkCurrent(registry->GetDataSetPath(name));
}

void GuiDatasetCenterImpl::RenameDataSetToComboBox(const char* oldName, const char* newName,
                                                   TWFileSystem* fileSystem,
                                                   tagDataSetInfo* record)
{
    if (!m_barComboBox || !oldName || !newName)
        return;
    const int index = m_barComboBox->FindStringExact(oldName);
    if (index < 0)
        return;
    auto renamed = std::make_unique<tagDataSetInfo>();
    if (record) {
        renamed->briefName = record->briefName;
        renamed->createTime = record->createTime;
        renamed->updateTime = record->updateTime;
        renamed->fullName = record->fullName;
        renamed->itemType = record->itemType;
        renamed->network = record->network;
    }
    const bool wasSelected = m_barComboBox->GetCurSel() == index;
    delete m_barComboBox->GetItemRecord(index);
    m_barComboBox->SetItemRecord(index, nullptr);
    m_barComboBox->DeleteString(index);
    const int inserted = m_barComboBox->InsertString(index, newName);
    m_barComboBox->SetItemRecord(inserted, renamed.release());
    if (wasSelected) {
        m_barComboBox->SetCurSel(inserted);
        m_barComboBox->SetToolTipText(newName);
        RecordCurrentDataSet(newName, fileSystem);
    }
}

void GuiDatasetCenterImpl::AddDataSet(const char* name, TWFileSystem*, const char* brief)
{
    if (!m_barComboBox || !name || !*name)
        return;
    m_barComboBox->ForceShowDataSet(name, CBaseline::Instance(), brief);
}

void GuiDatasetCenterImpl::AfterAddDataSet(const std::string& name, TWFileSystem* fileSystem)
{
    std::string brief = name;
    if (TWFileSystem* baselineFileSystem = BaselineFileSystem())
        TWDataSet::GetBriefDataSetName(baselineFileSystem, name, brief);
    AddDataSet(name.c_str(), fileSystem, brief.c_str());
    PanelAddDataSet(name, fileSystem, brief);
}

int GuiDatasetCenterImpl::DoDeleteDataSet(std::string& path, TWFileSystem* fileSystem,
                                          QWidget* owner)
{
    platform::WaitCursor wait;
    EventDispatcher& events = EventDispatcher::Instance();
    if (!Pathname(path).exists()) {
        // Already gone: only the pickers and the panel still have to forget it.
        events.DoAfter(kEventDataFolder, kActionDataFolderDeleted, fileSystem, EventPath(path));
        return 1;
    }
    if (events.IsDoable(kEventDataFolder, kActionDataFolderDeleted, nullptr, EventPath(path)) == 0) {
        platform::AppMessageBox("The DataFolder cannot be deleted since it is in use.");
        return 0;
    }
    const std::string folder = WithSeparator(path);
    TWDataSet* registry = RegistryOf(fileSystem);
    if (registry && folder == registry->GetCurrentDataSet()) {
        platform::AppMessageBox("The current DataFolder cannot be deleted.");
        return 0;
    }
    if (fileSystem && folder == fileSystem->GetDataSetRecent()) {
        platform::AppMessageBox("The system DataFolder cannot be deleted.");
        return 0;
    }
    // The removal below is recursive: it must take this DataFolder and nothing else.
    TWFileSystem* project = fileSystem ? fileSystem : GetCurrBaselineFileSystem();
    const std::string refusal =
        project ? CDataFolderGuard(*project).RemovalRefusal(path)
                : "'" + path + "' cannot be deleted: no project is open to check that it is a DataFolder.";
    if (!refusal.empty()) {
        platform::AppMessageBox(refusal);
        return 0;
    }
    if (platform::MessageBoxTW("Are you sure you want to delete the DataFolder?",
                               platform::BoxIcon::Question, platform::BoxButtons::YesNo,
                               owner) != platform::BoxAnswer::Yes)
        return 0;

    // Registered or not, a large DataFolder is deleted under the progress window with Cancel.
    const bool registered = registry && registry->IsCurrentBaseLineDataSet(path);
    platform::ShellFileOp shell(owner, "Delete the DataFolder");
    if (shell.Delete(path)) {
        events.DoAfter(kEventDataFolder, kActionDataFolderDeleted, fileSystem, EventPath(path));
        return 1;
    }
    if (shell.Cancelled()) {
        // Still a DataFolder: the lists keep it, the panel shows what it holds now.
        if (CDatafolderPanelDlg* panel = Panel())
            panel->Adapter()->ShowCancelledDelete(path, shell.Error());
        else
            platform::AppMessageBox(CDatafolderTreeAdapter::CancelledDeleteMessage(shell.Error()),
                                    platform::BoxButtons::Ok, platform::BoxIcon::Information, owner);
        return 0;
    }
    if (registered) {
        platform::AppMessageBox(shell.Error());   // the shell's own report
        return 1;
    }
    platform::AppMessageBox("The DataFolder '" + path + "' could not be deleted completely. " + shell.Error());
    return 0;
}

void GuiDatasetCenterImpl::DelDataSet(const char* name, TWFileSystem*, bool notify)
{
    if (!m_barComboBox || !name || !*name)
        return;
    const int index = m_barComboBox->FindDataSet(name);
    if (index < 0)
        return;
    if (m_barComboBox->GetCurSel() == index) {
        m_barComboBox->ClearEditText();
        CNetworkBase* baseline = GetCurrentBaseline();
        if (baseline) {
            const int fallback = m_barComboBox->FindStringExact(kLocalDefault, -1, true);
            if (fallback >= 0) {
                m_barComboBox->SetCurSel(fallback);
                SetCurrentDataset(kLocalDefault, baseline, notify);
            }
        } else if (m_barComboBox->GetCount() > 1) {
            const int next = index + 1 < m_barComboBox->GetCount() ? index + 1 : index - 1;
            m_barComboBox->SetCurSel(next);
            const tagDataSetInfo* record = m_barComboBox->GetItemRecord(next);
            const std::string fullName =
                record ? record->fullName : m_barComboBox->GetLBText(next);
            SetCurrentDataset(fullName.c_str(), baseline, notify);
        } else {
            m_barComboBox->SetCurSel(-1);
        }
    }
    delete m_barComboBox->GetItemRecord(index);
    m_barComboBox->SetItemRecord(index, nullptr);
    m_barComboBox->DeleteString(index);
    // The remembered choice must keep naming the same item.
    if (m_lastSelection > index)
        --m_lastSelection;
    else if (m_lastSelection == index)
        m_lastSelection = m_barComboBox->GetCurSel();
}

void GuiDatasetCenterImpl::AfterDeleteDataSet(const std::string& name, TWFileSystem* fileSystem,
                                              bool notify)
{
    DelDataSet(name.c_str(), fileSystem, notify);
    TWDataSet::RemoveExternalDataSet(fileSystem, name);
    PanelRemoveDataSet(name);
    // An unavailable link kept in the record while something else stood in for
    // it: now that it is gone, the stand-in is the current DataFolder.
    const int selected = m_barComboBox ? m_barComboBox->GetCurSel() : -1;
    if (selected >= 0 && !name.empty() && strcasecmp(RecordedCurrentPath().c_str(), name.c_str()) == 0)
        RecordCurrentDataSet(m_barComboBox->GetLBText(selected).c_str(), fileSystem);
}

void GuiDatasetCenterImpl::CloseManageDataset()
{
    PanelDetachNetwork();
    if (m_browserFrame) {
        QWidget* frame = m_browserFrame;
        m_browserFrame = nullptr;
        delete frame;
    }
}

void GuiDatasetCenterImpl::RecordCurrentDataSet(const char* name, TWFileSystem* fileSystem)
{
    if (!name || !*name)
        return;
    // With no project open there is no record file to write; the live-access
    // centre and the subscribers still hear of the choice.
    std::string path;
    WriteCurrentDataSetRecord(name, RegistryOf(fileSystem ? fileSystem : GetCurrBaselineFileSystem()), path);
    AnnounceCurrentDataSet(path);
}

void GuiDatasetCenterImpl::AnnounceCurrentDataSet(const std::string& path)
{
    GuiLiveAccessCenter::Instance().SetCurrentDataSetPath(path);
    EventDispatcher::Instance().DoAfter(kEventDataFolder, kActionCurrentDataFolder, nullptr,
                                        EventPath(path));
}

void GuiDatasetCenterImpl::ClearDataSets()
{
    if (!m_barComboBox)
        return;
    m_barComboBox->FreeMemory();
    m_barComboBox->ResetContent();
    m_barComboBox->SetCurSel(-1);
    m_barComboBox->SetToolTipText("");
}

bool GuiDatasetCenterImpl::NewDataset(std::string& name, bool locked)
{
    CBaseline* baseline = CBaseline::Instance();
    if (!baseline || !baseline->CanCreateDataSet())
        return false;
    if (!IsPlainFolderName(name))
        return false;
    TWFileSystem* fileSystem = baseline->GetFileSystem();
    const std::string folder = fileSystem->GetDataSetsFolder() + name;
    const Pathname target(folder);
    if (target.exists()) {
        SetDatasetLockFlag(folder, locked ? 1 : 0);
        return true;
    }
    if (!target.mkdirHier(0775)) {
        target.removeFile(false);
        return true;
    }
    WriteServiceCreationDescriptor(folder, CGlobalSet::GetCurUser(), locked);
    EventDispatcher::Instance().DoAfter(kEventDataFolder, kActionDataFolderAdded, fileSystem,
                                        EventPath(folder));
    return true;
}

bool GuiDatasetCenterImpl::NewDataset(std::string& name, TWFileSystem* fileSystem,
                                      std::string folder)
{
    return RunNewDatasetDialog(name, fileSystem, folder, nullptr);
}

bool GuiDatasetCenterImpl::NewDataset(TWFileSystem* fileSystem, int)
{
    if (GuiCenter::Instance().IsRestrictedMode())
        return false;
    std::string name;
    return RunNewDatasetDialog(name, fileSystem, std::string(), nullptr);
}

bool GuiDatasetCenterImpl::RunNewDatasetDialog(std::string& name, TWFileSystem* fileSystem,
                                               const std::string& parentFolder, QWidget* owner)
{
    CDovrelDataSetNew dialog(fileSystem, parentFolder, owner);
    if (platform::RunModal(dialog) == QDialog::Accepted) {
        name = dialog.GetNewName();
        return true;
    }
    name.clear();
    return false;
}

bool GuiDatasetCenterImpl::SelectDataset(std::string& name, std::string& path,
                                         CNetworkBase* network, std::string& brief,
                                         std::vector<std::string>& leaveOut)
{
    CDovrelSelectDataset dialog(network, leaveOut);
    if (platform::RunModal(dialog) != QDialog::Accepted)
        return false;
    name = dialog.GetName();
    path = dialog.GetPath();
    brief = dialog.GetBriefName();
    return true;
}

void GuiDatasetCenterImpl::ViewDataSet(std::string path, QWidget* parent, bool preselectSimulated)
{
    CDovrelDataSetView dialog(parent);
    dialog.SetDataSetPath(path);
    dialog.SetPreselectSimulated(preselectSimulated);
    platform::RunModal(dialog);
}

void GuiDatasetCenterImpl::ViewDataSetDesc(std::string name, QWidget*)
{
    CDovrelDataSetDesc dialog(nullptr);
    dialog.SetPath(name);
    platform::RunModal(dialog);
}

std::string GuiDatasetCenterImpl::GetDataSetPath(CComboBoxTip& picker, const char* message,
                                                 std::string& name,
                                                 const std::string& workspaceName,
                                                 CNetworkBase* network)
{
    return picker::GetComboBoxDataSetPath(picker, message, name, workspaceName, network);
}

std::string GuiDatasetCenterImpl::GetDataSetPath(const std::string& name, CNetworkBase* network)
{
    TWDataSet* registry = RegistryOf(network);
    return registry ? registry->GetDataSetPath(name) : std::string();
}

void GuiDatasetCenterImpl::CompareConfigFile(const char* device, int, TWFileSystem* fileSystem,
                                             INetworkInfo* networkInfo)
{
    CSelect2ConfigDlg dialog(fileSystem, networkInfo);
    dialog.SetDeviceName(device ? device : "");
    if (platform::RunModal(dialog) != QDialog::Accepted)
        return;
    MessageDispatcher::Instance().CallReceiver(hostmsg::kConfigViewerReceiver, hostmsg::kCompareConfigFiles,
                                               reinterpret_cast<std::uintptr_t>(dialog.GetFirstPath().c_str()),
                                               reinterpret_cast<std::intptr_t>(dialog.GetSecondPath().c_str()));
}

ITwoCompareDatasets* GuiDatasetCenterImpl::GetTwoCompareDatasetsPtr()
{
    if (!m_compare)
        m_compare = new CTwoCompareDatasetsImpl;
    return m_compare;
}

bool GuiDatasetCenterImpl::IsLocked(const std::string& name, bool& cancel, bool ask,
                                    TWFileSystem* fileSystem) const
{
    if (!fileSystem)
        fileSystem = TWRoot::Instance().GetFileSystem(TWGuid2::AllOnes());
    TWDataSet* registry = RegistryOf(fileSystem);
    if (!registry)
        return false;
    return IsLocked2(registry->GetDataSetPath(name), cancel, ask);
}

bool GuiDatasetCenterImpl::IsLocked2(const std::string& path, bool& cancel, bool ask) const
{
    return ReadDatasetLockFlag(path, cancel, ask);
}

void GuiDatasetCenterImpl::ShowRouteTableFiles(QTreeWidget* list, const std::string& folder, int image)
{
    if (!list)
        return;
    // A list the caller has not laid out gets the route-table page's columns.
    if (list->columnCount() < 3) {
        list->setHeaderLabels({QStringLiteral("Hostname"), QStringLiteral("Name"),
                               QStringLiteral("Execution Time")});
        list->setColumnWidth(0, 180);
        list->setColumnWidth(1, 128);
        list->setColumnWidth(2, 128);
    }
    // The rows go above the rows the list already holds, newest-listed first,
    // as the route-table page shows them. The caller's image index rides on
    // column 0 (Qt::UserRole) for its own icons.
    std::vector<platform::DirEntry> entries;
    ListDataKindFiles(entries, folder, kKindLiveRouteTable, {});
    CLocalTimeText time(kTableTimePattern);
    int position = 0;
    for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
        ListRow row;
        TableFileRow(*it, image, time, row);
        auto* item = new QTreeWidgetItem(QStringList{QString::fromStdString(row.cells[0]),
                                                     QString::fromStdString(row.cells[1]),
                                                     QString::fromStdString(row.cells[2])});
        item->setData(0, Qt::UserRole, image);
        list->insertTopLevelItem(position++, item);
    }
}

std::string GuiDatasetCenterImpl::GetSelectedDatasetName()
{
    std::string name;
    std::string path;
    std::string brief;
    std::vector<std::string> leaveOut;
    if (!SelectDataset(name, path, CBaseline::Instance(), brief, leaveOut))
        return std::string();
    return name;
}

void GuiDatasetCenterImpl::AddExternDataset(CNetworkBase* network, QWidget* parent,
                                            const char* path, const char* brief, int type)
{
    if (!network) {
        AddDataSet(path, nullptr, brief);
        return;
    }
    std::string folder;
    if (path && *path && Pathname(path).exists()) {
        folder = path;
    } else {
        platform::FolderRequest request;
        request.title = "Select DataFolder Folder.";
        request.parent = parent;
        folder = platform::Prompter::Instance().BrowseFolder(request);
    }
    if (folder.empty() || !Pathname(folder).exists())
        return;

    TWFileSystem* fileSystem = network->GetFileSystem();
    TWDataSet* registry = RegistryOf(fileSystem);
    if (!registry)
        return;
    const std::string name = registry->GetDatasetName(folder);
    std::vector<tagDataSetInfo*> known;
    registry->GetAllDataSets(known, true);
    bool already = false;
    for (tagDataSetInfo* record : known) {
        std::unique_ptr<tagDataSetInfo> owned(record);
        if (owned && !already) {
            already = std::equal(owned->fullName.begin(), owned->fullName.end(), name.begin(),
                                 name.end(), [](unsigned char a, unsigned char b) {
                                     return std::tolower(a) == std::tolower(b);
                                 });
        }
    }
    if (already)
        return;
    if (const std::string problem = CDataFolderGuard::FolderProblem(folder); !problem.empty()) {
        platform::AppMessageBox(problem);
        return;
    }
    // Whatever is linked may later be deleted with everything in it.
    if (const std::string refusal = CDataFolderGuard(*fileSystem).LinkRefusal(folder); !refusal.empty()) {
        platform::AppMessageBox(refusal);
        return;
    }
    if (!TWDataSet::AddExternalDataSet(fileSystem, name, brief ? brief : "", type)) {
        platform::AppMessageBox("The folder '" + folder + "' cannot be linked: '" + fileSystem->GetRegistryFile() +
                                "' cannot be written.");
        return;
    }
    EventDispatcher::Instance().DoAfter(kEventDataFolder, kActionDataFolderAdded, fileSystem,
                                        EventPath(folder));
}

int GuiDatasetCenterImpl::ShowSelect2DatasetDialog(QWidget* parent, std::string& first, std::string& second,
                                                   bool allowSame, bool offerWorkspace)
{
    CDlgSelect2Dataset dialog(false, parent);
    dialog.SetDataFolders(first, second);
    dialog.SetAllowSame(allowSame);
    dialog.SetOfferWorkspace(offerWorkspace);
    if (platform::RunModal(dialog) != QDialog::Accepted)
        return 0;
    first = dialog.GetFirstPath();
    second = dialog.GetSecondPath();
    return 1;
}

int GuiDatasetCenterImpl::ShowSelect2DatasetDialog2(QWidget* parent, std::string& first, std::string& second,
                                                    int& firstTable, int& secondTable, bool allowSame,
                                                    bool showTableChoice)
{
    CDlgSelect2Dataset dialog(showTableChoice, parent);
    dialog.SetDataFolders(first, second);
    dialog.SetTableChoices(firstTable, secondTable);
    dialog.SetAllowSame(allowSame);
    if (platform::RunModal(dialog) != QDialog::Accepted)
        return 0;
    first = dialog.GetFirstPath();
    second = dialog.GetSecondPath();
    firstTable = dialog.GetFirstTableChoice();
    secondTable = dialog.GetSecondTableChoice();
    return 1;
}

int GuiDatasetCenterImpl::ShowCompareMultiDlg(QWidget* parent, std::vector<std::string>& devices,
                                              std::string& first, std::string& second, int& choices)
{
    CCompareMultiDlg dialog(parent);
    dialog.SetDevices(std::set<std::string>(devices.begin(), devices.end()));
    dialog.SetDataFolders(first, second);
    dialog.SetChoices(choices);
    if (platform::RunModal(dialog) != QDialog::Accepted)
        return 0;
    devices.assign(dialog.GetDevices().begin(), dialog.GetDevices().end());
    first = dialog.GetFirstPath();
    second = dialog.GetSecondPath();
    choices = dialog.GetChoices();
    return 1;
}

int GuiDatasetCenterImpl::ShowCompareDataSet(QWidget* parent, int kind, std::string& host, std::string& first,
                                             std::string& second, bool allowSame, const std::string& openingFile)
{
    CCompareDatasetDlg dialog(parent);
    dialog.SetKind(kind);
    dialog.SetHostName(host);
    dialog.SetFirstDataFolderName(first);
    dialog.SetSecondDataFolderName(second);
    dialog.SetAllowSame(allowSame);
    dialog.ApplyOpeningFile(openingFile);
    if (platform::RunModal(dialog) != QDialog::Accepted)
        return 0;
    first = dialog.GetFirstTablePath();
    second = dialog.GetSecondTablePath();
    host = dialog.GetHostName();
    return 1;
}

void GuiDatasetCenterImpl::ViewShowCommandResult(QWidget*, const std::set<std::string>& devices,
                                                 const std::string& dataFolder, const std::string& since,
                                                 const std::string& title, const std::string& device)
{
    CShowCommandResultsDlg::ShowInstance(m_resultsBrowser)->OpenDevices(devices, dataFolder, since, title, device);
}

void GuiDatasetCenterImpl::ViewShowCommandResult(QWidget*, const std::string& dataFolder,
                                                 const std::string& device)
{
    CShowCommandResultsDlg::ShowInstance(m_resultsBrowser)->OpenDataFolder(dataFolder, device);
}

CMultiDocTemplate* GuiDatasetCenterImpl::CreateDocTemplate()
{
    auto* created = new CMultiDocTemplate(
        ids::kIdrDatafolderBrowser, [] { return new CDatafolderDoc; }, [] { return new CDatafolderChildFrame; },
        [](QMdiSubWindow* frame) { return new CDatafolderTabView(frame); });
    m_docTemplate = created;
    // The host owns the template; once it is gone no frame can be made from it.
    QObject::connect(created, &QObject::destroyed, [this, created] {
        if (m_docTemplate == created)
            m_docTemplate = nullptr;
    });
    return created;
}

int GuiDatasetCenterImpl::DisplayView(const DatafolderDataDisplayContent& content)
{
    DatafolderDataDisplayContent shown = content;
    for (const BrowserTab& tab : BrowserTabs()) {
        // A frame the user closed is on its way out: a new one takes its place.
        if (m_browserFrame && m_browserFrame->isHidden())
            m_browserFrame = nullptr;
        if (m_docTemplate && !m_browserFrame) {
            QObject* document = m_docTemplate->CreateNewDocument();
            QMdiSubWindow* frame = m_docTemplate->CreateNewFrame(document);
            if (frame) {
                m_browserFrame = frame;
                QObject::connect(frame, &QObject::destroyed, [this, frame] {
                    if (m_browserFrame == frame)
                        m_browserFrame = nullptr;
                });
                m_docTemplate->InitialUpdateFrame(frame, document, true);
            } else {
                delete document;
            }
        }
        auto* frame = dynamic_cast<CDatafolderChildFrame*>(m_browserFrame);
        if (!frame) {
            platform::AppMessageBox(std::string("The system failed to create ") + tab.caption + "of " +
                                    shown.dataFolderName);
            continue;
        }
        shown.tabCaption = tab.caption;
        frame->ShowContent(shown);
    }
    return 1;
}

void GuiDatasetCenterImpl::PrepareBrowserContent(DatafolderDataDisplayContent& content, const std::string& name,
                                                 const std::string& path)
{
    DatafolderSelection& selection = *BrowserSelection();
    CBaseline* project = CBaseline::Instance();
    selection.displayName = name;
    selection.dataFolderPath = path;
    // Every DataFolder the open project's registry knows, linked ones included,
    // keeps its files in kind folders.
    selection.workspaceFlag = project ? 1 : 0;
    selection.network = project;
    selection.rowImageHolder = kBrowserRowImages;
    content.dataFolderName = name;
    content.dataFolderPath = path;
    content.rowImageHolder = kBrowserRowImages;
    content.provider = BrowserProvider();
    content.menuFlag = 1;
    content.selection = &selection;
}

DatafolderSelection* GuiDatasetCenterImpl::BrowserSelection()
{
    if (!m_browserSelection)
        m_browserSelection = std::make_unique<DatafolderSelection>();
    return m_browserSelection.get();
}

SubDatasetProvider* GuiDatasetCenterImpl::BrowserProvider()
{
    if (!m_browserProvider) {
        m_browserTree = std::make_unique<CDatafolderTreeItems>();
        m_browserProvider = std::make_unique<SubDatasetProvider>(m_browserTree.get(), BrowserSelection());
    }
    return m_browserProvider.get();
}

QWidget* GuiDatasetCenterImpl::CreateDatafolderPanel(QWidget* parent)
{
    if (CDatafolderPanelDlg* panel = Panel()) {
        panel->Fill(GetCurrentBaseline());
        return panel;
    }
    auto* panel = new CDatafolderPanelDlg(GetCurrentBaseline(), parent);
    m_panel = panel;
    QObject::connect(panel, &QObject::destroyed, [this, panel] {
        if (m_panel == panel)
            m_panel = nullptr;
    });
    return panel;
}

void GuiDatasetCenterImpl::LockDataset(const std::string& path)
{
    bool cancel = false;
    const GuiDatasetCenter* service = GuiDatasetCenter::Instance();
    if (!service)
        service = this;
    const bool locked = service->IsLocked2(path, cancel, false);
    std::string folder = path;
    if (EndsInSeparator(folder))
        folder.pop_back();
    SetDatasetLockFlag(folder, locked ? 0 : 1);
    PanelSetLockState(path, !locked);
}

void GuiDatasetCenterImpl::ShowDataFolderChart(const char* fullName, const char* displayName)
{
    if (CDatafolderPanelDlg* panel = Panel(); panel && fullName)
        panel->ShowDataFolder(fullName, displayName ? displayName : "");
}

std::string GuiDatasetCenterImpl::GetCurrentDatasetFullPath()
{
    if (!m_barComboBox)
        return std::string();
    const int selected = m_barComboBox->GetCurSel();
    const tagDataSetInfo* record = selected >= 0 ? m_barComboBox->GetItemRecord(selected) : nullptr;
    if (!record)
        return std::string();
    if (TWDataSet* registry = RegistryOf(GetCurrentBaseline()))
        return registry->GetDataSetPath(record->fullName);
    return WithSeparator(record->fullName);
}

void GuiDatasetCenterImpl::InitDataset(CComboBoxTip& picker, const char* current,
                                       CNetworkBase** network, bool limitToEight, bool withNew)
{
    picker::FillComboBox(picker, current, network, limitToEight, withNew);
}

int GuiDatasetCenterImpl::InsertNewItem(CComboBoxTip& picker, const char* name,
                                        CNetworkBase* network, int type)
{
    if (!name)
        return -1;
    return picker::InsertItemByName(picker, 0, name, network, type);
}

void GuiDatasetCenterImpl::OnCbnSelchange(CComboBoxTip& picker, CNetworkBase* network)
{
    picker::HandleSelectionChange(picker, network);
}

void GuiDatasetCenterImpl::FreeMemory(CComboBoxTip& picker)
{
    picker::FreeComboBoxRecords(picker);
}

bool GuiDatasetCenterImpl::IsDataSetEmpty(const std::string& name, const std::vector<int>& kinds,
                                          bool anyMode)
{
    return IsDataFolderEmpty(name, kinds, anyMode);
}

void GuiDatasetCenterImpl::ImportShowCmdResult(QWidget* parent, bool fromFolder)
{
    CShowCmdImport(parent).Run(fromFolder, GetCurrentDatasetFullPath());
}

void GuiDatasetCenterImpl::SelectADataset(std::string& path, bool& retrieve)
{
    CSelectADatasetDlg dialog;
    if (platform::RunModal(dialog) != QDialog::Accepted)
        return;
    path = dialog.GetPath();
    retrieve = dialog.GetRetrieve();
}

bool GuiDatasetCenterImpl::DialogSelectShowCommand(const char* dataFolder, std::vector<std::string>& chosen,
                                                   std::vector<std::string>*, bool)
{
    CDlgSelectShowCommand dialog;
    dialog.SetDataFolderName(dataFolder ? dataFolder : "");
    dialog.SetChosen(chosen);
    if (platform::RunModal(dialog) != QDialog::Accepted)
        return false;
    chosen = dialog.GetChosen();
    return true;
}

void GuiDatasetCenterImpl::ViewShowCommandResult(const std::string& resultPath, QWidget*)
{
    CShowCommandResultsDlg::ShowInstance(m_resultsBrowser)->OpenResultFile(resultPath);
}

void GuiDatasetCenterImpl::CloseShowCommandResult()
{
    if (!m_resultsBrowser)
        return;
    QWidget* browser = m_resultsBrowser;
    m_resultsBrowser = nullptr;
    delete browser;
}

// Panel hooks: each does nothing while there is no panel.

CDatafolderPanelDlg* GuiDatasetCenterImpl::Panel() const
{
    return static_cast<CDatafolderPanelDlg*>(m_panel);
}

void GuiDatasetCenterImpl::PanelMarkCurrent(const std::string& path)
{
    if (CDatafolderPanelDlg* panel = Panel())
        panel->MarkCurrent(path);
}

void GuiDatasetCenterImpl::PanelAddDataSet(const std::string& name, TWFileSystem*, const std::string& brief)
{
    if (CDatafolderPanelDlg* panel = Panel())
        panel->InsertDataSet(brief, panel->Network(), name);
}

void GuiDatasetCenterImpl::PanelRemoveDataSet(const std::string& name)
{
    if (CDatafolderPanelDlg* panel = Panel())
        panel->DeleteItem(name);
}

void GuiDatasetCenterImpl::PanelSetLockState(const std::string& path, bool locked)
{
    if (CDatafolderPanelDlg* panel = Panel())
        panel->SetLockIcon(path, locked);
}

void GuiDatasetCenterImpl::PanelDetachNetwork()
{
    if (CDatafolderPanelDlg* panel = Panel())
        panel->DetachNetwork();
}

void GuiDatasetCenterImpl::PanelRefill(CNetworkBase*)
{
    if (m_panel)
        CreateDatafolderPanel(m_panel->parentWidget());
}

void GuiDatasetCenterImpl::DestroyPanel()
{
    QWidget* panel = m_panel;
    m_panel = nullptr;
    delete panel;
}
