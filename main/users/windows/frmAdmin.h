#pragma once

#include "main/core/startup/CaptionTable.h"
#include "main/users/scores/ScoreViews.h"

#include <QDialog>
#include <QPixmap>

#include <functional>

class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// What the results window needs to know.
struct AdminSetup {
    QString userStorePath;           // data folder + "Users.dat"
    startup::CaptionTable captions;  // the main program's captions
    QString productTitle;
    // Deletes the main program's study list and phrase sound files.
    std::function<void()> deleteHandoffFiles;
    // How long clearing waits for an activity that is saving a result.
    int storeBusyMilliseconds = 2000;
};

// The administrator's window: every learner's results as a two-level tree over
// two of learner, activity and subject (chosen in cboView), the results of the
// pair clicked in a list, and the command that deletes every user and result
// and ends the program.
class frmAdmin : public QDialog {
    Q_OBJECT

public:
    explicit frmAdmin(AdminSetup setup, QWidget* parent = nullptr);

    QComboBox* cboView() const { return cboView_; }
    QTreeWidget* treeView1() const { return TreeView1_; }
    QTreeWidget* listView1() const { return ListView1_; }
    QPushButton* btnClearDatabase() const { return btnClearDatabase_; }

    // Tree image n: 1..40 the faces, 41..43 the activity (closed, open) and the subject.
    static QIcon treeImage(int image);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void buildControls();
    void Form_Load();
    void cboView_Click(int index);
    void TreeView1_NodeClick(QTreeWidgetItem* node);
    void btnClearDatabase_Click();
    void showPair(QTreeWidgetItem* child);
    void showError(const QString& text);
    // A node of the tree, added under parent; a root is returned unattached.
    QTreeWidgetItem* addNode(QTreeWidgetItem* parent, const scoreviews::ViewNode& node, bool root);

    AdminSetup setup_;
    QPixmap picture_;
    scoreviews::View view_ = scoreviews::View::Learners;
    QLabel* lblView_ = nullptr;
    QComboBox* cboView_ = nullptr;
    QTreeWidget* TreeView1_ = nullptr;
    QTreeWidget* ListView1_ = nullptr;
    QPushButton* btnClearDatabase_ = nullptr;
};
