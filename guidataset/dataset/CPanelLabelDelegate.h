#pragma once
// Label editing in the DataFolder panel: only labels the tree adapter allows,
// at most 32 characters, and the edited text goes to the adapter's rename
// rather than straight into the item.
#include <QStyledItemDelegate>

class CDatafolderTreeAdapter;
class QTreeWidget;

class CPanelLabelDelegate : public QStyledItemDelegate {
public:
    CPanelLabelDelegate(QTreeWidget* tree, CDatafolderTreeAdapter* adapter);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

private:
    QTreeWidget* m_tree;
    CDatafolderTreeAdapter* m_adapter;
};
