#pragma once

#include "main/core/app/FileList.h"
#include "main/core/startup/Folders.h"
#include "main/core/windows/frmSplash.h"

#include <QPixmap>
#include <QPointer>
#include <QRandomGenerator>
#include <QWidget>

class MsgYesNo;
class QFrame;
class QLabel;
class QPushButton;
class QScrollBar;
class QTreeWidget;

// The main window: the start object of the program. Form_Load runs the whole
// start-up; closing the window ends the program.
class frmMain : public QWidget {
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
    QString pendingTickerText() const { return mPendingText; }

    // A screen of width times height pixels of 459,999 or less is too small.
    static bool screenIsTooSmall(const QSize& pixels);

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void buildControls();

    // Start-up, in the order Form_Load runs it.
    void Apply_Edition();
    bool Get_Captions();  // false: the program has ended
    void Set_Paths();
    void Record_Folders();
    void List_Activities();
    void Show_Splash();
    void Get_Settings();
    void Load_Sign_In();
    void Build_Subject_Tree();
    void Load_Template_Content();
    void Get_Activities();
    void Unload_Splash();
    void Show_Sign_In();
    bool Check_Resolution();  // false: the program has ended
    void Check_Weekly_Update();

    void Form_Activate();
    void Form_Unload();
    void Delete_Handoff_Files();

    // Writes one line at the top of the splash window's log while it is shown.
    frmSplash::ProgressWriter splashProgress();

    QString programDir_;
    startup::ProgramFolders folders_;
    FileList FileAct;
    FileList File1;
    FileList File2;
    int mLastActivity = -1;
    int mTipIndex = 0;
    QString mPendingText;
    QString mPendingLink;
    QRandomGenerator mRandom;

    QPixmap picture_;
    QPointer<frmSplash> splash_;
    QPointer<MsgYesNo> msgYesNo_;

    QFrame* PicMsg = nullptr;
    QLabel* lblMsg = nullptr;
    QLabel* imgLogo = nullptr;
    QLabel* lblCaption = nullptr;
    QLabel* lblSelectSubject = nullptr;
    QLabel* lblSelectActivity = nullptr;
    QTreeWidget* TreeFolders = nullptr;
    QFrame* PicActsHolder = nullptr;
    QWidget* picActs = nullptr;
    QScrollBar* VScroll = nullptr;
    QLabel* lblMoreActs = nullptr;
    QPushButton* btnCreateVirtualSubjects = nullptr;
    QPushButton* btnOpenSubjectsFolder = nullptr;
    QPushButton* btnChangeUser = nullptr;
    QPushButton* btnAdmin = nullptr;
    QFrame* picMenu = nullptr;
    QLabel* lblURL = nullptr;
};
