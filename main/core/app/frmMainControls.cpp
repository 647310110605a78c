// The main window's controls and their places, in twips of the client area.
#include "main/core/app/frmMain.h"

#include "main/core/app/AppPictures.h"
#include "main/core/shared/Sound.h"
#include "main/core/subjects/view/SubjectTreeWidget.h"
#include "main/core/windows/OpenWebPage.h"
#include "main/users/windows/UserWindowKit.h"
#include "platform/net/Browser.h"
#include "platform/ui/PlaceControl.h"
#include "platform/ui/PlainLabel.h"
#include "platform/ui/Resources.h"
#include "platform/ui/Twips.h"

#include <QFrame>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QUrl>

using platform::ui::twipsToPixels;

namespace {

constexpr QSize kClientTwips(9600, 7200);

constexpr char kStyle[] = R"css(
    QFrame#PicMsg { background: #ffffff; border: 1px solid #b8cbe0; border-radius: 10px; }
    QFrame#PicActsHolder { background: rgba(255, 255, 255, 150); border: 1px solid #b8cbe0;
                           border-radius: 6px; }
    QWidget#picActs { background: transparent; }
    QFrame#picMenu { background: #1f4e9c; border: none; }
    QLabel#lblSelectSubject, QLabel#lblSelectActivity { color: #1f3b5c; }
    QLabel#lblCaption { color: #4a5a6e; }
    QLabel#lblMoreActs { color: #1f5fbf; }
    QTreeWidget#TreeFolders { background: #ffffff; border: 1px solid #b8cbe0; border-radius: 4px; }
    QPushButton { background: #ffffff; color: #1f3b5c; border: 1px solid #8fb0d3;
                  border-radius: 5px; padding: 2px 8px; }
    QPushButton:hover { background: #e3eefa; }
    QPushButton:pressed { background: #c9dcf2; }
    QPushButton:disabled { color: #9aa7b5; border-color: #c8d3df; }
)css";

using platform::ui::placeControl;

QLabel* makeLabel(QWidget* parent, const char* name, const QRect& twips, int points, bool bold)
{
    return placeControl(platform::ui::makePlainLabel(parent, QString(), points, bold), name, twips);
}

}  // namespace

void frmMain::buildControls()
{
    setFixedSize(twipsToPixels(kClientTwips));
    setStyleSheet(QString::fromUtf8(kStyle));

    // The message ticker's panel.
    PicMsg = placeControl(new QFrame(this), "PicMsg", {240, 240, 5175, 1170});
    PicMsg->setProperty("Tag", QStringLiteral("GOUP"));
    // The label fills the panel as the ticker opens it (960 twips), so its text sits in the middle.
    lblMsg = makeLabel(PicMsg, "lblMsg", {120, 60, 4935, 840}, 12, false);
    lblMsg->setAlignment(Qt::AlignCenter);
    lblMsg->setWordWrap(true);

    imgLogo = placeControl(new QLabel(this), "imgLogo", {5655, 240, 3705, 900});
    imgLogo->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblCaption = makeLabel(this, "lblCaption", {5655, 1170, 3705, 285}, 8, false);
    lblCaption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    lblSelectSubject = makeLabel(this, "lblSelectSubject", {240, 1530, 3720, 300}, 10, true);
    lblSelectActivity = makeLabel(this, "lblSelectActivity", {4140, 1530, 5220, 300}, 10, true);

    TreeFolders = placeControl(new subjects::SubjectTreeWidget(this), "TreeFolders", {240, 1860, 3720, 3765});
    TreeFolders->setHeaderHidden(true);
    TreeFolders->setIconSize(twipsToPixels(QSize(240, 240)));

    // The tree's phrase menu.
    mnuOption = new QMenu(this);
    mnuOption->setObjectName("mnuOption");
    mnuEdit = mnuOption->addAction(QString());
    mnuEdit->setObjectName("mnuEdit");
    mnuListenToPhrase = mnuOption->addAction(QString());
    mnuListenToPhrase->setObjectName("mnuListenToPhrase");

    // The activity buttons sit on picActs, which scrolls inside its fixed holder.
    PicActsHolder = placeControl(new QFrame(this), "PicActsHolder", {4140, 1860, 5220, 5175});
    activityPanel_ = new activitypanel::ActivityPanel(PicActsHolder);
    lblMoreActs = activityPanel_->lblMoreActs();
    connect(activityPanel_, &activitypanel::ActivityPanel::activityClicked, this,
            [this](int, const QString& programPath) { btnAct_Click(programPath); });
    connect(activityPanel_, &activitypanel::ActivityPanel::moreActivitiesClicked, this,
            [] { Open_Web_Page(QStringLiteral("activities.htm")); });

    btnCreateVirtualSubjects = placeControl(new QPushButton(this), "btnCreateVirtualSubjects", {240, 5745, 3720, 400});
    btnOpenSubjectsFolder = placeControl(new QPushButton(this), "btnOpenSubjectsFolder", {240, 6225, 3720, 400});
    btnChangeUser = placeControl(new QPushButton(this), "btnChangeUser", {240, 6705, 3240, 400});
    btnAdmin = placeControl(new QPushButton(this), "btnAdmin", {3540, 6705, 420, 400});
    btnAdmin->setIcon(QIcon(platform::ui::resourcePath(QStringLiteral("PICTURE"), QStringLiteral("admin"))));
    btnAdmin->setIconSize(twipsToPixels(QSize(300, 300)));
    btnAdmin->setAccessibleName(QStringLiteral("Administrator"));
    btnAdmin->setEnabled(false);  // the administrator's sign-in enables it
    users::playClickOnPress(*btnChangeUser);
    users::playClickOnPress(*btnAdmin);
    connect(btnChangeUser, &QPushButton::clicked, this, [this] { btnChangeUser_Click(); });
    connect(btnAdmin, &QPushButton::clicked, this, [this] { btnAdmin_Click(); });
    connect(btnCreateVirtualSubjects, &QPushButton::clicked, this, [this] { btnCreateVirtualSubjects_Click(); });
    connect(btnOpenSubjectsFolder, &QPushButton::clicked, this, [this] { btnOpenSubjectsFolder_Click(); });

    // The pointer rules follow the pointer over the window, its logo and the ticker panel.
    setMouseTracking(true);
    for (QWidget* watched : {static_cast<QWidget*>(imgLogo), static_cast<QWidget*>(PicMsg)}) {
        watched->setMouseTracking(true);
        watched->installEventFilter(this);
    }

    // The slide-in link menu; Get_Settings parks it with 100 twips showing at the left edge.
    picMenu = placeControl(new QFrame(this), "picMenu", {0, 0, 3885, 9765});
    lblURL = makeLabel(picMenu, "lblURL", {240, 6600, 3400, 300}, 9, false);
    // The first menu entry; Get_Menu_Links shows it and grows the others from it.
    auto* firstIcon = placeControl(new QLabel(picMenu), "imgMenu", {240, 600, 360, 360});
    firstIcon->setPixmap(menuEntryPicture(firstIcon->size()));
    firstIcon->hide();
    auto* firstText = makeLabel(picMenu, "lblMenu", {720, 600, 3000, 360}, 10, false);
    firstText->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    firstText->setCursor(Qt::PointingHandCursor);
    firstText->hide();
    imgMenu.emplace(firstIcon);
    lblMenu.emplace(static_cast<platform::ui::PlainLabel*>(firstText));
    picMenu->raise();
    buildTickerAndMenu();
}

// The ticker and the link menu run on their own timers and follow the pointer;
// a click on a link plays the click sound and opens its page.
void frmMain::buildTickerAndMenu()
{
    const auto playClick = [] { shared::Play_Wave_Resource(QStringLiteral("click"), shared::kSoundAsync); };
    const auto openWebPage = [](const QString& page) { Open_Web_Page(page); };
    linkMenu_ = new ticker::LinkMenuView(
        picMenu, lblURL, {openWebPage, [](const QString& address) { platform::openUrl(QUrl(address)); }, playClick},
        this);
    ticker_ = new ticker::TickerView(PicMsg, lblMsg, random_, {[this] { linkMenu_->startHiding(); }, openWebPage, playClick},
                                     this);
    connect(activityPanel_, &activitypanel::ActivityPanel::pointerMoved, linkMenu_, &ticker::LinkMenuView::startHiding);
}
