#pragma once

#include "main/core/activities/ActivityPanel.h"
#include "main/core/app/FileList.h"
#include "main/core/launch/ActivityLauncher.h"
#include "main/core/startup/Folders.h"
#include "main/core/subjects/view/SubjectTreeView.h"
#include "main/core/template/TemplateLoaders.h"
#include "main/core/ticker/view/LinkMenuView.h"
#include "main/core/ticker/view/TickerView.h"
#include "main/core/update/WeeklyGate.h"
#include "main/core/windows/WaitBox.h"
#include "main/core/windows/frmSplash.h"
#include "main/users/windows/SignInTarget.h"
#include "main/users/windows/frmLogin.h"
#include "platform/random/RandomSource.h"
#include "platform/ui/ControlArray.h"
#include "platform/ui/PlainLabel.h"

#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class MsgYesNo;
class QAction;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;

namespace subjects {
class SubjectTreeWidget;
}  // namespace subjects

// The main window: the start object of the program. Form_Load runs the whole
// start-up; closing the window ends the program.
// What other parts of the suite plug into the main window; an empty member does
// the least it can.
struct MainWindowSeams {
    // Opens the custom-subject editor while the main window is hidden; the editor
    // shows the main window again when it closes. Empty: the window shows again.
    std::function<void()> openCustomSubjectEditor;
    // Opens the phrase dialog modally on the selected phrase (the administrator only);
    // gives the phrase's tag as stored when its texts were changed, else nothing.
    std::function<std::optional<subjects::NodeTag>(const subjects::NodeTag& phrase)> editPhrase;
};

class frmMain : public QWidget, public SignInTarget {
    Q_OBJECT

public:
    // programDir is the folder the program runs from (ending in "/").
    explicit frmMain(const QString& programDir, QWidget* parent = nullptr);
    ~frmMain() override;

    void Form_Load();

    // Folders set at start-up, and the file lists of Get_Settings.
    const startup::ProgramFolders& folders() const { return folders_; }
    const FileList& activityPrograms() const { return FileAct; }
    const FileList& installedSubjectFiles() const { return File1; }
    const FileList& customSubjectFiles() const { return File2; }
    int lastActivity() const { return mLastActivity; }
    QString pendingTickerText() const { return ticker_->rules().pending().text; }

    // The subject tree (after start-up step 12).
    subjects::SubjectTree* subjectTree() const { return tree_.get(); }
    subjects::SubjectTreeView* subjectTreeView() const { return treeView_; }
    // Rebuilds the subject tree when the custom subjects changed (gSubjectsChanged).
    void Refresh_Subjects();

    // The activity buttons, and what an activity button starts. Seams left empty
    // take the real ones; tests set them before Form_Load.
    activitypanel::ActivityPanel* activityPanel() const { return activityPanel_; }
    void setLaunchSeams(launch::LaunchSeams seams) { launchSeams_ = std::move(seams); }
    void setSeams(MainWindowSeams seams) { seams_ = std::move(seams); }
    // The edition Form_Load starts: the build's, unless a test names another first.
    void setProgramCode(const QString& code) { programCode_ = code; }

    // The file the selected phrase's recording is written to before it plays:
    // "~selectedphrase" + the process id + ".wav" in the temporary folder.
    static QString listeningFile();

    // The ticker's texts and the link menu, loaded from the template store.
    const templatestore::SystemMessages& systemMessages() const { return messages_; }
    const templatestore::Tips& tips() const { return tips_; }
    int menuLast() const { return mMenuLast; }
    ticker::TickerView* tickerView() const { return ticker_; }
    ticker::LinkMenuView* linkMenu() const { return linkMenu_; }

    // What a successful sign-in changes (SignInTarget).
    void setAdministratorCommandsEnabled(bool enabled) override;
    void setPhraseMenuCaptions(const QString& edit, const QString& listen) override;
    void setWelcome(const QString& text) override;
    void setTitle(const QString& title) override;
    void showSignedIn() override;
    void unloadAndEnd() override;

    // A screen of width times height pixels of 459,999 or less is too small.
    static bool screenIsTooSmall(const QSize& pixels);

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildTickerAndMenu();

    // Start-up, in the order Form_Load runs it.
    void Apply_Edition();
    bool Get_Captions();  // false: the program has ended
    void Set_Paths();
    void Record_Folders();
    void List_Activities();
    void Show_Splash();
    void Get_Settings();
    bool Load_Sign_In();  // false: the program has ended
    void Build_Subject_Tree();
    void Load_Template_Content();
    void Get_Menu_Links();
    void Get_System_Messages();
    void Get_Tips();
    void Get_Activities();
    void Unload_Splash();
    void Show_Sign_In();
    bool Check_Resolution();  // false: the program has ended
    void Check_Weekly_Update();

    void btnChangeUser_Click();
    void btnAdmin_Click();
    void btnCreateVirtualSubjects_Click();
    void btnOpenSubjectsFolder_Click();
    void btnAct_Click(const QString& programPath);
    void Start_Ticker();

    void Form_Activate();
    void Form_Unload();

    // The subject tree's link to the windows around it, and its events.
    subjects::SubjectContext subjectContext();
    void TreeFolders_DblClick();
    void TreeFolders_PhraseMenu(const QPoint& globalPos);
    void mnuEdit_Click();
    void mnuListenToPhrase_Click();
    void Listen_to_Phrase();

    enum class PointerArea { Background, SubjectTree, Logo, TickerPanel };
    void pointerMovedOver(PointerArea area);

    QString templatePath() const;
    templatestore::LoadProgress templateProgress();

    // Writes one line at the top of the splash window's log while it is shown.
    frmSplash::ProgressWriter splashProgress();

    QString programDir_;
    QString programCode_;
    startup::ProgramFolders folders_;
    FileList FileAct;
    FileList File1;
    FileList File2;
    int mLastActivity = -1;
    // The program's one random source, seeded once.
    platform::RandomSource random_;
    templatestore::SystemMessages messages_;
    templatestore::Tips tips_;
    int mMenuLast = -1;

    std::unique_ptr<subjects::SubjectTree> tree_;
    std::unique_ptr<launch::ActivityLauncher> launcher_;
    launch::LaunchSeams launchSeams_;
    MainWindowSeams seams_;
    bool mAdministrator = false;
    bool placed_ = false;
    QPointer<subjects::SubjectTreeView> treeView_;
    WaitBox waitBox_;

    QPixmap picture_;
    QPointer<frmSplash> splash_;
    QPointer<MsgYesNo> msgYesNo_;
    QPointer<frmLogin> login_;

    QFrame* PicMsg = nullptr;
    QLabel* lblMsg = nullptr;
    QLabel* imgLogo = nullptr;
    QLabel* lblCaption = nullptr;
    QLabel* lblSelectSubject = nullptr;
    QLabel* lblSelectActivity = nullptr;
    subjects::SubjectTreeWidget* TreeFolders = nullptr;
    QMenu* mnuOption = nullptr;
    QAction* mnuEdit = nullptr;
    QAction* mnuListenToPhrase = nullptr;
    QFrame* PicActsHolder = nullptr;
    activitypanel::ActivityPanel* activityPanel_ = nullptr;
    QLabel* lblMoreActs = nullptr;
    QPushButton* btnCreateVirtualSubjects = nullptr;
    QPushButton* btnOpenSubjectsFolder = nullptr;
    QPushButton* btnChangeUser = nullptr;
    QPushButton* btnAdmin = nullptr;
    QFrame* picMenu = nullptr;
    QLabel* lblURL = nullptr;
    std::optional<platform::ui::ControlArray<QLabel>> imgMenu;
    std::optional<platform::ui::ControlArray<platform::ui::PlainLabel>> lblMenu;
    ticker::TickerView* ticker_ = nullptr;
    ticker::LinkMenuView* linkMenu_ = nullptr;
    update::WeeklyGate updateGate_;
};
