#pragma once

#include <QPoint>
#include <QTreeWidget>

class QTreeWidgetItem;

namespace subjects {

// A tree widget that reports what the learner does the way the subject tree's
// rules expect: one click signal for every click on a node (also on the selected
// one, and only one for a double-click), keyboard moves reported as clicks, a
// right press that leaves the selection alone, and pointer moves. Selection made
// by the program reports nothing.
class SubjectTreeWidget : public QTreeWidget {
    Q_OBJECT
public:
    explicit SubjectTreeWidget(QWidget* parent = nullptr);

signals:
    void nodeClicked(QTreeWidgetItem* item);
    void nodeDoubleClicked(QTreeWidgetItem* item);
    void rightPressed(QTreeWidgetItem* item, QPoint globalPos);
    void pointerMoved();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void onItemClicked(QTreeWidgetItem* item);

    bool inDoubleClick_ = false;
};

}  // namespace subjects
