#include "activities/drills/10askround/window/frmAskround.h"

#include "activities/drills/10askround/rules/AskroundLayout.h"
#include "activities/drills/10askround/rules/SpecialKeys.h"
#include "activities/framework/windows/FrameworkPictures.h"
#include "activities/framework/windows/ShapeButton.h"
#include "activities/framework/windows/WindowColours.h"
#include "activities/framework/windows/WindowLabels.h"
#include "activities/framework/windows/frmMsg.h"
#include "main/core/shared/Sound.h"
#include "main/core/shared/TileBackground.h"
#include "platform/ui/CapsLock.h"
#include "platform/ui/Clock.h"
#include "platform/ui/Colors.h"
#include "platform/ui/PlaceControl.h"
#include "platform/ui/PlainLabel.h"
#include "platform/ui/Resources.h"
#include "platform/ui/SvgPicture.h"
#include "platform/ui/TextCase.h"
#include "platform/ui/Timer.h"
#include "platform/ui/Twips.h"
#include "platform/ui/Wait.h"

#include <QFrame>
#include <QKeyEvent>

using platform::ui::twipsToPixels;

namespace askround {

namespace {

// Caption rows of the activity's caption table.
enum Caption {
    kQuestionHeading = 4,
    kAnswerHeading = 5,
    kCheckButton = 6,
    kOkText = 7,
    kTop10 = 8,
    kResultHeading = 9,
    kCharsLabel = 12,
};

QPixmap markPicture(bool right)
{
    const QString path = platform::ui::resourcePath(
        QStringLiteral("PICTURE"), right ? QStringLiteral("RightCheckmark") : QStringLiteral("WrongCheckMark"));
    const int side = platform::ui::twipsToPixelsX(layout::kMarkSize);
    return platform::ui::renderSvg(path, QSize(side, side));
}

// An answer box's text colour after grading (a box reads its text colour from QPalette::Text).
void setAnswerColour(QLineEdit* box, std::uint32_t number)
{
    QPalette palette = box->palette();
    palette.setColor(QPalette::Text, platform::ui::colorFromNumber(number));
    box->setPalette(palette);
}

}  // namespace

activity::ActivitySetup askroundSetup()
{
    activity::ActivitySetup setup;
    setup.program = QStringLiteral("10askround");
    setup.centring = activity::Centring::AfterStudyList;
    setup.instructions = activity::InstructionRows{10, 11, 2, 3};
    return setup;
}

frmAskround::frmAskround(QWidget* parent)
    : ActivityWindow(askroundSetup(), parent),
      frmChars_(new QFrame(this)),
      lblQuestion_(new platform::ui::PlainLabel(this)),
      TxtAnswer_(new QLineEdit(this)),
      lblAnswer_(new platform::ui::PlainLabel(this)),
      imgCheckMark_(new QLabel(this)),
      Line1_(new QFrame(this)),
      btnLetter_(new QPushButton(frmChars_)),
      lblCaption_(activity::makeWindowLabel(this, "lblCaption", layout::kHeaderPoints, true,
                                            Qt::AlignLeft | Qt::AlignVCenter)),
      lblChars_(new platform::ui::PlainLabel(frmChars_)),
      btnCheck_(new QPushButton(this)),
      lblDate_(activity::makeWindowLabel(this, "lblDate", layout::kHeaderPoints, false,
                                         Qt::AlignRight | Qt::AlignVCenter)),
      lblUsername_(activity::makeWindowLabel(this, "lblUsername", layout::kHeaderPoints, true)),
      lblSubject_(activity::makeWindowLabel(this, "lblSubject", layout::kHeaderPoints, true,
                                            Qt::AlignLeft | Qt::AlignVCenter)),
      Timer2_(new platform::ui::Timer(kGradeIntervalMs, false, this))
{
    setObjectName(QStringLiteral("frmAskround"));
    Timer2_->setObjectName(QStringLiteral("Timer2"));
    connect(Timer2_, &platform::ui::Timer::timeout, this, &frmAskround::Timer2_Timer);
    connect(btnCheck_, &QPushButton::clicked, this, &frmAskround::btnCheck_Click);

    using namespace layout;
    using platform::ui::placeControl;
    const int rowWidth = kFormWidth - 2 * kMargin;
    placeControl(lblSubject_, "lblSubject", QRect(kMargin, kHeaderTop, rowWidth / 3, kHeaderHeight));
    placeControl(lblUsername_, "lblUsername", QRect(kMargin + rowWidth / 3, kHeaderTop, rowWidth / 3, kHeaderHeight));
    placeControl(lblDate_, "lblDate", QRect(kMargin + 2 * rowWidth / 3, kHeaderTop, rowWidth / 3, kHeaderHeight));
    placeControl(lblCaption_[0], "lblCaption", QRect(kQuestionLeft, kCaptionTop, kQuestionWidth, kCaptionHeight));
    lblCaption_.load(1)->setGeometry(twipsToPixels(QRect(kAnswerLeft, kCaptionTop, kAnswerWidth, kCaptionHeight)));
    lblCaption_[1]->show();

    placeControl(lblQuestion_[0], "lblQuestion", QRect(kQuestionLeft, rowTop(0), kQuestionWidth, kRowHeight));
    platform::ui::setFontPoints(lblQuestion_[0], kQuestionPoints, false);
    lblQuestion_[0]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    placeControl(TxtAnswer_[0], "TxtAnswer", QRect(kAnswerLeft, rowTop(0), kAnswerWidth, kRowHeight));
    platform::ui::setFontPoints(TxtAnswer_[0], kAnswerPoints, false);
    placeControl(imgCheckMark_[0], "imgCheckMark", QRect(kMarkLeft, rowTop(0), kMarkSize, kMarkSize));
    placeControl(lblAnswer_[0], "lblAnswer", QRect(kRightPhraseLeft, rowTop(0), kRightPhraseWidth, kRowHeight));
    platform::ui::setFontPoints(lblAnswer_[0], kQuestionPoints, true);
    activity::setTextColour(lblAnswer_[0], platform::ui::colorFromNumber(kRightColour));
    placeControl(Line1_[0], "Line1", QRect(kMargin, rowTop(0) + kRuleBelow, rowWidth, 15));
    Line1_[0]->setFrameShape(QFrame::HLine);
    Line1_[0]->setStyleSheet(QStringLiteral("color: #7a8ca0;"));
    // The mark and the right phrase show once their row is graded.
    imgCheckMark_[0]->hide();
    lblAnswer_[0]->hide();
    TxtAnswer_[0]->installEventFilter(this);
    connect(TxtAnswer_[0], &QLineEdit::returnPressed, this, [this] { TxtAnswer_Enter(0); });

    frmChars_->setObjectName(QStringLiteral("frmChars"));
    frmChars_->setStyleSheet(QStringLiteral("QFrame#frmChars { background: rgba(255,255,255,150); border-radius: 6px; }"
                                            " QPushButton { background: #ffffff; border: 1px solid #8090a0; }"
                                            " QPushButton:hover { background: #e0e0e0; }"));
    placeControl(lblChars_, "lblChars", QRect(150, 60, rowWidth - 300, kCharsLabelHeight));
    platform::ui::setFontPoints(lblChars_, kQuestionPoints, true);
    placeControl(btnLetter_[0], "btnLetter", QRect(150, kLetterTop, kLetterSize, kLetterSize + 60));
    platform::ui::setFontPoints(btnLetter_[0], kQuestionPoints, true);
    btnLetter_[0]->setFocusPolicy(Qt::NoFocus);
    btnCheck_->setObjectName(QStringLiteral("btnCheck"));
    platform::ui::setFontPoints(btnCheck_, kQuestionPoints, true);
}

frmAskround::~frmAskround() = default;

void frmAskround::afterStudyList()
{
    // The window is centred right after this, so it takes its height from the list now.
    setFixedSize(twipsToPixels(QSize(layout::kFormWidth, layout::formHeight(mPhraseCount))));
}

void frmAskround::setUpActivity()
{
    using namespace layout;
    std::vector<QuizQuestion> questions;
    for (int i = 1; i <= mPhraseCount; ++i) {
        const activity::ActivityPhrase& phrase = mPhrases[static_cast<std::size_t>(i)];
        questions.push_back(QuizQuestion{phrase.text1, phrase.text2});
    }
    sheet_ = std::make_unique<QuizSheet>(std::move(questions));

    lblCaption_[0]->setText(mCaptions(kQuestionHeading));
    lblCaption_[1]->setText(mCaptions(kAnswerHeading));
    lblChars_->setText(mCaptions(kCharsLabel) + QStringLiteral(" ") + mTargetLanguage);
    btnCheck_->setText(platform::ui::ucase(mCaptions(kCheckButton)));
    lblDate_->setText(sheetDate(platform::ui::activeClock().now().date()));
    lblUsername_->setText(mUserName);
    Build_Special_Keys();
    lblSubject_->setText(mSubject);
    for (int row = 1; row < sheet_->count(); ++row)
        createRow(row);
    for (int row = 0; row < sheet_->count(); ++row)
        lblQuestion_[row]->setText(questionText(row, sheet_->question(row).translation));

    const int rowWidth = kFormWidth - 2 * kMargin;
    const int rows = sheet_->count();
    frmChars_->setGeometry(twipsToPixels(QRect(kMargin, charsTop(rows), rowWidth - kCheckWidth - kMargin, kCharsHeight)));
    btnCheck_->setGeometry(twipsToPixels(QRect(kFormWidth - kMargin - kCheckWidth,
                                               charsTop(rows) + (kCharsHeight - kCheckHeight) / 2, kCheckWidth,
                                               kCheckHeight)));
    // Tab goes down the answer boxes, then to the check button.
    for (int row = 1; row < rows; ++row)
        setTabOrder(TxtAnswer_[row - 1], TxtAnswer_[row]);
    setTabOrder(TxtAnswer_[rows - 1], btnCheck_);
}

void frmAskround::createRow(int row)
{
    const int shift =
        platform::ui::twipsToPixelsY(layout::rowTop(row)) - platform::ui::twipsToPixelsY(layout::rowTop(0));
    for (QWidget* control : std::initializer_list<QWidget*>{lblQuestion_.load(row), TxtAnswer_.load(row),
                                                            lblAnswer_.load(row), imgCheckMark_.load(row),
                                                            Line1_.load(row)}) {
        control->move(control->x(), control->y() + shift);
        control->show();
    }
    imgCheckMark_[row]->hide();
    lblAnswer_[row]->hide();
    TxtAnswer_[row]->installEventFilter(this);
    connect(TxtAnswer_[row], &QLineEdit::returnPressed, this, [this, row] { TxtAnswer_Enter(row); });
}

void frmAskround::Build_Special_Keys()
{
    specialCharacters_ = specialCharacters(mProgramCode);
    specialCount_ = static_cast<int>(specialCharacters_.size());
    const int step = platform::ui::twipsToPixelsX(layout::kLetterStep);
    for (int i = 1; i <= specialCount_; ++i) {
        QPushButton* button = btnLetter_.load(i);
        button->move(btnLetter_[0]->x() + i * step, button->y());
        button->setText(specialCharacters_[i - 1]);
        button->setAccessibleName(specialCharacters_[i - 1]);
        button->show();
        connect(button, &QPushButton::clicked, this, [this, i] { btnLetter_Click(i); });
    }
    btnLetter_[0]->hide();
}

void frmAskround::paintEvent(QPaintEvent*) { shared::TileBackground(*this, activity::frameworkBackground()); }

bool frmAskround::eventFilter(QObject* watched, QEvent* event)
{
    const int index = TxtAnswer_.indexOf(watched);
    if (index < 0)
        return ActivityWindow::eventFilter(watched, event);
    const bool graded = TxtAnswer_[index]->isReadOnly();
    switch (event->type()) {
    case QEvent::FocusIn:
        TxtAnswer_GotFocus(index);
        break;
    case QEvent::KeyRelease:
        if (!static_cast<QKeyEvent*>(event)->isAutoRepeat())
            showLetterCase();
        break;
    case QEvent::MouseButtonPress:
        if (!graded) {
            // A click selects the whole answer, ready to be typed over.
            TxtAnswer_[index]->setFocus(Qt::MouseFocusReason);
            TxtAnswer_[index]->selectAll();
        }
        return true;
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        // A graded answer takes no mouse: no selection covers its colour.
        if (graded)
            return true;
        break;
    default:
        break;
    }
    return ActivityWindow::eventFilter(watched, event);
}

void frmAskround::TxtAnswer_GotFocus(int index) { markedBox_ = index; }

void frmAskround::showLetterCase()
{
    const QStringList cased = casedCharacters(specialCharacters_, platform::ui::capsLockOn());
    for (int i = 1; i <= specialCount_; ++i)
        btnLetter_[i]->setText(cased[i - 1]);
}

void frmAskround::TxtAnswer_Enter(int index)
{
    QLineEdit* next = TxtAnswer_[boxAfter(index, sheet_->count())];
    next->setFocus(Qt::TabFocusReason);
    next->selectAll();
}

void frmAskround::btnLetter_Click(int index)
{
    // Before any box had the focus, the characters go into the first.
    QLineEdit* box = TxtAnswer_[markedBox_ < 0 ? 0 : markedBox_];
    if (box->isReadOnly())
        return;
    box->end(false);
    box->insert(btnLetter_[index]->text().right(1));
    box->end(false);
    box->setFocus(Qt::OtherFocusReason);
}

void frmAskround::btnCheck_Click()
{
    if (!sheet_->startGrading())
        return;
    // No more typing while the rows are graded; the colours of the answers stay
    // readable. The boxes give up their selections and take no focus, so the
    // disabled check button cannot hand the focus (and a select-all) to one.
    for (int row = 0; row < sheet_->count(); ++row) {
        QLineEdit* box = TxtAnswer_[row];
        box->setReadOnly(true);
        box->setFocusPolicy(Qt::NoFocus);
        box->deselect();
        if (box->hasFocus())
            setFocus(Qt::OtherFocusReason);
    }
    btnCheck_->setEnabled(false);
    frmChars_->setEnabled(false);
    Timer2_->setEnabled(true);
}

void frmAskround::Timer2_Timer()
{
    if (ending() || sheet_->finished())
        return;
    QLineEdit* box = TxtAnswer_[sheet_->nextRow()];
    const std::optional<GradedRow> graded = sheet_->gradeNext(box->text());
    if (!graded)
        return;
    imgCheckMark_[graded->row]->setPixmap(markPicture(graded->right));
    imgCheckMark_[graded->row]->show();
    if (graded->right) {
        setAnswerColour(box, kRightColour);
        shared::Play_Wave_Resource(QStringLiteral("CorrectBeep"), shared::kSoundAsync);
    } else {
        lblAnswer_[graded->row]->setText(sheet_->question(graded->row).phrase);
        lblAnswer_[graded->row]->show();
        setAnswerColour(box, kWrongColour);
        QFont font = box->font();
        font.setStrikeOut(true);
        box->setFont(font);
        shared::Play_Wave_Resource(QStringLiteral("Buzzer"), shared::kSoundAsync);
    }
    if (sheet_->finished())
        finish();
}

void frmAskround::finish()
{
    // The timer stops before the pause, so no tick runs into the result.
    Timer2_->setEnabled(false);
    platform::ui::waitSeconds(1);
    if (ending())
        return;
    frmMsg message(this);
    message.lblMsg()->setText(mCaptions(kResultHeading));
    message.lblmsg2()->clear();
    platform::ui::setFontPoints(message.lblAnswer(), layout::kResultPoints, true);
    message.lblAnswer()->setText(QStringLiteral("%1%").arg(sheet_->percent()));
    message.lblOK()->setText(QStringLiteral("\n") + mCaptions(kOkText));
    message.showModal();
    if (ending())
        return;
    saveNumberScore(sheet_->percent(), kTop10, kOkText, QStringLiteral("%"));
}

}  // namespace askround
