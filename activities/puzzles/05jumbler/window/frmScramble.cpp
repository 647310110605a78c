#include "activities/puzzles/05jumbler/window/frmScramble.h"

#include "activities/framework/windows/ShapeButton.h"
#include "activities/framework/windows/WindowColours.h"
#include "activities/framework/windows/WindowLabels.h"
#include "activities/framework/windows/frmMsg.h"
#include "activities/puzzles/05jumbler/window/JumblerResources.h"
#include "main/core/shared/Sound.h"
#include "main/core/shared/TileBackground.h"
#include "main/core/shared/Wait.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Timer.h"
#include "platform/ui/Twips.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

using platform::ui::twipsToPixels;

namespace jumbler {

namespace {

// Caption rows of the activity's caption table.
enum Caption {
    kTimeUpHeading = 4,
    kContinue = 5,
    kPhraseWas = 6,
    kPraise = 7,
    kPointsWord = 8,
    kSecondsWord = 9,
    kPhrasesLeftWord = 10,
    kTop10 = 11,
};

const QColor kFormColour = platform::ui::colorFromNumber(0xFF8080);

// The window's colours.
const QColor kLightText(0xff, 0xff, 0xff);
const QColor kSoftText(0xc5, 0xca, 0xe9);
const QColor kTimerText(0xff, 0xeb, 0x3b);
const QColor kFrameFill(0x28, 0x35, 0x93);
const QColor kPraiseFill(0x1a, 0x23, 0x7e, 215);

}  // namespace

activity::ActivitySetup scrambleSetup()
{
    activity::ActivitySetup setup;
    setup.program = QStringLiteral("05jumbler");
    setup.centring = activity::Centring::AfterCaptions;
    setup.instructions = activity::InstructionRows{13, 12, 2, 3};
    return setup;
}

frmScramble::frmScramble(RandomSource random, QWidget* parent)
    : ActivityWindow(scrambleSetup(), parent),
      random_(std::move(random)),
      board_(this, this),
      background_(scrambleBackground()),
      lblFrame_(activity::makeColouredLabel(this, "lblFrame", 10, false, kLightText)),
      lblTranslation_(activity::makeColouredLabel(this, "lblTranslation", 15, true, kLightText)),
      lblPhrasesleft_(activity::makeColouredLabel(this, "lblPhrasesleft", 10, false, kSoftText)),
      lblTimer_(activity::makeColouredLabel(this, "lblTimer", 26, true, kTimerText)),
      lblPoints_(activity::makeColouredLabel(this, "lblPoints", 26, true, kLightText)),
      lblCapPoints_(activity::makeColouredLabel(this, "lblCapPoints", 10, true, kSoftText)),
      lblCapSeconds_(activity::makeColouredLabel(this, "lblCapSeconds", 10, true, kSoftText)),
      lblMsg_(activity::makeColouredLabel(this, "lblMsg", 48, true, kTimerText)),
      Timer1_(new platform::ui::Timer(1000, false, this)),
      Timer3_(new platform::ui::Timer(100, false, this))
{
    createControls();
    connect(Timer1_, &platform::ui::Timer::timeout, this, &frmScramble::Timer1_Timer);
    connect(Timer3_, &platform::ui::Timer::timeout, this, &frmScramble::Timer3_Timer);
}

frmScramble::~frmScramble() = default;

void frmScramble::createControls()
{
    setObjectName(QStringLiteral("frmScramble"));
    activity::setPanelLook(lblFrame_, kFrameFill, kSoftText, 2, 10);
    activity::setPanelLook(lblMsg_, kPraiseFill, {}, 0, 14);
    setFixedSize(twipsToPixels(layout::kFormSize));
    lblTranslation_->setWordWrap(true);
    lblTimer_->setText(QStringLiteral("00"));
    lblPoints_->setText(QStringLiteral("00"));
    lblCapPoints_->setText(QStringLiteral("Points"));
    lblCapSeconds_->setText(QStringLiteral("Seconds"));
    lblMsg_->setText(QStringLiteral("Good Job"));
    lblMsg_->hide();
    placeBottomControls();
}

// The frame and what it holds sit below the board, lower when a long phrase
// needs more room; the window grows with them.
void frmScramble::placeBottomControls()
{
    const int boardBottom = game_ ? game_->boardBottom() : 0;
    const int down = std::max(0, boardBottom + layout::kBoardToFrameGap - layout::kFrame.top());
    const QPoint shift(0, down);
    lblFrame_->setGeometry(twipsToPixels(layout::kFrame.translated(shift)));
    lblTranslation_->setGeometry(twipsToPixels(layout::kTranslation.translated(shift)));
    lblPhrasesleft_->setGeometry(twipsToPixels(layout::kPhrasesLeft.translated(shift)));
    lblCapSeconds_->setGeometry(twipsToPixels(layout::kCapSeconds.translated(shift)));
    lblTimer_->setGeometry(twipsToPixels(layout::kTimerBox.translated(shift)));
    lblCapPoints_->setGeometry(twipsToPixels(layout::kCapPoints.translated(shift)));
    lblPoints_->setGeometry(twipsToPixels(layout::kPointsBox.translated(shift)));
    lblMsg_->setGeometry(twipsToPixels(layout::kPraiseBox));
    setFixedSize(twipsToPixels(QSize(layout::kFormSize.width(), layout::kFormSize.height() + down)));
}

void frmScramble::setUpActivity()
{
    lblCapPoints_->setText(mCaptions(kPointsWord));
    lblCapSeconds_->setText(mCaptions(kSecondsWord));
}

void frmScramble::startGame() { New_Game(); }

void frmScramble::New_Game()
{
    std::vector<ScramblePhrase> phrases;
    for (int i = 1; i <= mPhraseCount; ++i) {
        const activity::ActivityPhrase& p = mPhrases[static_cast<std::size_t>(i)];
        phrases.push_back({p.text1, p.text2});
    }
    game_ = std::make_unique<ScrambleGame>(std::move(phrases), random_);
    lblPoints_->setText(QStringLiteral("0"));
    lblTimer_->setText(QStringLiteral("0"));
    game_->newGame();
    Next_Word();
}

// Shows the phrase the game has just dealt and starts its countdown; a phrase
// without letters has run out of time already.
void frmScramble::Next_Word()
{
    cancelDrag();
    lblMsg_->hide();
    board_.rebuild(*game_);
    placeBottomControls();
    lblTranslation_->setText(game_->currentPhrase().translation);
    showCounters();
    syncCountdown();
    update();
    if (game_->stage() == Stage::TimedOut)
        timeUp();
}

void frmScramble::showBoard() { board_.refresh(*game_, dragTile_); }

void frmScramble::showCounters()
{
    lblTimer_->setText(QString::number(game_->secondsLeft()));
    lblPoints_->setText(QString::number(game_->points()));
    lblPhrasesleft_->setText(QString::number(game_->phrasesLeftShown()) + QStringLiteral("  ") +
                             mCaptions(kPhrasesLeftWord));
}

void frmScramble::syncCountdown() { Timer1_->setEnabled(running() && game_->countdownRunning()); }

bool frmScramble::eventFilter(QObject* watched, QEvent* event)
{
    const int tile = board_.tileIndexOf(watched);
    if (tile < 0)
        return ActivityWindow::eventFilter(watched, event);
    // Positions in the window, whichever tile the event reached.
    const auto windowPoint = [&] {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        return board_.lblDrag(tile)->mapTo(this, mouse->position().toPoint());
    };
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:  // a quick second press starts a drag as well
        lblDrag_MouseDown(tile, windowPoint());
        return true;
    case QEvent::MouseMove:
        lblDrag_MouseMove(windowPoint());
        return true;
    case QEvent::MouseButtonRelease:
        lblDrag_MouseUp(windowPoint());
        return true;
    default:
        return ActivityWindow::eventFilter(watched, event);
    }
}

void frmScramble::lblDrag_MouseDown(int tile, QPoint windowPoint)
{
    if (!running() || dragTile_ >= 0 || !game_->canDrag(tile))
        return;
    QLabel* label = board_.lblDrag(tile);
    dragTile_ = tile;
    dragRound_ = game_->round();
    grabOffset_ = windowPoint - label->pos();
    label->raise();
    label->setCursor(Qt::ClosedHandCursor);
}

void frmScramble::lblDrag_MouseMove(QPoint windowPoint)
{
    if (dragTile_ < 0 || !running() || dragRound_ != game_->round())
        return;
    board_.lblDrag(dragTile_)->move(windowPoint - grabOffset_);
    const int slot = game_->slotAt(platform::ui::pixelsToTwips(windowPoint));
    if (slot >= 0) {
        game_->dragOver(slot);
        showBoard();
    }
}

void frmScramble::cancelDrag()
{
    if (dragTile_ >= 0) {
        if (QLabel* label = board_.lblDrag(dragTile_))
            label->setCursor(Qt::OpenHandCursor);
    }
    dragTile_ = -1;
}

// The drop: on a slot, on the bare window, or on another control (nothing).
void frmScramble::lblDrag_MouseUp(QPoint windowPoint)
{
    const int tile = dragTile_;
    const bool current = tile >= 0 && running() && dragRound_ == game_->round();
    cancelDrag();
    if (!current)
        return;
    const int slot = game_->slotAt(platform::ui::pixelsToTwips(windowPoint));
    if (slot >= 0)
        lblLetter_DragDrop(tile, slot);
    else if (rect().contains(windowPoint) && !isOtherControlAt(windowPoint, tile))
        Form_DragDrop(tile, windowPoint);
    else
        showBoard();  // the tile goes back to where it lay
}

bool frmScramble::isOtherControlAt(QPoint windowPoint, int draggedTile) const
{
    for (const QObject* child : children()) {
        const auto* widget = qobject_cast<const QWidget*>(child);
        if (!widget || !widget->isVisible() || !widget->geometry().contains(windowPoint))
            continue;
        if (board_.isSlot(widget) || widget == board_.lblDrag(draggedTile))
            continue;
        return true;
    }
    return false;
}

void frmScramble::lblLetter_DragDrop(int tile, int slot)
{
    const std::optional<DropTicket> ticket = game_->dropOnSlot(tile, slot);
    showBoard();
    if (!ticket)
        return;
    board_.lblDrag(tile)->raise();
    syncCountdown();
    shared::Play_Wave_Resource(QStringLiteral("Pop"), shared::kSoundAsync);
    const QPointer<frmScramble> self(this);
    // Tiles go on moving during the wait: a drop made meanwhile runs its own wait
    // inside this one, and only the wait of the board's latest change judges it.
    shared::Wait(1);
    if (!self || !running())
        return;
    const Judgement judgement = game_->finishDrop(*ticket);
    if (judgement == Judgement::Right)
        Check_Word_Right(ticket->round);
    else if (judgement == Judgement::Wrong)
        Check_Word_Wrong();
}

void frmScramble::Check_Word_Right(std::uint64_t round)
{
    cancelDrag();  // a tile picked up during the wait falls back on its slot
    showBoard();
    shared::Play_Wave_Resource(QStringLiteral("CorrectBeep"), shared::kSoundAsync);
    lblMsg_->setText(mCaptions(kPraise));
    lblMsg_->show();
    lblMsg_->raise();
    const QPointer<frmScramble> self(this);
    shared::Wait(1);
    if (!self || !running() || game_->round() != round)
        return;
    const int index = game_->phraseIndex() + 1;
    shared::Play_Sound_File(mPhrases[static_cast<std::size_t>(index)].sound, shared::kSoundSync);
    if (!self || !running() || game_->round() != round)
        return;
    syncCountdown();
    Timer3_->setEnabled(true);
}

void frmScramble::Check_Word_Wrong()
{
    showBoard();
    shared::Play_Wave_Resource(QStringLiteral("Buzzer"), shared::kSoundSync);
    syncCountdown();
}

void frmScramble::Form_DragDrop(int tile, QPoint windowPoint)
{
    if (game_->dropOnBackground(tile, platform::ui::pixelsToTwips(windowPoint))) {
        board_.lblDrag(tile)->raise();
        syncCountdown();  // a right board left before its judgement runs on the clock again
    }
    showBoard();
}

void frmScramble::Timer1_Timer()
{
    if (!running())
        return;
    const bool timeRanOut = game_->tick();
    lblTimer_->setText(QString::number(game_->secondsLeft()));
    if (!timeRanOut)
        return;
    syncCountdown();
    timeUp();
}

void frmScramble::timeUp()
{
    cancelDrag();
    showBoard();
    shared::Play_Wave_Resource(QStringLiteral("TimesUP"), shared::kSoundSync);
    const QPointer<frmScramble> self(this);
    {
        frmMsg message(this);
        message.lblMsg()->setText(mCaptions(kTimeUpHeading));
        message.lblOK()->setText(QStringLiteral("\r\n") + mCaptions(kContinue));
        message.lblAnswer()->setText(mCaptions(kPhraseWas) + QStringLiteral("\r\n") + game_->currentPhrase().text);
        QFont answerFont = message.lblAnswer()->font();
        answerFont.setPointSize(16);
        message.lblAnswer()->setFont(answerFont);
        message.showModal();
    }
    if (!self || !running())
        return;
    Add_Time_Bonus();
}

void frmScramble::Timer3_Timer()
{
    if (!running())
        return;
    if (game_->flashTick()) {
        showBoard();
        return;
    }
    Timer3_->setEnabled(false);
    Add_Time_Bonus();
}

void frmScramble::Add_Time_Bonus()
{
    switch (game_->addTimeBonus()) {
    case AfterBonus::Ignored:
        return;
    case AfterBonus::NextPhrase:
        Next_Word();
        return;
    case AfterBonus::GameOver:
        showCounters();
        Timer1_->setEnabled(false);
        Timer3_->setEnabled(false);
        saveNumberScore(game_->points(), kTop10, kContinue, QStringLiteral(" ") + mCaptions(kPointsWord));
        return;
    }
}

void frmScramble::paintEvent(QPaintEvent*)
{
    {
        QPainter painter(this);
        painter.fillRect(rect(), kFormColour);
    }
    shared::TileBackground(*this, background_);
}

void frmScramble::closeEvent(QCloseEvent* event)
{
    Timer1_->setEnabled(false);
    Timer3_->setEnabled(false);
    ActivityWindow::closeEvent(event);
}

}  // namespace jumbler
