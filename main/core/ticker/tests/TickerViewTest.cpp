#include "main/core/ticker/view/LinkMenuView.h"
#include "main/core/ticker/view/TickerView.h"

#include "platform/ui/Colors.h"
#include "platform/ui/Twips.h"

#include <QFrame>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>

using platform::ui::twipsToPixels;
using ticker::TickerText;

namespace {

// A window with the ticker's panel and label, and the link menu with two
// entries and the web address, placed as on the main window.
class TickerViews : public ::testing::Test {
protected:
    TickerViews()
    {
        window.resize(twipsToPixels(QSize(9600, 7200)));
        tickerPanel->setGeometry(twipsToPixels(QRect(240, 240, 5175, 1170)));
        tickerLabel->setGeometry(twipsToPixels(QRect(120, 60, 4935, 1050)));
        menuPanel->setGeometry(twipsToPixels(QRect(0, 0, 3885, 9765)));
        address->setGeometry(twipsToPixels(QRect(240, 6600, 3400, 300)));
        address->setText("https://www.dravolin.example/");
        tickerView.emplace(tickerPanel, tickerLabel, platform::RandomSource::scripted({(4 + 0.5) / 15}),
                           ticker::TickerView::Actions{[this] { ++hideRequests; },
                                                       [this](const QString& page) { pagesOpened << page; },
                                                       [this] { ++clicks; }});
        menuView.emplace(menuPanel, address,
                         ticker::LinkMenuView::Actions{[this](const QString& page) { pagesOpened << page; },
                                                       [this](const QString& url) { addressesOpened << url; },
                                                       [this] { ++clicks; }});
        for (int i = 0; i < 2; ++i) {
            entries[i] = new QLabel(QString("Link %1").arg(i), menuPanel);
            entries[i]->setGeometry(twipsToPixels(QRect(720, 600 + 750 * i, 3000, 360)));
            entries[i]->setProperty("Tag", QString("link%1.htm").arg(i));
            menuView->addEntry(i, entries[i]);
        }
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    // Runs the ticker's step timer until the shown text changes.
    void toNextText()
    {
        const TickerText before = tickerView->rules().shown();
        for (int i = 0; i < 200 && tickerView->rules().shown() == before; ++i) emit tickerView->Timer1()->timeout();
    }

    // Runs the step timer until the panel is open.
    void toOpen()
    {
        for (int i = 0; i < 200 && tickerView->Timer1()->isEnabled(); ++i) emit tickerView->Timer1()->timeout();
    }

    // The pointer over the strip of the parked menu, and the menu slid out.
    void openMenu()
    {
        QTest::mouseMove(menuPanel, QPoint(menuPanel->width() - 3, 2));
        for (int i = 0; i < 20 && menuView->TimShowMenu()->isEnabled(); ++i) emit menuView->TimShowMenu()->timeout();
    }

    QColor textColour(const QLabel* label) const { return label->palette().color(QPalette::WindowText); }

    QWidget window;
    QFrame* tickerPanel = new QFrame(&window);
    QLabel* tickerLabel = new QLabel(tickerPanel);
    QFrame* menuPanel = new QFrame(&window);
    QLabel* address = new QLabel(menuPanel);
    QLabel* entries[2] = {};
    QStringList pagesOpened;
    QStringList addressesOpened;
    int clicks = 0;
    int hideRequests = 0;
    std::optional<ticker::TickerView> tickerView;
    std::optional<ticker::LinkMenuView> menuView;
};

TEST_F(TickerViews, TheTickerDrawsEachTextAtItsSizeAndColourAndMovesItsPanel)
{
    tickerView->rules().queue({"Message 1", "page1.htm"});
    tickerView->showWelcome("Welcome to Dravolin French Ada Admin");
    EXPECT_EQ(tickerLabel->text(), "Welcome to Dravolin French Ada Admin");
    EXPECT_EQ(tickerLabel->font().pointSize(), 12);
    EXPECT_FALSE(tickerView->Timer1()->isEnabled());
    tickerView->start();
    EXPECT_TRUE(tickerView->Timer1()->isEnabled());
    EXPECT_EQ(tickerView->Timer1()->interval(), 30);

    emit tickerView->Timer1()->timeout();
    EXPECT_EQ(tickerPanel->height(), platform::ui::twipsToPixelsY(1155));
    toNextText();
    EXPECT_EQ(tickerLabel->text(), "Message 1");
    EXPECT_EQ(tickerLabel->property("Tag").toString(), "page1.htm");
    EXPECT_EQ(tickerLabel->font().pointSize(), 20);
    EXPECT_EQ(textColour(tickerLabel), platform::ui::qbColor(4));
    EXPECT_EQ(tickerPanel->height(), platform::ui::twipsToPixelsY(15));
    EXPECT_EQ(tickerPanel->property("Tag").toString(), "GODOWN");
    EXPECT_EQ(tickerView->Timer2()->interval(), 9 * 150);
    EXPECT_FALSE(tickerView->Timer2()->isEnabled());

    for (int i = 0; i < 63; ++i) emit tickerView->Timer1()->timeout();
    EXPECT_FALSE(tickerView->Timer1()->isEnabled());
    EXPECT_TRUE(tickerView->Timer2()->isEnabled());
    EXPECT_EQ(tickerPanel->property("Tag").toString(), "GOUP");
    emit tickerView->Timer2()->timeout();
    EXPECT_TRUE(tickerView->Timer1()->isEnabled());
    EXPECT_TRUE(tickerView->Timer2()->isEnabled());
}

TEST_F(TickerViews, ALinkedTextIsUnderlinedPressedAndOpenedOthersAreNot)
{
    tickerView->rules().queue({"Message 1", "page1.htm"});
    tickerView->start();
    toNextText();
    toOpen();
    const QPoint middle = tickerLabel->rect().center();

    QTest::mouseMove(tickerLabel, middle);
    EXPECT_TRUE(tickerLabel->font().underline());
    EXPECT_EQ(tickerLabel->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_GE(hideRequests, 1);

    QTest::mousePress(tickerLabel, Qt::LeftButton, {}, middle);
    EXPECT_EQ(textColour(tickerLabel), platform::ui::colorFromNumber(0x0000FF));
    QTest::mouseRelease(tickerLabel, Qt::LeftButton, {}, middle);
    EXPECT_EQ(textColour(tickerLabel), platform::ui::colorFromNumber(0xFF0000));
    EXPECT_EQ(pagesOpened, QStringList{"page1.htm"});
    EXPECT_EQ(clicks, 1);

    tickerView->removeUnderline();
    EXPECT_FALSE(tickerLabel->font().underline());

    // The welcome line of the next learner leads nowhere.
    tickerView->showWelcome("Welcome Ben");
    EXPECT_FALSE(tickerLabel->font().underline());
    EXPECT_EQ(tickerLabel->property("Tag").toString(), "");
    const QColor before = textColour(tickerLabel);
    QTest::mouseMove(tickerLabel, middle);
    EXPECT_FALSE(tickerLabel->font().underline());
    EXPECT_NE(tickerLabel->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(tickerLabel, Qt::LeftButton, {}, middle);
    EXPECT_EQ(textColour(tickerLabel), before);
    EXPECT_EQ(pagesOpened, QStringList{"page1.htm"});
    EXPECT_EQ(clicks, 1);
}

TEST_F(TickerViews, TheMenuSlidesOutUnderThePointerAndBackWhenAskedTo)
{
    const int parked = platform::ui::twipsToPixelsX(100) - menuPanel->width();
    EXPECT_EQ(menuPanel->x(), parked);
    EXPECT_EQ(menuView->TimShowMenu()->interval(), 2);

    QTest::mouseMove(menuPanel, QPoint(menuPanel->width() - 3, 2));
    EXPECT_TRUE(menuView->TimShowMenu()->isEnabled());
    for (int i = 0; i < 16; ++i) emit menuView->TimShowMenu()->timeout();
    EXPECT_FALSE(menuView->TimShowMenu()->isEnabled());
    EXPECT_EQ(menuPanel->x(), platform::ui::twipsToPixelsX(-35));

    menuView->startHiding();
    EXPECT_TRUE(menuView->TimHideMenu()->isEnabled());
    for (int i = 0; i < 16; ++i) emit menuView->TimHideMenu()->timeout();
    EXPECT_FALSE(menuView->TimHideMenu()->isEnabled());
    EXPECT_EQ(menuPanel->x(), parked);
}

TEST_F(TickerViews, MenuEntriesUnderlineOneAtATimeAndOpenTheirPages)
{
    openMenu();
    QTest::mouseMove(entries[0], entries[0]->rect().center());
    EXPECT_TRUE(entries[0]->font().underline());
    QTest::mouseMove(entries[1], entries[1]->rect().center());
    EXPECT_FALSE(entries[0]->font().underline());
    EXPECT_TRUE(entries[1]->font().underline());
    EXPECT_FALSE(menuView->TimShowMenu()->isEnabled());

    QTest::mousePress(entries[1], Qt::LeftButton, {}, entries[1]->rect().center());
    EXPECT_EQ(textColour(entries[1]), QColor(Qt::black));
    QTest::mouseRelease(entries[1], Qt::LeftButton, {}, entries[1]->rect().center());
    EXPECT_EQ(textColour(entries[1]), QColor(Qt::white));
    EXPECT_EQ(pagesOpened, QStringList{"link1.htm"});

    QTest::mouseMove(address, address->rect().center());
    EXPECT_TRUE(address->font().underline());
    QTest::mouseClick(address, Qt::LeftButton, {}, address->rect().center());
    EXPECT_EQ(addressesOpened, QStringList{"https://www.dravolin.example/"});
    EXPECT_EQ(clicks, 2);

    QTest::mouseMove(menuPanel, QPoint(2, 2));
    EXPECT_FALSE(entries[1]->font().underline());
    EXPECT_FALSE(address->font().underline());
}

}  // namespace
