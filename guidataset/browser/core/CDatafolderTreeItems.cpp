#include "guidataset/browser/core/CDatafolderTreeItems.h"

#include <algorithm>

void CDatafolderTreeItems::SelectItem(TreeItem item)
{
    m_selected = Find(item) ? item : kNoTreeItem;
}

TreeItem CDatafolderTreeItems::GetParentItem(TreeItem item) const
{
    const Item* found = Find(item);
    return found ? found->parent : kNoTreeItem;
}

std::string CDatafolderTreeItems::GetItemText(TreeItem item) const
{
    const Item* found = Find(item);
    return found ? found->text : std::string();
}

std::int64_t CDatafolderTreeItems::GetItemData(TreeItem item) const
{
    const Item* found = Find(item);
    return found ? found->data : 0;
}

TreeItem CDatafolderTreeItems::InsertItem(TreeItem parent, const std::string& text, int image,
                                          int selectedImage, std::int64_t data)
{
    if (parent != kNoTreeItem && !Find(parent))
        return kNoTreeItem;
    const TreeItem id = m_next++;
    Item item;
    item.parent = parent;
    item.text = text;
    item.image = image;
    item.selectedImage = selectedImage;
    item.data = data;
    m_items.emplace(id, std::move(item));
    if (parent == kNoTreeItem)
        m_roots.push_back(id);
    else
        m_items[parent].children.push_back(id);
    return id;
}

void CDatafolderTreeItems::Erase(TreeItem item)
{
    auto it = m_items.find(item);
    if (it == m_items.end())
        return;
    for (TreeItem child : it->second.children)
        Erase(child);
    if (m_selected == item)
        m_selected = kNoTreeItem;
    m_items.erase(item);
}

void CDatafolderTreeItems::DeleteChildren(TreeItem item)
{
    auto it = m_items.find(item);
    if (it == m_items.end())
        return;
    const std::vector<TreeItem> children = std::move(it->second.children);
    it->second.children.clear();
    for (TreeItem child : children)
        Erase(child);
}

void CDatafolderTreeItems::Expand(TreeItem item)
{
    auto it = m_items.find(item);
    if (it != m_items.end())
        it->second.expanded = true;
}

const CDatafolderTreeItems::Item* CDatafolderTreeItems::Find(TreeItem item) const
{
    const auto it = m_items.find(item);
    return it == m_items.end() ? nullptr : &it->second;
}

std::vector<TreeItem> CDatafolderTreeItems::GetChildren(TreeItem parent) const
{
    if (parent == kNoTreeItem)
        return m_roots;
    const Item* found = Find(parent);
    return found ? found->children : std::vector<TreeItem>();
}
