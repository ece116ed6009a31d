#pragma once
// A DataFolder tree held in memory: the tree the pages work with where no
// panel shows one (the browser opened from the main menu, twdata).
#include "guidataset/browser/core/IDatafolderTree.h"

#include <map>
#include <vector>

class CDatafolderTreeItems final : public IDatafolderTree {
public:
    struct Item {
        TreeItem parent = kNoTreeItem;
        std::string text;
        int image = 0;
        int selectedImage = 0;
        std::int64_t data = 0;
        bool expanded = false;
        std::vector<TreeItem> children;
    };

    TreeItem GetSelectedItem() const override { return m_selected; }
    void SelectItem(TreeItem item) override;
    TreeItem GetParentItem(TreeItem item) const override;
    std::string GetItemText(TreeItem item) const override;
    std::int64_t GetItemData(TreeItem item) const override;
    TreeItem InsertItem(TreeItem parent, const std::string& text, int image, int selectedImage,
                        std::int64_t data) override;
    void DeleteChildren(TreeItem item) override;
    void Expand(TreeItem item) override;

    // Null for an item that does not exist (any more).
    const Item* Find(TreeItem item) const;
    // Children of parent in order (kNoTreeItem: the top-level items).
    std::vector<TreeItem> GetChildren(TreeItem parent) const;

private:
    void Erase(TreeItem item);

    std::map<TreeItem, Item> m_items;
    std::vector<TreeItem> m_roots;
    TreeItem m_next = 1;
    TreeItem m_selected = kNoTreeItem;
};
