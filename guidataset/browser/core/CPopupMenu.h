#pragma once
// A context menu as the pages build it: command items, separators and
// sub-menus, in order. Building a menu needs no window; the list that owns
// the menu shows it and answers the chosen command (IDatafolderList).
#include <string>
#include <vector>

class CPopupMenu {
public:
    struct Item {
        enum class Type { Command, Separator, SubMenu };
        Type type = Type::Command;
        int id = 0;                        // command id (Command only)
        std::string text;                  // Command and SubMenu
        bool enabled = true;               // false: shown grayed
        const CPopupMenu* subMenu = nullptr;   // SubMenu only; not owned
    };

    void AppendCommand(int id, const std::string& text, bool enabled = true);
    void AppendSeparator();
    // sub must outlive this menu.
    void AppendSubMenu(const std::string& text, const CPopupMenu& sub);

    const std::vector<Item>& Items() const { return m_items; }
    bool IsEmpty() const { return m_items.empty(); }

    // The command item with id, searching sub-menus too; null when absent.
    const Item* FindCommand(int id) const;
    // The sub-menu item titled text; null when absent.
    const Item* FindSubMenu(const std::string& text) const;

private:
    std::vector<Item> m_items;
};
