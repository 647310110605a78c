#pragma once

#include "main/core/subjects/tree/TreeNodes.h"

#include <QHash>
#include <QIcon>

#include <functional>

class QTreeWidget;
class QTreeWidgetItem;

namespace subjects {

// Keeps the items of a tree widget in line with a tree of nodes: every node has
// one item that keeps its node id, in the node's place, with its text, boldness,
// picture (the selected picture on the selected node), expansion and selection.
// The caller blocks the widget's signals while it syncs.
class TreeItems {
public:
    using IconProvider = std::function<QIcon(int image)>;

    TreeItems(QTreeWidget& widget, IconProvider icons);

    void sync(const TreeNodes& nodes, NodeId selected);

    QTreeWidgetItem* itemFor(NodeId node) const { return items_.value(node, nullptr); }
    static NodeId nodeOf(const QTreeWidgetItem* item);

private:
    void syncChildren(const TreeNodes& nodes, QTreeWidgetItem* parentItem, const std::vector<NodeId>& children);
    QTreeWidgetItem* itemForNode(const TreeNode& node);
    void showNode(QTreeWidgetItem* item, const TreeNode& node, bool selected);

    QTreeWidget& widget_;
    IconProvider icons_;
    QHash<NodeId, QTreeWidgetItem*> items_;
    QHash<int, QIcon> iconCache_;
};

}  // namespace subjects
