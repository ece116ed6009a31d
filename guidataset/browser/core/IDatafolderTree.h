#pragma once
// The DataFolder tree the pages may work with: items with a text, an image
// and a number as item data (the page id of what the item stands for, or 1
// and 3 for DataFolder items). The DataFolder panel's tree implements it;
// CDatafolderTreeItems keeps items in memory.
#include <cstdint>
#include <string>

using TreeItem = std::int64_t;
inline constexpr TreeItem kNoTreeItem = 0;

class IDatafolderTree {
public:
    virtual ~IDatafolderTree() = default;

    // kNoTreeItem when nothing is selected.
    virtual TreeItem GetSelectedItem() const = 0;
    virtual void SelectItem(TreeItem item) = 0;
    // kNoTreeItem for a top-level item or none.
    virtual TreeItem GetParentItem(TreeItem item) const = 0;
    virtual std::string GetItemText(TreeItem item) const = 0;
    virtual std::int64_t GetItemData(TreeItem item) const = 0;
    // Adds a child at the end of parent's children (kNoTreeItem: a top-level item).
    virtual TreeItem InsertItem(TreeItem parent, const std::string& text, int image, int selectedImage,
                                std::int64_t data) = 0;
    virtual void DeleteChildren(TreeItem item) = 0;
    virtual void Expand(TreeItem item) = 0;
};
