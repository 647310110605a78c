#include "activities/puzzles/07sheetout/window/frmSheetout.h"

#include "activities/puzzles/07sheetout/rules/CWordWrap.h"
#include "activities/puzzles/07sheetout/rules/SheetoutLayout.h"
#include "activities/puzzles/07sheetout/rules/WorksheetText.h"
#include "platform/print/Printers.h"
#include "platform/ui/Clock.h"
#include "platform/ui/Colors.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/TextCase.h"
#include "platform/ui/Twips.h"

#include <QAction>
#include <QApplication>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTextStream>

#include <cstdio>

using platform::ui::MessageButtons;
using platform::ui::MessageIcon;
using namespace sheetout::layout;

namespace sheetout {

namespace {

// Caption rows of the activity's caption table.
enum Caption {
    kActivityName = 2,
    kNoPrinter = 4,
    kPrintQuestion = 7,
    kPrintHint = 8,
    kPrintFailed = 9,
};


QString shortDateToday()
{
    return QLocale::system().toString(platform::ui::activeClock().now().date(), QLocale::ShortFormat);
}

}  // namespace

activity::ActivitySetup sheetoutSetup()
{
    activity::ActivitySetup setup;
    setup.program = QStringLiteral("07sheetout");
    setup.centring = activity::Centring::AfterCaptions;
    setup.instructions = activity::InstructionRows{5, 6, 2, 3};
    return setup;
}

frmSheetout::frmSheetout(QWidget* parent)
    : ActivityWindow(sheetoutSetup(), parent), menuBar_(new QMenuBar(this)), txtBody_(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("frmSheetout"));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, platform::ui::colorFromNumber(kBackColor));
    setPalette(palette);

    txtBody_->setObjectName(QStringLiteral("txtBody"));
    txtBody_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtBody_->setFont(QFont(QStringLiteral("Arial"), kFontSizes[kStartSizeIndex]));
    txtBody_->setAccessibleName(QStringLiteral("Worksheet"));
    createMenus();
    resize(platform::ui::twipsToPixels(QSize(kFormWidth, kFormHeight)));
}

frmSheetout::~frmSheetout() = default;

void frmSheetout::createMenus()
{
    menuBar_->setObjectName(QStringLiteral("menuBar"));
    mnuFile_ = menuBar_->addMenu(QStringLiteral("&File"));
    mnuFile_->setObjectName(QStringLiteral("mnuFile"));
    mnuPrint_ = mnuFile_->addAction(QStringLiteral("&Print"));
    mnuPrint_->setObjectName(QStringLiteral("mnuPrint"));
    mnuFile_->addSeparator()->setObjectName(QStringLiteral("bar1"));
    mnuExit_ = mnuFile_->addAction(QStringLiteral("E&xit"));
    mnuExit_->setObjectName(QStringLiteral("mnuExit"));
    connect(mnuPrint_, &QAction::triggered, this, &frmSheetout::mnuPrint_Click);
    connect(mnuExit_, &QAction::triggered, this, &frmSheetout::unloadActivity);

    mnuSize_ = menuBar_->addMenu(QStringLiteral("&Font Size"));
    mnuSize_->setObjectName(QStringLiteral("mnuSize"));
    for (std::size_t k = 0; k < kFontSizes.size(); ++k) {
        QAction* item = mnuSize_->addAction(QString::number(kFontSizes[k]));
        item->setObjectName(QStringLiteral("mnuFontsize%1").arg(k));
        item->setCheckable(true);
        item->setChecked(int(k) == kStartSizeIndex);
        connect(item, &QAction::triggered, this, [this, k] { mnuFontsize_Click(int(k)); });
        mnuFontsize_[k] = item;
    }
}

void frmSheetout::resizeEvent(QResizeEvent* event)
{
    ActivityWindow::resizeEvent(event);
    Form_Resize();
}

void frmSheetout::Form_Resize()
{
    // The text box fills the window below the menu; a window made very small
    // leaves it empty rather than negative.
    const int menuHeight = menuBar_->sizeHint().height();
    menuBar_->setGeometry(0, 0, width(), menuHeight);
    txtBody_->setGeometry(0, menuHeight, std::max(0, width()), std::max(0, height() - menuHeight));
}

bool frmSheetout::Check_Printer() const
{
    return !platform::print::printerName().isEmpty();
}

void frmSheetout::showNoPrinter()
{
    platform::ui::showMessage(mCaptions(kNoPrinter), MessageIcon::None, MessageButtons::Ok,
                              mCaptions(kActivityName), this);
}

void frmSheetout::startGame()
{
    if (!Check_Printer())
        showNoPrinter();

    QList<WorksheetPhrase> phrases;
    for (int i = 1; i <= mPhraseCount; ++i) {
        const activity::ActivityPhrase& phrase = mPhrases[std::size_t(i)];
        phrases.append({phrase.text1, phrase.text2, phrase.text3});
    }
    const QString text = worksheetText(platform::ui::ucase(mSubject), mTargetLanguage, mInterfaceLanguage, phrases);
    txtBody_->setPlainText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    txtBody_->setFocus();
}

void frmSheetout::mnuFontsize_Click(int index)
{
    for (QAction* item : mnuFontsize_)
        item->setChecked(false);
    mnuFontsize_[std::size_t(index)]->setChecked(true);
    QFont font = txtBody_->font();
    font.setPointSize(kFontSizes[std::size_t(index)]);
    txtBody_->setFont(font);
}

void frmSheetout::mnuPrint_Click()
{
    const QString question = mCaptions(kPrintQuestion) + QStringLiteral("\n\n") + mCaptions(kPrintHint);
    const auto answer = platform::ui::showMessage(question, MessageIcon::Question, MessageButtons::YesNo,
                                                  mCaptions(kActivityName), this);
    if (answer != platform::ui::MessageAnswer::Yes)
        return;

    const QString today = shortDateToday();
    const QString header = mProductTitle + QString(10, u' ') + today;
    auto printer = platform::print::openPrinter(header);
    if (!printer) {
        showNoPrinter();
        return;
    }
    printer->setFont(txtBody_->font().family(), txtBody_->font().pointSizeF());
    CWordWrap wrap(*printer, today);
    wrap.setHeaderText(header);
    const QString text = textToPrint(txtBody_->toPlainText(), txtBody_->textCursor().selectedText());

    QApplication::setOverrideCursor(Qt::WaitCursor);
    const PrintOutcome outcome = wrap.PrintText(text);
    QApplication::restoreOverrideCursor();
    if (!outcome.printed) {
        std::fprintf(stderr, "07sheetout: printing failed: %s\n", qPrintable(outcome.error));
        platform::ui::showMessage(mCaptions(kPrintFailed), MessageIcon::Exclamation, MessageButtons::Ok,
                                  mCaptions(kActivityName), this);
    }
}

}  // namespace sheetout
