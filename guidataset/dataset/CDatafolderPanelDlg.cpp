#include "guidataset/dataset/CDatafolderPanelDlg.h"

#include "guidataset/browser/CBrowserPopupMenu.h"
#include "guidataset/browser/CDataFolderDropTarget.h"
#include "guidataset/browser/SubDatasetProvider.h"
#include "guidataset/browser/core/CPopupMenu.h"
#include "guidataset/browser/core/DatafolderSelection.h"
#include "guidataset/browser/core/PopupMenuTracker.h"
#include "guidataset/dataset/CDatafolderTreeAdapter.h"
#include "guidataset/dataset/CDatasetTreeCtrl.h"
#include "guidataset/dataset/CPanelIcons.h"
#include "guidataset/dataset/CPanelLabelDelegate.h"
#include "guidataset/dataset/CPanelTreeItems.h"
#include "guidataset/dataset/DataSetItemFill.h"
#include "guidataset/dataset/GuiDatasetCenterImpl.h"
#include "guidataset/dataset/core/DataKind.h"
#include "guidataset/dataset/core/DatasetLockFlag.h"
#include "host/adaptor/DatafolderDataDisplayContent.h"
#include "host/adaptor/GuiCenter.h"
#include "host/adaptor/GuiDatasetCenter.h"
#include "host/baseline/CBaseline.h"
#include "host/util/TWDataSet.h"
#include "host/util/TWFileSystem.h"
#include "host/util/TWRoot.h"
#include "host/util/tagDataSetInfo.h"
#include "platform/qt/ControlId.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

#include <filesystem>
#include <vector>

namespace {

std::string WithoutSeparator(std::string path)
{
    while (path.size() > 1 && (path.back() == '/' || path.back() == '\\'))
        path.pop_back();
    return path;
}

// The network of the host root's current file system: the open project.
CNetworkBase* RootNetwork()
{
    CBaseline* project = CBaseline::Instance();
    return project && project->GetFileSystem() == TWRoot::Instance().GetFileSystem(TWGuid2::AllOnes()) ? project
                                                                                                       : nullptr;
}

bool IsLockedAt(const std::string& path)
{
    bool cancel = false;
    if (GuiDatasetCenter* service = GuiDatasetCenter::Instance())
        return service->IsLocked2(path, cancel, false);
    return ReadDatasetLockFlag(path, cancel, false);
}

} // namespace

CDatafolderPanelDlg::CDatafolderPanelDlg(CNetworkBase* network, QWidget* parent)
    : QWidget(parent), m_selection(std::make_unique<DatafolderSelection>())
{
    platform::SetControlId(this, kIddDatafolderPanel);
    m_tree = new CDatasetTreeCtrl(this);
    platform::SetControlId(m_tree, kIdcPanelTree);
    m_treeItems = std::make_unique<CPanelTreeItems>(m_tree);
    m_provider = std::make_unique<SubDatasetProvider>(m_treeItems.get(), m_selection.get());
    m_adapter = std::make_unique<CDatafolderTreeAdapter>(m_tree, this);
    m_tree->setItemDelegate(new CPanelLabelDelegate(m_tree, m_adapter.get()));
    m_tree->setEditTriggers(QAbstractItemView::EditKeyPressed);
    m_tree->setContextMenuPolicy(Qt::CustomContextMenu);
    m_tree->setUniformRowHeights(true);
    m_tree->installEventFilter(this);
    connect(m_tree, &QWidget::customContextMenuRequested, this, &CDatafolderPanelDlg::ShowContextMenu);
    connect(m_tree, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) { OnItemClicked(item); });
    m_dropTarget = new CDataFolderDropTarget(this);
    m_dropTarget->RegisterTree(m_tree, m_adapter.get());
    BuildLayout();
    Fill(network ? network : RootNetwork());
}

CDatafolderPanelDlg::~CDatafolderPanelDlg()
{
    // A browser opened from here reads this panel's pages: it goes first.
    if (!m_shownFullName.empty())
        delete GuiDatasetCenterImpl::Instance()->GetBrowserFrame();
    m_tree->OnDestroy();
}

void CDatafolderPanelDlg::BuildLayout()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(1);
    layout->addWidget(m_tree, 1);
    layout->addWidget(AddLink(kIdcPanelNewLink, tr("New DataFolder"), CPanelIcons::NewIcon(), panelcmd::kNew));
    layout->addWidget(
        AddLink(kIdcPanelExportLink, tr("Export DataFolder"), CPanelIcons::ExportIcon(), panelcmd::kExport));
    layout->addWidget(
        AddLink(kIdcPanelImportLink, tr("Import DataFolder"), CPanelIcons::ImportIcon(), panelcmd::kImport));
    layout->addWidget(AddLink(kIdcPanelLinkOutsideLink, tr("Link Outside DataFolder"), CPanelIcons::LinkIcon(),
                              panelcmd::kLinkOutside));
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    layout->addWidget(line);
    layout->addWidget(AddLink(kIdcPanelHelpLink, tr("Help"), CPanelIcons::HelpIcon(), 0));
}

QLabel* CDatafolderPanelDlg::AddLink(int id, const QString& text, const QIcon& icon, int command)
{
    // A link that opens nothing by itself: the panel runs the command.
    auto* link = new QLabel(this);
    link->setText(QStringLiteral("<a href=\"#\">%1</a>").arg(text.toHtmlEscaped()));
    link->setTextFormat(Qt::RichText);
    link->setOpenExternalLinks(false);
    link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    link->setContentsMargins(22, 2, 2, 2);
    platform::SetControlId(link, id);
    auto* button = new QToolButton(link);
    button->setIcon(icon);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setGeometry(2, 1, 18, 18);
    const auto run = [this, command] {
        if (command == 0)
            ShowHelp(this);
        else
            m_adapter->Run(command);
    };
    connect(link, &QLabel::linkActivated, this, run);
    connect(button, &QToolButton::clicked, this, run);
    return link;
}

void CDatafolderPanelDlg::Fill(CNetworkBase* network)
{
    m_tree->OnDestroy();
    m_network = network;
    m_tree->SetNetworkBase(network);
    m_adapter->SetNetwork(network);
    TWDataSet* registry = RegistryOf(network);
    m_selection->workspaceFlag = registry ? 1 : 0;
    m_selection->network = network;
    m_selection->rowImageHolder = CPanelIcons::RowImageHolder();
    m_selection->callbackArgument = this;
    m_selection->notify = nullptr;
    if (!registry)
        return;
    std::vector<tagDataSetInfo*> records;
    registry->GetAllDataSets(records, true);
    m_tree->setUpdatesEnabled(false);
    for (tagDataSetInfo* record : records) {
        record->network = network;
        const bool locked = IsLockedAt(m_adapter->RecordPath(*record));
        QTreeWidgetItem* item = m_tree->AppendItem(record->briefName, record);
        CDatafolderTreeAdapter::SetItemIcon(item, locked ? kIconLocked : kIconUnlocked);
        item->setFlags(item->flags() | Qt::ItemIsEditable);
    }
    m_tree->setUpdatesEnabled(true);
    GuiDatasetCenter* service = GuiDatasetCenter::Instance();
    MarkCurrent(service ? service->GetCurrentDatasetFullPath() : registry->GetCurrentDataSet());
}

void CDatafolderPanelDlg::DetachNetwork()
{
    m_tree->OnDestroy();
    m_network = nullptr;
    m_tree->SetNetworkBase(nullptr);
    m_adapter->SetNetwork(nullptr);
    m_selection->network = nullptr;
    m_selection->workspaceFlag = 0;
    m_shownFullName.clear();
}

QTreeWidgetItem* CDatafolderPanelDlg::InsertDataSet(const std::string& name, CNetworkBase* network,
                                                    const std::string& fullName)
{
    const std::string full = fullName.empty() ? name : fullName;
    if (QTreeWidgetItem* found = m_tree->FindDataSet(full.c_str()))
        return found;
    tagDataSetInfo* record = MakeItemRecord(full, kItemProject, network ? network : m_network);
    record->briefName = name;
    // A name that is a path is a linked outside folder; a differing brief name
    // marks an entry that is neither of the project's kinds.
    if (full != name)
        record->itemType = kItemNoNetwork;
    else if (full.find_first_of("\\/") != std::string::npos)
        record->itemType = kItemExternal;
    if (TWDataSet* registry = RegistryOf(m_network); registry && full != name) {
        // The registry knows a linked folder by its path: its record tells the kind.
        std::vector<tagDataSetInfo*> all;
        registry->GetAllDataSets(all, true);
        for (tagDataSetInfo* known : all) {
            if (SameDataSetName(known->fullName, full))
                record->itemType = known->itemType;
            delete known;
        }
    }
    QTreeWidgetItem* item = m_tree->AppendItem(name, record);
    CDatafolderTreeAdapter::SetItemIcon(item, IsLockedAt(m_adapter->RecordPath(*record)) ? kIconLocked : kIconUnlocked);
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    return item;
}

QTreeWidgetItem* CDatafolderPanelDlg::FindItemByPath(const std::string& path) const
{
    const std::string wanted = WithoutSeparator(path);
    TWDataSet* registry = RegistryOf(m_network);
    if (wanted.empty() || !registry)
        return nullptr;
    // The registry names the DataFolder at path as the items know it.
    QTreeWidgetItem* item = m_tree->FindDataSet(registry->GetDatasetName(wanted).c_str());
    return item && m_adapter->DataFolderPathOf(item) == wanted ? item : nullptr;
}

void CDatafolderPanelDlg::MarkCurrent(const std::string& path)
{
    QTreeWidgetItem* current = FindItemByPath(path);
    for (int i = 0; i < m_tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = m_tree->topLevelItem(i);
        QFont font = item->font(0);
        if (font.bold() != (item == current)) {
            font.setBold(item == current);
            item->setFont(0, font);
        }
    }
}

void CDatafolderPanelDlg::SetLockIcon(const std::string& path, bool locked)
{
    CDatafolderTreeAdapter::SetItemIcon(FindItemByPath(path), locked ? kIconLocked : kIconUnlocked);
}

void CDatafolderPanelDlg::DeleteItem(const std::string& fullName)
{
    QTreeWidgetItem* item = m_tree->FindDataSet(fullName.c_str());
    if (!item)
        return;
    if (!m_shownFullName.empty() && SameDataSetName(m_shownFullName, fullName)) {
        m_shownFullName.clear();
        // The browser shows the DataFolder that is gone: it closes.
        delete GuiDatasetCenterImpl::Instance()->GetBrowserFrame();
    }
    delete CDatasetTreeCtrl::ItemRecord(item);
    delete item;
}

QTreeWidgetItem* CDatafolderPanelDlg::ShownItem() const
{
    return m_shownFullName.empty() ? nullptr : m_tree->FindDataSet(m_shownFullName.c_str());
}

void CDatafolderPanelDlg::ShowDataFolder(const std::string& fullName, const std::string& displayName)
{
    GuiDatasetCenter* service = GuiDatasetCenter::Instance();
    TWDataSet* registry = RegistryOf(m_network);
    if (!service || fullName.empty())
        return;
    const std::string path = registry ? registry->GetDataSetPath(fullName) : fullName;
    m_selection->displayName = displayName.empty() ? fullName : displayName;
    m_selection->dataFolderPath = path;
    DatafolderDataDisplayContent content(m_selection->displayName, std::string());
    content.dataFolderPath = path;
    content.rowImageHolder = CPanelIcons::RowImageHolder();
    content.provider = m_provider.get();
    content.menuFlag = 1;
    content.selection = m_selection.get();
    m_shownFullName = fullName;
    if (QTreeWidgetItem* item = m_tree->FindDataSet(fullName.c_str()))
        m_tree->setCurrentItem(item);
    service->DisplayView(content);
    if (m_network)
        GuiCenter::Instance().OnCurrentDataSetChanged(path, {kKindLiveConfig, kKindLiveRouteTable, kKindLiveArpTable,
                                                             kKindLiveMacTable, kKindLiveCdpTable, kKindLiveInterface},
                                                      true, 0);
}

void CDatafolderPanelDlg::OnItemClicked(QTreeWidgetItem* item)
{
    const tagDataSetInfo* record = CDatasetTreeCtrl::ItemRecord(item);
    if (!record || !CDatafolderTreeAdapter::IsDataFolderItem(item))
        return;
    // A folder gone behind the workstation's back is dropped, with a word why.
    const std::string path = m_adapter->DataFolderPathOf(item);
    if (!path.empty() && !std::filesystem::exists(path)) {
        m_adapter->Run(panelcmd::kDelete);
        return;
    }
    ShowDataFolder(record->fullName, record->briefName);
}

void CDatafolderPanelDlg::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (const tagDataSetInfo* record = CDatasetTreeCtrl::ItemRecord(m_tree->currentItem()))
        ShowDataFolder(record->fullName, std::string());
}

void CDatafolderPanelDlg::ShowContextMenu(const QPoint& viewportPoint)
{
    QTreeWidgetItem* previous = m_tree->currentItem();
    if (QTreeWidgetItem* under = m_tree->itemAt(viewportPoint))
        m_tree->setCurrentItem(under);
    QTreeWidgetItem* item = m_tree->currentItem();
    CPopupMenu menu;
    m_adapter->BuildMenu(item, menu);
    if (menu.IsEmpty())
        return;
    const QPoint global = m_tree->viewport()->mapToGlobal(viewportPoint);
    const ScreenPoint point{global.x(), global.y()};
    IPopupMenuTracker* tracker = IPopupMenuTracker::Installed();
    const int command = tracker ? tracker->Track(menu, point) : CBrowserPopupMenu::Exec(menu, point, m_tree);
    if (command != 0)
        m_adapter->Run(command);
    // Rename keeps the item it edits selected; the rest restore the selection.
    if (command != panelcmd::kRename && previous && m_tree->indexOfTopLevelItem(previous) >= 0)
        m_tree->setCurrentItem(previous);
}

bool CDatafolderPanelDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_tree && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F5) {
            m_adapter->Run(panelcmd::kRefresh);
            return true;
        }
        if (key->key() == Qt::Key_Delete) {
            const tagDataSetInfo* record = CDatasetTreeCtrl::ItemRecord(m_tree->currentItem());
            if (record && record->itemType == kItemExternal)
                m_adapter->Run(panelcmd::kRemove);
            else if (record && !CDatafolderTreeAdapter::IsDataFolderItem(m_tree->currentItem()))
                return true;
            else if (record && CDatafolderTreeAdapter::ItemIcon(m_tree->currentItem()) == kIconLocked)
                return true;   // a locked DataFolder offers no "Delete"
            else
                m_adapter->Run(panelcmd::kDelete);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CDatafolderPanelDlg::ShowHelp(QWidget* parent)
{
    auto* window = new QDialog(parent ? parent->window() : nullptr);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(tr("DataFolder Help"));
    window->setObjectName(QStringLiteral("dataFolderHelp"));
    auto* layout = new QVBoxLayout(window);
    auto* text = new QTextBrowser(window);
    text->setSource(QUrl(QStringLiteral("qrc:/help/datafolder-guide.html")));
    layout->addWidget(text);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, window);
    QObject::connect(buttons, &QDialogButtonBox::rejected, window, &QDialog::close);
    layout->addWidget(buttons);
    window->resize(560, 480);
    window->show();
}
