#include "activities/arcade/13popper/window/frmPopper.h"

#include "activities/arcade/13popper/window/DesertView.h"
#include "activities/framework/windows/ShapeButton.h"
#include "activities/framework/windows/WindowColours.h"
#include "activities/framework/windows/WindowLabels.h"
#include "activities/framework/windows/frmMsg.h"
#include "main/core/shared/Sound.h"
#include "main/core/shared/Wait.h"
#include "platform/ui/Timer.h"
#include "platform/ui/Twips.h"

#include <QKeyEvent>
#include <QLabel>

using platform::ui::twipsToPixels;

namespace popper {

namespace {

// Caption rows of the activity's caption table.
enum Caption {
    kComputerName = 4,
    kGameOver = 6,
    kPractised = 7,
    kContinue = 10,
    kTop10 = 11,
};

const QColor kDusk(0x5d, 0x40, 0x37);

const char* soundName(Sound sound)
{
    switch (sound) {
    case Sound::Magnum: return "magnum";
    case Sound::Bang: return "bang";
    case Sound::Ting: return "ting";
    case Sound::Tink: return "tink";
    case Sound::Oh: return "oh";
    }
    return "";
}

}  // namespace

activity::ActivitySetup popperSetup()
{
    activity::ActivitySetup setup;
    setup.program = QStringLiteral("13popper");
    setup.centring = activity::Centring::None;
    setup.instructions = activity::InstructionRows{12, 13, 2, 3};
    setup.olderVersionName = QStringLiteral("Popper");
    return setup;
}

frmPopper::frmPopper(platform::RandomSource random, QWidget* parent)
    : ActivityWindow(popperSetup(), parent),
      random_(std::move(random)),
      picDesert_(new DesertView(this)),
      lblTranslation_(activity::makeWindowLabel(this, "lblTranslation", 12, true)),
      lblPhrase_(activity::makeWindowLabel(this, "lblPhrase", 12, true)),
      lblPlayer1_(activity::makeWindowLabel(this, "lblPlayer1", 10, true, Qt::AlignLeft | Qt::AlignVCenter)),
      lblPlayer2_(activity::makeWindowLabel(this, "lblPlayer2", 10, true, Qt::AlignLeft | Qt::AlignVCenter)),
      lblScore_{activity::makeWindowLabel(this, "lblScore0", 14, true, Qt::AlignLeft | Qt::AlignVCenter),
                activity::makeWindowLabel(this, "lblScore1", 14, true, Qt::AlignLeft | Qt::AlignVCenter)},
      Timer1_(new platform::ui::Timer(layout::kTickMs, false, this)),
      tmrMouseCntl_(new platform::ui::Timer(layout::kTickMs, true, this)),
      TimerComputerPlayer_(new platform::ui::Timer(3000, false, this)),
      TimerRemoveLabels_(new platform::ui::Timer(layout::kRemoveWordsMs, false, this))
{
    setObjectName(QStringLiteral("frmPopper"));
    setFocusPolicy(Qt::StrongFocus);
    Timer1_->setObjectName(QStringLiteral("Timer1"));
    tmrMouseCntl_->setObjectName(QStringLiteral("tmrMouseCntl"));
    TimerComputerPlayer_->setObjectName(QStringLiteral("TimerComputerPlayer"));
    TimerRemoveLabels_->setObjectName(QStringLiteral("TimerRemoveLabels"));
    connect(Timer1_, &platform::ui::Timer::timeout, this, &frmPopper::Timer1_Timer);
    connect(tmrMouseCntl_, &platform::ui::Timer::timeout, this, &frmPopper::tmrMouseCntl_Timer);
    connect(TimerComputerPlayer_, &platform::ui::Timer::timeout, this, &frmPopper::TimerComputerPlayer_Timer);
    connect(TimerRemoveLabels_, &platform::ui::Timer::timeout, this, &frmPopper::TimerRemoveLabels_Timer);
    createControls();
}

frmPopper::~frmPopper() = default;

void frmPopper::createControls()
{
    using namespace layout;
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kDusk);
    setPalette(palette);

    picDesert_->setGeometry(pixelRect({kDesertLeft, kDesertTop, kDesertWidth, kDesertHeight}));
    lblTranslation_->setGeometry(pixelRect(kTranslation));
    activity::setTextColour(lblTranslation_, QColor(255, 255, 192));
    lblPhrase_->setGeometry(pixelRect(kPhraseLine));
    lblPhrase_->setWordWrap(true);
    activity::setTextColour(lblPhrase_, QColor(255, 255, 0));
    lblPlayer1_->setGeometry(pixelRect(kPlayerNames[0]));
    lblPlayer2_->setGeometry(pixelRect(kPlayerNames[1]));
    lblScore_[0]->setGeometry(pixelRect(kScores[0]));
    lblScore_[1]->setGeometry(pixelRect(kScores[1]));
    for (QLabel* label : {lblPlayer1_, lblPlayer2_, lblScore_[0], lblScore_[1]})
        activity::setTextColour(label, QColor(255, 255, 255));
    lblScore_[0]->setText(QStringLiteral("0"));
    lblScore_[1]->setText(QStringLiteral("0"));
    setFixedSize(twipsToPixels(QSize(kFormWidth, kFormHeight)));
}

void frmPopper::startGame()
{
    lblPlayer1_->setText(mUserName);
    lblPlayer2_->setText(mCaptions(kComputerName));
    QList<PopperPhrase> phrases;
    for (int i = 1; i <= mPhraseCount; ++i)
        phrases.append({mPhrases[std::size_t(i)].text1, mPhrases[std::size_t(i)].text2});
    game_ = std::make_unique<PopperGame>(std::move(phrases), random_);
    picDesert_->setGame(game_.get());
    game_->Start_Game();
    setFocus();
    showGame();
    if (game_->state() == PopperGame::State::Finished)
        lastPhraseDone();
}

void frmPopper::showGame()
{
    for (Sound sound : game_->takeSounds())
        shared::Play_Wave_Resource(QString::fromLatin1(soundName(sound)), shared::kSoundAsync);

    lblTranslation_->setText(game_->translation());
    lblPhrase_->setText(game_->phraseLine());
    lblScore_[0]->setText(QString::number(game_->score(Side::Learner)));
    lblScore_[1]->setText(QString::number(game_->score(Side::Computer)));
    picDesert_->showState();

    Timer1_->setEnabled(game_->running());
    if (game_->layouts() != layoutsSeen_) {
        // A new phrase: the computer's decisions restart at its own pace.
        layoutsSeen_ = game_->layouts();
        TimerComputerPlayer_->setInterval(game_->computerInterval());
    }
    TimerComputerPlayer_->setEnabled(game_->computerActive());
    if (game_->takeRemoveWordsRequest())
        TimerRemoveLabels_->setEnabled(true);
}

void frmPopper::Timer1_Timer()
{
    if (!game_ || ending() || ended_)
        return;
    game_->Timer1_Timer();
    showGame();
    if (game_->state() == PopperGame::State::LearnerShot)
        learnerShot();
    else if (game_->state() == PopperGame::State::Finished)
        lastPhraseDone();
}

void frmPopper::tmrMouseCntl_Timer()
{
    if (!game_ || ending())
        return;
    game_->tmrMouseCntl_Timer();
    picDesert_->update();
}

void frmPopper::TimerComputerPlayer_Timer()
{
    if (!game_ || ending() || ended_)
        return;
    game_->TimerComputerPlayer_Timer();
}

void frmPopper::TimerRemoveLabels_Timer()
{
    TimerRemoveLabels_->setEnabled(false);
    if (!game_ || ending())
        return;
    game_->TimerRemoveLabels_Timer();
    picDesert_->showState();
}

void frmPopper::learnerShot()
{
    // The round's timers stop before the pause; the movement timer runs on.
    Timer1_->setEnabled(false);
    TimerComputerPlayer_->setEnabled(false);
    shared::Wait(1);
    endGame(mCaptions(kPractised) + QStringLiteral(" ") + mSubject);
}

void frmPopper::lastPhraseDone()
{
    Timer1_->setEnabled(false);
    TimerComputerPlayer_->setEnabled(false);
    endGame(mCaptions(kPractised));
}

void frmPopper::endGame(const QString& answer)
{
    if (ended_ || ending())
        return;
    ended_ = true;
    frmMsg message(this);
    message.lblMsg()->setText(mCaptions(kGameOver));
    message.lblAnswer()->setText(answer);
    message.lblOK()->setText(QStringLiteral("\r\n") + mCaptions(kContinue));
    message.showModal();
    saveNumberScore(game_->score(Side::Learner), kTop10, kContinue);
}

void frmPopper::stopTimers()
{
    for (platform::ui::Timer* timer : {Timer1_, tmrMouseCntl_, TimerComputerPlayer_, TimerRemoveLabels_})
        timer->setEnabled(false);
}

void frmPopper::closeEvent(QCloseEvent* event)
{
    // Closing ends the game without a result; no tick runs after it.
    stopTimers();
    ActivityWindow::closeEvent(event);
}

void frmPopper::keyPressEvent(QKeyEvent* event)
{
    // Held keys repeat: a held Space fires again as soon as the bullet is free.
    if (!game_ || !game_->running()) {
        event->accept();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Space: game_->fireKey(); break;
    case Qt::Key_Up: game_->arrowDown(kUp); break;
    case Qt::Key_Down: game_->arrowDown(kDown); break;
    default: ActivityWindow::keyPressEvent(event); return;
    }
    event->accept();
}

void frmPopper::keyReleaseEvent(QKeyEvent* event)
{
    if (game_ && !event->isAutoRepeat() && (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)) {
        game_->arrowUp();
        event->accept();
        return;
    }
    ActivityWindow::keyReleaseEvent(event);
}

}  // namespace popper
