#include "activities/puzzles/14gridhunt/window/frmGridhunt.h"

#include "activities/puzzles/14gridhunt/rules/GridhuntLayout.h"
#include "activities/framework/windows/WindowColours.h"
#include "activities/puzzles/14gridhunt/window/GridhuntResources.h"
#include "main/core/shared/Sound.h"
#include "platform/ui/Clock.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/PlainLabel.h"
#include "platform/ui/TextCase.h"
#include "platform/ui/Timer.h"
#include "platform/ui/Twips.h"

#include <QFrame>

using platform::ui::twipsToPixels;

namespace gridhunt {

namespace {

const QColor kFormColour(0x1f, 0x2d, 0x3d);
const QColor kListColour(Qt::white);
const QColor kNotPlacedColour(0xff, 0x00, 0x00);
const QColor kClockColour(0xff, 0xd5, 0x4f);

QRect pixels(const layout::Box& box)
{
    return twipsToPixels(QRect(box.left, box.top, box.width, box.height));
}

void setColours(QWidget* widget, const QColor& background, const QColor& text)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, text);
    widget->setPalette(palette);
}

elapsed::TimeOfDay timeOfDayNow()
{
    return elapsed::TimeOfDay::fromTime(platform::ui::activeClock().now().time());
}

}  // namespace

activity::ActivitySetup gridhuntSetup()
{
    activity::ActivitySetup setup;
    setup.program = QStringLiteral("14gridhunt");
    setup.centring = activity::Centring::AfterCaptions;
    setup.instructions = activity::InstructionRows{9, 10, 2, 3};
    return setup;
}

frmGridhunt::frmGridhunt(platform::RandomSource random, QWidget* parent)
    : ActivityWindow(gridhuntSetup(), parent),
      random_(std::move(random)),
      lbltimer_(platform::ui::makePlainLabel(this, QStringLiteral("lbltimer"), 20, true, Qt::AlignCenter)),
      Label1_(platform::ui::makePlainLabel(this, QStringLiteral("Label1"), 16, true, Qt::AlignCenter)),
      imgMagnifier_(new QLabel(this)),
      PicLoading_(new QFrame(this)),
      lblWait_(platform::ui::makePlainLabel(PicLoading_, QStringLiteral("lblWait"), 14, true, Qt::AlignCenter)),
      Timer1_(new platform::ui::Timer(kClockIntervalMs, false, this))
{
    setObjectName(QStringLiteral("frmGridhunt"));
    Timer1_->setObjectName(QStringLiteral("Timer1"));
    connect(Timer1_, &platform::ui::Timer::timeout, this, &frmGridhunt::Timer1_Timer);
    createControls();
}

frmGridhunt::~frmGridhunt() = default;

void frmGridhunt::createControls()
{
    setAutoFillBackground(true);
    setColours(this, kFormColour, kListColour);
    setFixedSize(twipsToPixels(QSize(layout::kFormWidth, layout::kFormHeight)));

    createGrid();
    createList();

    const int sideLeft = layout::kSecondColumnLeft + layout::kListHead.width + 150;
    const int sideWidth = layout::kFormWidth - sideLeft - 150;
    Label1_->setGeometry(twipsToPixels(QRect(sideLeft, layout::kListHead.top, sideWidth, 420)));
    activity::setTextColour(Label1_, kListColour);
    imgMagnifier_->setObjectName(QStringLiteral("imgMagnifier"));
    const QRect pictureBox = twipsToPixels(QRect(sideLeft, layout::kListHead.top + 420, sideWidth, 720));
    imgMagnifier_->setGeometry(pictureBox);
    imgMagnifier_->setAlignment(Qt::AlignCenter);
    imgMagnifier_->setPixmap(magnifierPicture(pictureBox.height()));
    lbltimer_->setGeometry(twipsToPixels(QRect(sideLeft, layout::kListHead.top + 1200, sideWidth, 480)));
    lbltimer_->setText(elapsed::ElapsedTime().text());
    activity::setTextColour(lbltimer_, kClockColour);

    PicLoading_->setObjectName(QStringLiteral("PicLoading"));
    PicLoading_->setFrameShape(QFrame::Box);
    PicLoading_->setAutoFillBackground(true);
    setColours(PicLoading_, QColor(0xff, 0xf8, 0xe1), QColor(0x37, 0x47, 0x4f));
    PicLoading_->setGeometry(twipsToPixels(QRect(3600, 2700, 4800, 1200)));
    lblWait_->setGeometry(PicLoading_->rect());
    lblWait_->setText(QStringLiteral("LOADING..."));
    PicLoading_->raise();
}

void frmGridhunt::createGrid()
{
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPointSize(10);
    for (int cell = 1; cell <= kCells; ++cell) {
        auto* label = new HuntLabel(this);
        label->setObjectName(QStringLiteral("lblLetter_%1").arg(cell));
        label->setGeometry(pixels(layout::cellBox(cell)));
        label->setFont(font);
        label->setAlignment(Qt::AlignCenter);
        label->setAutoFillBackground(true);
        setColours(label, Qt::white, Qt::black);
        connect(label, &HuntLabel::clicked, this, [this, cell] { lblLetter_Click(cell); });
        connect(label, &HuntLabel::entered, this, [this, cell] { lblLetter_MouseMove(cell); });
        lblLetter_.at(static_cast<std::size_t>(cell)) = label;
        shownColour_.at(static_cast<std::size_t>(cell)) = CellColour::White;
    }
}

void frmGridhunt::createList()
{
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPointSize(9);
    for (int entry = 1; entry <= kListEntries; ++entry) {
        auto* label = new HuntLabel(this);
        label->setObjectName(QStringLiteral("lblPhrase_%1").arg(entry));
        label->setGeometry(pixels(layout::listBox(entry)));
        label->setFont(font);
        activity::setTextColour(label, kListColour);
        connect(label, &HuntLabel::pressed, this, [this, entry] { lblPhrase_MouseDown(entry); });
        connect(label, &HuntLabel::released, this, [this, entry] { lblPhrase_MouseUp(entry); });
        lblPhrase_.at(static_cast<std::size_t>(entry)) = label;
    }
}

void frmGridhunt::setUpActivity()
{
    lblWait_->setText(mCaptions(kLoadingCaption));
    Label1_->setText(mCaptions(2));
}

void frmGridhunt::beforeInstructions()
{
    // The loading panel is on the screen while the phrases are hidden.
    PicLoading_->show();
    repaint();
    buildGrid();
    PicLoading_->hide();
    // The clock counts from here, the instruction window's time included.
    startTime_ = timeOfDayNow();
}

void frmGridhunt::buildGrid()
{
    std::vector<GridhuntPhrase> phrases;
    for (int i = 1; i <= mPhraseCount; ++i) {
        const activity::ActivityPhrase& phrase = mPhrases.at(static_cast<std::size_t>(i));
        phrases.push_back({platform::ui::ucase(phrase.text1), platform::ui::ucase(phrase.text2)});
    }
    game_ = std::make_unique<GridhuntGame>(std::move(phrases), random_);
    for (int cell = 1; cell <= kCells; ++cell)
        lblLetter(cell)->setText(QString(game_->grid().symbol(cell)));
    for (int entry = 1; entry <= kListEntries && entry <= game_->phraseCount(); ++entry) {
        HuntLabel* label = lblPhrase(entry);
        label->setText(game_->listText(entry, mCaptions(kTooLongCaption)));
        if (!game_->placement(entry).placed)
            activity::setTextColour(label, kNotPlacedColour);
    }
}

void frmGridhunt::runInstructions()
{
    if (game_ && game_->playable()) {
        ActivityWindow::runInstructions();
        return;
    }
    platform::ui::showMessage(mCaptions(kNothingFitsCaption), platform::ui::MessageIcon::Exclamation,
                              platform::ui::MessageButtons::Ok, {}, this);
    for (int cell = 1; cell <= kCells; ++cell)
        lblLetter(cell)->setEnabled(false);
}

void frmGridhunt::startGame()
{
    if (game_ && game_->playable() && !ending())
        Timer1_->setEnabled(true);
}

void frmGridhunt::Timer1_Timer()
{
    lbltimer_->setText(elapsed::Elapsed_Time(startTime_, timeOfDayNow()));
}

void frmGridhunt::lblLetter_MouseMove(int cell)
{
    if (!game_ || ending())
        return;
    game_->enter(cell);
    showCells();
}

void frmGridhunt::lblLetter_Click(int cell)
{
    if (!game_ || ending() || !Timer1_->isEnabled())
        return;
    const ClickOutcome outcome = game_->click(cell);
    showCells();
    switch (outcome.kind) {
    case ClickOutcome::Found:
        showFound(outcome.phrase);
        if (game_->finished())
            finish();
        break;
    case ClickOutcome::Missed:
        shared::Play_Wave_Resource(QStringLiteral("flashcardstop"), shared::kSoundSync);
        break;
    case ClickOutcome::Started:
    case ClickOutcome::Ignored:
        break;
    }
}

void frmGridhunt::showFound(int phrase)
{
    HuntLabel* label = lblPhrase(phrase);
    QFont font = label->font();
    font.setStrikeOut(true);
    label->setFont(font);
    shared::Play_Wave_Resource(QStringLiteral("correctbeep"), shared::kSoundSync);
    shared::Play_Sound_File(mPhrases.at(static_cast<std::size_t>(phrase)).sound, shared::kSoundSync);
}

void frmGridhunt::showCells()
{
    for (int cell = 1; cell <= kCells; ++cell) {
        const CellColour colour = game_->colour(cell);
        CellColour& shown = shownColour_.at(static_cast<std::size_t>(cell));
        if (colour == shown)
            continue;
        shown = colour;
        switch (colour) {
        case CellColour::White: setColours(lblLetter(cell), Qt::white, Qt::black); break;
        case CellColour::Yellow: setColours(lblLetter(cell), QColor(0xff, 0xff, 0x00), Qt::black); break;
        case CellColour::Blue: setColours(lblLetter(cell), QColor(0x00, 0x00, 0xff), Qt::white); break;
        }
    }
}

void frmGridhunt::lblPhrase_MouseDown(int entry)
{
    if (game_ && entry <= game_->phraseCount())
        lblPhrase(entry)->setText(game_->translationText(entry));
}

void frmGridhunt::lblPhrase_MouseUp(int entry)
{
    if (game_ && entry <= game_->phraseCount())
        lblPhrase(entry)->setText(game_->listText(entry, mCaptions(kTooLongCaption)));
}

void frmGridhunt::finish()
{
    Timer1_->setEnabled(false);
    saveTimeScore(lbltimer_->text(), kTop10Caption, kBeginCaption);
}

void frmGridhunt::closeEvent(QCloseEvent* event)
{
    Timer1_->setEnabled(false);
    ActivityWindow::closeEvent(event);
}

}  // namespace gridhunt
