#include "activities/framework/startup/ActivityWindow.h"

#include "common/activityconfig/ActivityConfig.h"
#include "activities/framework/startup/StudyArgument.h"
#include "common/studylist/HandoffFiles.h"
#include "activities/framework/windows/CenterForm.h"
#include "activities/framework/windows/FrameworkTexts.h"
#include "activities/framework/windows/TempSounds.h"
#include "activities/framework/windows/frmInstructions.h"
#include "main/core/shared/AppFolder.h"
#include "main/core/shared/TempPath.h"
#include "platform/ui/EndProgram.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/QtTranslations.h"
#include "platform/ui/TerminationSignals.h"

#include "dvl_version.h"

#include <QCloseEvent>
#include <QCoreApplication>

namespace activity {

ActivityEnvironment ActivityEnvironment::current()
{
    return ActivityEnvironment{shared::Get_Temp_Path(), shared::App_Folder(), QCoreApplication::applicationPid()};
}

ActivityWindow::ActivityWindow(ActivitySetup setup, QWidget* parent) : QWidget(parent), setup_(std::move(setup))
{
    // Whatever ends the program from now on deletes the sound copies first.
    platform::ui::addBeforeEndHook([this] { deleteTempSounds(); }, this);
}

ActivityWindow::~ActivityWindow() = default;

QString ActivityWindow::windowCaption(const QString& productTitle, const QString& activityName, int major, int minor,
                                      int revision)
{
    return QStringLiteral("%1 - %2 %3.%4.%5").arg(productTitle, activityName).arg(major).arg(minor).arg(revision);
}

bool ActivityWindow::Start_Activity(const QStringList& arguments)
{
    ActivityEnvironment environment;
    if (!wholeArgumentText(arguments).isEmpty()) {
        try {
            environment = ActivityEnvironment::current();
        } catch (const std::exception& error) {
            platform::ui::showMessage(studyListRefusedText(QString::fromUtf8(error.what())),
                                      platform::ui::MessageIcon::Exclamation);
            platform::ui::endProgram(1);
            return false;
        }
    }
    return Start_Activity(arguments, environment);
}

bool ActivityWindow::Start_Activity(const QStringList& arguments, const ActivityEnvironment& environment)
{
    environment_ = environment;
    if (setup_.centring == Centring::BeforeStart) Center_Form(*this);
    // A termination signal is handled from the event loop as closing the window
    // is, so it never lands between a sound copy and the record of it.
    platform::ui::handleTerminationSignals([this] { unloadActivity(); });
    if (!readStudyList(arguments)) return false;
    // Qt's own texts (standard buttons, the print dialog) speak the interface
    // language from the first box on; without Qt's translation they stay English.
    platform::ui::loadQtTranslations(mInterfaceLanguage);
    afterStudyList();  // may size the window to the list, so it is centred after this
    if (setup_.centring == Centring::AfterStudyList) Center_Form(*this);

    if (!Load_Activity_Captions()) return false;
    if (!afterCaptions()) {
        unloadActivity();
        return false;
    }
    if (setup_.centring == Centring::AfterCaptions) Center_Form(*this);
    setWindowTitle(windowCaption(mProductTitle, mCaptions(2), DVL_VERSION_MAJOR, DVL_VERSION_MINOR,
                                 DVL_VERSION_REVISION));
    setUpActivity();

    show();
    beforeInstructions();
    runInstructions();
    startGame();
    return true;
}

bool ActivityWindow::readStudyList(const QStringList& arguments)
{
    const std::optional<QString> path = studyListPath(environment_.tempFolder, wholeArgumentText(arguments));
    if (!path) {
        platform::ui::endProgram(0);
        return false;
    }
    const studylist::ReadResult result = studylist::loadForActivity(*path, environment_.tempFolder, environment_.pid);
    if (!result.ok()) {
        // No copies were made; the captions are not known yet, so the text is built in.
        platform::ui::showMessage(studyListRefusedText(result.error), platform::ui::MessageIcon::Exclamation);
        platform::ui::endProgram(1);
        return false;
    }
    const studylist::StudyList& list = *result.list;
    mProgramCode = list.programCode;
    mProductTitle = list.productTitle;
    mInterfaceLanguage = list.interfaceLanguage;
    mTargetLanguage = list.targetLanguage;
    mUserName = list.userName;
    mSubject = list.subjectTitle;
    mUserStore = list.userStorePath;
    mPhraseCount = list.phraseCount();
    mPhrases = {};
    for (int i = 1; i <= mPhraseCount; ++i) {
        const studylist::StudyPhrase& phrase = list.phrases[static_cast<std::size_t>(i - 1)];
        mPhrases[static_cast<std::size_t>(i)] =
            ActivityPhrase{phrase.phrase, phrase.translation, phrase.translation2, phrase.soundPath, i};
    }
    copiesMade_ = true;
    return true;
}

bool ActivityWindow::Load_Activity_Captions()
{
    const QString store = environment_.appFolder + activityconfig::configStoreName(setup_.program);
    try {
        mCaptions = activityconfig::readCaptions(store, mInterfaceLanguage, setup_.lastCaption);
        return true;
    } catch (const activityconfig::ConfigError& error) {
        platform::ui::showMessage(olderVersionText(setup_.olderVersionName), platform::ui::MessageIcon::Exclamation,
                                  platform::ui::MessageButtons::Ok, error.text());
        platform::ui::endProgram(1);
        return false;
    }
}

void ActivityWindow::runInstructions()
{
    frmInstructions instructions(this);
    const InstructionRows& rows = setup_.instructions;
    instructions.setTexts(mCaptions(rows.windowCaption), mCaptions(rows.button), mCaptions(rows.title),
                          mCaptions(rows.body));
    prepareInstructions(instructions);
    Center_Form(instructions);
    connect(&instructions, &frmInstructions::shown, this, &ActivityWindow::instructionsShown);
    instructions.showModal();
}

void ActivityWindow::deleteTempSounds() const
{
    if (copiesMade_) Delete_Temp_Sounds(environment_.tempFolder, environment_.pid, mPhraseCount);
}

void ActivityWindow::unloadActivity()
{
    ending_ = true;
    deleteTempSounds();
    platform::ui::endProgram(0);
}

void ActivityWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    unloadActivity();
}

ScoreRequest ActivityWindow::scoreRequest(int top10Row, int beginRow, const QString& numberSuffix) const
{
    ScoreRequest request;
    request.userStorePath = mUserStore;
    request.userName = mUserName;
    request.subject = mSubject;
    request.activity = mCaptions(2);
    request.top10Caption = mCaptions(top10Row);
    request.beginCaption = mCaptions(beginRow);
    request.numberSuffix = numberSuffix;
    request.interfaceLanguage = mInterfaceLanguage;
    request.centreWindow = setup_.centreScoreWindow;
    return request;
}

void ActivityWindow::saveNumberScore(std::int64_t score, int top10Row, int beginRow, const QString& numberSuffix)
{
    ending_ = true;
    finishScore(Save_Score(scoreRequest(top10Row, beginRow, numberSuffix), score));
}

void ActivityWindow::saveTimeScore(const QString& elapsed, int top10Row, int beginRow)
{
    ending_ = true;
    finishScore(Save_Score(scoreRequest(top10Row, beginRow, {}), elapsed));
}

void ActivityWindow::finishScore(SaveScoreResult result)
{
    // A close or SIGTERM while the result waited for the store has unloaded it already.
    if (result == SaveScoreResult::ProgramEnded) return;
    // Every other outcome ends the activity: stored and shown, store missing, or store failed.
    unloadActivity();
}

}  // namespace activity
