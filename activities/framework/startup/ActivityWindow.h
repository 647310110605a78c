#pragma once

// The main window every activity program derives from. Start_Activity runs the
// common start-up sequence; the activity writes only its own game in the hooks:
//
//   1. an empty command line ends the program silently;
//   2. the study list is read from the temporary folder and the phrase sounds
//      are copied under this program's own names (a missing or refused list:
//      a short message, then the end);
//   3. afterStudyList();
//   4. Load_Activity_Captions (an unreadable store: the older-version message,
//      then the end); afterCaptions() may end the program by returning false;
//   5. the window is centred (see ActivitySetup::centring);
//   6. the window caption "<product> - <caption 2> <major>.<minor>.<revision>";
//   7. setUpActivity();
//   8. the window is shown; beforeInstructions();
//   9. the instruction window is shown modally (runInstructions());
//  10. startGame().
//
// The only way out is unloadActivity() (closing the window, SIGTERM or SIGINT,
// a finished score, a missing user store): it deletes the sound copies and ends
// the program at once through platform::ui::endProgram. Every other end of the
// program (an error on the way) deletes the copies as well.
#include "activities/framework/startup/ActivitySetup.h"
#include "activities/framework/startup/ActivityStudy.h"
#include "activities/framework/windows/SaveScoreFront.h"

#include <QStringList>
#include <QWidget>

#include <cstdint>

class frmInstructions;

namespace activity {

// Where start-up finds its files; by default the suite's private temporary
// folder, the program's own folder and the process id.
struct ActivityEnvironment {
    QString tempFolder;  // ends with "/"
    QString appFolder;   // ends with "/"
    std::int64_t pid = 0;

    static ActivityEnvironment current();
};

class ActivityWindow : public QWidget, public ActivityStudy {
    Q_OBJECT

public:
    explicit ActivityWindow(ActivitySetup setup, QWidget* parent = nullptr);
    ~ActivityWindow() override;

    // Runs the sequence above with the program's arguments (without the program
    // name). False when the program ended on the way (only observable when the
    // end function is replaced, as in tests); true once the game has started.
    // A private temporary folder that is not safe to use ends the program with
    // the study list message.
    bool Start_Activity(const QStringList& arguments);
    bool Start_Activity(const QStringList& arguments, const ActivityEnvironment& environment);

    // Reads mCaptions from "<program>.cfg" in the program's folder, in the
    // mInterfaceLanguage column; on failure (a store short of the rows up to
    // ActivitySetup::lastCaption among them) shows the older-version message
    // titled with the failure and ends the program (false then).
    bool Load_Activity_Captions();

    // Deletes this program's sound copies (by mPhraseCount) and ends the program.
    void unloadActivity();

    // Stores the result, shows the kept results and unloads the activity:
    // the number and time variants. top10Row and beginRow are caption rows;
    // numberSuffix follows the number in the list (" " + a caption, "%", "").
    void saveNumberScore(std::int64_t score, int top10Row, int beginRow, const QString& numberSuffix = {});
    void saveTimeScore(const QString& elapsed, int top10Row, int beginRow);

    const ActivitySetup& setup() const { return setup_; }
    const ActivityEnvironment& environment() const { return environment_; }

    // "<product> - <caption 2> <major>.<minor>.<revision>".
    static QString windowCaption(const QString& productTitle, const QString& activityName, int major,
                                 int minor, int revision);

signals:
    // The instruction window is on the screen (start-up is done up to the game).
    void instructionsShown();

protected:
    // Hooks of the sequence; the defaults do nothing.
    virtual void afterStudyList() {}
    virtual bool afterCaptions() { return true; }
    virtual void setUpActivity() {}
    virtual void beforeInstructions() {}
    virtual void startGame() {}

    // Fills and shows the instruction window modally; an activity with its own
    // instruction window overrides it.
    virtual void runInstructions();
    // Adds an activity's own controls to the filled instruction window before it
    // is placed and shown; the default adds none.
    virtual void prepareInstructions(frmInstructions& /*instructions*/) {}

    // The score request filled from the study and the captions (for overrides).
    ScoreRequest scoreRequest(int top10Row, int beginRow, const QString& numberSuffix) const;

    // True once the activity is ending: its score is being saved or it is being
    // unloaded. No game handler goes on after that.
    bool ending() const { return ending_; }

    // Closing the window unloads the activity.
    void closeEvent(QCloseEvent* event) override;

private:
    bool readStudyList(const QStringList& arguments);
    void deleteTempSounds() const;
    void finishScore(SaveScoreResult result);

    ActivitySetup setup_;
    ActivityEnvironment environment_;
    bool copiesMade_ = false;
    bool ending_ = false;
};

}  // namespace activity
