#include "activities/framework/windows/frmInstructions.h"

#include "activities/framework/windows/ButtonCaption.h"
#include "activities/framework/windows/FrameworkPictures.h"
#include "activities/framework/windows/WindowLabels.h"
#include "platform/ui/PictureButton.h"
#include "platform/ui/Twips.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>

using platform::ui::twipsToPixels;
using platform::ui::twipsToPixelsX;
using platform::ui::twipsToPixelsY;

namespace {

constexpr int kWidthTwips = 7200;
constexpr int kHeightTwips = 5400;
constexpr int kMarginTwips = 360;
constexpr int kTitleHeightTwips = 600;
constexpr int kButtonWidthTwips = 2400;
constexpr int kButtonHeightTwips = 840;
constexpr int kPressOffsetTwips = 20;

}  // namespace

frmInstructions::frmInstructions(QWidget* parent)
    : activity::FrameworkDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      lblTitle_(activity::makeWindowLabel(this, "lblTitle", 18, true)),
      lblbody_(activity::makeWindowLabel(this, "lblbody", 11, false)),
      imgButton_(new platform::ui::PictureButton(QString(), this)),
      lblButton_(activity::makeWindowLabel(this, "lblButton", 14, true))
{
    setObjectName(QStringLiteral("frmInstructions"));
    setFixedSize(twipsToPixels(QSize(kWidthTwips, kHeightTwips)));

    lblTitle_->setAlignment(Qt::AlignCenter);
    lblTitle_->setStyleSheet(QStringLiteral("color: #1d4f7a;"));
    lblbody_->setWordWrap(true);
    lblbody_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblbody_->setStyleSheet(QStringLiteral("color: #1f2a33;"));

    imgButton_->setObjectName(QStringLiteral("imgButton"));
    // Tab reaches it; Space presses it, and Enter starts the game from anywhere in the window.
    imgButton_->setFocusPolicy(Qt::StrongFocus);
    const QSize buttonSize = twipsToPixels(QSize(kButtonWidthTwips, kButtonHeightTwips));
    imgButton_->setPictures(activity::playButtonPicture(false, buttonSize), {},
                            activity::playButtonPicture(true, buttonSize));
    // The text lies over the picture and lets the mouse through, so pressing
    // the text is pressing the picture.
    lblButton_->setAlignment(Qt::AlignCenter);
    lblButton_->setAttribute(Qt::WA_TransparentForMouseEvents);
    lblButton_->setStyleSheet(QStringLiteral("color: white;"));

    connect(imgButton_, &QAbstractButton::pressed, this, &frmInstructions::press);
    connect(imgButton_, &QAbstractButton::released, this, &frmInstructions::release);
    connect(imgButton_, &QAbstractButton::clicked, this, &QDialog::accept);
    layOut();
}

void frmInstructions::setTexts(const QString& windowCaption, const QString& buttonText, const QString& title,
                               const QString& body)
{
    setWindowTitle(windowCaption);
    lblButton_->setText(buttonText);
    imgButton_->setAccessibleName(activity::spokenCaption(buttonText));
    lblTitle_->setText(title);
    lblbody_->setText(body);
}

void frmInstructions::showModal()
{
    setWindowModality(Qt::ApplicationModal);
    // PLAY has the focus unless the activity gave it to a control of its own.
    if (!focusWidget()) imgButton_->setFocus();
    exec();
}

void frmInstructions::press()
{
    lblButton_->move(lblButton_->x(), buttonRestTop_ + twipsToPixelsY(kPressOffsetTwips));
    activity::playClick();
}

void frmInstructions::release()
{
    lblButton_->move(lblButton_->x(), buttonRestTop_);
    activity::playClick();
}

void frmInstructions::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        activity::playClick();
        accept();
    }
    // Other keys do nothing: Escape does not start the game either.
}

void frmInstructions::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    QTimer::singleShot(0, this, &frmInstructions::shown);
}

void frmInstructions::closeEvent(QCloseEvent* event)
{
    // The close box starts the game, as PLAY does.
    event->accept();
    setResult(QDialog::Accepted);
    QDialog::closeEvent(event);
}

void frmInstructions::layOut()
{
    const int margin = twipsToPixelsX(kMarginTwips);
    const int titleHeight = twipsToPixelsY(kTitleHeightTwips);
    const QSize button = twipsToPixels(QSize(kButtonWidthTwips, kButtonHeightTwips));
    const int buttonTop = height() - margin - button.height();
    lblTitle_->setGeometry(margin, margin / 2, width() - 2 * margin, titleHeight);
    const int bodyTop = margin / 2 + titleHeight + margin / 3;
    lblbody_->setGeometry(margin, bodyTop, width() - 2 * margin, std::max(0, buttonTop - margin / 2 - bodyTop));
    imgButton_->setGeometry((width() - button.width()) / 2, buttonTop, button.width(), button.height());
    // The text sits on the button's face, above the darker lip at its bottom.
    buttonRestTop_ = buttonTop;
    lblButton_->setGeometry(imgButton_->x(), buttonRestTop_, button.width(), button.height() * 88 / 100);
}
