#include "guidataset/browser/CDatafolderFileList.h"

#include "guidataset/browser/core/DroppedFiles.h"
#include "platform/core/Prompter.h"

#include <QDrag>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeData>
#include <QUrl>

#include <sys/stat.h>

namespace {

bool IsUtf8(const std::string& text)
{
    const QString decoded = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    return decoded.toUtf8() == QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

CDatafolderFileList::CDatafolderFileList(QWidget* parent) : QTreeView(parent)
{
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setAlternatingRowColors(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::CopyAction);
    setContextMenuPolicy(Qt::CustomContextMenu);
    header()->setStretchLastSection(true);
    header()->setSectionsMovable(false);
    header()->setSortIndicatorShown(false);
}

QMimeData* CDatafolderFileList::MakeDragData(std::vector<std::string>* problems) const
{
    if (!m_dragPaths)
        return nullptr;
    std::vector<std::string> paths;
    QList<QUrl> urls;
    for (const std::string& path : m_dragPaths()) {
        struct stat st {};
        if (::stat(path.c_str(), &st) != 0) {
            if (problems)
                problems->push_back("'" + path + "' is no longer there.");
            continue;
        }
        if (!IsUtf8(path)) {
            if (problems)
                problems->push_back("'" + path + "' cannot be dragged: its name is not UTF-8 text.");
            continue;
        }
        paths.push_back(path);
        urls.append(QUrl::fromLocalFile(QString::fromStdString(path)));
    }
    if (paths.empty())
        return nullptr;
    auto* data = new QMimeData;
    data->setUrls(urls);
    const std::string block = BuildDragBlock(paths);
    data->setData(QString::fromLatin1(kPathBlockMime), QByteArray(block.data(), static_cast<qsizetype>(block.size())));
    return data;
}

void CDatafolderFileList::startDrag(Qt::DropActions)
{
    std::vector<std::string> problems;
    QMimeData* data = MakeDragData(&problems);
    if (!problems.empty()) {
        std::string text = "Some files cannot be dragged:";
        for (const std::string& problem : problems)
            text += "\n" + problem;
        platform::MessageBoxTW(text, platform::BoxIcon::Exclamation, platform::BoxButtons::Ok, this);
    }
    if (!data)
        return;
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    // Copy only: a file manager that moved the files would take them out of the DataFolder.
    drag->exec(Qt::CopyAction, Qt::CopyAction);
}

void CDatafolderFileList::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && m_onEnter) {
        m_onEnter();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Delete && m_onDeleteKey) {
        m_onDeleteKey();
        event->accept();
        return;
    }
    QTreeView::keyPressEvent(event);
}
