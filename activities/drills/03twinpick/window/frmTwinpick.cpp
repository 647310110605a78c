#include "activities/drills/03twinpick/window/frmTwinpick.h"

#include "activities/drills/03twinpick/rules/TwinpickLayout.h"
#include "activities/framework/windows/WindowColours.h"
#include "activities/framework/windows/WindowLabels.h"
#include "main/core/shared/Sound.h"
#include "main/core/shared/TileBackground.h"
#include "platform/ui/Clock.h"
#include "platform/ui/PlainLabel.h"
#include "platform/ui/SvgPicture.h"
#include "platform/ui/Timer.h"
#include "platform/ui/Twips.h"

#include <QCloseEvent>

using platform::ui::PictureButton;
using platform::ui::PlainLabel;
using platform::ui::twipsToPixels;

namespace twinpick {

namespace {

// Caption rows of the activity's caption table.
namespace row {
enum Caption {
    kClockHeading = 4,
    kTop10 = 5,
    kOkText = 6,
    kSayName = 9,
    kEffectsName = 10,
    kCardName = 11,
};
}  // namespace row

elapsed::TimeOfDay timeOfDayNow()
{
    return elapsed::TimeOfDay::fromTime(platform::ui::activeClock().now().time());
}

// The largest type from 12 points down to 7 in which the face's text fits the card.
void fitFaceText(PlainLabel& face)
{
    const QRect inner = face.contentsRect().adjusted(face.margin(), face.margin(), -face.margin(), -face.margin());
    int points = 12;
    for (; points > 7; --points) {
        QFont font = face.font();
        font.setPointSize(points);
        const QRect needed = QFontMetrics(font).boundingRect(inner, Qt::AlignCenter | Qt::TextWordWrap, face.text());
        if (inner.contains(needed))
            break;
    }
    platform::ui::setFontPoints(&face, points, true);
}

QPixmap icon(const QString& name, const QRect& twips)
{
    return platform::ui::pictureResource(name, twipsToPixels(twips.size()));
}

}  // namespace

activity::ActivitySetup twinpickSetup()
{
    activity::ActivitySetup setup;
    setup.program = QStringLiteral("03twinpick");
    setup.centring = activity::Centring::AfterCaptions;
    setup.instructions = activity::InstructionRows{7, 8, 2, 3};
    return setup;
}

frmTwinpick::frmTwinpick(RandomSource random, QWidget* parent)
    : ActivityWindow(twinpickSetup(), parent),
      random_(std::move(random)),
      lblElapsedTime_(activity::makeWindowLabel(this, "lblElapsedTime", 11, true)),
      lblTimer_(activity::makeWindowLabel(this, "lblTimer", 20, true)),
      ImgSay_(new PictureButton(QString(), this)),
      ImgSpeaker_(new PictureButton(QString(), this)),
      Timer1_(new platform::ui::Timer(kTurnIntervalMs, false, this)),
      Timer2_(new platform::ui::Timer(kClockIntervalMs, false, this)),
      Timer4_(new platform::ui::Timer(kPauseIntervalMs, false, this)),
      background_(platform::ui::pictureResource(QStringLiteral("twinpick-background")))
{
    setObjectName(QStringLiteral("frmTwinpick"));
    Timer1_->setObjectName(QStringLiteral("Timer1"));
    Timer2_->setObjectName(QStringLiteral("Timer2"));
    Timer4_->setObjectName(QStringLiteral("Timer4"));
    connect(Timer1_, &platform::ui::Timer::timeout, this, &frmTwinpick::Timer1_Timer);
    connect(Timer2_, &platform::ui::Timer::timeout, this, &frmTwinpick::Timer2_Timer);
    connect(Timer4_, &platform::ui::Timer::timeout, this, &frmTwinpick::Timer4_Timer);
    createControls();
}

frmTwinpick::~frmTwinpick() = default;

void frmTwinpick::createControls()
{
    using namespace layout;
    lblElapsedTime_->setGeometry(twipsToPixels(kElapsedHeading));
    lblTimer_->setGeometry(twipsToPixels(kTimer));
    lblTimer_->setText(elapsed::ElapsedTime().text());
    activity::setTextColour(lblTimer_, Qt::white);
    activity::setTextColour(lblElapsedTime_, Qt::white);

    createToggle(ImgSay_, "ImgSay", kSayToggle);
    createToggle(ImgSpeaker_, "ImgSpeaker", kEffectsToggle);
    showToggles();
    setFixedSize(twipsToPixels(QSize(kFormWidth, kFormHeight)));
}

void frmTwinpick::createToggle(PictureButton* toggle, const char* name, const QRect& twips)
{
    toggle->setObjectName(QString::fromLatin1(name));
    toggle->setGeometry(twipsToPixels(twips));
    toggle->setCheckable(true);
    toggle->setChecked(true);
    toggle->setFocusPolicy(Qt::StrongFocus);
    connect(toggle, &PictureButton::pressed, this, [this, toggle] { toggle_Press(toggle, true); });
    connect(toggle, &PictureButton::released, this, [this, toggle] { toggle_Press(toggle, false); });
    connect(toggle, &PictureButton::toggled, this, [this] {
        if (game_) {
            game_->setSayOn(ImgSay_->isChecked());
            game_->setEffectsOn(ImgSpeaker_->isChecked());
        }
        showToggles();
    });
}

void frmTwinpick::createCard(int index, const QPoint& place)
{
    const QRect geometry(twipsToPixels(place), twipsToPixels(layout::kFirstCard.size()));
    auto* face = new PlainLabel(this);
    face->setObjectName(QStringLiteral("lblCard_%1").arg(index));
    face->setGeometry(geometry);
    face->setAlignment(Qt::AlignCenter);
    face->setWordWrap(true);
    face->setMargin(6);
    activity::setPanelLook(face, QColor(0xff, 0xfd, 0xf6), QColor(0xd9, 0xcf, 0xa9), 2, 8);
    activity::setTextColour(face, QColor(0x1f, 0x2d, 0x3a));
    platform::ui::setFontPoints(face, 12, true);
    lblCard_.push_back(face);

    auto* back = new PictureButton(mCaptions(row::kCardName) + QLatin1Char(' ') + QString::number(index + 1), this);
    back->setObjectName(QStringLiteral("imgCard_%1").arg(index));
    back->setGeometry(geometry);
    back->setFocusPolicy(Qt::StrongFocus);
    connect(back, &PictureButton::pressed, this, [this, index] { imgCard_MouseDown(index); });
    imgCard_.push_back(back);
}

PlainLabel* frmTwinpick::lblCard(int index) const
{
    return index >= 0 && index < static_cast<int>(lblCard_.size()) ? lblCard_[static_cast<std::size_t>(index)] : nullptr;
}

PictureButton* frmTwinpick::imgCard(int index) const
{
    return index >= 0 && index < static_cast<int>(imgCard_.size()) ? imgCard_[static_cast<std::size_t>(index)] : nullptr;
}

void frmTwinpick::afterStudyList()
{
    game_ = std::make_unique<TwinpickGame>(mPhraseCount, random_, timeOfDayNow);
}

void frmTwinpick::setUpActivity()
{
    lblElapsedTime_->setText(mCaptions(row::kClockHeading));
    ImgSay_->setText(mCaptions(row::kSayName));
    ImgSay_->setAccessibleName(mCaptions(row::kSayName));
    ImgSpeaker_->setText(mCaptions(row::kEffectsName));
    ImgSpeaker_->setAccessibleName(mCaptions(row::kEffectsName));
    ImgSay_->setChecked(true);
    ImgSpeaker_->setChecked(true);
    const std::vector<QPoint> places = layout::cardPlaces(game_->cardCount());
    for (int index = 0; index < game_->cardCount(); ++index)
        createCard(index, places[static_cast<std::size_t>(index)]);
}

// The cards are dealt once the window shows, before the instruction window.
void frmTwinpick::beforeInstructions() { New_Game(); }

void frmTwinpick::New_Game()
{
    if (!game_ || ending())
        return;
    stopTimers();
    game_->New_Game();
    lblTimer_->setText(game_->clockText());
    const QPixmap back = platform::ui::pictureResource(QString::number(game_->cardBack()),
                                                       twipsToPixels(layout::kFirstCard.size()));
    for (int index = 0; index < game_->cardCount(); ++index) {
        const Card& card = game_->card(index);
        const activity::ActivityPhrase& phrase = mPhrases[static_cast<std::size_t>(card.phrase)];
        lblCard(index)->setText(card.translation ? phrase.text2 : phrase.text1);
        fitFaceText(*lblCard(index));
        imgCard(index)->setPictures(back);
        showCard(index);
    }
    showBusy(false);
}

void frmTwinpick::imgCard_MouseDown(int index)
{
    if (!game_ || ending())
        return;
    if (!game_->press(index))
        return;
    showBusy(true);
    Timer2_->setEnabled(game_->clockRunning());
    imgCard(index)->raise();
    showCard(index);
    Timer1_->setEnabled(true);
}

void frmTwinpick::Timer1_Timer()
{
    if (!game_ || ending())
        return;
    const int index = game_->currentCard();
    const TurnStep step = game_->turnTick();
    if (index < 0)
        return;
    if (!step.sound.isEmpty())
        shared::Play_Wave_Resource(step.sound, shared::kSoundAsync);
    PictureButton* back = imgCard(index);
    if (!step.done) {
        back->move(lblCard(index)->pos() - twipsToPixels(QPoint(step.slide, step.slide)));
        return;
    }
    back->move(lblCard(index)->pos());
    showCard(index);
    Timer1_->setEnabled(false);
    Timer4_->setEnabled(true);
}

void frmTwinpick::Timer4_Timer()
{
    // The pause is over before the phrase plays, so it cannot tick again meanwhile.
    Timer4_->setEnabled(false);
    if (!game_ || ending())
        return;
    if (const std::optional<int> phrase = game_->phraseToSay()) {
        shared::Play_Sound_File(mPhrases[static_cast<std::size_t>(*phrase)].sound, shared::kSoundSync);
        if (ending())
            return;
    }
    const int index = game_->currentCard();
    const JudgeStep step = game_->Judge_Pair();
    if (!step.sound.isEmpty())
        shared::Play_Wave_Resource(step.sound, shared::kSoundAsync);
    for (int card = 0; card < game_->cardCount(); ++card)
        showCard(card);
    if (index >= 0)
        imgCard(index)->lower();
    showBusy(false);
    if (step.judgement == Judgement::Cleared) {
        stopTimers();
        // Saving the score ends the program: nothing of the game runs after it.
        saveTimeScore(lblTimer_->text(), row::kTop10, row::kOkText);
    }
}

void frmTwinpick::Timer2_Timer()
{
    if (game_)
        lblTimer_->setText(game_->clockTick());
}

void frmTwinpick::toggle_Press(PictureButton* toggle, bool down)
{
    const QRect place = twipsToPixels(toggle == ImgSay_ ? layout::kSayToggle : layout::kEffectsToggle);
    toggle->resize(place.width(), place.height() - (down ? twipsToPixels(QSize(0, layout::kTogglePress)).height() : 0));
    if (down && (toggle == ImgSpeaker_ || ImgSpeaker_->isChecked()))
        shared::Play_Wave_Resource(QStringLiteral("click"), shared::kSoundAsync);
}

void frmTwinpick::showToggles()
{
    ImgSay_->setPictures(icon(ImgSay_->isChecked() ? QStringLiteral("LipsON") : QStringLiteral("LipsOFF"),
                              layout::kSayToggle));
    ImgSpeaker_->setPictures(icon(ImgSpeaker_->isChecked() ? QStringLiteral("SpeakerON") : QStringLiteral("SpeakerOFF"),
                                  layout::kEffectsToggle));
}

void frmTwinpick::showCard(int index)
{
    const CardState state = game_->card(index).state;
    lblCard(index)->setVisible(state == CardState::FaceUp);
    imgCard(index)->setVisible(state == CardState::FaceDown || state == CardState::Turning);
}

void frmTwinpick::showBusy(bool busy)
{
    if (busy)
        setCursor(Qt::BusyCursor);
    else
        unsetCursor();
    for (int index = 0; index < game_->cardCount(); ++index)
        imgCard(index)->setCursor(busy ? Qt::BusyCursor : Qt::PointingHandCursor);
}

void frmTwinpick::stopTimers()
{
    Timer1_->setEnabled(false);
    Timer2_->setEnabled(false);
    Timer4_->setEnabled(false);
}

void frmTwinpick::paintEvent(QPaintEvent*) { shared::TileBackground(*this, background_); }

void frmTwinpick::closeEvent(QCloseEvent* event)
{
    // Nothing turns, ticks or plays once the window is closing.
    stopTimers();
    ActivityWindow::closeEvent(event);
}

}  // namespace twinpick
