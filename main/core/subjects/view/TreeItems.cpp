#include "main/core/subjects/view/TreeItems.h"

#include <QSet>
#include <QTreeWidget>
#include <QTreeWidgetItem>

namespace subjects {

namespace {
constexpr int kNodeRole = Qt::UserRole;
}

TreeItems::TreeItems(QTreeWidget& widget, IconProvider icons) : widget_(widget), icons_(std::move(icons)) {}

NodeId TreeItems::nodeOf(const QTreeWidgetItem* item)
{
    return item ? item->data(0, kNodeRole).toInt() : kNoNode;
}

void TreeItems::sync(const TreeNodes& nodes, NodeId selected)
{
    // Items whose node is gone; a gone item's children go with it.
    QList<QTreeWidgetItem*> gone;
    for (auto it = items_.begin(); it != items_.end();) {
        if (nodes.find(it.key())) {
            ++it;
            continue;
        }
        gone.append(it.value());
        it = items_.erase(it);
    }
    const QSet<QTreeWidgetItem*> goneSet(gone.begin(), gone.end());
    QList<QTreeWidgetItem*> outermost;
    for (QTreeWidgetItem* item : gone)
        if (!goneSet.contains(item->parent())) outermost.append(item);
    qDeleteAll(outermost);

    syncChildren(nodes, nullptr, nodes.roots());
    QTreeWidgetItem* current = itemFor(selected);
    widget_.setCurrentItem(current);
    if (!current) widget_.clearSelection();
    for (auto it = items_.cbegin(); it != items_.cend(); ++it)
        showNode(it.value(), *nodes.find(it.key()), it.key() == selected);
}

void TreeItems::syncChildren(const TreeNodes& nodes, QTreeWidgetItem* parentItem, const std::vector<NodeId>& children)
{
    int position = 0;
    for (NodeId id : children) {
        const TreeNode& node = *nodes.find(id);
        QTreeWidgetItem* item = itemForNode(node);
        const int at = parentItem ? parentItem->indexOfChild(item) : widget_.indexOfTopLevelItem(item);
        if (at != position || item->parent() != parentItem) {
            if (QTreeWidgetItem* oldParent = item->parent())
                oldParent->removeChild(item);
            else if (const int top = widget_.indexOfTopLevelItem(item); top >= 0)
                widget_.takeTopLevelItem(top);
            if (parentItem)
                parentItem->insertChild(position, item);
            else
                widget_.insertTopLevelItem(position, item);
        }
        syncChildren(nodes, item, node.children);
        if (item->isExpanded() != node.expanded) item->setExpanded(node.expanded);
        ++position;
    }
}

QTreeWidgetItem* TreeItems::itemForNode(const TreeNode& node)
{
    if (QTreeWidgetItem* item = items_.value(node.id, nullptr)) return item;
    auto* item = new QTreeWidgetItem;
    item->setData(0, kNodeRole, node.id);
    items_.insert(node.id, item);
    return item;
}

void TreeItems::showNode(QTreeWidgetItem* item, const TreeNode& node, bool selected)
{
    if (item->text(0) != node.text) item->setText(0, node.text);
    QFont font = item->font(0);
    if (font.bold() != node.bold) {
        font.setBold(node.bold);
        item->setFont(0, font);
    }
    if (!icons_) return;
    const int image = selected && node.selectedImage ? node.selectedImage : node.image;
    if (image && !iconCache_.contains(image)) iconCache_.insert(image, icons_(image));
    item->setIcon(0, image ? iconCache_.value(image) : QIcon());
}

}  // namespace subjects
