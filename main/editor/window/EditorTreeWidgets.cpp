#include "main/editor/window/EditorTreeWidgets.h"

#include <QApplication>
#include <QDrag>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QTimer>

namespace editor {

EditorTreeWidget::EditorTreeWidget(QWidget* parent) : subjects::SubjectTreeWidget(parent)
{
    setAutoScroll(false);
}

void EditorTreeWidget::mousePressEvent(QMouseEvent* event)
{
    emit pressed(itemAt(event->position().toPoint()));
    subjects::SubjectTreeWidget::mousePressEvent(event);
}

const QString InstalledTreeWidget::kDragFormat = QStringLiteral("application/x-dravolin-installed-node");

InstalledTreeWidget::InstalledTreeWidget(QWidget* parent) : EditorTreeWidget(parent) {}

void InstalledTreeWidget::mousePressEvent(QMouseEvent* event)
{
    dragPending_ = event->button() == Qt::LeftButton && itemAt(event->position().toPoint());
    pressedAt_ = event->position().toPoint();
    EditorTreeWidget::mousePressEvent(event);
}

// The drag carries no node: a drop acts on the installed tree's selected node,
// which the press selected.
void InstalledTreeWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton)) {
        EditorTreeWidget::mouseMoveEvent(event);
        return;
    }
    emit pointerMoved();
    if (!dragPending_ || (event->position().toPoint() - pressedAt_).manhattanLength() < QApplication::startDragDistance())
        return;
    dragPending_ = false;
    auto* drag = new QDrag(this);
    auto* data = new QMimeData;
    data->setData(kDragFormat, QByteArray());
    drag->setMimeData(data);
    if (QTreeWidgetItem* item = currentItem()) drag->setPixmap(item->icon(0).pixmap(iconSize()));
    drag->exec(Qt::CopyAction, Qt::CopyAction);
}

CustomTreeWidget::CustomTreeWidget(QWidget* parent) : EditorTreeWidget(parent)
{
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDropIndicatorShown(false);
}

void CustomTreeWidget::startLabelEdit(QTreeWidgetItem* item)
{
    if (!item) return;
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    scrollToItem(item);
    setFocus();
    editItem(item);
}

QLineEdit* CustomTreeWidget::labelEditor() const
{
    // A closed editor stays hidden until it is deleted.
    for (QLineEdit* editor : viewport()->findChildren<QLineEdit*>())
        if (editor->isVisible()) return editor;
    return nullptr;
}

// The typed text goes to the editor's rules, which decide what the node shows;
// the report waits until the label editor has closed.
void CustomTreeWidget::commitData(QWidget* editor)
{
    const auto* line = qobject_cast<QLineEdit*>(editor);
    if (!line) return;
    const QString typed = line->text();
    QTimer::singleShot(0, this, [this, typed] { emit labelEdited(typed); });
}

// Holding the key down deletes once.
void CustomTreeWidget::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Delete) {
        if (!event->isAutoRepeat()) emit deletePressed();
        event->accept();
        return;
    }
    EditorTreeWidget::keyPressEvent(event);
}

namespace {
// Takes a drag from the installed tree, as a copy; ignores any other.
bool acceptInstalledNode(QDropEvent* event)
{
    if (!event->mimeData()->hasFormat(InstalledTreeWidget::kDragFormat)) {
        event->ignore();
        return false;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    return true;
}
}  // namespace

void CustomTreeWidget::dragEnterEvent(QDragEnterEvent* event)
{
    acceptInstalledNode(event);
}

void CustomTreeWidget::dragMoveEvent(QDragMoveEvent* event)
{
    if (acceptInstalledNode(event)) emit dragMoved(event->position().toPoint());
}

void CustomTreeWidget::dragLeaveEvent(QDragLeaveEvent* event)
{
    event->accept();
    emit dragLeft();
}

void CustomTreeWidget::dropEvent(QDropEvent* event)
{
    if (!acceptInstalledNode(event)) return;
    // The drop is acted on once the drag has ended, so its messages can be modal.
    const QPoint position = event->position().toPoint();
    QTimer::singleShot(0, this, [this, position] { emit dropped(position); });
}

}  // namespace editor
