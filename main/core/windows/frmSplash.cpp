#include "main/core/windows/frmSplash.h"

#include "dvl_version.h"
#include "main/core/shared/TileBackground.h"
#include "main/core/startup/ModMain.h"
#include "main/core/windows/WindowPictures.h"
#include "platform/ui/PlainLabel.h"
#include "platform/ui/Twips.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextCursor>

using platform::ui::twipsToPixels;
using startup::modMain;

namespace {

constexpr char kCopyright[] = "Copyright \u00a9 2026 Dravolin. All rights reserved.";

QLabel* makeLabel(QWidget* parent, const char* name, const QRect& twips, int points, bool bold,
                  Qt::Alignment alignment)
{
    QLabel* label = platform::ui::makePlainLabel(parent, QString::fromLatin1(name), points, bold, alignment);
    label->setGeometry(twipsToPixels(twips));
    return label;
}

}  // namespace

frmSplash::frmSplash(const QPixmap& logo, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      lblVersion_(makeLabel(this, "lblVersion", {480, 4260, 2400, 300}, 8, false, Qt::AlignLeft)),
      lblCopyRight_(makeLabel(this, "lblCopyRight", {2880, 4260, 3840, 300}, 8, false, Qt::AlignRight)),
      imgLogo_(makeLabel(this, "imgLogo", {1740, 300, 3720, 900}, 10, false, Qt::AlignCenter)),
      lblCatchyWord_{makeLabel(this, "lblCatchyWord0", {270, 1380, 6720, 540}, 18, true, Qt::AlignCenter),
                     makeLabel(this, "lblCatchyWord1", {240, 1350, 6720, 540}, 18, true, Qt::AlignCenter)},
      lblLoading_(makeLabel(this, "lblLoading", {480, 2100, 6240, 300}, 10, true, Qt::AlignLeft)),
      txtStatus_(new QPlainTextEdit(this)),
      picture_(windowBackground())
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName("frmSplash");
    setWindowTitle(modMain.gProductTitle);
    setFixedSize(twipsToPixels(QSize(7200, 4800)));

    lblVersion_->setText(versionText(DVL_VERSION_MAJOR, DVL_VERSION_MINOR, DVL_VERSION_REVISION));
    lblCopyRight_->setText(QString::fromUtf8(kCopyright));
    imgLogo_->setPixmap(logo);
    const QString slogan = sloganText(modMain.gCaptions[caption::SplashSlogan], modMain.gProductTitle);
    // The two labels carry the same slogan: the first, offset and grey, is its shadow.
    lblCatchyWord_[0]->setStyleSheet("color: #9aa9b8;");
    lblCatchyWord_[1]->setStyleSheet("color: #1f4e9c;");
    for (QLabel* label : lblCatchyWord_) label->setText(slogan);
    lblCatchyWord_[1]->raise();
    lblLoading_->setText(modMain.gCaptions[caption::SplashLoading]);

    txtStatus_->setObjectName("txtStatus");
    txtStatus_->setReadOnly(true);
    txtStatus_->setFocusPolicy(Qt::NoFocus);  // keys go to the window, which closes on any key
    txtStatus_->setGeometry(twipsToPixels(QRect(480, 2430, 6240, 1650)));
    setFocusPolicy(Qt::StrongFocus);
}

QString frmSplash::versionText(int major, int minor, int revision)
{
    return QString("v.%1.%2.%3").arg(major).arg(minor).arg(revision);
}

QString frmSplash::sloganText(const QString& caption25, const QString& productTitle)
{
    return caption25 + ' ' + productTitle.mid(9) + '!';
}

void frmSplash::setStatus(const QString& text) { txtStatus_->setPlainText(text); }

// Inserted at the top rather than rewriting the whole log: start-up writes a
// line per subject, and rewriting made it grow with the square of their number.
void frmSplash::addProgressLine(const QString& line)
{
    QTextCursor cursor(txtStatus_->document());
    cursor.movePosition(QTextCursor::Start);
    cursor.insertText(line + '\n');
}

frmSplash::ProgressWriter frmSplash::progressWriter()
{
    QPointer<frmSplash> splash(this);
    return [splash](const QString& line) {
        if (splash && splash->isVisible()) splash->addProgressLine(line);
    };
}

void frmSplash::keyPressEvent(QKeyEvent* event)
{
    event->accept();
    close();
}

void frmSplash::paintEvent(QPaintEvent*)
{
    shared::TileBackgroundSplash(*this, picture_, modMain.gCaptions[caption::ErrorHeading]);
    QPainter frame(this);
    frame.setPen(QColor("#1f4e9c"));
    frame.drawRect(rect().adjusted(0, 0, -1, -1));
}
