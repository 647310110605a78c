#include "activities/drills/15letterbee/window/frmLetterbee.h"

#include "activities/drills/15letterbee/rules/LetterKeys.h"
#include "activities/drills/15letterbee/rules/LetterSounds.h"
#include "activities/drills/15letterbee/rules/LetterbeeLayout.h"
#include "activities/drills/15letterbee/window/LetterSound.h"
#include "activities/framework/windows/WindowColours.h"
#include "activities/framework/windows/WindowLabels.h"
#include "main/core/shared/Sound.h"
#include "main/core/shared/Wait.h"
#include "platform/ui/Clock.h"
#include "platform/ui/Colors.h"
#include "platform/ui/PlaceControl.h"
#include "platform/ui/Timer.h"
#include "platform/ui/Twips.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QPushButton>

using platform::ui::twipsToPixels;

namespace letterbee {

namespace {

// Caption rows of the activity's caption table.
enum Caption {
    kPraise = 4,
    kTimeWord = 5,
    kLeftWord = 6,
    kTop10 = 7,
    kBegin = 8,
};

const QColor kFormColour(0x1c, 0x24, 0x3d);
const QColor kTileColour = platform::ui::colorFromNumber(0xFF8080);
const QColor kKeyColour = platform::ui::colorFromNumber(0xFFC0C0);
const QColor kKeyText(0x1a, 0x23, 0x7e);
const QColor kLightText(0xff, 0xff, 0xff);
const QColor kSoftText(0xc5, 0xca, 0xe9);
const QColor kTimerText(0xff, 0xeb, 0x3b);
const QColor kPraiseFill(0x1a, 0x23, 0x7e, 225);

QLabel* makeLabel(QWidget* parent, const char* name, int points, bool bold, const QColor& text, const QRect& place,
                  Qt::Alignment alignment = Qt::AlignCenter)
{
    QLabel* label = activity::makeColouredLabel(parent, name, points, bold, text, alignment);
    label->setGeometry(twipsToPixels(place));
    return label;
}

elapsed::TimeOfDay timeOfDay() { return elapsed::TimeOfDay::fromTime(platform::ui::activeClock().now().time()); }

}  // namespace

activity::ActivitySetup letterbeeSetup()
{
    activity::ActivitySetup setup;
    setup.program = QStringLiteral("15letterbee");
    setup.centring = activity::Centring::None;
    setup.instructions = activity::InstructionRows{9, 10, 2, 3};
    return setup;
}

frmLetterbee::frmLetterbee(RandomSource random, QWidget* parent)
    : ActivityWindow(letterbeeSetup(), parent),
      random_(std::move(random)),
      lblTranslation_(makeLabel(this, "lblTranslation", 20, true, kLightText, layout::kTranslation)),
      // The praise sits low in its panel: the translation shows across the panel's top.
      lblMsg_(makeLabel(this, "lblMsg", 48, true, kTimerText, layout::kPraise, Qt::AlignHCenter | Qt::AlignBottom)),
      lblPhrasesleft_(makeLabel(this, "lblPhrasesleft", 12, false, kSoftText, layout::kPhrasesLeft,
                                Qt::AlignLeft | Qt::AlignVCenter)),
      lblTimer_(makeLabel(this, "lblTimer", 26, true, kTimerText, layout::kTimer)),
      lblElapsedTime_(makeLabel(this, "lblElapsedTime", 12, true, kSoftText, layout::kElapsedTime,
                                Qt::AlignRight | Qt::AlignVCenter)),
      Timer1_(new platform::ui::Timer(1000, false, this)),
      Timer2_(new platform::ui::Timer(500, false, this)),
      TimerSayLetter_(new platform::ui::Timer(2, false, this))
{
    setObjectName(QStringLiteral("frmLetterbee"));
    setFixedSize(twipsToPixels(layout::kFormSize));
    setFocusPolicy(Qt::StrongFocus);  // the keyboard's letters come to the window
    activity::setPanelLook(lblMsg_, kPraiseFill, {}, 0, 14);
    lblTranslation_->setWordWrap(true);
    lblMsg_->setText(QStringLiteral("Good Job"));
    lblMsg_->hide();
    lblTimer_->setText(QStringLiteral("00:00:00"));
    connect(Timer1_, &platform::ui::Timer::timeout, this, &frmLetterbee::Timer1_Timer);
    connect(Timer2_, &platform::ui::Timer::timeout, this, &frmLetterbee::Timer2_Timer);
    connect(TimerSayLetter_, &platform::ui::Timer::timeout, this, &frmLetterbee::TimerSayLetter_Timer);
}

frmLetterbee::~frmLetterbee() = default;

QLabel* frmLetterbee::lblLetter(int tile) const
{
    return tile >= 0 && tile < static_cast<int>(lblLetter_.size()) ? lblLetter_[static_cast<std::size_t>(tile)]
                                                                   : nullptr;
}

QPushButton* frmLetterbee::btnLetter(int key) const
{
    return key >= 0 && key < static_cast<int>(btnLetter_.size()) ? btnLetter_[static_cast<std::size_t>(key)]
                                                                 : nullptr;
}

void frmLetterbee::setUpActivity()
{
    alphabet_ = alphabetFor(mProgramCode);
    lblMsg_->setText(mCaptions(kPraise));
    lblElapsedTime_->setText(mCaptions(kTimeWord));
    createKeyboard();
}

// One key per character of the alphabet, kKeysPerRow to a row; key 0 is the
// hidden origin. The keys never take the focus, so the keyboard's letters keep
// coming to the window.
void frmLetterbee::createKeyboard()
{
    const QList<uint> characters = alphabet_.toUcs4();
    for (int k = 0; k <= static_cast<int>(characters.size()); ++k) {
        auto* key = new QPushButton(this);
        key->setObjectName(QStringLiteral("btnLetter"));
        key->setFocusPolicy(Qt::NoFocus);
        const QRect place = k == 0 ? layout::kKey0 : QRect(keyPosition(k), layout::kKey0.size());
        key->setGeometry(twipsToPixels(place));
        QFont font = key->font();
        font.setPointSize(24);
        font.setBold(true);
        key->setFont(font);
        key->setStyleSheet(QStringLiteral("QPushButton { background: %1; color: %2; border: 1px solid %3;"
                                          " border-radius: 6px; } QPushButton:pressed { background: %3; }")
                               .arg(kKeyColour.name(), kKeyText.name(), kTileColour.name()));
        btnLetter_.push_back(key);
        if (k == 0) {
            key->hide();
            continue;
        }
        const auto c = static_cast<char32_t>(characters[k - 1]);
        const QString letter = QString::fromUcs4(&c, 1);
        key->setText(letter);
        key->setAccessibleName(letter);
        key->show();
        connect(key, &QPushButton::clicked, this, [this, letter] { Check_Letter(letter); });
    }
}

void frmLetterbee::startGame() { New_Game(); }

void frmLetterbee::New_Game()
{
    std::vector<SpellingPhrase> phrases;
    for (int k = 1; k <= mPhraseCount; ++k) {
        const activity::ActivityPhrase& p = mPhrases[static_cast<std::size_t>(k)];
        phrases.push_back({p.text1, p.text2});
    }
    game_ = std::make_unique<SpellingGame>(std::move(phrases), alphabet_, random_);
    lblTimer_->setText(QStringLiteral("00:00:00"));
    start_ = timeOfDay();
    dealt_ = false;
    const QPointer<frmLetterbee> self(this);
    shared::Wait(1);
    if (!self || ending())
        return;
    Timer1_->setEnabled(true);
    Timer2_->setEnabled(true);
    Next_Phrase();
}

void frmLetterbee::Next_Phrase()
{
    dealt_ = false;
    if (!game_->nextPhrase())
        return;
    for (QLabel* tile : lblLetter_)
        delete tile;
    lblLetter_.clear();
    lblMsg_->hide();
    lblTranslation_->setText(game_->phrase().translation);
    lblTranslation_->show();
    lblPhrasesleft_->setText(QString::number(game_->phrasesLeftShown()) + QLatin1Char(' ') + mCaptions(kLeftWord));
    for (const Tile& tile : game_->tiles()) {
        QLabel* label = activity::makeWindowLabel(this, "lblLetter", 24, true);
        label->setGeometry(twipsToPixels(QRect(tile.place, layout::kTile0.size())));
        label->show();
        label->raise();
        lblLetter_.push_back(label);
    }
    tileLit_ = true;
    dealt_ = true;
    showTiles();
    if (game_->phraseComplete()) {  // nothing in it to enter
        Finish_Phrase();
        return;
    }
    Timer2_->setEnabled(true);
    TimerSayLetter_->setEnabled(true);
}

// An open tile is a filled box; the current one blinks; a filled tile shows its
// letter without the box.
void frmLetterbee::showTiles()
{
    const std::vector<Tile>& tiles = game_->tiles();
    for (std::size_t k = 0; k < tiles.size(); ++k) {
        QLabel* label = lblLetter_[k];
        const bool current = static_cast<int>(k) == game_->currentTile();
        const bool boxed = !tiles[k].filled && (!current || tileLit_);
        label->setText(tiles[k].filled ? tiles[k].letter : QString());
        label->setAccessibleName(tiles[k].filled ? tiles[k].letter : QStringLiteral("?"));
        activity::setPanelLook(label, boxed ? kTileColour : QColor(Qt::transparent), kTileColour, current ? 2 : 0, 4);
        activity::setTextColour(label, kTileColour);
    }
}

void frmLetterbee::keyPressEvent(QKeyEvent* event)
{
    if (event->isAutoRepeat())
        return;  // holding a key enters its letter once
    if (const auto letter = letterForKey(event->key()))
        Check_Letter(*letter);
}

void frmLetterbee::Check_Letter(const QString& letter)
{
    if (!takingLetters())
        return;
    switch (game_->checkLetter(letter)) {
    case LetterResult::Ignored:
        return;
    case LetterResult::Wrong:
        shared::Play_Wave_Resource(QStringLiteral("Buzzer"), shared::kSoundAsync);
        break;
    case LetterResult::Right:
        tileLit_ = true;
        showTiles();
        break;
    case LetterResult::PhraseComplete:
        showTiles();
        shared::Play_Wave_Resource(QStringLiteral("CorrectBeep"), shared::kSoundAsync);
        Finish_Phrase();
        return;
    }
    TimerSayLetter_->setEnabled(true);
}

void frmLetterbee::TimerSayLetter_Timer()
{
    TimerSayLetter_->setEnabled(false);
    if (!takingLetters())
        return;
    const Tile& tile = game_->tiles()[static_cast<std::size_t>(game_->currentTile())];
    Play_Letter_Sound(letterSoundName(tile.letter, mTargetLanguage), mTargetLanguage, shared::kSoundSync);
}

void frmLetterbee::Timer2_Timer()
{
    if (!takingLetters())
        return;
    tileLit_ = !tileLit_;
    showTiles();
}

void frmLetterbee::Finish_Phrase()
{
    Timer2_->setEnabled(false);
    TimerSayLetter_->setEnabled(false);
    // The translation stays readable in front of the praise.
    lblMsg_->show();
    lblMsg_->raise();
    lblTranslation_->setText(game_->phrase().translation);
    lblTranslation_->show();
    lblTranslation_->raise();
    const int round = game_->round();
    const QPointer<frmLetterbee> self(this);
    const auto stillThisPhrase = [&] { return self && !ending() && game_->round() == round; };
    shared::Wait(1);
    if (!stillThisPhrase())
        return;
    shared::Play_Sound_File(mPhrases[static_cast<std::size_t>(game_->phraseIndex() + 1)].sound, shared::kSoundSync);
    if (!stillThisPhrase())
        return;
    shared::Wait(2);
    if (!stillThisPhrase())
        return;
    if (!game_->allDealt()) {
        Next_Phrase();
        return;
    }
    endGame();
}

void frmLetterbee::endGame()
{
    dealt_ = false;
    lblPhrasesleft_->setText(QStringLiteral("0 ") + mCaptions(kLeftWord));
    Timer1_->setEnabled(false);
    // The score is the time the learner last saw on the clock.
    saveTimeScore(lblTimer_->text(), kTop10, kBegin);
}

void frmLetterbee::Timer1_Timer()
{
    if (ending() || !game_)
        return;
    lblTimer_->setText(elapsed::ElapsedTime::between(start_, timeOfDay()).text());
}

void frmLetterbee::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), kFormColour);
}

void frmLetterbee::closeEvent(QCloseEvent* event)
{
    Timer1_->setEnabled(false);
    Timer2_->setEnabled(false);
    TimerSayLetter_->setEnabled(false);
    ActivityWindow::closeEvent(event);
}

}  // namespace letterbee
