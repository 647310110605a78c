#include "main/core/subjects/view/SubjectTreeWidget.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace subjects {

SubjectTreeWidget::SubjectTreeWidget(QWidget* parent) : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setColumnCount(1);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setMouseTracking(true);
    // Folders open and close on a single click; a double-click is for listening.
    setExpandsOnDoubleClick(false);
    connect(this, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item, int) { onItemClicked(item); });
}

void SubjectTreeWidget::onItemClicked(QTreeWidgetItem* item)
{
    // The release that ends a double-click is not a second click.
    if (inDoubleClick_) return;
    emit nodeClicked(item);
}

void SubjectTreeWidget::mousePressEvent(QMouseEvent* event)
{
    inDoubleClick_ = false;
    if (event->button() == Qt::RightButton) {
        emit rightPressed(itemAt(event->position().toPoint()), event->globalPosition().toPoint());
        event->accept();
        return;
    }
    QTreeWidget::mousePressEvent(event);
}

void SubjectTreeWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    inDoubleClick_ = true;
    QTreeWidgetItem* item = itemAt(event->position().toPoint());
    QTreeWidget::mouseDoubleClickEvent(event);
    if (item) emit nodeDoubleClicked(item);
}

void SubjectTreeWidget::mouseMoveEvent(QMouseEvent* event)
{
    emit pointerMoved();
    QTreeWidget::mouseMoveEvent(event);
}

void SubjectTreeWidget::keyPressEvent(QKeyEvent* event)
{
    QTreeWidgetItem* before = currentItem();
    QTreeWidget::keyPressEvent(event);
    QTreeWidgetItem* after = currentItem();
    if (after && after != before) emit nodeClicked(after);
}

}  // namespace subjects
