// The main window's commands that lead elsewhere: the results window, the
// custom-subject editor, the subjects folder, editing and hearing a phrase, and
// the window's pointer rules.
#include "main/core/app/frmMain.h"

#include "main/core/launch/HandoffPlace.h"
#include "main/core/shared/Wait.h"
#include "main/core/startup/ErrorTrap.h"
#include "main/core/startup/ModMain.h"
#include "main/core/subjects/tree/SubjectTree.h"
#include "main/core/windows/PhraseListening.h"
#include "main/users/store/UserStoreLoader.h"
#include "main/users/windows/frmAdmin.h"
#include "platform/net/Browser.h"
#include "platform/ui/MessageBox.h"

#include <QLabel>
#include <QMouseEvent>
#include <QUrl>

using startup::modMain;

namespace {

constexpr int kEditorWaitBoxTwips = 1800;

}  // namespace

void frmMain::btnAdmin_Click()
{
    frmAdmin admin({modMain.gDataDir + users::kUserStoreName, modMain.gCaptions, modMain.gProductTitle,
                    [] { launch::Delete_Handoff_Files(); }},
                   this);
    admin.exec();
}

void frmMain::btnCreateVirtualSubjects_Click()
{
    hide();
    waitBox_.show(modMain.gCaptions[caption::PleaseWait], modMain.gCaptions[caption::LoadingSubjects] + "...",
                  kEditorWaitBoxTwips);
    shared::Wait(1);
    // The editor shows this window again when it closes; without one it shows at once.
    if (seams_.openCustomSubjectEditor)
        seams_.openCustomSubjectEditor();
    else
        show();
    waitBox_.close();
}

void frmMain::btnOpenSubjectsFolder_Click()
{
    if (!platform::openUrl(QUrl::fromLocalFile(modMain.gInstalledSubjectsDir)))
        startup::showProcedureError(QStringLiteral("btnOpenSubjectsFolder_Click"),
                                    QStringLiteral("The folder %1 could not be opened.").arg(modMain.gInstalledSubjectsDir),
                                    this);
}

// The menu shows for every learner; only the administrator may change a phrase.
void frmMain::mnuEdit_Click()
{
    if (!mAdministrator) {
        platform::ui::showMessage(modMain.gCaptions[caption::OnlyAdministratorEdits],
                                  platform::ui::MessageIcon::Exclamation, platform::ui::MessageButtons::Ok, QString(),
                                  this);
        return;
    }
    const subjects::TreeNode* node = tree_ ? tree_->node(tree_->selected()) : nullptr;
    if (!node || !node->tag.isPhrase()) return;
    if (!seams_.editPhrase) return;
    const subjects::NodeId edited = node->id;
    // The node shows the translation as stored; it stays as it was when nothing was.
    if (const auto stored = seams_.editPhrase(node->tag)) tree_->retag(edited, stored->translation, *stored);
}

// Only phrases are heard: a folder or a subject does nothing.
void frmMain::mnuListenToPhrase_Click()
{
    if (tree_ && tree_->offersListening(tree_->selected())) Listen_to_Phrase();
}

QString frmMain::listeningFile()
{
    return windows::listeningFile();
}

// Shows the selected phrase, and plays its recording after a second unless OK
// was pressed meanwhile.
void frmMain::Listen_to_Phrase()
{
    const subjects::TreeNode* node = tree_ ? tree_->node(tree_->selected()) : nullptr;
    if (!node) return;
    const subjects::NodeTag tag = node->tag;
    startup::runTrapped(
        QStringLiteral("Listen_to_Phrase"),
        [&] { windows::listenToPhrase(modMain.gInstalledSubjectsDir, tag, modMain.gProductTitle); }, this);
}

// Where the pointer is decides what the window tidies up as it moves: over the
// background, the subject tree or the logo the link menu starts hiding, and
// anywhere the ticker link loses its underline. (The activity buttons go back to
// their normal picture by themselves as the pointer leaves them.)
void frmMain::pointerMovedOver(PointerArea area)
{
    if (area != PointerArea::TickerPanel) linkMenu_->startHiding();
    ticker_->removeUnderline();
}

void frmMain::mouseMoveEvent(QMouseEvent* event)
{
    pointerMovedOver(PointerArea::Background);
    QWidget::mouseMoveEvent(event);
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    // A move handled here goes no further: the window itself has rules of its own.
    if (event->type() == QEvent::MouseMove && (watched == imgLogo || watched == PicMsg)) {
        pointerMovedOver(watched == imgLogo ? PointerArea::Logo : PointerArea::TickerPanel);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
