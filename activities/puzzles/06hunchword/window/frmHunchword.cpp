#include "activities/puzzles/06hunchword/window/frmHunchword.h"

#include "activities/framework/windows/ShapeButton.h"
#include "activities/framework/windows/frmMsg.h"
#include "activities/framework/windows/WindowColours.h"
#include "main/core/shared/Sound.h"
#include "platform/ui/Colors.h"
#include "platform/ui/PlaceControl.h"
#include "platform/ui/PlainLabel.h"
#include "platform/ui/SvgPicture.h"
#include "platform/ui/TextCase.h"
#include "platform/ui/Timer.h"
#include "platform/ui/Twips.h"
#include "platform/ui/Wait.h"

#include <QCloseEvent>
#include <QPainter>

using platform::ui::twipsToPixels;

namespace hunchword {

namespace {

// Caption rows of the activity's caption table.
enum Caption {
    kPhrasesLeftAtEnd = 4,
    kGameOver = 5,
    kTie = 6,
    kWins = 7,
    kComputerNameRow = 8,
    kOkText = 9,
    kTurnOf = 10,
    kComputerTurn = 11,
    kPhrasesLeftWord = 12,
    kTop10 = 13,
};

const QColor kCurrentColour(0, 255, 0);
const QColor kOtherColour(255, 0, 0);
const QColor kWindowColour(0x1b, 0x2a, 0x49);

QColor rgb(std::uint32_t value) { return QColor::fromRgb(static_cast<QRgb>(value)); }

QString tileStyle(const QColor& back, const QColor& text, int points)
{
    return QStringLiteral("background: %1; color: %2; border: 1px solid #10204a; font-family: 'Liberation Sans';"
                          " font-size: %3pt; font-weight: %4;")
        .arg(back.name(), text.name())
        .arg(points)
        .arg(points > 10 ? QStringLiteral("bold") : QStringLiteral("normal"));
}

}  // namespace

activity::ActivitySetup hunchwordSetup()
{
    activity::ActivitySetup setup;
    setup.program = QStringLiteral("06hunchword");
    setup.instructions = activity::InstructionRows{14, 15, 2, 3};
    return setup;
}

frmHunchword::frmHunchword(RandomSource random, QWidget* parent)
    : ActivityWindow(hunchwordSetup(), parent),
      random_(std::move(random)),
      Label1_(new QLabel(this)),
      Shade_(new QLabel(this)),
      lblLetter_(new platform::ui::PlainLabel(this)),
      btnLetter_(new QPushButton(this)),
      lblPlayer_(new platform::ui::PlainLabel(this)),
      lblScore_(new platform::ui::PlainLabel(this)),
      Shape1_(new QWidget(this)),
      lblTurn_(new platform::ui::PlainLabel(this)),
      imgClock_(new QLabel(this)),
      lblCounter_(new platform::ui::PlainLabel(this)),
      lblPhrasesLeft_(new platform::ui::PlainLabel(this)),
      Timer3_(new platform::ui::Timer(kLampIntervalMs, true, this)),
      TimerClock_(new platform::ui::Timer(kClockIntervalMs, false, this)),
      Timer1_(new platform::ui::Timer(kShowIntervalMs, false, this))
{
    setObjectName(QStringLiteral("frmHunchword"));
    Timer3_->setObjectName(QStringLiteral("Timer3"));
    TimerClock_->setObjectName(QStringLiteral("TimerClock"));
    Timer1_->setObjectName(QStringLiteral("Timer1"));
    connect(Timer3_, &platform::ui::Timer::timeout, this, &frmHunchword::Timer3_Timer);
    connect(TimerClock_, &platform::ui::Timer::timeout, this, &frmHunchword::TimerClock_Timer);
    connect(Timer1_, &platform::ui::Timer::timeout, this, &frmHunchword::Timer1_Timer);
    for (int lamp = 0; lamp < layout::kLampCount; ++lamp)
        lamps_[static_cast<std::size_t>(lamp)] = layout::lampStartColour(lamp);
    createControls();
}

frmHunchword::~frmHunchword() = default;

void frmHunchword::createControls()
{
    using namespace layout;
    using platform::ui::placeControl;
    setFixedSize(twipsToPixels(QSize(kFormWidth, kFormHeight)));

    placeControl(Label1_, "Label1", kBoard);
    Label1_->setStyleSheet(QStringLiteral("background: #000080; border: 1px solid #9fb3ff;"));

    placeControl(Shade_[0], "Shade", QRect(kFirstTile.topLeft() - QPoint(kShadeMargin, kShadeMargin), kShadeSize));
    Shade_[0]->setStyleSheet(QStringLiteral("background: #3a4aa0; border-radius: 3px;"));
    Shade_[0]->hide();
    placeControl(lblLetter_[0], "lblLetter", kFirstTile);
    lblLetter_[0]->setAlignment(Qt::AlignCenter);
    lblLetter_[0]->hide();

    placeControl(btnLetter_[0], "btnLetter", kTemplateKey);
    platform::ui::setFontPoints(btnLetter_[0], 14, true);
    btnLetter_[0]->setText(QStringLiteral("A"));
    btnLetter_[0]->setStyleSheet(QStringLiteral("QPushButton { background: #f4f1e8; border: 1px solid #6d6a60;"
                                                " border-radius: 4px; color: #1b2a49; }"
                                                " QPushButton:disabled { color: #9a978f; }"));
    btnLetter_[0]->setFocusPolicy(Qt::NoFocus);

    placeControl(Shape1_, "Shape1", kTurnMarker);
    Shape1_->setAttribute(Qt::WA_StyledBackground);
    Shape1_->setStyleSheet(QStringLiteral("border: 3px solid #00ff00; border-radius: 8px;"));
    placeControl(lblPlayer_[0], "lblPlayer", kComputerName);
    lblPlayer_.load(1)->setGeometry(twipsToPixels(kLearnerName));
    placeControl(lblScore_[0], "lblScore", kComputerScore);
    lblScore_.load(1)->setGeometry(twipsToPixels(kLearnerScore));
    for (int who : {0, 1}) {
        platform::ui::setFontPoints(lblPlayer_[who], 10, true);
        lblPlayer_[who]->setAlignment(Qt::AlignCenter);
        lblPlayer_[who]->show();
        platform::ui::setFontPoints(lblScore_[who], 14, true);
        lblScore_[who]->setAlignment(Qt::AlignCenter);
        lblScore_[who]->setAutoFillBackground(true);
        QPalette palette = lblScore_[who]->palette();
        palette.setColor(QPalette::Window, Qt::black);
        lblScore_[who]->setPalette(palette);
        lblScore_[who]->setFrameShape(QFrame::Box);
        lblScore_[who]->setText(QStringLiteral("0"));
        lblScore_[who]->show();
    }

    placeControl(lblTurn_, "lblTurn", kTurnBanner);
    platform::ui::setFontPoints(lblTurn_, 14, true);
    lblTurn_->setAlignment(Qt::AlignCenter);
    activity::setTextColour(lblTurn_, Qt::white);

    placeControl(imgClock_, "imgClock", kClock);
    imgClock_->setPixmap(platform::ui::pictureResource(QStringLiteral("clock.svg"), twipsToPixels(kClock.size())));
    placeControl(lblCounter_, "lblCounter", kClock);
    // 72-point digits: their line is a little taller than the clock, their ink fits it.
    platform::ui::setFontPoints(lblCounter_, 72, true);
    lblCounter_->setAlignment(Qt::AlignCenter);
    activity::setTextColour(lblCounter_, QColor(0, 0, 128));
    lblCounter_->setText(QString::number(kTurnSeconds));

    placeControl(lblPhrasesLeft_, "lblPhrasesLeft", kPhrasesLeft);
    platform::ui::setFontPoints(lblPhrasesLeft_, 9, false);
    lblPhrasesLeft_->setAlignment(Qt::AlignCenter);
    activity::setTextColour(lblPhrasesLeft_, QColor(0xe8, 0xee, 0xff));
}

void frmHunchword::setUpActivity()
{
    std::vector<DuelPhrase> phrases;
    for (int i = 1; i <= mPhraseCount; ++i) {
        const activity::ActivityPhrase& phrase = mPhrases[static_cast<std::size_t>(i)];
        phrases.push_back(DuelPhrase{phrase.text1, phrase.text2});
    }
    game_ = std::make_unique<HunchGame>(std::move(phrases), courseAlphabet(mProgramCode), random_);
    Build_Letter_Keyboard();
    lblPlayer_[static_cast<int>(Player::Learner)]->setText(mUserName);
    lblPlayer_[static_cast<int>(Player::Computer)]->setText(mCaptions(kComputerNameRow));
}

void frmHunchword::Build_Letter_Keyboard()
{
    const QStringList& alphabet = game_->alphabet();
    btnLetter_[0]->move(btnLetter_[0]->pos() - QPoint(platform::ui::twipsToPixelsX(layout::kTemplateShift), 0));
    for (int i = 1; i <= alphabet.size(); ++i) {
        QPushButton* key = btnLetter_.load(i);
        key->setGeometry(twipsToPixels(layout::keyRect(i)));
        key->setText(alphabet[i - 1]);
        key->setAccessibleName(alphabet[i - 1]);
        key->show();
        connect(key, &QPushButton::clicked, this, [this, i] { learnerClick(i); });
    }
    btnLetter_[0]->hide();
}

void frmHunchword::startGame() { New_Game(); }

void frmHunchword::New_Game()
{
    if (!game_->newGame()) {
        endGame();
        return;
    }
    showScores();
    showTurn();
    showDeal();
}

void frmHunchword::showDeal()
{
    const std::vector<Tile>& tiles = game_->tiles();
    for (int k : lblLetter_.indices()) {
        lblLetter_.unload(k);  // element 0 stays
        Shade_.unload(k);
    }
    for (int k = 0; k < static_cast<int>(tiles.size()); ++k) {
        QLabel* shade = Shade_.load(k);
        QLabel* tile = lblLetter_.load(k);
        const QPoint place = tiles[static_cast<std::size_t>(k)].place;
        shade->move(twipsToPixels(place - QPoint(layout::kShadeMargin, layout::kShadeMargin)));
        tile->move(twipsToPixels(place));
        shade->show();
        tile->show();
        tile->raise();
        showTile(k);
    }
    for (int i = 1; i <= game_->alphabet().size(); ++i)
        btnLetter_[i]->show();
    enableKeys(true);
    lblCounter_->setText(QString::number(game_->clock()));
    lblPhrasesLeft_->setText(QString::number(game_->phrasesLeft()) + QStringLiteral(" ") + mCaptions(kPhrasesLeftWord));
    lblTurn_->setText(mCaptions(kTurnOf) + QStringLiteral(" ") + lblPlayer_[static_cast<int>(game_->player())]->text());
    TimerClock_->setEnabled(true);
}

void frmHunchword::showTile(int index)
{
    const Tile& tile = game_->tiles()[static_cast<std::size_t>(index)];
    QLabel* label = lblLetter_[index];
    switch (tile.look) {
    case Look::Hidden:
        label->setText(QStringLiteral("\r\n") + QString::number(tile.points));
        label->setStyleSheet(tileStyle(QColor(0, 0, 255), Qt::white, 7));
        break;
    case Look::Matched:
        label->setStyleSheet(tileStyle(QColor(255, 0, 0), Qt::white, 7));
        break;
    case Look::Revealed:
        label->setText(tile.letter);
        label->setStyleSheet(tileStyle(Qt::white, Qt::black, 22));
        break;
    }
    label->setAccessibleName(tile.look == Look::Revealed ? tile.letter : QString::number(tile.points));
}

void frmHunchword::showScores()
{
    for (Player who : {Player::Computer, Player::Learner}) {
        const int i = static_cast<int>(who);
        lblScore_[i]->setText(QString::number(game_->points(who)));
        const QColor colour = who == game_->player() ? kCurrentColour : kOtherColour;
        activity::setTextColour(lblScore_[i], colour);
        activity::setTextColour(lblPlayer_[i], colour);
    }
}

void frmHunchword::showTurn()
{
    const bool computer = game_->computerToPlay();
    Shape1_->move(platform::ui::twipsToPixelsX(computer ? layout::kTurnMarkerComputerLeft : layout::kTurnMarker.left()),
                  Shape1_->y());
    lblTurn_->setText(computer ? mCaptions(kComputerTurn) : mCaptions(kTurnOf) + QStringLiteral(" ") + mUserName);
    showScores();
    lblCounter_->setText(QString::number(game_->clock()));
}

void frmHunchword::enableKeys(bool enabled)
{
    for (int i = 0; i <= game_->alphabet().size(); ++i)
        btnLetter_[i]->setEnabled(enabled);
}

void frmHunchword::learnerClick(int index)
{
    // The computer's picks are its own; clicks during them change nothing.
    if (busy_ || game_->computerToPlay())
        return;
    btnLetter_Click(index);
}

void frmHunchword::btnLetter_Click(int index)
{
    if (ending() || game_->gameOver())
        return;
    TimerClock_->setEnabled(false);
    btnLetter_[index]->hide();
    enableKeys(false);
    const int phrase = game_->phraseIndex();
    const Player picker = game_->player();
    const PickOutcome outcome = game_->pick(index);
    if (!outcome.taken) {
        TimerClock_->setEnabled(true);
        enableKeys(true);
        return;
    }
    if (outcome.matches > 0) {
        for (int k = 0; k < static_cast<int>(game_->tiles().size()); ++k)
            showTile(k);
        showScores();
        shared::Play_Wave_Resource(QStringLiteral("Correct"), shared::kSoundAsync);
        platform::ui::waitSeconds(1);
        if (!stillPlaying(phrase, picker))
            return;
        game_->revealMatched();
        for (int k = 0; k < static_cast<int>(game_->tiles().size()); ++k)
            showTile(k);
    } else {
        shared::Play_Wave_Resource(QStringLiteral("Buzzer"), shared::kSoundAsync);
        showTurn();
    }
    if (game_->solved()) {
        lblTurn_->setText(game_->currentPhrase().translation);
        shared::Play_Wave_Resource(QStringLiteral("bells"), shared::kSoundAsync);
        showTick_ = 0;
        Timer1_->setEnabled(true);
        return;
    }
    lblCounter_->setText(QString::number(game_->clock()));
    TimerClock_->setEnabled(true);
    enableKeys(true);
    if (game_->computerToPlay())
        scheduleComputerTurn();
}

bool frmHunchword::stillPlaying(int phrase, Player player) const
{
    return !ending() && !game_->gameOver() && game_->phraseIndex() == phrase && game_->player() == player;
}

void frmHunchword::scheduleComputerTurn()
{
    // From the event loop, so a long run of right picks never nests one inside another.
    QMetaObject::invokeMethod(this, &frmHunchword::Play_Computer_Turn, Qt::QueuedConnection);
}

void frmHunchword::Play_Computer_Turn()
{
    if (ending() || busy_ || !game_->computerToPlay() || game_->gameOver() || Timer1_->isEnabled())
        return;
    busy_ = true;
    const int phrase = game_->phraseIndex();
    const int key = game_->chooseComputerKey();
    QPushButton* button = btnLetter_[key];
    const QString restStyle = button->styleSheet();
    const QString flashStyle = QStringLiteral("QPushButton { background: #00ff00; border: 1px solid #1b5e20;"
                                              " border-radius: 4px; color: #1b2a49; }");
    for (const bool lit : {true, false, true}) {
        button->setStyleSheet(lit ? flashStyle : restStyle);
        platform::ui::waitSeconds(1);
        if (!stillPlaying(phrase, Player::Computer)) {
            button->setStyleSheet(restStyle);
            busy_ = false;
            return;
        }
    }
    button->setStyleSheet(restStyle);
    busy_ = false;
    btnLetter_Click(key);
}

void frmHunchword::TimerClock_Timer()
{
    if (ending())
        return;
    const bool timeUp = game_->clockTick();
    lblCounter_->setText(QString::number(timeUp ? 0 : game_->clock()));
    shared::Play_Wave_Resource(QStringLiteral("click"), shared::kSoundAsync);
    if (!timeUp)
        return;
    // The clock stops during the pause, and no key can be picked in it.
    TimerClock_->setEnabled(false);
    shared::Play_Wave_Resource(QStringLiteral("TimesUP"), shared::kSoundAsync);
    const int phrase = game_->phraseIndex();
    const Player player = game_->player();
    const bool keysWereEnabled = btnLetter_[1] && btnLetter_[1]->isEnabled();
    enableKeys(false);
    platform::ui::waitSeconds(1);
    if (!stillPlaying(phrase, player))
        return;
    enableKeys(keysWereEnabled);
    game_->switchTurn();
    showTurn();
    TimerClock_->setEnabled(true);
    if (game_->computerToPlay())
        scheduleComputerTurn();
}

void frmHunchword::Timer1_Timer()
{
    if (ending())
        return;
    ++showTick_;
    const int count = static_cast<int>(game_->tiles().size());
    if (showTick_ <= kShowColourTicks) {
        const QColor colour = platform::ui::qbColor(game_->showColour());
        for (int k = 0; k < count; ++k)
            lblLetter_[k]->setStyleSheet(tileStyle(colour, Qt::black, 22));
    } else if (showTick_ == kShowWhiteTick) {
        for (int k = 0; k < count; ++k)
            showTile(k);
    } else if (showTick_ == kShowSoundTick) {
        shared::Play_Sound_File(mPhrases[static_cast<std::size_t>(game_->phraseIndex() + 1)].sound, shared::kSoundSync);
    } else if (showTick_ >= kShowEndTick) {
        showTick_ = 0;
        Timer1_->setEnabled(false);
        if (game_->afterPhrase() == AfterPhrase::NextPhrase) {
            showDeal();
            if (game_->computerToPlay())
                scheduleComputerTurn();
        } else {
            endGame();
        }
    }
}

void frmHunchword::Timer3_Timer()
{
    // The colours turn one place clockwise.
    std::rotate(lamps_.rbegin(), lamps_.rbegin() + 1, lamps_.rend());
    update();
}

void frmHunchword::endGame()
{
    Timer1_->setEnabled(false);
    TimerClock_->setEnabled(false);
    enableKeys(false);
    lblPhrasesLeft_->setText(QString::number(game_->phrasesLeft()) + QStringLiteral(" ") + mCaptions(kPhrasesLeftAtEnd));
    const std::int64_t computer = game_->points(Player::Computer);
    const std::int64_t learner = game_->points(Player::Learner);
    const QString computerName = mCaptions(kComputerNameRow);
    frmMsg message(this);
    message.lblOK()->setText(QStringLiteral("\r\n") + mCaptions(kOkText));
    message.lblMsg()->setText(platform::ui::ucase(mCaptions(kGameOver)));
    message.lblAnswer()->setText(QStringLiteral("%1: %2\r\n%3: %4").arg(computerName).arg(computer).arg(mUserName).arg(learner));
    message.lblAnswer()->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    message.lblmsg2()->setText(computer == learner
                                   ? mCaptions(kTie)
                                   : platform::ui::ucase((learner > computer ? mUserName : computerName) +
                                                         QStringLiteral(" ") + mCaptions(kWins)));
    message.showModal();
    if (ending())
        return;
    saveNumberScore(learner, kTop10, kOkText);
}

void frmHunchword::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), kWindowColour);
    painter.setPen(QPen(QColor(0x10, 0x18, 0x30), 1));
    for (int lamp = 0; lamp < layout::kLampCount; ++lamp) {
        painter.setBrush(rgb(lamps_[static_cast<std::size_t>(lamp)]));
        painter.drawRect(twipsToPixels(layout::lampRect(lamp)));
    }
}

void frmHunchword::closeEvent(QCloseEvent* event)
{
    Timer1_->setEnabled(false);
    TimerClock_->setEnabled(false);
    ActivityWindow::closeEvent(event);
}

}  // namespace hunchword
