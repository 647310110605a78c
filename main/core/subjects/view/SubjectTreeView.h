#pragma once

#include "main/core/subjects/tree/SubjectTree.h"
#include "main/core/subjects/view/TreeItems.h"

#include <QIcon>
#include <QObject>
#include <QPoint>

#include <functional>

class QTreeWidgetItem;

namespace subjects {

class SubjectTreeWidget;

// Shows a SubjectTree in a SubjectTreeWidget and hands the learner's clicks to
// it: the widget's items follow the model after every change (texts, bold
// folders, pictures, expansion, selection), each item keeps its node id, and
// clicks, expansion and collapse run the model's rules. Double-clicks, the right
// button and pointer moves come out as signals for the main window.
class SubjectTreeView : public QObject {
    Q_OBJECT
public:
    using IconProvider = std::function<QIcon(int image)>;

    SubjectTreeView(SubjectTree& model, SubjectTreeWidget& widget, IconProvider icons = {});
    ~SubjectTreeView() override;

    QTreeWidgetItem* itemFor(NodeId node) const { return items_.itemFor(node); }
    static NodeId nodeOf(const QTreeWidgetItem* item) { return TreeItems::nodeOf(item); }
    // Brings the widget in line with the model (also run after every model change).
    void sync();

signals:
    // The learner double-clicked; the window plays the selected phrase.
    void doubleClicked(int selectedNode);
    // The right button on the tree while a phrase of an installed subject is selected.
    void phraseMenuRequested(int selectedNode, QPoint globalPos);
    void pointerMoved();

private:
    void onClicked(QTreeWidgetItem* item);
    void onExpanded(QTreeWidgetItem* item, bool expanded);
    void onRightPressed(QPoint globalPos);

    SubjectTree& model_;
    SubjectTreeWidget& widget_;
    TreeItems items_;
    bool syncing_ = false;
};

}  // namespace subjects
