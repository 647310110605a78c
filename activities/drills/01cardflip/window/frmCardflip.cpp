#include "activities/drills/01cardflip/window/frmCardflip.h"

#include "activities/drills/01cardflip/rules/CardflipLayout.h"
#include "activities/framework/windows/WindowColours.h"
#include "main/core/shared/Sound.h"
#include "platform/ui/Colors.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/PictureButton.h"
#include "platform/ui/PlaceControl.h"
#include "platform/ui/PlainLabel.h"
#include "platform/ui/SvgPicture.h"
#include "platform/ui/Timer.h"
#include "platform/ui/Twips.h"
#include "platform/ui/Wait.h"

#include <QCloseEvent>
#include <QFrame>
#include <QPainter>
#include <QPushButton>
#include <QTransform>

using platform::ui::twipsToPixels;

namespace cardflip {

namespace {

// Caption rows of the activity's caption table.
enum Caption {
    kAutomaticButton = 3,
    kBeforeFirstCard = 4,
    kFrontLabel = 5,
    kListenButton = 6,
    kManualButton = 8,
    kNextArrow = 9,  // the arrows' names for screen readers
    kPreviousArrow = 10,
    kBackLabel = 11,
    kTurnButton = 12,
};

constexpr int kSlideIntervalMs = 1;

QPixmap arrowPicture(bool pressed, bool pointingLeft)
{
    const int side = platform::ui::twipsToPixelsX(layout::kArrowSize);
    const QPixmap picture = platform::ui::pictureResource(
        pressed ? QStringLiteral("arrow-pressed.svg") : QStringLiteral("arrow.svg"), QSize(side, side));
    return pointingLeft ? picture.transformed(QTransform::fromScale(-1, 1)) : picture;
}

}  // namespace

activity::ActivitySetup cardflipSetup()
{
    activity::ActivitySetup setup;
    setup.program = QStringLiteral("01cardflip");
    setup.centring = activity::Centring::None;
    setup.instructions = activity::InstructionRows{13, 14, 2, 7};
    return setup;
}

frmCardflip::frmCardflip(platform::RandomSource random, QWidget* parent)
    : ActivityWindow(cardflipSetup(), parent),
      random_(std::move(random)),
      Picture1_(new QFrame(this)),
      lblPhrase_(new platform::ui::PlainLabel(Picture1_)),
      lblFrontBack_(new platform::ui::PlainLabel(Picture1_)),
      lblCounter_(new platform::ui::PlainLabel(this)),
      btnNext_(new platform::ui::PictureButton(QString(), this)),
      btnPrev_(new platform::ui::PictureButton(QString(), this)),
      btnSayPhrase_(new QPushButton(this)),
      btnFrontBack_(new QPushButton(this)),
      Command1_(new QPushButton(this)),
      Timer1_(new platform::ui::Timer(kSlideIntervalMs, false, this)),
      Timer2_(new platform::ui::Timer(kSlideIntervalMs, false, this)),
      Timer4_(new platform::ui::Timer(kAutoIntervalMs, false, this))
{
    setObjectName(QStringLiteral("frmCardflip"));
    // A different colour each run, drawn before anything else.
    background_ = platform::ui::qbColor(random_.below(layout::kBackgroundColours));
    createControls();
    connect(Timer1_, &platform::ui::Timer::timeout, this, &frmCardflip::Timer1_Timer);
    connect(Timer2_, &platform::ui::Timer::timeout, this, &frmCardflip::Timer2_Timer);
    connect(Timer4_, &platform::ui::Timer::timeout, this, &frmCardflip::Timer4_Timer);
    connect(btnNext_, &QAbstractButton::clicked, this, &frmCardflip::btnNext_Click);
    connect(btnPrev_, &QAbstractButton::clicked, this, &frmCardflip::btnPrev_Click);
    connect(btnFrontBack_, &QAbstractButton::clicked, this, &frmCardflip::btnFrontBack_Click);
    connect(btnSayPhrase_, &QAbstractButton::clicked, this, &frmCardflip::btnSayPhrase_Click);
    connect(Command1_, &QAbstractButton::clicked, this, &frmCardflip::Command1_Click);
}

frmCardflip::~frmCardflip() = default;

void frmCardflip::createControls()
{
    using namespace layout;
    using platform::ui::placeControl;
    setFixedSize(twipsToPixels(QSize(kFormWidth, kFormHeight)));

    placeControl(Picture1_, "Picture1", QRect(kCardRestLeft, kCardTop, kCardWidth, kCardHeight));
    Picture1_->setAutoFillBackground(true);
    Picture1_->setStyleSheet(QStringLiteral("QFrame#Picture1 { background: #fffdf5; border: 2px solid #5d4037;"
                                            " border-radius: 12px; }"));
    placeControl(lblFrontBack_, "lblFrontBack", QRect(0, kSideLabelTop, kCardWidth, kSideLabelHeight));
    lblFrontBack_->setAlignment(Qt::AlignCenter);
    platform::ui::setFontPoints(lblFrontBack_, kSidePoints, true);
    activity::setTextColour(lblFrontBack_, QColor(0x6d, 0x4c, 0x41));
    placeControl(lblPhrase_, "lblPhrase",
                 QRect(kPhraseMargin, kPhraseTop, kCardWidth - 2 * kPhraseMargin, kCardHeight - kPhraseTop - kPhraseMargin));
    lblPhrase_->setAlignment(Qt::AlignCenter);
    lblPhrase_->setWordWrap(true);
    platform::ui::setFontPoints(lblPhrase_, kPhrasePoints, true);
    activity::setTextColour(lblPhrase_, platform::ui::colorFromNumber(kFrontColour));

    placeControl(btnPrev_, "btnPrev", QRect(kPrevLeft, kArrowTop, kArrowSize, kArrowSize));
    placeControl(btnNext_, "btnNext", QRect(kNextLeft, kArrowTop, kArrowSize, kArrowSize));
    btnPrev_->setPictures(arrowPicture(false, true), {}, arrowPicture(true, true));
    btnNext_->setPictures(arrowPicture(false, false), {}, arrowPicture(true, false));
    btnPrev_->setFocusPolicy(Qt::StrongFocus);
    btnNext_->setFocusPolicy(Qt::StrongFocus);
    // The card passes under the arrows.
    btnPrev_->raise();
    btnNext_->raise();

    placeControl(lblCounter_, "lblCounter",
                 QRect((kFormWidth - kCounterWidth) / 2, kCounterTop, kCounterWidth, kCounterHeight));
    lblCounter_->setAlignment(Qt::AlignCenter);
    lblCounter_->setAutoFillBackground(true);
    lblCounter_->setStyleSheet(QStringLiteral("background: #ffffff; color: #263238; border-radius: 6px;"));
    platform::ui::setFontPoints(lblCounter_, kCounterPoints, true);

    const int rowWidth = 3 * kButtonWidth + 2 * kButtonGap;
    int left = (kFormWidth - rowWidth) / 2;
    for (auto [button, name] : {std::pair{btnFrontBack_, "btnFrontBack"}, std::pair{btnSayPhrase_, "btnSayPhrase"},
                                std::pair{Command1_, "Command1"}}) {
        placeControl(button, name, QRect(left, kButtonTop, kButtonWidth, kButtonHeight));
        platform::ui::setFontPoints(button, kButtonPoints, true);
        left += kButtonWidth + kButtonGap;
    }
}

bool frmCardflip::afterCaptions()
{
    std::vector<FlashCard> cards;
    for (int i = 1; i <= mPhraseCount; ++i) {
        const activity::ActivityPhrase& phrase = mPhrases[static_cast<std::size_t>(i)];
        cards.push_back(FlashCard{phrase.text1, phrase.text2, phrase.text3});
    }
    deck_ = std::make_unique<CardDeck>(std::move(cards));
    return true;
}

void frmCardflip::setUpActivity()
{
    btnPrev_->setAccessibleName(mCaptions(kPreviousArrow));
    btnNext_->setAccessibleName(mCaptions(kNextArrow));
    lblPhrase_->setText(mCaptions(kBeforeFirstCard));
    lblFrontBack_->setText(mCaptions(kFrontLabel));
    lblFrontBack_->setVisible(true);
    btnSayPhrase_->setText(mCaptions(kListenButton));
    btnFrontBack_->setText(mCaptions(kTurnButton));
    lblCounter_->setText(deck_->counterText());
    showModeButtons();
}

void frmCardflip::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), background_);
}

void frmCardflip::closeEvent(QCloseEvent* event)
{
    Timer1_->setEnabled(false);
    Timer2_->setEnabled(false);
    Timer4_->setEnabled(false);
    ActivityWindow::closeEvent(event);
}

void frmCardflip::btnNext_Click()
{
    deck_->next();
    showSlideTimers();
    shared::Play_Wave_Resource(QStringLiteral("flashcard"), shared::kSoundAsync);
}

void frmCardflip::btnPrev_Click()
{
    deck_->previous();
    showSlideTimers();
    shared::Play_Wave_Resource(QStringLiteral("flashcard"), shared::kSoundAsync);
}

void frmCardflip::btnFrontBack_Click()
{
    shared::Play_Wave_Resource(QStringLiteral("click"), shared::kSoundAsync);
    deck_->turn();
    showCard();
}

void frmCardflip::btnSayPhrase_Click()
{
    if (deck_->cardIndex() == 0) {
        platform::ui::showMessage(QStringLiteral("Click on arrows first to show the first phrase!"),
                                  platform::ui::MessageIcon::None, platform::ui::MessageButtons::Ok, {}, this);
        return;
    }
    shared::Play_Sound_File(mPhrases[static_cast<std::size_t>(deck_->cardIndex())].sound, shared::kSoundAsync);
}

void frmCardflip::Command1_Click()
{
    shared::Play_Wave_Resource(QStringLiteral("click"), shared::kSoundAsync);
    auto_.toggle();
    showModeButtons();
}

void frmCardflip::showModeButtons()
{
    const bool byHand = !auto_.automatic();
    Command1_->setText(mCaptions(byHand ? kAutomaticButton : kManualButton));
    for (QWidget* button : std::initializer_list<QWidget*>{btnNext_, btnPrev_, btnSayPhrase_, btnFrontBack_})
        button->setVisible(byHand);
    btnFrontBack_->setEnabled(deck_->canTurn());
    Timer4_->setEnabled(!byHand);
}

void frmCardflip::Timer1_Timer() { slideTick(); }
void frmCardflip::Timer2_Timer() { slideTick(); }

void frmCardflip::slideTick()
{
    const SlideStep step = deck_->slideTick();
    if (step.wrapped) {
        showCard();
        lblCounter_->setText(deck_->counterText());
    }
    Picture1_->move(platform::ui::twipsToPixelsX(deck_->cardLeft()), Picture1_->y());
    if (step.stopped)
        shared::Play_Wave_Resource(QStringLiteral("flashcardstop"), shared::kSoundAsync);
    showSlideTimers();
}

void frmCardflip::showSlideTimers()
{
    Timer1_->setEnabled(deck_->slide() == Slide::Forward);
    Timer2_->setEnabled(deck_->slide() == Slide::Backward);
    btnFrontBack_->setEnabled(deck_->canTurn());
}

void frmCardflip::showCard()
{
    lblPhrase_->setText(deck_->cardText());
    activity::setTextColour(lblPhrase_, platform::ui::colorFromNumber(deck_->textColour()));
    lblFrontBack_->setText(mCaptions(deck_->side() == Side::Front ? kFrontLabel : kBackLabel));
}

void frmCardflip::Timer4_Timer()
{
    const std::optional<AutoTicket> ticket = auto_.beginStep();
    if (!ticket)
        return;
    for (const AutoMove& move : kAutoStep) {
        if (move.waitSecondsBefore > 0) {
            platform::ui::waitSeconds(move.waitSecondsBefore);
            // The learner may have gone back to turning by hand, or closed the window.
            if (ending() || !auto_.stands(*ticket))
                return;
        }
        perform(move.action);
    }
    auto_.endStep(*ticket);
}

void frmCardflip::perform(AutoAction action)
{
    switch (action) {
    case AutoAction::NextCard:
        deck_->next();
        showSlideTimers();
        shared::Play_Wave_Resource(QStringLiteral("flashcard"), shared::kSoundAsync);
        break;
    case AutoAction::PlayPhrase:
        shared::Play_Sound_File(mPhrases[static_cast<std::size_t>(deck_->cardIndex())].sound, shared::kSoundSync);
        break;
    case AutoAction::Turn:
        btnFrontBack_Click();
        break;
    }
}

}  // namespace cardflip
