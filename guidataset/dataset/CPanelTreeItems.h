#pragma once
// The panel's tree as the browser's pages see it (IDatafolderTree): items are
// the tree widget's own, named by their address.
#include "guidataset/browser/core/IDatafolderTree.h"

class QTreeWidget;
class QTreeWidgetItem;

class CPanelTreeItems final : public IDatafolderTree {
public:
    explicit CPanelTreeItems(QTreeWidget* tree);

    TreeItem GetSelectedItem() const override;
    void SelectItem(TreeItem item) override;
    TreeItem GetParentItem(TreeItem item) const override;
    std::string GetItemText(TreeItem item) const override;
    std::int64_t GetItemData(TreeItem item) const override;
    TreeItem InsertItem(TreeItem parent, const std::string& text, int image, int selectedImage,
                        std::int64_t data) override;
    void DeleteChildren(TreeItem item) override;
    void Expand(TreeItem item) override;

    static TreeItem Handle(const QTreeWidgetItem* item);
    static QTreeWidgetItem* Item(TreeItem handle);
    // Item data of the pages (a page id); DataFolder items carry 1.
    static constexpr int kDataRole = 0x0100 + 2;   // Qt::UserRole + 2

private:
    QTreeWidget* m_tree;
};
