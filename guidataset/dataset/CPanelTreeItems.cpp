#include "guidataset/dataset/CPanelTreeItems.h"

#include "guidataset/dataset/CPanelIcons.h"

#include <QIcon>
#include <QTreeWidget>

CPanelTreeItems::CPanelTreeItems(QTreeWidget* tree) : m_tree(tree) {}

TreeItem CPanelTreeItems::Handle(const QTreeWidgetItem* item)
{
    return static_cast<TreeItem>(reinterpret_cast<std::intptr_t>(item));
}

QTreeWidgetItem* CPanelTreeItems::Item(TreeItem handle)
{
    return reinterpret_cast<QTreeWidgetItem*>(static_cast<std::intptr_t>(handle));
}

TreeItem CPanelTreeItems::GetSelectedItem() const { return Handle(m_tree->currentItem()); }

void CPanelTreeItems::SelectItem(TreeItem item) { m_tree->setCurrentItem(Item(item)); }

TreeItem CPanelTreeItems::GetParentItem(TreeItem item) const
{
    const QTreeWidgetItem* found = Item(item);
    return found ? Handle(found->parent()) : kNoTreeItem;
}

std::string CPanelTreeItems::GetItemText(TreeItem item) const
{
    const QTreeWidgetItem* found = Item(item);
    return found ? found->text(0).toStdString() : std::string();
}

std::int64_t CPanelTreeItems::GetItemData(TreeItem item) const
{
    const QTreeWidgetItem* found = Item(item);
    return found ? found->data(0, kDataRole).toLongLong() : 0;
}

TreeItem CPanelTreeItems::InsertItem(TreeItem parent, const std::string& text, int image, int,
                                     std::int64_t data)
{
    auto* item = new QTreeWidgetItem(QStringList(QString::fromStdString(text)));
    item->setIcon(0, CPanelIcons::Icon(image));
    item->setData(0, kDataRole, QVariant::fromValue<qlonglong>(data));
    if (QTreeWidgetItem* owner = Item(parent))
        owner->addChild(item);
    else
        m_tree->addTopLevelItem(item);
    return Handle(item);
}

void CPanelTreeItems::DeleteChildren(TreeItem item)
{
    if (QTreeWidgetItem* found = Item(item))
        qDeleteAll(found->takeChildren());
}

void CPanelTreeItems::Expand(TreeItem item)
{
    if (QTreeWidgetItem* found = Item(item))
        found->setExpanded(true);
}
