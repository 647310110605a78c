// The main window's subject tree: the model built at start-up and after changes
// of the custom subjects, its link to the windows around it, and its events.
#include "main/core/app/frmMain.h"

#include "main/core/windows/WindowPictures.h"
#include "main/core/startup/ErrorTrap.h"
#include "main/core/startup/ModMain.h"
#include "main/core/subjects/tree/SubjectTree.h"
#include "main/core/subjects/view/SubjectTreeView.h"
#include "main/core/subjects/view/SubjectTreeWidget.h"
#include "main/core/windows/SubjectWindowHooks.h"

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
    subjects::SubjectHooks hooks = subjectWindowHooks(waitBox_, [this](bool enabled) { setEnabled(enabled); });
    hooks.splashLine = [this](const QString& line) { splashProgress()(line); };
    return subjects::SubjectContext(std::move(settings), std::move(hooks));
}

void frmMain::Build_Subject_Tree()
{
    delete treeView_;
    launcher_.reset();
    tree_ = std::make_unique<subjects::SubjectTree>(subjectContext(), random_);
    launcher_ = std::make_unique<launch::ActivityLauncher>(*tree_, launchSeams_);
    treeView_ = new subjects::SubjectTreeView(*tree_, *TreeFolders, subjectTreePicture);
    connect(treeView_, &subjects::SubjectTreeView::doubleClicked, this, [this] { TreeFolders_DblClick(); });
    connect(treeView_, &subjects::SubjectTreeView::phraseMenuRequested, this,
            [this](int, QPoint globalPos) { TreeFolders_PhraseMenu(globalPos); });
    connect(treeView_, &subjects::SubjectTreeView::pointerMoved, this,
            [this] { pointerMovedOver(PointerArea::SubjectTree); });
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
