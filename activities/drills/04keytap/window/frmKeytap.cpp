#include "activities/drills/04keytap/window/frmKeytap.h"

#include "activities/drills/04keytap/rules/KeytapLayout.h"
#include "activities/framework/windows/WindowColours.h"
#include "activities/framework/windows/WindowLabels.h"
#include "activities/framework/windows/ShapeButton.h"
#include "activities/framework/windows/frmMsg.h"
#include "main/core/shared/Sound.h"
#include "platform/ui/Colors.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/PlaceControl.h"
#include "platform/ui/Timer.h"
#include "platform/ui/Twips.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QPen>
#include <QPointer>

using platform::ui::twipsToPixels;

namespace keytap {

namespace {

// Caption rows of the activity's caption table.
enum Caption {
    kActivityName = 2,
    kSeparator = 4,
    kWordsPerMinuteUnit = 5,
    kWellDone = 6,
    kOk = 7,
    kTop10 = 8,
    kOverlong = 11,
};

const QColor kFormColour(0x1e, 0x27, 0x33);
const QColor kPhraseText = platform::ui::colorFromNumber(0xC0C0C0);
const QColor kRedText = platform::ui::colorFromNumber(0x0000FF);
const QColor kGreenText = platform::ui::colorFromNumber(0x00FF00);
const QColor kKeyBoxFill(0, 0, 0);

const Qt::Alignment kRowAlignment = Qt::AlignLeft | Qt::AlignTop;

QLabel* rowLabel(QWidget* parent, const char* name, const QRect& row0, int row, const QColor& colour)
{
    QLabel* label = activity::makeColouredLabel(parent, name, 9, true, colour, kRowAlignment);
    label->setGeometry(twipsToPixels(layout::rowPlace(row0, row)));
    label->show();
    return label;
}

}  // namespace

activity::ActivitySetup keytapSetup()
{
    activity::ActivitySetup setup;
    setup.program = QStringLiteral("04keytap");
    setup.centring = activity::Centring::AfterCaptions;
    setup.instructions = activity::InstructionRows{9, 10, 2, 3};
    return setup;
}

frmKeytap::frmKeytap(QWidget* parent)
    : ActivityWindow(keytapSetup(), parent),
      Picture1_(platform::ui::placeControl(new QFrame(this), "Picture1", layout::kKeyBox)),
      lblWPM_(activity::makeWindowLabel(Picture1_, "lblWPM", 14, true)),
      lblWPM2_(activity::makeWindowLabel(Picture1_, "lblWPM2", 10, false, Qt::AlignLeft | Qt::AlignVCenter)),
      Timer1_(new platform::ui::Timer(1000, false, this))
{
    setObjectName(QStringLiteral("frmKeytap"));
    setFixedSize(twipsToPixels(layout::kFormSize));
    setFocusPolicy(Qt::NoFocus);

    // The key box is the one control that takes the focus; it receives every key.
    Picture1_->setFocusPolicy(Qt::StrongFocus);
    Picture1_->installEventFilter(this);
    QPalette boxPalette = Picture1_->palette();
    boxPalette.setColor(QPalette::Window, kKeyBoxFill);
    Picture1_->setPalette(boxPalette);
    Picture1_->setAutoFillBackground(true);
    lblWPM_->setGeometry(twipsToPixels(layout::kWordsPerMinute));
    lblWPM2_->setGeometry(twipsToPixels(layout::kWordsPerMinuteUnit));
    activity::setTextColour(lblWPM_, kGreenText);
    activity::setTextColour(lblWPM2_, kGreenText);
    lblWPM_->setText(QStringLiteral("00"));

    connect(Timer1_, &platform::ui::Timer::timeout, this, &frmKeytap::Timer1_Timer);
}

frmKeytap::~frmKeytap() = default;

QLabel* frmKeytap::labelAt(const std::vector<QLabel*>& labels, int row)
{
    return row >= 0 && row < static_cast<int>(labels.size()) ? labels[static_cast<std::size_t>(row)] : nullptr;
}

std::vector<TypingPhrase> frmKeytap::studyPhrases() const
{
    std::vector<TypingPhrase> phrases;
    for (int k = 1; k <= mPhraseCount; ++k) {
        const activity::ActivityPhrase& p = mPhrases[static_cast<std::size_t>(k)];
        phrases.push_back({p.text1, p.text2});
    }
    return phrases;
}

// A list the drill cannot show ends the program before any row is laid out.
bool frmKeytap::afterCaptions()
{
    if (!Has_Overlong_Phrase(studyPhrases()))
        return true;
    platform::ui::showMessage(mCaptions(kOverlong), platform::ui::MessageIcon::Exclamation,
                              platform::ui::MessageButtons::Ok, mCaptions(kActivityName), this);
    return false;
}

void frmKeytap::setUpActivity()
{
    Initialize();
    lblWPM2_->setText(mCaptions(kWordsPerMinuteUnit));
    Picture1_->setAccessibleName(mCaptions(kWordsPerMinuteUnit));
}

void frmKeytap::Initialize()
{
    drill_ = std::make_unique<TypingDrill>(studyPhrases(), mCaptions(kSeparator));
    for (std::vector<QLabel*>* labels : {&lblphrase_, &lblrojo_, &lblverde_}) {
        for (QLabel* label : *labels)
            delete label;
        labels->clear();
    }
    // Per row, the text to type at the bottom, the red label above it and the
    // green one on top, so only a wrong character shows red.
    for (int row = 0; row < drill_->rowCount(); ++row) {
        lblphrase_.push_back(rowLabel(this, "lblphrase", layout::kPhraseRow0, row, kPhraseText));
        lblrojo_.push_back(rowLabel(this, "lblrojo", layout::kRedRow0, row, kRedText));
        lblverde_.push_back(rowLabel(this, "lblverde", layout::kGreenRow0, row, kGreenText));
        lblphrase_.back()->setText(drill_->rowText(row));
    }
    Timer1_->setEnabled(false);
    lblWPM_->setText(QStringLiteral("00"));
}

void frmKeytap::startGame() { Picture1_->setFocus(Qt::OtherFocusReason); }

bool frmKeytap::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Picture1_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        for (const Keystroke& stroke : keystrokesFor(key->key(), key->modifiers(), key->text()))
            Picture1_KeyPress(stroke);
        return true;  // Tab and the arrows never move the focus away
    }
    return ActivityWindow::eventFilter(watched, event);
}

void frmKeytap::Picture1_KeyPress(const Keystroke& key)
{
    if (ending() || !drill_ || drill_->finished())
        return;
    Timer1_->setEnabled(true);  // an enabled clock runs on unchanged
    const int row = drill_->row();
    switch (drill_->press(key)) {
    case KeyResult::Beep:
        QApplication::beep();
        return;
    case KeyResult::Nothing:
        return;
    case KeyResult::Wrong:
        showTyped(row);
        shared::Play_Wave_Resource(QStringLiteral("stopWhipe"), shared::kSoundAsync);
        return;
    case KeyResult::Right:
        showTyped(row);
        shared::Play_Wave_Resource(QStringLiteral("Type"), shared::kSoundAsync);
        return;
    case KeyResult::Finished:
        showTyped(row);
        shared::Play_Wave_Resource(QStringLiteral("Type"), shared::kSoundAsync);
        finishDrill();
        return;
    }
}

void frmKeytap::showTyped(int row)
{
    lblverde(row)->setText(drill_->greenText(row));
    lblrojo(row)->setText(drill_->redText(row));
}

void frmKeytap::Timer1_Timer()
{
    if (ending() || !drill_)
        return;
    lblWPM_->setText(QString::number(drill_->tick()));
}

void frmKeytap::finishDrill()
{
    Timer1_->setEnabled(false);
    const int wordsPerMinute = drill_->wordsPerMinute();
    const QString unit = QStringLiteral(" ") + mCaptions(kWordsPerMinuteUnit);
    const QPointer<frmKeytap> self(this);
    {
        frmMsg message(this);
        message.lblMsg()->setText(mCaptions(kWellDone));
        message.lblAnswer()->setText(QString::number(wordsPerMinute) + unit);
        message.lblOK()->setText(QStringLiteral("\r\n") + mCaptions(kOk));
        message.showModal();
    }
    if (!self || ending())
        return;
    saveNumberScore(wordsPerMinute, kTop10, kOk, unit);
}

void frmKeytap::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), kFormColour);
    // A green ring around the key box.
    painter.setPen(QPen(kGreenText, 1));
    painter.drawRect(Picture1_->geometry().adjusted(-2, -2, 1, 1));
}

void frmKeytap::closeEvent(QCloseEvent* event)
{
    Timer1_->setEnabled(false);
    ActivityWindow::closeEvent(event);
}

}  // namespace keytap
