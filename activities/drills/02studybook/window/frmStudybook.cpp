#include "activities/drills/02studybook/window/frmStudybook.h"

#include "activities/drills/02studybook/rules/StudybookLayout.h"
#include "activities/drills/02studybook/window/ClickLabel.h"
#include "activities/drills/02studybook/window/StudybookPictures.h"
#include "activities/framework/windows/ShapeButton.h"
#include "activities/framework/windows/WindowColours.h"
#include "activities/framework/windows/WindowLabels.h"
#include "activities/framework/windows/frmMsg.h"
#include "main/core/shared/Sound.h"
#include "main/core/shared/TileBackground.h"
#include "platform/ui/Clock.h"
#include "platform/ui/Colors.h"
#include "platform/ui/PlainLabel.h"
#include "platform/ui/Timer.h"
#include "platform/ui/Twips.h"

#include <QCloseEvent>

using platform::ui::twipsToPixels;

namespace studybook {

namespace {

// Caption rows of the activity's caption table.
enum Caption {
    kClockHeading = 4,
    kPhrasesLeftWord = 5,
    kWrongHeading = 6,
    kWrongLine = 7,
    kFinishHeading = 8,
    kFinishText = 9,
    kOkText = 10,
    kTop10 = 11,
    kTaskLine = 12,
    kHearAgain = 15,
};

elapsed::TimeOfDay timeOfDayNow()
{
    return elapsed::TimeOfDay::fromTime(platform::ui::activeClock().now().time());
}

}  // namespace

activity::ActivitySetup studybookSetup()
{
    activity::ActivitySetup setup;
    setup.program = QStringLiteral("02studybook");
    setup.centring = activity::Centring::AfterStudyList;
    setup.instructions = activity::InstructionRows{13, 14, 2, 3};
    return setup;
}

frmStudybook::frmStudybook(RandomSource random, QWidget* parent)
    : ActivityWindow(studybookSetup(), parent),
      random_(std::move(random)),
      lblPhrase_(new ClickLabel(this)),
      lblHearAgain_(new ClickLabel(this)),
      lblInstructions_(activity::makeWindowLabel(this, "lblInstructions", 11, false, Qt::AlignLeft | Qt::AlignVCenter)),
      lblSubject_(activity::makeWindowLabel(this, "lblSubject", 16, true, Qt::AlignLeft | Qt::AlignVCenter)),
      lblElapsedTime_(activity::makeWindowLabel(this, "lblElapsedTime", 11, true)),
      lblTimer_(activity::makeWindowLabel(this, "lblTimer", 20, true)),
      lblPhrasesLeft_(activity::makeWindowLabel(this, "lblPhrasesLeft", 11, false)),
      timTimer_(new platform::ui::Timer(kClockIntervalMs, false, this)),
      Timer3_(new platform::ui::Timer(kShuffleIntervalMs, false, this)),
      background_(studybookBackground())
{
    setObjectName(QStringLiteral("frmStudybook"));
    setMouseTracking(true);
    timTimer_->setObjectName(QStringLiteral("timTimer"));
    Timer3_->setObjectName(QStringLiteral("Timer3"));
    connect(timTimer_, &platform::ui::Timer::timeout, this, &frmStudybook::timTimer_Timer);
    connect(Timer3_, &platform::ui::Timer::timeout, this, &frmStudybook::Timer3_Timer);
    createControls();
}

frmStudybook::~frmStudybook() = default;

void frmStudybook::createControls()
{
    using namespace layout;
    lblSubject_->setGeometry(twipsToPixels(QRect(kMargin, kSubjectTop, kFormWidth - 2 * kMargin, kSubjectHeight)));
    lblInstructions_->setGeometry(twipsToPixels(QRect(kMargin, kInstructionsTop, kFormWidth - 2 * kMargin, kInstructionsHeight)));
    lblInstructions_->setWordWrap(true);

    lblHearAgain_->setObjectName(QStringLiteral("lblHearAgain"));
    QFont hearFont = lblHearAgain_->font();
    hearFont.setPointSize(kHearAgainPoints);
    hearFont.setUnderline(true);
    lblHearAgain_->setFont(hearFont);
    activity::setTextColour(lblHearAgain_, QColor(0x1a, 0x4f, 0x9c));
    lblHearAgain_->setGeometry(twipsToPixels(QRect(kMargin, kHearAgainTop, kChoiceWidth, kHearAgainHeight)));
    connect(lblHearAgain_, &ClickLabel::clicked, this, &frmStudybook::lblHearAgain_Click);
    connect(lblHearAgain_, &ClickLabel::pressed, this, [this] { lblHearAgain_Press(true); });
    connect(lblHearAgain_, &ClickLabel::released, this, [this] { lblHearAgain_Press(false); });
    connect(lblHearAgain_, &ClickLabel::pointerMoved, this, [this] {
        if (picksTaken())
            setHearAgainBold(true);
    });

    ClickLabel* first = lblPhrase_[0];
    first->setObjectName(QStringLiteral("lblPhrase"));
    QFont choiceFont = first->font();
    choiceFont.setPointSize(kChoicePoints);
    choiceFont.setBold(true);
    first->setFont(choiceFont);
    first->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    first->setGeometry(twipsToPixels(QRect(kChoiceLeft, choiceTop(0), kChoiceWidth, kChoiceHeight)));
    activity::setTextColour(first, platform::ui::qbColor(kRestColor));
    connectChoice(0);

    lblElapsedTime_->setGeometry(twipsToPixels(QRect(kSideLeft, kElapsedTop, kSideWidth, kElapsedHeight)));
    lblTimer_->setGeometry(twipsToPixels(QRect(kSideLeft, kTimerTop, kSideWidth, kTimerHeight)));
    lblTimer_->setText(elapsed::ElapsedTime().text());
    activity::setTextColour(lblTimer_, QColor(0x1d, 0x4f, 0x7a));
    lblPhrasesLeft_->setGeometry(twipsToPixels(QRect(kSideLeft, kPhrasesLeftTop, kSideWidth, kPhrasesLeftHeight)));
    lblPhrasesLeft_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblPhrasesLeft_->setWordWrap(true);
    setFixedSize(twipsToPixels(QSize(kFormWidth, formHeight(1))));
}

void frmStudybook::connectChoice(int index)
{
    ClickLabel* label = lblPhrase_[index];
    connect(label, &ClickLabel::clicked, this, [this, index] { lblPhrase_Click(index); });
    connect(label, &ClickLabel::pressed, this, [this, index] { lblPhrase_Press(index, true); });
    connect(label, &ClickLabel::released, this, [this, index] { lblPhrase_Press(index, false); });
    connect(label, &ClickLabel::pointerMoved, this, [this, index] { lblPhrase_MouseMove(index); });
}

void frmStudybook::afterStudyList()
{
    std::vector<QString> translations;
    for (int i = 1; i <= mPhraseCount; ++i)
        translations.push_back(mPhrases[static_cast<std::size_t>(i)].text2);
    game_ = std::make_unique<StudybookGame>(std::move(translations), random_, timeOfDayNow);
    // The window's height follows the list; the framework centres it once sized.
    setFixedSize(twipsToPixels(QSize(layout::kFormWidth, layout::formHeight(mPhraseCount))));
    // The clock counts from here, the instruction window's time included.
    game_->startClock();
    timTimer_->setEnabled(true);
}

void frmStudybook::setUpActivity()
{
    lblHearAgain_->setText(mCaptions(kHearAgain));
    lblInstructions_->setText(mCaptions(kTaskLine));
    lblSubject_->setText(mSubject);
    lblElapsedTime_->setText(mCaptions(kClockHeading));
    for (int index = 1; index < mPhraseCount; ++index) {
        ClickLabel* label = lblPhrase_.load(index);
        label->move(label->x(), twipsToPixels(QPoint(0, layout::choiceTop(index))).y());
        connectChoice(index);
        label->show();
    }
    showPhrasesLeft();
}

void frmStudybook::startGame() { Start_Round(); }

void frmStudybook::Start_Round()
{
    if (!game_ || ending())
        return;
    game_->Start_Round();
    showPhrasesLeft();
    Timer3_->setEnabled(true);
}

void frmStudybook::Timer3_Timer()
{
    if (!game_ || ending())
        return;
    const ShuffleStep step = game_->shuffleTick();
    Timer3_->setEnabled(game_->shuffling());
    showChoices();
    if (step.playShuffleSound)
        shared::Play_Wave_Resource(QStringLiteral("Robot"), shared::kSoundAsync);
    if (step.dealt)
        playPhrase();
}

void frmStudybook::timTimer_Timer()
{
    if (game_)
        lblTimer_->setText(game_->clockTick());
}

void frmStudybook::lblPhrase_Click(int index)
{
    if (!game_ || ending())
        return;
    const PickOutcome outcome = game_->pick(index);
    if (outcome.result == PickResult::Ignored)
        return;
    // The pick ends a shuffle that was still running, before any sound or message.
    Timer3_->setEnabled(false);
    showChoices();
    if (outcome.result == PickResult::Wrong) {
        shared::Play_Wave_Resource(QStringLiteral("Buzzer"), shared::kSoundAsync);
        showWrongAnswer(outcome.rightTranslation);
    } else {
        shared::Play_Wave_Resource(QStringLiteral("Bonus"), shared::kSoundAsync);
    }
    if (ending())
        return;
    showPhrasesLeft();
    if (outcome.result == PickResult::Finished) {
        finish();
        return;
    }
    game_->continueAfterPick();
    Timer3_->setEnabled(game_->shuffling());
}

void frmStudybook::finish()
{
    timTimer_->setEnabled(false);
    lblTimer_->setText(game_->clockText());
    frmMsg message(this);
    message.lblMsg()->setText(mCaptions(kFinishHeading));
    message.lblmsg2()->clear();
    message.lblAnswer()->setText(QStringLiteral("\n") + mCaptions(kFinishText));
    message.lblOK()->setText(QStringLiteral("\n") + mCaptions(kOkText));
    message.showModal();
    if (ending())
        return;
    saveTimeScore(game_->clockText(), kTop10, kOkText);
}

void frmStudybook::showWrongAnswer(const QString& rightTranslation)
{
    frmMsg message(this);
    message.lblMsg()->setText(mCaptions(kWrongHeading));
    message.lblmsg2()->setText(mCaptions(kWrongLine));
    message.lblAnswer()->setText(rightTranslation);
    message.lblOK()->setText(QStringLiteral("\n") + mCaptions(kOkText));
    message.showModal();
}

void frmStudybook::playPhrase()
{
    if (!game_)
        return;
    // Nothing plays once every phrase is answered: there is no phrase past the end.
    if (const std::optional<int> position = game_->phraseToPlay())
        shared::Play_Sound_File(mPhrases[static_cast<std::size_t>(*position)].sound, shared::kSoundSync);
}

void frmStudybook::lblHearAgain_Click()
{
    if (picksTaken())
        playPhrase();
}

void frmStudybook::lblHearAgain_Press(bool down)
{
    if (down && !picksTaken())
        return;
    platform::ui::setFontPoints(lblHearAgain_, down ? layout::kHearAgainPressedPoints : layout::kHearAgainPoints);
}

void frmStudybook::lblPhrase_Press(int index, bool down)
{
    ClickLabel* label = lblPhrase_[index];
    // A label grows while held down, and always returns to its size on release.
    if (!label || (down && !picksTaken()))
        return;
    platform::ui::setFontPoints(label, layout::kChoicePoints + (down ? layout::kChoicePressGrowth : 0));
}

void frmStudybook::lblPhrase_MouseMove(int index)
{
    if (!picksTaken())
        return;
    showHover(game_->hoverLabel(index));
    setHearAgainBold(false);
}

void frmStudybook::Form_MouseMove()
{
    if (!picksTaken())
        return;
    const HoverChange change = game_->leaveLabels();
    if (change.rested >= 0) {
        showHover(change);
        setHearAgainBold(false);
    }
}

void frmStudybook::mouseMoveEvent(QMouseEvent*) { Form_MouseMove(); }

void frmStudybook::showChoices()
{
    const std::vector<ChoiceLabel>& labels = game_->labels();
    for (int index = 0; index < static_cast<int>(labels.size()); ++index) {
        ClickLabel* label = lblPhrase_[index];
        if (!label)
            continue;
        label->setText(labels[static_cast<std::size_t>(index)].text);
        activity::setTextColour(label, platform::ui::qbColor(labels[static_cast<std::size_t>(index)].color));
    }
}

void frmStudybook::showHover(const HoverChange& change)
{
    for (int index : {change.rested, change.hovered}) {
        if (ClickLabel* label = index >= 0 ? lblPhrase_[index] : nullptr)
            activity::setTextColour(label, platform::ui::qbColor(game_->labels()[static_cast<std::size_t>(index)].color));
    }
}

void frmStudybook::showPhrasesLeft()
{
    if (game_)
        lblPhrasesLeft_->setText(QString::number(game_->phrasesLeft()) + QLatin1Char(' ') + mCaptions(kPhrasesLeftWord));
}

void frmStudybook::setHearAgainBold(bool bold)
{
    QFont font = lblHearAgain_->font();
    if (font.bold() == bold)
        return;
    font.setBold(bold);
    lblHearAgain_->setFont(font);
}

bool frmStudybook::picksTaken() const { return game_ && !ending() && game_->acceptsPicks(); }

void frmStudybook::paintEvent(QPaintEvent*) { shared::TileBackground(*this, background_); }

void frmStudybook::closeEvent(QCloseEvent* event)
{
    // Nothing ticks or plays once the window is closing.
    Timer3_->setEnabled(false);
    timTimer_->setEnabled(false);
    ActivityWindow::closeEvent(event);
}

}  // namespace studybook
