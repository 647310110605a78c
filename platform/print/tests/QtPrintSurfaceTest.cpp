#include "platform/print/Printers.h"
#include "platform/print/RecordingPrintSurface.h"

#include "PdfText.h"
#include "TestEnvironment.h"

#include <QFileInfo>

#include <gtest/gtest.h>

using namespace platform::print;

TEST(QtPrintSurface, PdfJobHoldsTheTextsOfEveryPageWhereThePenPutThem)
{
    const QString path = testsupport::makeFolder("pdf") + "out.pdf";
    auto surface = openPdfFile(path, "Test");
    surface->setFont("Arial", 12);
    ASSERT_TRUE(surface->beginJob()) << surface->errorText().toStdString();

    // An A4 or letter page in twips, and widths that grow with the text.
    EXPECT_GT(surface->pageWidth(), 10000);
    EXPECT_GT(surface->pageHeight(), 14000);
    EXPECT_GT(surface->textWidth("WW"), surface->textWidth("W"));
    EXPECT_NEAR(surface->textHeight(), 12 * 20 * 1.15, 12 * 20 * 0.2);  // about a 12-point line

    surface->setCurrentX(720);
    surface->setCurrentY(1440);
    surface->print("Bonjour");
    const double afterWord = surface->currentX();
    EXPECT_DOUBLE_EQ(afterWord, 720 + surface->textWidth("Bonjour"));
    surface->print(" été");
    surface->newLine();
    EXPECT_DOUBLE_EQ(surface->currentX(), 0);
    EXPECT_DOUBLE_EQ(surface->currentY(), 1440 + surface->textHeight());
    surface->newPage();
    EXPECT_EQ(surface->page(), 2);
    surface->print("Seconde");
    ASSERT_TRUE(surface->endJob()) << surface->errorText().toStdString();

    const QStringList pages = testsupport::pdfText(path).split('\f');
    ASSERT_GE(pages.size(), 2);
    EXPECT_TRUE(pages[0].contains("Bonjour été")) << pages[0].toStdString();
    EXPECT_TRUE(pages[1].contains("Seconde")) << pages[1].toStdString();
}

TEST(QtPrintSurface, JobThatCannotStartIsReportedAndPrintsNothing)
{
    const QString path = testsupport::sandboxDir() + "/missing-folder/out.pdf";
    auto surface = openPdfFile(path, "Test");
    EXPECT_FALSE(surface->beginJob());
    EXPECT_FALSE(surface->errorText().isEmpty());
    surface->print("lost");
    EXPECT_FALSE(surface->endJob());
    EXPECT_FALSE(QFileInfo::exists(path));
}

TEST(Printers, TheDefaultPrinterElseTheFirstAvailableIsChosen)
{
    struct Case {
        QStringList available;
        QString defaultName;
        QString chosen;
    };
    const Case cases[] = {
        {{"Hall", "Desk"}, "Desk", "Desk"},
        {{"Hall", "Desk"}, "", "Hall"},  // a queue without a default destination
        {{"", "Desk"}, "", "Desk"},
        {{}, "", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(choosePrinter(c.available, c.defaultName), c.chosen) << c.available.join(',').toStdString();
}

TEST(Printers, TheChosenPrinterIsTheOneOpened)
{
    replacePrinters({}, "", nullptr);
    EXPECT_TRUE(printerName().isEmpty());
    EXPECT_EQ(openPrinter("Test"), nullptr);

    QString opened;
    replacePrinters({"Hall", "Desk"}, "", [&](const QString& printer, const QString&) {
        opened = printer;
        return std::make_unique<RecordingPrintSurface>();
    });
    EXPECT_EQ(printerName(), "Hall");
    EXPECT_NE(openPrinter("Test"), nullptr);
    EXPECT_EQ(opened, "Hall");
    restorePrinters();
}
