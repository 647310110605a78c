#pragma once

#include "main/core/subjects/view/SubjectTreeWidget.h"

#include <QPoint>

class QLineEdit;

namespace editor {

// A tree of the editor: every press is reported before the tree acts on it, so
// the editor knows which tree and node the learner pointed at.
class EditorTreeWidget : public subjects::SubjectTreeWidget {
    Q_OBJECT
public:
    explicit EditorTreeWidget(QWidget* parent = nullptr);

signals:
    void pressed(QTreeWidgetItem* item);

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

// The installed tree: a press and a move start a copying drag of the pressed node.
class InstalledTreeWidget : public EditorTreeWidget {
    Q_OBJECT
public:
    explicit InstalledTreeWidget(QWidget* parent = nullptr);

    // What a drag between the two trees carries.
    static const QString kDragFormat;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QPoint pressedAt_;
    bool dragPending_ = false;
};

// The custom tree: takes drops from the installed tree and reports them (it
// never inserts anything itself), reports what was typed into a label editor
// the program opened, and reports one Delete press per press.
class CustomTreeWidget : public EditorTreeWidget {
    Q_OBJECT
public:
    explicit CustomTreeWidget(QWidget* parent = nullptr);

    // Opens the label editor on the item.
    void startLabelEdit(QTreeWidgetItem* item);
    // The label editor, while one is open.
    QLineEdit* labelEditor() const;

signals:
    void labelEdited(const QString& typed);
    void deletePressed();
    void dragMoved(QPoint position);
    void dragLeft();
    void dropped(QPoint position);

protected:
    void commitData(QWidget* editor) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

}  // namespace editor
