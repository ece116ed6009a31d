#include "guidataset/browser/CDataFolderDropTarget.h"

#include "guidataset/browser/CDatafolderFileList.h"
#include "guidataset/browser/core/DroppedFiles.h"
#include "guidataset/browser/core/PageTable.h"
#include "guidataset/dataset/GuiDatasetCenterImpl.h"
#include "platform/core/Paths.h"
#include "platform/core/Prompter.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QProgressDialog>
#include <QUrl>

namespace {

// Below this many files a copy is over before a progress box could be read.
constexpr std::size_t kProgressFrom = 20;

bool CarriesFiles(const QMimeData* data)
{
    return data && (data->hasUrls() || data->hasFormat(QString::fromLatin1(CDatafolderFileList::kPathBlockMime)));
}

bool IsLockedAndRefused(const std::string& dataFolderPath)
{
    bool cancel = false;
    const GuiDatasetCenter* service = GuiDatasetCenter::Instance();
    if (!service)
        service = GuiDatasetCenterImpl::Instance();
    service->IsLocked2(dataFolderPath, cancel, true);
    return cancel;
}

std::string Lines(const std::vector<std::string>& lines, std::size_t most = 12)
{
    std::string text;
    for (std::size_t i = 0; i < lines.size() && i < most; ++i)
        text += "\n" + lines[i];
    if (lines.size() > most)
        text += "\n... and " + std::to_string(lines.size() - most) + " more.";
    return text;
}

std::string BaseName(const std::string& path)
{
    const std::string stripped = platform::StripTrailingSeparators(path);
    const std::size_t slash = stripped.find_last_of('/');
    return slash == std::string::npos ? stripped : stripped.substr(slash + 1);
}

} // namespace

CDataFolderDropTarget::CDataFolderDropTarget(QObject* parent) : QObject(parent) {}

CDataFolderDropTarget::~CDataFolderDropTarget() = default;

void CDataFolderDropTarget::RegisterList(QAbstractItemView* list, std::function<std::optional<Target>()> target,
                                         std::function<void()> afterDrop)
{
    m_list = list;
    m_listTarget = std::move(target);
    m_afterListDrop = std::move(afterDrop);
    list->setAcceptDrops(true);
    list->viewport()->setAcceptDrops(true);
    list->viewport()->installEventFilter(this);
}

void CDataFolderDropTarget::RegisterTree(QAbstractItemView* tree, ITreeAdapter* adapter)
{
    m_tree = tree;
    m_adapter = adapter;
    tree->setAcceptDrops(true);
    tree->viewport()->setAcceptDrops(true);
    tree->viewport()->installEventFilter(this);
}

bool CDataFolderDropTarget::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::DragLeave:
    case QEvent::Drop:
        if (m_list && watched == m_list->viewport())
            return HandleList(event);
        if (m_tree && watched == m_tree->viewport())
            return HandleTree(event);
        return false;
    default:
        return false;
    }
}

bool CDataFolderDropTarget::HandleList(QEvent* event)
{
    if (event->type() == QEvent::DragLeave)
        return true;
    auto* drop = static_cast<QDropEvent*>(event);
    // The list's own rows dropped back on it are no new files.
    const bool fromHere = drop->source() == m_list;
    const std::optional<Target> target = m_listTarget ? m_listTarget() : std::nullopt;
    if (fromHere || !target || !CarriesFiles(drop->mimeData())) {
        drop->ignore();
        return true;
    }
    drop->setDropAction(Qt::CopyAction);
    if (event->type() != QEvent::Drop) {
        drop->accept();
        return true;
    }
    const std::vector<std::string> paths = DroppedPaths(*drop->mimeData());
    drop->accept();
    if (DropFiles(paths, *target, m_list) && m_afterListDrop)
        m_afterListDrop();
    return true;
}

bool CDataFolderDropTarget::HandleTree(QEvent* event)
{
    if (event->type() == QEvent::DragLeave) {
        if (m_adapter)
            m_tree->setCurrentIndex(m_adapter->CurrentItem());
        return true;
    }
    auto* drop = static_cast<QDropEvent*>(event);
    if (!m_adapter || !CarriesFiles(drop->mimeData())) {
        drop->ignore();
        return true;
    }
    const QModelIndex item = m_tree->indexAt(drop->position().toPoint());
    if (event->type() != QEvent::Drop) {
        if (item.isValid())
            m_tree->setCurrentIndex(item);
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        return true;
    }
    std::string path;
    if (item.isValid() && m_adapter->GetDataFolderPath(item, path))
        DropOnDataFolder(DroppedPaths(*drop->mimeData()), path, m_tree);
    m_tree->setCurrentIndex(m_adapter->CurrentItem());
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    return true;
}

std::vector<std::string> CDataFolderDropTarget::DroppedPaths(const QMimeData& data)
{
    std::vector<std::string> paths;
    if (data.hasUrls()) {
        for (const QUrl& url : data.urls())
            paths.push_back(url.isLocalFile() ? url.toLocalFile().toStdString() : url.toString().toStdString());
        return paths;
    }
    const QByteArray block = data.data(QString::fromLatin1(CDatafolderFileList::kPathBlockMime));
    return ParseDragBlock(std::string(block.constData(), static_cast<std::size_t>(block.size())));
}

bool CDataFolderDropTarget::DropFiles(const std::vector<std::string>& paths, const Target& target, QWidget* owner)
{
    if (paths.empty() || target.kindFolder.empty())
        return false;
    if (IsLockedAndRefused(target.dataFolderPath))
        return false;
    const DropPlan plan = PlanDroppedFiles(paths, target.kindFolder, target.pageId);
    if (!plan.refusals.empty())
        platform::MessageBoxTW("These files were not copied into '" + plan.targetFolder + "':" + Lines(plan.refusals),
                               platform::BoxIcon::Exclamation, platform::BoxButtons::Ok, owner);
    bool replace = false;
    if (!plan.conflicts.empty()) {
        std::vector<std::string> names;
        for (const std::string& path : plan.conflicts)
            names.push_back(BaseName(path));
        const std::string question =
            (plan.conflicts.size() == 1 ? "This file is already in '" : "These files are already in '") +
            plan.targetFolder + "':" + Lines(names) + "\nDo you want to replace " +
            (plan.conflicts.size() == 1 ? "it?" : "them?") +
            (plan.copies.empty() ? "" : "\nYes replaces, No copies only the other files, Cancel copies nothing.");
        const platform::BoxAnswer answer = platform::MessageBoxTW(
            question, platform::BoxIcon::Question,
            plan.copies.empty() ? platform::BoxButtons::YesNo : platform::BoxButtons::YesNoCancel, owner);
        if (answer == platform::BoxAnswer::Cancel)
            return false;
        replace = answer == platform::BoxAnswer::Yes;
    }
    const std::size_t total = plan.copies.size() + (replace ? plan.conflicts.size() : 0);
    if (total == 0)
        return false;

    std::unique_ptr<QProgressDialog> progress;
    if (total >= kProgressFrom && qobject_cast<QApplication*>(QCoreApplication::instance())) {
        progress = std::make_unique<QProgressDialog>(QStringLiteral("Copying files..."), QString(), 0,
                                                     static_cast<int>(total), owner ? owner->window() : nullptr);
        progress->setWindowTitle(QStringLiteral("Copying files into the DataFolder"));
        progress->setWindowModality(Qt::WindowModal);
        progress->setMinimumDuration(500);
    }
    int step = 0;
    const DropCopyResult result = CopyDroppedFiles(plan, replace, [&](const std::string& name) {
        if (progress) {
            progress->setLabelText(QString::fromStdString("Copying " + name));
            progress->setValue(step++);
        }
    });
    progress.reset();
    if (!result.failures.empty())
        platform::AppMessageBox("Some files could not be copied:" + Lines(result.failures),
                                platform::BoxButtons::Ok, platform::BoxIcon::Exclamation, owner);
    return result.copied > 0;
}

bool CDataFolderDropTarget::DropOnDataFolder(const std::vector<std::string>& paths,
                                             const std::string& dataFolderPath, QWidget* owner)
{
    if (paths.empty() || dataFolderPath.empty())
        return false;
    const std::string folderName = DroppedKindFolderName(paths.front());
    const int pageId = PageIdOfKindFolder(folderName);
    if (pageId == 0) {
        platform::MessageBoxTW("Only files from a DataFolder's own folders (LiveConfig, LiveRouteTable, LiveArpTable, "
                               "LiveMacTable, LiveCdpTable, ShowCommand) can be dropped on a DataFolder; '" +
                                   folderName + "' is none of them.",
                               platform::BoxIcon::Exclamation, platform::BoxButtons::Ok, owner);
        return false;
    }
    Target target;
    target.dataFolderPath = dataFolderPath;
    target.kindFolder = platform::WithTrailingSlash(platform::JoinPath(dataFolderPath, folderName));
    target.pageId = pageId;
    return DropFiles(paths, target, owner);
}
