#pragma once
// The browser's file list: a QTreeView in list style over the list model.
// Files are dragged out of it as file URLs (a file manager copies them) and
// as the browser's own block of paths; Enter views, Delete deletes.
#include <QTreeView>

#include <functional>
#include <string>
#include <vector>

class QMimeData;

class CDatafolderFileList : public QTreeView {
public:
    // The MIME type of the block of zero-separated paths (BuildDragBlock).
    static constexpr const char* kPathBlockMime = "application/x-tarnwick-path-block";

    explicit CDatafolderFileList(QWidget* parent = nullptr);

    // The full paths of the selected rows' files, from the page.
    void SetDragPaths(std::function<std::vector<std::string>()> paths) { m_dragPaths = std::move(paths); }
    void SetOnEnter(std::function<void()> handler) { m_onEnter = std::move(handler); }
    void SetOnDeleteKey(std::function<void()> handler) { m_onDeleteKey = std::move(handler); }

    // What dragging the selected rows carries; null when no file can go.
    // Files that are gone, and names that are no UTF-8 text (a URL cannot
    // carry them), are left out and named in problems.
    QMimeData* MakeDragData(std::vector<std::string>* problems = nullptr) const;

protected:
    void startDrag(Qt::DropActions supportedActions) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::function<std::vector<std::string>()> m_dragPaths;
    std::function<void()> m_onEnter;
    std::function<void()> m_onDeleteKey;
};
