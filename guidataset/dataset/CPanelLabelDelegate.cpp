#include "guidataset/dataset/CPanelLabelDelegate.h"

#include "guidataset/dataset/CDatafolderTreeAdapter.h"
#include "guidataset/dataset/core/DataFolderName.h"

#include <QLineEdit>
#include <QTreeWidget>

CPanelLabelDelegate::CPanelLabelDelegate(QTreeWidget* tree, CDatafolderTreeAdapter* adapter)
    : QStyledItemDelegate(tree), m_tree(tree), m_adapter(adapter)
{
}

QWidget* CPanelLabelDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                           const QModelIndex& index) const
{
    if (!m_adapter->CanRename(m_tree->itemFromIndex(index)))
        return nullptr;
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor))
        line->setMaxLength(static_cast<int>(kMaxDataFolderNameLength));
    return editor;
}

void CPanelLabelDelegate::setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const
{
    auto* line = qobject_cast<QLineEdit*>(editor);
    QTreeWidgetItem* item = m_tree->itemFromIndex(index);
    if (!line || !item)
        return;
    m_adapter->EndRename(item, line->text().toStdString());
    m_tree->setFocus();
}
