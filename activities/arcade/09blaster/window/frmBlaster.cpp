#include "activities/arcade/09blaster/window/frmBlaster.h"

#include "activities/arcade/09blaster/rules/BlasterLayout.h"
#include "activities/framework/windows/WindowColours.h"
#include "activities/framework/windows/WindowLabels.h"
#include "main/core/shared/Sound.h"
#include "main/core/shared/Wait.h"
#include "platform/ui/TextCase.h"
#include "platform/ui/Timer.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

namespace blaster {

namespace {

// Caption rows of the activity's caption table.
enum Caption {
    kWrongKeyHelp = 4,
    kPointsWord = 5,
    kLostHeading = 6,
    kWonHeading = 7,
    kTop10 = 8,
    kBegin = 9,
};

constexpr int kCurtainStep = 5;
constexpr int kCurtainEnd = 550;

// What the game repaints: the field under the translation strip, and the ship's track alone.
const QRect kField(0, 30, Raster::kWidth, Raster::kHeight - 30);
const QRect kShipTrack(0, layout::kShipTop - 8, Raster::kWidth, layout::kShipSize + 16);

const QColor kGreenText(0, 255, 0);
const QColor kRedText(255, 0, 0);

QString soundName(BlasterSound sound)
{
    switch (sound) {
    case BlasterSound::Start: return QStringLiteral("START");
    case BlasterSound::Fire: return QStringLiteral("fire");
    case BlasterSound::Tic: return QStringLiteral("Tic");
    case BlasterSound::Bonus: return QStringLiteral("Bonus");
    case BlasterSound::Life: return QStringLiteral("Life");
    case BlasterSound::CorrectBeep: return QStringLiteral("correctbeep");
    case BlasterSound::Explode: return QStringLiteral("explode");
    case BlasterSound::Gobble: return QStringLiteral("Gobble");
    case BlasterSound::UfoWarn: return QStringLiteral("UFOwarn");
    }
    return {};
}

BlasterKey blasterKey(int key)
{
    switch (key) {
    case Qt::Key_Left: return BlasterKey::Left;
    case Qt::Key_Right: return BlasterKey::Right;
    case Qt::Key_Space: return BlasterKey::Space;
    case Qt::Key_Plus:
    case Qt::Key_Equal: return BlasterKey::Slower;
    case Qt::Key_Minus:
    case Qt::Key_Underscore: return BlasterKey::Faster;
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt: return BlasterKey::Modifier;
    default: return BlasterKey::Other;
    }
}


}  // namespace

activity::ActivitySetup blasterSetup()
{
    activity::ActivitySetup setup;
    setup.program = QStringLiteral("09blaster");
    setup.centring = activity::Centring::BeforeStart;
    setup.instructions = activity::InstructionRows{10, 11, 2, 3};
    return setup;
}

frmBlaster::frmBlaster(platform::RandomSource random, QWidget* parent)
    : ActivityWindow(blasterSetup(), parent),
      random_(std::move(random)),
      lblScore_(makeLabel("lblScore", 14, true, QColor(192, 192, 192))),
      lblTranslation_(makeLabel("lblTranslation", 14, true, Qt::white)),
      lblPhrase_(makeLabel("lblPhrase", 16, true, kGreenText)),
      lblBonus_(makeLabel("lblBonus", 12, true, Qt::yellow)),
      lblWrongKey_(makeLabel("lblWrongKey", 11, false, Qt::white)),
      lblGameOver_(makeLabel("lblGameOver", 36, true, kGreenText)),
      lblRating_(makeLabel("lblRating", 24, true, Qt::white)),
      Timer1_(new platform::ui::Timer(layout::kPulseStartMs, false, this)),
      Timer2_(new platform::ui::Timer(layout::kMarchStartMs, false, this)),
      Timer3_(new platform::ui::Timer(2, false, this)),
      Timer4_(new platform::ui::Timer(20, false, this)),
      Timer5_(new platform::ui::Timer(2, true, this)),
      TimerUpdate_(new platform::ui::Timer(1000, false, this))
{
    setObjectName(QStringLiteral("frmBlaster"));
    lifeIcon_ = BlasterArt::image(art_.ship()).scaled(14, 14, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    setFixedSize(Raster::kWidth, Raster::kHeight);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);

    activity::setPanelLook(lblTranslation_, QColor(20, 30, 80, 200));
    activity::setPanelLook(lblWrongKey_, QColor(30, 58, 158), {}, 0, 6);
    lblScore_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lblScore_->setGeometry(8, 2, 150, 26);
    lblScore_->setText(QStringLiteral("0"));
    lblTranslation_->setGeometry(0, 0, Raster::kWidth, 30);
    lblPhrase_->setGeometry(0, 32, Raster::kWidth, 30);
    lblBonus_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblBonus_->resize(80, 22);
    lblBonus_->hide();
    lblWrongKey_->setGeometry(150, 536, 500, 30);
    lblWrongKey_->hide();
    lblGameOver_->setGeometry(0, 190, Raster::kWidth, 70);
    lblGameOver_->hide();
    lblRating_->setGeometry(0, 270, Raster::kWidth, 50);
    lblRating_->hide();
    lblScore_->raise();

    connect(Timer1_, &platform::ui::Timer::timeout, this, &frmBlaster::Timer1_Timer);
    connect(Timer2_, &platform::ui::Timer::timeout, this, &frmBlaster::Timer2_Timer);
    connect(Timer3_, &platform::ui::Timer::timeout, this, &frmBlaster::Timer3_Timer);
    connect(Timer4_, &platform::ui::Timer::timeout, this, &frmBlaster::Timer4_Timer);
    connect(Timer5_, &platform::ui::Timer::timeout, this, &frmBlaster::Timer5_Timer);
    connect(TimerUpdate_, &platform::ui::Timer::timeout, this, &frmBlaster::TimerUpdate_Timer);
}

frmBlaster::~frmBlaster() = default;

QLabel* frmBlaster::makeLabel(const char* name, int points, bool bold, const QColor& colour)
{
    QLabel* label = activity::makeColouredLabel(this, name, points, bold, colour);
    label->setFocusPolicy(Qt::NoFocus);
    return label;
}

void frmBlaster::setUpActivity()
{
    lblWrongKey_->setText(mCaptions(kWrongKeyHelp));
    setAccessibleName(mCaptions(2));
}

void frmBlaster::startGame()
{
    std::vector<QString> phrases;
    for (int slot = 1; slot <= mPhraseCount; ++slot)
        phrases.push_back(platform::ui::ucase(mPhrases[std::size_t(slot)].text1));
    game_ = std::make_unique<BlasterGame>(std::move(phrases), art_.pictures(), random_);
    game_->startGame();
    lblScore_->setText(QStringLiteral("0"));
    setFocus();
    showRound();
    afterStep();
}

// ---- timers ----

void frmBlaster::Timer1_Timer()
{
    if (!running())
        return;
    game_->pulse();
    afterStep();
}

void frmBlaster::Timer2_Timer()
{
    if (!running())
        return;
    game_->marchTick();
    afterStep();
}

void frmBlaster::Timer4_Timer()
{
    if (!running())
        return;
    // The meteor shows with the next frame of the march.
    game_->meteorTick();
}

void frmBlaster::Timer5_Timer()
{
    if (!running())
        return;
    const int before = game_->shipLeft();
    game_->shipTick();
    if (effects_.exploding()) {
        effects_.advance();
        update(kField);
    } else if (game_->shipLeft() != before) {
        update(kShipTrack);
    }
}

void frmBlaster::TimerUpdate_Timer()
{
    if (!running())
        return;
    lblScore_->setText(QString::number(game_->score()));
    update(QRect(0, 0, Raster::kWidth, 30));
}

void frmBlaster::Timer3_Timer()
{
    if (!running())
        return;
    const int top = effects_.curtainTop() + kCurtainStep;
    effects_.setCurtain(std::min(top, kCurtainEnd),
                        game_->won() ? QColor(0, 160, 0) : QColor(180, 0, 0));
    update();
    if (top < kCurtainEnd)
        return;
    Timer3_->setEnabled(false);
    curtainDown_ = true;
    lblBonus_->hide();
    lblGameOver_->show();
    lblRating_->show();
    repaint();
    shared::Wait(2);
    if (ending())
        return;
    saveNumberScore(game_->score(), kTop10, kBegin);
}

// ---- after each step ----

void frmBlaster::afterStep()
{
    playEvents();
    if (!running())
        return;
    const BonusLabel& bonus = game_->bonus();
    lblBonus_->setVisible(bonus.visible);
    if (bonus.visible) {
        lblBonus_->setText(bonus.text);
        if (bonusColour_ != bonus.colour) {
            bonusColour_ = bonus.colour;
            activity::setTextColour(lblBonus_, QColor::fromRgb(bonus.colour));
        }
        lblBonus_->move(bonus.x, bonus.y);
    }
    lblPhrase_->setText(game_->shownPhrase());
    if (Timer1_->interval() != game_->pulseIntervalMs())
        Timer1_->setInterval(game_->pulseIntervalMs());
    if (Timer2_->interval() != game_->marchIntervalMs())
        Timer2_->setInterval(game_->marchIntervalMs());
    update(kField);
    if (game_->phase() == BlasterPhase::PhraseComplete)
        Complete_Phrase();
    else if (game_->phase() == BlasterPhase::Over)
        End_Game();
}

void frmBlaster::playEvents()
{
    for (const BlasterEvent& event : game_->takeEvents()) {
        switch (event.kind) {
        case BlasterEvent::Kind::Sound:
            shared::Play_Wave_Resource(soundName(event.sound), shared::kSoundAsync);
            break;
        case BlasterEvent::Kind::Explosion:
            effects_.explode({event.x, event.y});
            break;
        case BlasterEvent::Kind::ShipHit:
            // The ship bursts while its explosion sounds; the game waits for it.
            effects_.burst({event.x + 14, event.y + 20}, random_);
            repaint();
            shared::Play_Wave_Resource(QStringLiteral("explode"), shared::kSoundSync);
            effects_.clearBurst();
            effects_.explode({event.x + 24, event.y});
            effects_.explode({event.x, event.y + 20});
            break;
        }
        if (ending())
            return;
    }
}

void frmBlaster::showRound()
{
    const int slot = game_->currentPhrase() + 1;
    lblTranslation_->setText(mPhrases[std::size_t(slot)].text2);
    lblPhrase_->setText(game_->shownPhrase());
    roundTimers(game_->phase() == BlasterPhase::Playing);
    TimerUpdate_->setEnabled(true);
}

void frmBlaster::roundTimers(bool on)
{
    Timer1_->setEnabled(on);
    Timer2_->setEnabled(on);
    Timer4_->setEnabled(on);
}

// The last letter fell: a pause, the phrase's recording, then the next round or
// the won end. Rounds without a letter that can be shot complete at once.
void frmBlaster::Complete_Phrase()
{
    if (completing_)
        return;
    completing_ = true;
    while (running() && game_->phase() == BlasterPhase::PhraseComplete) {
        roundTimers(false);
        update();
        shared::Wait(1);
        if (!running())
            return;
        shared::Play_Sound_File(mPhrases[std::size_t(game_->currentPhrase() + 1)].sound, shared::kSoundSync);
        if (!running())
            return;
        game_->nextPhrase();
        playEvents();
        if (game_->phase() != BlasterPhase::Over)
            showRound();
    }
    completing_ = false;
    if (running() && game_->phase() == BlasterPhase::Over)
        End_Game();
}

// The game is over: sparkles, then the curtain falls (Timer3) and the score is kept.
void frmBlaster::End_Game()
{
    if (endShown_)
        return;
    endShown_ = true;
    roundTimers(false);
    const bool won = game_->won();
    lblScore_->setText(QString::number(game_->score()));
    lblRating_->setText(QString::number(game_->score()) + QLatin1Char(' ') + mCaptions(kPointsWord));
    lblGameOver_->setText(mCaptions(won ? kWonHeading : kLostHeading));
    activity::setTextColour(lblGameOver_, won ? kGreenText : kRedText);
    effects_.sparkle(won, random_);
    effects_.setCurtain(0, won ? QColor(0, 160, 0) : QColor(180, 0, 0));
    update();
    Timer3_->setEnabled(true);
}

// ---- keys ----

void frmBlaster::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        unloadActivity();
        return;
    }
    if (!running())
        return;
    const bool modifier = event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    lblWrongKey_->setVisible(game_->pressKey(blasterKey(event->key()), modifier));
    afterStep();
}

void frmBlaster::keyReleaseEvent(QKeyEvent* event)
{
    // A held key repeats as release and press pairs: only the real release stops the ship.
    if (event->isAutoRepeat() || !running())
        return;
    game_->releaseKey(blasterKey(event->key()));
}

void frmBlaster::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!game_) {
        painter.drawImage(0, 0, art_.space());
        return;
    }
    effects_.paint(painter, *game_, art_, curtainDown_);
    const int lives = std::min(game_->lives(), layout::kMostLives);
    for (int i = 0; i < lives && !curtainDown_; ++i)
        painter.drawImage(layout::kLifeIconLeft - layout::kLifeIconStep * i, layout::kLifeIconTop + 30, lifeIcon_);
}

}  // namespace blaster
