// The worksheet window in-process: the sheet built from the study list, the
// no-printer message, the font size menu, printing the whole sheet or the
// selection to a PDF file read back with pdftotext, a failed print, and exit.
#include "activities/puzzles/07sheetout/window/frmSheetout.h"

#include "activities/framework/testkit/ActivityWindowTest.h"
#include "platform/print/Printers.h"
#include "platform/print/RecordingPrintSurface.h"

#include "PdfText.h"
#include "TestEnvironment.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QTextBlock>

#include <gtest/gtest.h>

using namespace sheetout;
using platform::ui::MessageAnswer;
using platform::ui::MessageIcon;

namespace {

// The printed lines as pdftotext lays them out, blanks squeezed, empty ones left out.
QStringList printedLines(const QString& pdfPath)
{
    QStringList lines;
    for (const QString& line : testsupport::pdfText(pdfPath).split('\n')) {
        if (!line.simplified().isEmpty())
            lines.append(line.simplified());
    }
    return lines;
}

class SheetoutWindow : public activitytest::ActivityWindowTest {
protected:
    void TearDown() override
    {
        platform::print::restorePrinters();
        ActivityWindowTest::TearDown();
    }

    // The desktop's printers, all writing the PDF file pdfPath; the one opened
    // goes to printedOn.
    void pdfPrinters(const QStringList& available, const QString& defaultName)
    {
        platform::print::replacePrinters(available, defaultName, [this](const QString& printer, const QString& name) {
            printedOn = printer;
            return platform::print::openPdfFile(pdfPath, name);
        });
    }
    void pdfPrinter() { pdfPrinters({"Test PDF"}, "Test PDF"); }

    void start(int count) { ASSERT_TRUE(ActivityWindowTest::start(window, count)); }

    QString caption(int row) const { return window.mCaptions(row); }

    // Selects lines first..last (0-based) of the text box.
    void selectLines(int first, int last)
    {
        QTextCursor cursor(window.txtBody()->document()->findBlockByNumber(first));
        const QTextBlock end = window.txtBody()->document()->findBlockByNumber(last);
        cursor.setPosition(end.position() + end.length() - 1, QTextCursor::KeepAnchor);
        window.txtBody()->setTextCursor(cursor);
    }

    frmSheetout window;
    QString pdfPath = testsupport::sandboxDir() + "/printed.pdf";
    QString printedOn;
};

}  // namespace

TEST_F(SheetoutWindow, WithoutAPrinterTheSheetIsShownAfterTheMessage)
{
    platform::print::replacePrinters({}, "", nullptr);
    start(2);
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, caption(4));
    EXPECT_EQ(boxes.shown()[0].buttons, platform::ui::MessageButtons::Ok);
    EXPECT_EQ(boxes.shown()[0].icon, MessageIcon::None);
    const auto& phrases = launch.list.phrases;
    EXPECT_EQ(window.txtBody()->toPlainText(), "COLOURS\n\nFrench\n1)  " + phrases[0].phrase + "\n2)  " + phrases[1].phrase
                                                    + "\n\nEnglish\n1)  " + phrases[0].translation + "\n2)  "
                                                    + phrases[1].translation + "\n");

    // Printing is still offered; asking for it says again that there is no printer.
    window.mnuPrint()->trigger();
    ASSERT_EQ(boxes.shown().size(), 3u);
    EXPECT_EQ(boxes.shown()[1].icon, MessageIcon::Question);
    EXPECT_EQ(boxes.shown()[1].text, caption(7) + "\n\n" + caption(8));
    EXPECT_EQ(boxes.shown()[2].text, caption(4));
    EXPECT_TRUE(endCodes.empty());
}

TEST_F(SheetoutWindow, WithoutADefaultPrinterTheFirstAvailableOnePrints)
{
    pdfPrinters({"Hall", "Office"}, "");
    start(1);
    EXPECT_TRUE(boxes.shown().empty());  // no "no printer" message
    window.mnuPrint()->trigger();
    ASSERT_EQ(boxes.shown().size(), 1u);  // only the question
    EXPECT_EQ(printedOn, "Hall");
    EXPECT_TRUE(QFileInfo::exists(pdfPath));
}

TEST_F(SheetoutWindow, FontSizeMenuChecksOneItemAndSizesTheText)
{
    pdfPrinter();
    start(1);
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_EQ(window.txtBody()->font().pointSize(), 14);
    EXPECT_TRUE(window.mnuFontsize(3)->isChecked());
    window.mnuFontsize(6)->trigger();
    for (int k = 0; k < 7; ++k)
        EXPECT_EQ(window.mnuFontsize(k)->isChecked(), k == 6) << k;
    EXPECT_EQ(window.txtBody()->font().pointSize(), 32);
}

TEST_F(SheetoutWindow, PrintsTheWholeEditedSheetWithHeaderAndPageNumbers)
{
    pdfPrinter();
    start(10);
    window.mnuFontsize(6)->trigger();  // 32 points: the sheet runs onto a second page
    window.txtBody()->appendPlainText("added by the learner");
    window.mnuPrint()->trigger();
    ASSERT_EQ(boxes.shown().size(), 1u);  // only the question

    const QString text = testsupport::pdfText(pdfPath);
    const QStringList pages = text.split('\f', Qt::SkipEmptyParts);
    ASSERT_GE(pages.size(), 2) << text.toStdString();
    for (const QString& page : {pages[0], pages[1]})
        EXPECT_TRUE(page.contains(launch.list.productTitle)) << page.toStdString();
    EXPECT_TRUE(pages[0].contains("Page 1"));
    EXPECT_TRUE(pages[1].contains("Page 2"));

    // Each numbered line is printed whole (the translations are short enough
    // for a line at 32 points).
    const QStringList lines = printedLines(pdfPath);
    const auto& phrases = launch.list.phrases;
    for (const QString& expected : {QString("COLOURS"), "10) " + phrases[9].translation, QString("added by the learner")})
        EXPECT_TRUE(lines.contains(expected)) << expected.toStdString() << "\n" << lines.join('\n').toStdString();
    EXPECT_TRUE(lines.join(' ').contains("10) " + phrases[9].phrase));
}

TEST_F(SheetoutWindow, PrintsOnlyTheSelectionWithItsLineBreaks)
{
    pdfPrinter();
    start(3);
    selectLines(3, 4);  // "1)  phrase 1" and "2)  phrase 2"
    window.mnuPrint()->trigger();

    const QStringList lines = printedLines(pdfPath);
    const auto& phrases = launch.list.phrases;
    const qsizetype first = lines.indexOf("1) " + phrases[0].phrase);
    ASSERT_GE(first, 0) << lines.join('\n').toStdString();
    EXPECT_EQ(lines.indexOf("2) " + phrases[1].phrase), first + 1);
    const QString all = lines.join('\n');
    EXPECT_FALSE(all.contains(phrases[2].phrase));
    EXPECT_FALSE(all.contains(phrases[0].translation));
}

TEST_F(SheetoutWindow, AnsweringNoPrintsNothingAndAFailedJobIsReported)
{
    pdfPrinter();
    start(1);
    boxes.queueAnswer(MessageAnswer::No);
    window.mnuPrint()->trigger();
    EXPECT_FALSE(QFileInfo::exists(pdfPath));

    platform::print::replacePrinters({"Jammed"}, "Jammed", [](const QString&, const QString&) {
        auto surface = std::make_unique<platform::print::RecordingPrintSurface>();
        surface->failToStart("printer jammed");
        return surface;
    });
    window.mnuPrint()->trigger();
    ASSERT_EQ(boxes.shown().size(), 3u);
    EXPECT_EQ(boxes.shown()[2].text, caption(9));
    EXPECT_EQ(boxes.shown()[2].icon, MessageIcon::Exclamation);
}

TEST_F(SheetoutWindow, SurvivesATinyWindowAndExitDeletesItsSoundCopies)
{
    pdfPrinter();
    start(2);
    window.resize(3, 2);
    QApplication::processEvents();
    EXPECT_GE(window.txtBody()->height(), 0);
    window.resize(500, 400);
    QApplication::processEvents();
    EXPECT_GT(window.txtBody()->height(), 200);

    const QString copy = copyPath(1);
    ASSERT_TRUE(QFileInfo::exists(copy));
    window.mnuExit()->trigger();
    EXPECT_EQ(endCodes.size(), 1u);
    EXPECT_FALSE(QFileInfo::exists(copy));
}
