#include "main/core/app/frmMain.h"

#include "dvl_version.h"
#include "main/core/shared/Online.h"
#include "main/core/shared/TempPath.h"
#include "main/core/shared/TileBackground.h"
#include "main/core/shared/Wait.h"
#include "main/core/startup/ErrorTrap.h"
#include "main/core/startup/ModMain.h"
#include "main/core/startup/Registry.h"
#include "main/core/subjects/tree/SubjectTree.h"
#include "main/core/subjects/view/SubjectTreeView.h"
#include "main/core/update/UpdateCheck.h"
#include "main/core/windows/MsgYesNo.h"
#include "main/core/windows/WindowPictures.h"
#include "main/users/store/UserStoreLoader.h"
#include "platform/files/FileLists.h"
#include "platform/files/Paths.h"
#include "platform/ui/Clock.h"
#include "platform/ui/EndProgram.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/QtTranslations.h"
#include "platform/ui/Twips.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include <stdexcept>

using startup::modMain;

namespace {

constexpr qint64 kSmallestScreenArea = 460000;  // 800 x 600 passes, 640 x 480 does not

}  // namespace

frmMain::frmMain(const QString& programDir, QWidget* parent)
    : QWidget(parent),
      programDir_(platform::withTrailingSlash(programDir)),
      programCode_(QStringLiteral(DVL_PROGRAM_CODE)),
      FileAct(platform::executablesIn),
      File1([](const QString& folder) { return platform::filesWithExtension(folder, modMain.gLanguageCode); }),
      File2([](const QString& folder) {
          return platform::filesWithExtension(folder, 'v' + modMain.gLanguageCode);
      }),
      picture_(windowBackground())
{
    setObjectName("frmMain");
    buildControls();
    connect(mnuEdit, &QAction::triggered, this, [this] { mnuEdit_Click(); });
    connect(mnuListenToPhrase, &QAction::triggered, this, [this] { mnuListenToPhrase_Click(); });
}

frmMain::~frmMain()
{
    // The view lets go of the model when it goes, so it goes first.
    delete treeView_;
    // A sign-in window still open must not reach this window once it is gone.
    delete login_;
}

// The template store holds the captions and is the file new user stores copy.
QString frmMain::templatePath() const
{
    return programDir_ + users::kUserTemplateName;
}

void frmMain::Form_Load()
{
    modMain.gProgramCode = programCode_;
    Apply_Edition();
    if (!Get_Captions()) return;
    Set_Paths();
    Record_Folders();
    List_Activities();
    Show_Splash();
    Get_Settings();
    if (!Load_Sign_In()) return;
    shared::Wait(1);
    modMain.gSubjectsChanged = false;
    Build_Subject_Tree();
    Load_Template_Content();
    Get_Activities();
    Unload_Splash();
    Show_Sign_In();
    if (!Check_Resolution()) return;
    Check_Weekly_Update();
}

void frmMain::Apply_Edition()
{
    const auto edition = startup::findEdition(modMain.gProgramCode);
    if (!edition) return;
    modMain.applyEdition(*edition);
    // Qt's own texts (standard buttons, the print dialog) follow the edition's
    // interface language; without Qt's translation they stay English.
    platform::ui::loadQtTranslations(modMain.gInterfaceLanguage);
    imgLogo->setPixmap(editionLogo(edition->logoIndex, imgLogo->size()));
}

bool frmMain::Get_Captions()
{
    // Without its texts the program has no words to show, so it says so plainly
    // in English and ends.
    const QString path = templatePath();
    try {
        startup::CaptionTable captions = startup::Get_Captions(path, modMain.gInterfaceLanguage);
        if (captions.isEmpty()) throw std::runtime_error("The table of interface texts is empty.");
        // A row the program reads must be there: a missing one would show as a blank button.
        if (captions.rowCount() < caption::LastRow)
            throw std::runtime_error(QString("Interface text %1 is missing: the table holds %2 rows.")
                                         .arg(captions.rowCount() + 1)
                                         .arg(captions.rowCount())
                                         .toStdString());
        modMain.gCaptions = std::move(captions);
        return true;
    } catch (const std::exception& error) {
        platform::ui::showMessage(
            QString("Lessondesk cannot start: its interface texts cannot be read from\n%1\n\n%2\n\n"
                    "Please install the program again.")
                .arg(QDir::toNativeSeparators(path), QString::fromUtf8(error.what())),
            platform::ui::MessageIcon::Critical, platform::ui::MessageButtons::Ok,
            QStringLiteral("Lessondesk"));
        platform::ui::endProgram(1);
        return false;
    }
}

void frmMain::Set_Paths()
{
    startup::runTrapped(QStringLiteral("Set_Paths"), [this] {
        startup::Set_Paths(folders_, programDir_, modMain.gCaptions[caption::SubjectsFolderName], modMain.gCaptions[caption::CustomSubjectsFolderName],
                           modMain.gProductTitle);
    });
    modMain.gDataDir = folders_.dataDir;
    modMain.gInstalledSubjectsDir = folders_.installedSubjectsDir;
    modMain.gVirtualSubjectsDir = folders_.virtualSubjectsDir;
}

void frmMain::Record_Folders()
{
    const QString key = startup::programKey(modMain.gProgramCode);
    startup::Record_Folder(key, QStringLiteral("ProgramDir"), folders_.programDir);
    startup::Record_Folder(key, QStringLiteral("InstalledSubjectsDir"), folders_.installedSubjectsDir);
    startup::Record_Folder(key, QStringLiteral("VirtualSubjectsDir"), folders_.virtualSubjectsDir);
}

void frmMain::List_Activities()
{
    FileAct.setPath(folders_.activitiesDir);
    startup::runTrapped(QStringLiteral("Form_Load"), [this] { FileAct.refresh(); });
}

void frmMain::Show_Splash()
{
    splash_ = new frmSplash(imgLogo->pixmap());
    splash_->show();
    splash_->activateWindow();
}

void frmMain::Get_Settings()
{
    const QString procedure = QStringLiteral("Get_Settings");
    // A folder that cannot be made is reported on its own, so the window still
    // gets its texts. Without a data folder there is nowhere to make it.
    if (!modMain.gDataDir.isEmpty())
        startup::runTrapped(procedure, [] { platform::createFolder(modMain.gDataDir + modMain.gCaptions[caption::SubjectsFolderName]); });
    startup::runTrapped(procedure, [this] {
        File1.setPath(modMain.gInstalledSubjectsDir);
        File1.refresh();
        File2.setPath(modMain.gVirtualSubjectsDir);
        File2.refresh();

        lblSelectSubject->setText("1. " + modMain.gCaptions[caption::ChooseSubject]);
        lblSelectActivity->setText("2. " + modMain.gCaptions[caption::ChooseActivity]);
        lblCaption->setText(modMain.gCaptions[caption::DoubleClickToHear]);
        setWindowTitle(modMain.gProductTitle);
        btnChangeUser->setText(modMain.gCaptions[caption::ChangeUser]);
        btnCreateVirtualSubjects->setText(modMain.gCaptions[caption::CreateCustomSubjects]);
        btnOpenSubjectsFolder->setText(modMain.gCaptions[caption::OpenSubjectsFolder]);
        lblMoreActs->setText(modMain.gCaptions[caption::MoreActivities]);

        if (splash_) splash_->setStatus(modMain.gCaptions[caption::PleaseWait] + ".  " + modMain.gCaptions[caption::LoadingSubjects]);

        ticker_->rules().queue({modMain.gCaptions[caption::FirstTickerText], QString()});

        linkMenu_->park();
        lblURL->setText(modMain.gCaptions[caption::WebBase]);
        lblURL->setAccessibleName(lblURL->text());

        mLastActivity = FileAct.listCount() - 1;
    });
}


void frmMain::Get_Activities()
{
    activityPanel_->Get_Activities(folders_.activitiesDir, FileAct.entries(), splashProgress());
}

// Starts the activity on the subject selected in the tree.
void frmMain::btnAct_Click(const QString& programPath)
{
    if (launcher_) launcher_->btnAct_Click(programPath, tree_->selected());
}

void frmMain::Unload_Splash()
{
    if (splash_) splash_->close();
}


bool frmMain::screenIsTooSmall(const QSize& pixels)
{
    return static_cast<qint64>(pixels.width()) * pixels.height() < kSmallestScreenArea;
}

bool frmMain::Check_Resolution()
{
    bool goOn = true;
    startup::runTrapped(QStringLiteral("Check_Resolution"), [&] {
        const QScreen* screen = QGuiApplication::primaryScreen();
        if (!screen || !screenIsTooSmall(screen->size())) return;
        const auto answer = platform::ui::showMessage(
            modMain.gCaptions[caption::ScreenTooSmall] + "\n\n" + modMain.gCaptions[caption::ContinueAnyway], platform::ui::MessageIcon::None,
            platform::ui::MessageButtons::YesNo);
        if (answer == platform::ui::MessageAnswer::No) {
            goOn = false;
            platform::ui::endProgram();
        }
    });
    return goOn;
}

// The last start-up step: once a week, when online, the program asks the
// vendor's server about its version, and ends when the answer says so.
void frmMain::Check_Weekly_Update()
{
    const QDateTime now = platform::ui::activeClock().now();
    const update::UpdateCheckSetup check{modMain.gCaptions[caption::WebBase],
                                         modMain.gCaptions[caption::UpdateTitle],
                                         modMain.gCaptions[caption::OpenDownloadPage],
                                         modMain.gCaptions[caption::DownloadPageName],
                                         modMain.gCaptions[caption::DownloadLater],
                                         {DVL_VERSION_MAJOR, DVL_VERSION_MINOR, DVL_VERSION_REVISION},
                                         shared::Get_Temp_Path(),
                                         now};
    const bool end = updateGate_.run({startup::programKey(modMain.gProgramCode), now.date(), shared::Is_Connected,
                                      [&check] { return update::Check_For_Update(check); }});
    if (end) Form_Unload();
}


frmSplash::ProgressWriter frmMain::splashProgress()
{
    if (splash_) return splash_->progressWriter();
    return [](const QString&) {};
}

void frmMain::Form_Activate()
{
    if (!msgYesNo_) msgYesNo_ = new MsgYesNo(this);
    msgYesNo_->hide();
    Refresh_Subjects();
}

void frmMain::Form_Unload()
{
    launch::Delete_Handoff_Files();
    QFile::remove(listeningFile());
    platform::ui::endProgram();
}

bool frmMain::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate) Form_Activate();
    return QWidget::event(event);
}

void frmMain::closeEvent(QCloseEvent* event)
{
    event->accept();
    Form_Unload();
}

void frmMain::paintEvent(QPaintEvent*)
{
    shared::TileBackgroundMain(*this, picture_, modMain.gCaptions[caption::ErrorHeading]);
}

// The background is tiled again over the whole new size.
void frmMain::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    update();
}
