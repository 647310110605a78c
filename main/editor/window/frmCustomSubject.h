#pragma once

#include "main/core/subjects/SubjectContext.h"
#include "main/core/subjects/view/TreeItems.h"
#include "main/core/windows/WaitBox.h"
#include "main/editor/controller/EditorController.h"
#include "platform/ui/Timer.h"

#include <QPixmap>
#include <QWidget>

#include <functional>
#include <memory>

class QAction;
class QLabel;
class QMenu;
class QPushButton;

namespace editor {
class CustomTreeWidget;
class InstalledTreeWidget;
}  // namespace editor

// What the editor window needs from the main program.
struct CustomSubjectSetup {
    subjects::SubjectSettings settings;  // edition, folders and captions
    QString programDir;                  // holds the template "custom.tpl"; ends in "/"
    bool* subjectsChanged = nullptr;     // the main program's flag (gSubjectsChanged)
    std::function<void()> refreshSubjects;  // the main window's Refresh_Subjects
    std::function<void()> showMainWindow;
};

// The custom-subject editor window: the installed tree on the left, which
// subjects and phrases are dragged from, and the custom tree on the right, with
// the commands as buttons, popup menu items and the Delete key. A thin view: the
// controller holds the trees and the rules, the window shows them and hands it
// the learner's events. It deletes itself when it has closed.
class frmCustomSubject : public QWidget {
    Q_OBJECT

public:
    explicit frmCustomSubject(CustomSubjectSetup setup, QWidget* parent = nullptr);
    ~frmCustomSubject() override;

    // Fills the trees (each name shows in the wait box meanwhile).
    void Form_Load();

    editor::EditorController& controller() { return *controller_; }
    editor::InstalledTreeWidget* TreeSubjects() const { return TreeSubjects_; }
    editor::CustomTreeWidget* TreeVirtual() const { return TreeVirtual_; }
    QTreeWidgetItem* installedItem(editor::NodeId node) const { return installedItems_.itemFor(node); }
    QTreeWidgetItem* customItem(editor::NodeId node) const { return customItems_.itemFor(node); }
    QPushButton* btnNewFolder() const { return btnNewFolder_; }
    QPushButton* btnNewSubject() const { return btnNewSubject_; }
    QPushButton* btnRename() const { return btnRename_; }
    QPushButton* btnDelete() const { return btnDelete_; }
    QPushButton* btnDone() const { return btnDone_; }
    QMenu* mnuEdit() const { return mnuEdit_; }
    // The two timers: auto-scroll while dragging, and the re-edit after a refused name.
    platform::ui::Timer& Timer1() { return Timer1_; }
    platform::ui::Timer& TimerEdit() { return TimerEdit_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void buildControls();
    void connectEvents();
    subjects::SubjectContext subjectContext();
    editor::EditorHooks editorHooks();
    void syncTrees();
    void showDropHighlight();

    void TreeVirtual_DragOver(const QPoint& position);
    void Timer1_Timer();
    void TreeVirtual_RightPressed(QTreeWidgetItem* item, const QPoint& globalPos);

    CustomSubjectSetup setup_;
    std::unique_ptr<editor::EditorController> controller_;
    WaitBox waitBox_;
    QPixmap picture_;
    bool closing_ = false;

    QPushButton* btnNewFolder_ = nullptr;
    QPushButton* btnNewSubject_ = nullptr;
    QPushButton* btnRename_ = nullptr;
    QPushButton* btnDelete_ = nullptr;
    QPushButton* btnDone_ = nullptr;
    QLabel* lblCaption0_ = nullptr;
    QLabel* lblCaption1_ = nullptr;
    editor::InstalledTreeWidget* TreeSubjects_ = nullptr;
    editor::CustomTreeWidget* TreeVirtual_ = nullptr;
    subjects::TreeItems installedItems_;
    subjects::TreeItems customItems_;
    QMenu* mnuEdit_ = nullptr;
    QAction* mnuNewFolder_ = nullptr;
    QAction* mnuNew_ = nullptr;
    QAction* mnuDelete_ = nullptr;
    QAction* mnuRename_ = nullptr;
    platform::ui::Timer Timer1_{200, false};
    platform::ui::Timer TimerEdit_{100, false};
    QPoint mDrag_;
    editorrules::ScrollDirection mScrollDirection_ = editorrules::ScrollDirection::None;
    editor::NodeId highlighted_ = editor::kNoNode;
};
