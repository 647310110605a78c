// The main window's subject tree: the model built at start-up and after changes
// of the custom subjects, its link to the windows around it, and its events.
#include "main/core/app/frmMain.h"

#include "main/core/app/AppPictures.h"
#include "main/core/shared/Wait.h"
#include "main/core/startup/ErrorTrap.h"
#include "main/core/startup/ModMain.h"
#include "main/core/subjects/tree/SubjectTree.h"
#include "main/core/subjects/view/SubjectTreeView.h"
#include "main/core/subjects/view/SubjectTreeWidget.h"
#include "main/core/windows/OpenWebPage.h"
#include "main/core/windows/frmMsgBox.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>

using startup::modMain;

subjects::SubjectContext frmMain::subjectContext()
{
    subjects::SubjectSettings settings{modMain.gProgramCode,
                                       modMain.gProductTitle,
                                       modMain.gLanguageCode,
                                       modMain.gInstalledSubjectsDir,
                                       modMain.gVirtualSubjectsDir,
                                       [](caption::Row row) { return modMain.gCaptions[row]; }};
    // Boxes have no parent: the main window is disabled while a subject loads,
    // and a box parented to it would be disabled too.
    subjects::SubjectHooks hooks;
    hooks.messageBox = [](const platform::ui::MessageRequest& box) {
        return platform::ui::showMessage(box.text, box.icon, box.buttons, box.title);
    };
    hooks.errorBox = [](const QString& procedure, const QString& error) {
        startup::showProcedureError(procedure, error);
    };
    hooks.openWebPage = [](const QString& page) { Open_Web_Page(page); };
    hooks.splashLine = [this](const QString& line) { splashProgress()(line); };
    // Whichever message window is showing: the editor's wait box while the tree
    // is rebuilt after its changes shows each name as it loads.
    hooks.messageWindowText = [](const QString& text) {
        for (QWidget* shown : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<frmMsgBox*>(shown); box && box->isVisible()) box->setMessage(text);
    };
    hooks.processEvents = [] { QCoreApplication::processEvents(); };
    hooks.setMainWindowEnabled = [this](bool enabled) { setEnabled(enabled); };
    hooks.showWaitBox = [this](const QString& title, const QString& text, int heightTwips) {
        showWaitBox(title, text, heightTwips);
    };
    hooks.setWaitBoxText = [this](const QString& text) {
        if (waitBox_) waitBox_->setMessage(text);
    };
    hooks.closeWaitBox = [this] { closeWaitBox(); };
    hooks.wait = [](int seconds) { shared::Wait(seconds); };
    return subjects::SubjectContext(std::move(settings), std::move(hooks));
}

void frmMain::Build_Subject_Tree()
{
    delete treeView_;
    launcher_.reset();
    tree_ = std::make_unique<subjects::SubjectTree>(subjectContext(), random_);
    launcher_ = std::make_unique<launch::ActivityLauncher>(*tree_, launchSeams_);
    treeView_ = new subjects::SubjectTreeView(*tree_, *TreeFolders, subjectTreeIcon);
    connect(treeView_, &subjects::SubjectTreeView::doubleClicked, this, [this] { TreeFolders_DblClick(); });
    connect(treeView_, &subjects::SubjectTreeView::phraseMenuRequested, this,
            [this](int, QPoint globalPos) { TreeFolders_PhraseMenu(globalPos); });
    tree_->build();
}

void frmMain::Refresh_Subjects()
{
    if (tree_) tree_->Refresh_Subjects(modMain.gSubjectsChanged);
}

void frmMain::TreeFolders_DblClick()
{
    mnuListenToPhrase_Click();
}

// The view asks only for phrases of installed and random subjects. Every learner
// gets the menu; Edit tells a learner who is not the administrator why not.
void frmMain::TreeFolders_PhraseMenu(const QPoint& globalPos)
{
    mnuOption->popup(globalPos);
}

void frmMain::showWaitBox(const QString& title, const QString& text, int heightTwips)
{
    closeWaitBox();
    // Not parented to the main window, which is disabled while the box shows.
    waitBox_ = new frmMsgBox;
    waitBox_->setWindowTitle(title);
    waitBox_->setMessage(text);
    waitBox_->setHeightTwips(heightTwips);
    waitBox_->showModeless();
}

void frmMain::closeWaitBox()
{
    if (waitBox_) waitBox_->close();
}
