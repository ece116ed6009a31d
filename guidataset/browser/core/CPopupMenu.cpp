#include "guidataset/browser/core/CPopupMenu.h"

void CPopupMenu::AppendCommand(int id, const std::string& text, bool enabled)
{
    Item item;
    item.id = id;
    item.text = text;
    item.enabled = enabled;
    m_items.push_back(std::move(item));
}

void CPopupMenu::AppendSeparator()
{
    Item item;
    item.type = Item::Type::Separator;
    m_items.push_back(std::move(item));
}

void CPopupMenu::AppendSubMenu(const std::string& text, const CPopupMenu& sub)
{
    Item item;
    item.type = Item::Type::SubMenu;
    item.text = text;
    item.subMenu = &sub;
    m_items.push_back(std::move(item));
}

const CPopupMenu::Item* CPopupMenu::FindCommand(int id) const
{
    for (const Item& item : m_items) {
        if (item.type == Item::Type::Command && item.id == id)
            return &item;
        if (item.type == Item::Type::SubMenu && item.subMenu)
            if (const Item* found = item.subMenu->FindCommand(id))
                return found;
    }
    return nullptr;
}

const CPopupMenu::Item* CPopupMenu::FindSubMenu(const std::string& text) const
{
    for (const Item& item : m_items)
        if (item.type == Item::Type::SubMenu && item.text == text)
            return &item;
    return nullptr;
}
