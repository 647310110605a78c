#include "activities/arcade/12slither/window/frmSnake.h"

#include "activities/arcade/12slither/window/SlitherResources.h"
#include "activities/framework/windows/frmInstructions.h"
#include "main/core/shared/Sound.h"
#include "main/core/shared/TileBackground.h"
#include "platform/ui/PictureButton.h"
#include "platform/ui/PlainLabel.h"
#include "platform/ui/TextCase.h"
#include "platform/ui/Timer.h"
#include "platform/ui/Wait.h"

#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>

namespace slither {

namespace {

constexpr int kSide = 12;
constexpr int kBoardTop = 152;
const QColor kLifeColour(255, 255, 0);
const QColor kLostLifeColour(255, 0, 0);

void setColours(QWidget* widget, const QColor& background, const QColor& text)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Text, text);
    widget->setPalette(palette);
}

void playAsync(const char* name)
{
    shared::Play_Wave_Resource(QString::fromLatin1(name), shared::kSoundAsync);
}

}  // namespace

activity::ActivitySetup slitherSetup()
{
    activity::ActivitySetup setup;
    setup.program = QStringLiteral("12slither");
    setup.centring = activity::Centring::None;
    setup.instructions = activity::InstructionRows{12, 13, 2, 3};
    setup.centreScoreWindow = false;
    return setup;
}

frmSnake::frmSnake(platform::RandomSource random, QWidget* parent)
    : ActivityWindow(slitherSetup(), parent),
      random_(std::move(random)),
      picBoard_(new SnakeBoard(this)),
      lblTranslation_(platform::ui::makePlainLabel(this, QStringLiteral("lblTranslation"), 15, true, Qt::AlignCenter)),
      txtPhrase_(new QLineEdit(this)),
      lblScore_(platform::ui::makePlainLabel(this, QStringLiteral("lblScore"), 20, true,
                                             Qt::AlignRight | Qt::AlignVCenter)),
      Image1_(new QLabel(this)),
      pause_(new PauseForm(this)),
      Timer1_(new platform::ui::Timer(this)),
      Timer2_(new platform::ui::Timer(kScoreRefreshMs, false, this)),
      background_(slitherBackground())
{
    setObjectName(QStringLiteral("frmSnake"));
    Timer1_->setObjectName(QStringLiteral("Timer1"));
    Timer2_->setObjectName(QStringLiteral("Timer2"));
    connect(Timer1_, &platform::ui::Timer::timeout, this, &frmSnake::Timer1_Timer);
    connect(Timer2_, &platform::ui::Timer::timeout, this, &frmSnake::Timer2_Timer);
    connect(picBoard_, &SnakeBoard::keyPressed, this, &frmSnake::Form_KeyDown);
    connect(pause_, &PauseForm::escapePressed, this, [this] { unloadActivity(); });
    createControls();
}

frmSnake::~frmSnake() = default;

void frmSnake::createControls()
{
    const int width = picBoard_->width() + 2 * kSide;
    setFixedSize(width, kBoardTop + picBoard_->height() + kSide);
    picBoard_->move(kSide, kBoardTop);

    Image1_->setObjectName(QStringLiteral("Image1"));
    Image1_->setGeometry(kSide, 6, 108, 72);
    Image1_->setPixmap(snakePicture(Image1_->size()));

    // Three title labels, each a little off the next, make a shadowed title.
    const QColor titleColours[3] = {QColor(0x0d, 0x3b, 0x12), QColor(0x2e, 0x7d, 0x32), QColor(0xff, 0xeb, 0x3b)};
    for (int i = 0; i < 3; ++i) {
        QLabel* title = platform::ui::makePlainLabel(this, QStringLiteral("lblTitle_%1").arg(i), 30, true);
        title->setGeometry(136 + 2 * (2 - i), 12 + 2 * (2 - i), 320, 52);
        setColours(title, Qt::black, titleColours[i]);
        lblTitle_.at(static_cast<std::size_t>(i)) = title;
    }

    for (int i = 1; i <= kLives; ++i) {
        auto* mark = new QFrame(this);
        mark->setObjectName(QStringLiteral("lnLife_%1").arg(i));
        mark->setAutoFillBackground(true);
        mark->setGeometry(width - kSide - (kLives - i + 1) * 18, 12, 7, 30);
        lnLife_.at(static_cast<std::size_t>(i)) = mark;
        setLifeMark(i, false);
    }
    lblScore_->setGeometry(width - kSide - 240, 46, 240, 34);
    setColours(lblScore_, Qt::black, Qt::white);
    lblScore_->setText(QStringLiteral("0"));

    lblTranslation_->setGeometry(kSide, 84, picBoard_->width(), 28);
    setColours(lblTranslation_, Qt::black, QColor(0x80, 0xd8, 0xff));

    txtPhrase_->setObjectName(QStringLiteral("txtPhrase"));
    txtPhrase_->setGeometry(kSide, 114, picBoard_->width(), 32);
    txtPhrase_->setReadOnly(true);
    txtPhrase_->setFocusPolicy(Qt::NoFocus);
    txtPhrase_->setAlignment(Qt::AlignCenter);
    QFont phraseFont = txtPhrase_->font();
    phraseFont.setPointSize(15);
    phraseFont.setBold(true);
    txtPhrase_->setFont(phraseFont);
    setColours(txtPhrase_, QColor(0x10, 0x18, 0x20), QColor(0, 255, 0));

    pause_->hide();
    picBoard_->setFocus();
}

void frmSnake::setLifeMark(int index, bool lost)
{
    if (index < 1 || index > kLives)
        return;
    QFrame* mark = lnLife(index);
    setColours(mark, lost ? kLostLifeColour : kLifeColour, Qt::black);
    mark->setAccessibleName(lost ? QString() : QStringLiteral("life %1").arg(index));
}

void frmSnake::afterStudyList()
{
    std::vector<SnakePhrase> phrases;
    for (int i = 1; i <= mPhraseCount; ++i) {
        const activity::ActivityPhrase& phrase = mPhrases.at(static_cast<std::size_t>(i));
        phrases.push_back({platform::ui::ucase(phrase.text1), platform::ui::ucase(phrase.text2)});
    }
    game_ = std::make_unique<SnakeGame>(std::move(phrases), kBoardWidth, kBoardHeight, random_,
                                        [board = picBoard_](QChar c) { return board->canShow(c); });
    picBoard_->setGame(game_.get());
    Set_Speed(level_);
}

void frmSnake::setUpActivity()
{
    for (QLabel* title : lblTitle_)
        title->setText(mCaptions(2));
}

void frmSnake::Set_Speed(int level)
{
    const std::optional<Speed> speed = speedOfLevel(level);
    if (!speed)
        return;
    level_ = level;
    Timer1_->setInterval(speed->intervalMs);
    if (game_)
        game_->setSpeed(level);
}

void frmSnake::prepareInstructions(frmInstructions& instructions)
{
    QLabel* lblLevel = platform::ui::makePlainLabel(&instructions, QStringLiteral("lblLevel"), 12, true,
                                                    Qt::AlignRight | Qt::AlignVCenter);
    lblLevel->setText(mCaptions(kLevelCaption));
    cboLevel_ = new QComboBox(&instructions);
    cboLevel_->setObjectName(QStringLiteral("cboLevel"));
    for (int level = 1; level <= kLevels; ++level)
        cboLevel_->addItem(mCaptions(kFirstLevelCaption + level - 1));
    cboLevel_->setAccessibleName(mCaptions(kLevelCaption));
    lblLevel->setBuddy(cboLevel_);
    // The level row stands just above the PLAY button.
    const QRect button = instructions.imgButton()->geometry();
    const int rowTop = button.top() - 46;
    lblLevel->setGeometry(button.center().x() - 190, rowTop, 140, 30);
    cboLevel_->setGeometry(button.center().x() - 40, rowTop, 200, 30);
    connect(cboLevel_, &QComboBox::currentIndexChanged, this, [this](int index) { Set_Speed(index + 1); });
    // Level 3 is chosen before the window shows; the list's change applies it.
    cboLevel_->setCurrentIndex(kDefaultLevel - 1);
    cboLevel_->setFocus();
}

void frmSnake::startGame()
{
    cboLevel_ = nullptr;  // it went with the instruction window
    if (ending())
        return;
    picBoard_->setFocus();
    New_Game();
}

void frmSnake::New_Game()
{
    game_->newGame();
    playAsync("ufowarn");
    showState();
    if (game_->won()) {
        won();
        return;
    }
    Timer1_->setEnabled(true);
    Timer2_->setEnabled(true);
}

void frmSnake::showState()
{
    lblTranslation_->setText(game_->translation());
    txtPhrase_->setText(game_->phraseLine());
    picBoard_->update();
}

void frmSnake::Timer1_Timer()
{
    if (!game_ || ending() || !game_->running())
        return;
    const TickOutcome outcome = game_->tick();
    showState();
    if (outcome.ate) {
        playAsync("bite");
        lblScore_->setText(QString::number(game_->score()));
        if (outcome.phraseDone)
            playAsync("Happy_Alert");
    }
    if (outcome.won)
        won();
    else if (outcome.crash != Crash::None)
        loseLife(outcome.crash);
}

void frmSnake::Timer2_Timer()
{
    if (!game_)
        return;
    lblScore_->setText(QString::number(game_->score()));
    picBoard_->update();
}

void frmSnake::loseLife(Crash crash)
{
    Timer1_->setEnabled(false);
    Timer2_->setEnabled(false);
    playAsync(crash == Crash::Decoy ? "Crash" : "crash");
    setLifeMark(game_->lives(), true);
    game_->loseLife();
    picBoard_->update();
    platform::ui::waitSeconds(kCrashHoldSeconds);
    if (ending())
        return;
    const QString heading = mCaptions(crash == Crash::Decoy ? kDecoyCaption : kCrashCaption);
    if (game_->lives() > 0) {
        runPauseModal(heading, mCaptions(kGoOnCaption));
        if (ending())
            return;
        Restart_After_Crash();
        return;
    }
    showFinalMessage(heading, mCaptions(kGameOverCaption), mCaptions(kGameOverCaption), false);
    if (ending())
        return;
    lblScore_->setText(QString::number(game_->score()));
    setLifeMark(1, true);
    endGame();
}

void frmSnake::Restart_After_Crash()
{
    game_->restartAfterCrash();
    playAsync("ufowarn");
    showState();
    Timer1_->setEnabled(true);
    Timer2_->setEnabled(true);
}

void frmSnake::won()
{
    Timer1_->setEnabled(false);
    Timer2_->setEnabled(false);
    platform::ui::waitSeconds(kLastPhraseHoldSeconds);
    if (ending())
        return;
    playAsync("Magic");
    showFinalMessage(mCaptions(kWonCaption), mCaptions(kWonLineCaption), kNoEscapeTag, true);
    if (ending())
        return;
    endGame();
}

void frmSnake::endGame()
{
    saveNumberScore(game_->score(), kTop10Caption, kBeginCaption);
}

void frmSnake::placePauseForm()
{
    pause_->move(frameGeometry().topLeft());
}

void frmSnake::runPauseModal(const QString& heading, const QString& line)
{
    pause_->setMessage(heading, line);
    placePauseForm();
    pause_->setWindowModality(Qt::WindowModal);
    pause_->exec();
}

void frmSnake::showFinalMessage(const QString& heading, const QString& line, const QString& tag, bool atGameWindow)
{
    pause_->setMessage(heading, line, tag);
    if (atGameWindow)
        placePauseForm();
    pause_->setWindowModality(Qt::NonModal);
    pause_->show();
    platform::ui::waitSeconds(kFinalMessageSeconds);
    pause_->hide();
}

void frmSnake::pauseGame()
{
    Timer1_->setEnabled(false);
    runPauseModal(mCaptions(kPauseCaption), mCaptions(kGoOnCaption));
    if (ending())
        return;
    Timer1_->setEnabled(true);
}

void frmSnake::Form_KeyDown(QKeyEvent* event)
{
    if (!game_ || ending())
        return;
    // Escape ends the program at any time, a hold after a crash included; the
    // other keys act only while the snake is on the move.
    if (event->key() == Qt::Key_Escape) {
        unloadActivity();
        return;
    }
    if (!game_->running() || !Timer1_->isEnabled())
        return;
    switch (event->key()) {
    case Qt::Key_P:
        if (!event->isAutoRepeat())
            pauseGame();
        break;
    case Qt::Key_Left: game_->steer(Direction::Left); break;
    case Qt::Key_Up: game_->steer(Direction::Up); break;
    case Qt::Key_Right: game_->steer(Direction::Right); break;
    case Qt::Key_Down: game_->steer(Direction::Down); break;
    default: break;
    }
}

void frmSnake::keyPressEvent(QKeyEvent* event)
{
    Form_KeyDown(event);
}

void frmSnake::paintEvent(QPaintEvent*)
{
    shared::TileBackground(*this, background_);
}

void frmSnake::closeEvent(QCloseEvent* event)
{
    Timer1_->setEnabled(false);
    Timer2_->setEnabled(false);
    ActivityWindow::closeEvent(event);
}

}  // namespace slither
