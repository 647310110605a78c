#include "main/core/subjects/view/SubjectTreeView.h"

#include "main/core/subjects/view/SubjectTreeWidget.h"

#include <QSet>
#include <QSignalBlocker>
#include <QTreeWidgetItem>

namespace subjects {

namespace {
constexpr int kNodeRole = Qt::UserRole;
}

SubjectTreeView::SubjectTreeView(SubjectTree& model, SubjectTreeWidget& widget, IconProvider icons)
    : QObject(&widget), model_(model), widget_(widget), icons_(std::move(icons))
{
    connect(&widget_, &SubjectTreeWidget::nodeClicked, this, &SubjectTreeView::onClicked);
    connect(&widget_, &QTreeWidget::itemExpanded, this,
            [this](QTreeWidgetItem* item) { onExpanded(item, true); });
    connect(&widget_, &QTreeWidget::itemCollapsed, this,
            [this](QTreeWidgetItem* item) { onExpanded(item, false); });
    connect(&widget_, &SubjectTreeWidget::nodeDoubleClicked, this,
            [this](QTreeWidgetItem*) { emit doubleClicked(model_.selected()); });
    connect(&widget_, &SubjectTreeWidget::rightPressed, this,
            [this](QTreeWidgetItem*, QPoint globalPos) { onRightPressed(globalPos); });
    connect(&widget_, &SubjectTreeWidget::pointerMoved, this, &SubjectTreeView::pointerMoved);
    model_.setChangeListener([this] { sync(); });
    sync();
}

SubjectTreeView::~SubjectTreeView()
{
    model_.setChangeListener({});
}

NodeId SubjectTreeView::nodeOf(const QTreeWidgetItem* item)
{
    return item ? item->data(0, kNodeRole).toInt() : kNoNode;
}

void SubjectTreeView::onClicked(QTreeWidgetItem* item)
{
    if (!syncing_) model_.NodeClick(nodeOf(item));
}

void SubjectTreeView::onExpanded(QTreeWidgetItem* item, bool expanded)
{
    if (syncing_) return;
    if (expanded)
        model_.Expand(nodeOf(item));
    else
        model_.Collapse(nodeOf(item));
}

void SubjectTreeView::onRightPressed(QPoint globalPos)
{
    const NodeId selected = model_.selected();
    if (model_.offersPhraseMenu(selected)) emit phraseMenuRequested(selected, globalPos);
}

void SubjectTreeView::sync()
{
    if (syncing_) return;
    syncing_ = true;
    const QSignalBlocker blocker(&widget_);
    const TreeNodes& nodes = model_.nodes();

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

    syncChildren(nullptr, nodes.roots());
    QTreeWidgetItem* current = itemFor(model_.selected());
    widget_.setCurrentItem(current);
    if (!current) widget_.clearSelection();
    for (auto it = items_.cbegin(); it != items_.cend(); ++it)
        showNode(it.value(), *nodes.find(it.key()));
    syncing_ = false;
}

void SubjectTreeView::syncChildren(QTreeWidgetItem* parentItem, const std::vector<NodeId>& children)
{
    const TreeNodes& nodes = model_.nodes();
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
        syncChildren(item, node.children);
        if (item->isExpanded() != node.expanded) item->setExpanded(node.expanded);
        ++position;
    }
}

QTreeWidgetItem* SubjectTreeView::itemForNode(const TreeNode& node)
{
    if (QTreeWidgetItem* item = items_.value(node.id, nullptr)) return item;
    auto* item = new QTreeWidgetItem;
    item->setData(0, kNodeRole, node.id);
    items_.insert(node.id, item);
    return item;
}

void SubjectTreeView::showNode(QTreeWidgetItem* item, const TreeNode& node)
{
    if (item->text(0) != node.text) item->setText(0, node.text);
    QFont font = item->font(0);
    if (font.bold() != node.bold) {
        font.setBold(node.bold);
        item->setFont(0, font);
    }
    if (!icons_) return;
    const bool isSelected = node.id == model_.selected();
    const int image = isSelected && node.selectedImage ? node.selectedImage : node.image;
    if (image && !iconCache_.contains(image)) iconCache_.insert(image, icons_(image));
    item->setIcon(0, image ? iconCache_.value(image) : QIcon());
}

}  // namespace subjects
