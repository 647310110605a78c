#include "main/core/subjects/view/SubjectTreeView.h"

#include "main/core/subjects/view/SubjectTreeWidget.h"

#include <QSignalBlocker>
#include <QTreeWidgetItem>

namespace subjects {

SubjectTreeView::SubjectTreeView(SubjectTree& model, SubjectTreeWidget& widget, IconProvider icons)
    : QObject(&widget), model_(model), widget_(widget), items_(widget, std::move(icons))
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
    items_.sync(model_.nodes(), model_.selected());
    syncing_ = false;
}

}  // namespace subjects
