#pragma once
// Files dropped into a DataFolder. Two places take them: a browser tab's list
// (the files go into the kind folder that tab shows) and the DataFolder
// panel's tree (the files go into the DataFolder under the pointer, into the
// kind folder they were dragged from). Either way a locked DataFolder asks
// first, files that cannot go are named, an existing file is replaced only
// on the user's yes, and every copy lands whole or not at all.
#include <QObject>
#include <QPersistentModelIndex>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QAbstractItemView;
class QDropEvent;
class QMimeData;
class QWidget;

class CDataFolderDropTarget : public QObject {
public:
    // Where a drop lands.
    struct Target {
        std::string dataFolderPath;   // asked for its lock
        std::string kindFolder;       // the files go here
        int pageId = 0;               // the kind of files the folder holds
    };

    // The panel's knowledge of its tree: which items are DataFolders, and
    // which item it shows as its current one.
    class ITreeAdapter {
    public:
        virtual ~ITreeAdapter() = default;
        // True, with the DataFolder's path, when item stands for a DataFolder.
        virtual bool GetDataFolderPath(const QModelIndex& item, std::string& path) const = 0;
        virtual QModelIndex CurrentItem() const = 0;
    };

    explicit CDataFolderDropTarget(QObject* parent = nullptr);
    ~CDataFolderDropTarget() override;

    // Drops on list go where target says (nothing: the list takes no files
    // now); afterDrop runs after files were copied.
    void RegisterList(QAbstractItemView* list, std::function<std::optional<Target>()> target,
                      std::function<void()> afterDrop);
    // Drops on the DataFolder items of tree.
    void RegisterTree(QAbstractItemView* tree, ITreeAdapter* adapter);

    // The local files a drag carries: its file URLs, else its block of paths.
    static std::vector<std::string> DroppedPaths(const QMimeData& data);
    // Copies paths into target as described above; true when any file was copied.
    static bool DropFiles(const std::vector<std::string>& paths, const Target& target, QWidget* owner);
    // The tree's drop: the DataFolder of item, the kind folder the first path
    // lies in. False, with the reason shown, when that is no kind folder.
    static bool DropOnDataFolder(const std::vector<std::string>& paths, const std::string& dataFolderPath,
                                 QWidget* owner);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool HandleList(QEvent* event);
    bool HandleTree(QEvent* event);

    QAbstractItemView* m_list = nullptr;
    std::function<std::optional<Target>()> m_listTarget;
    std::function<void()> m_afterListDrop;
    QAbstractItemView* m_tree = nullptr;
    ITreeAdapter* m_adapter = nullptr;
};
