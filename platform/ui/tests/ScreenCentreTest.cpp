#include "platform/ui/ScreenCentre.h"

#include "WindowPlacement.h"

#include <QCoreApplication>
#include <QWidget>

#include <gtest/gtest.h>

#include <vector>

TEST(ScreenCentre, HalvesTheDifferenceRoundingTowardsZero)
{
    struct Case {
        QSize screen, form;
        QPoint expected;
    };
    const std::vector<Case> cases{
        {{800, 800}, {400, 300}, {200, 250}},
        {{800, 800}, {800, 800}, {0, 0}},      // exactly the screen: top left
        {{801, 600}, {400, 301}, {200, 149}},  // odd differences round down
        {{800, 600}, {901, 700}, {-50, -50}},  // larger than the screen stays centred
    };
    for (const Case& c : cases) {
        EXPECT_EQ(platform::ui::centredTopLeft(c.screen, c.form), c.expected)
            << c.form.width() << "x" << c.form.height();
    }
}

TEST(ScreenCentre, AWindowCentredBeforeItTakesItsSizeOpensCentredOnThatSizeFrameIncluded)
{
    QWidget window;
    window.setFixedSize(300, 200);
    platform::ui::centreOnScreen(window);
    window.setFixedSize(520, 390);  // sized after centring, as a window sized by its list is
    window.show();
    QCoreApplication::processEvents();
    ASSERT_NE(window.frameGeometry(), window.geometry()) << "the platform frames its windows";
    testsupport::expectFrameCentredOnItsScreen(window);
}

TEST(ScreenCentre, AWindowMovedOnceItIsOnTheScreenStaysWhereItWasMoved)
{
    QWidget window;
    window.resize(300, 200);
    platform::ui::centreOnScreen(window);
    window.show();
    QCoreApplication::processEvents();
    testsupport::expectFrameCentredOnItsScreen(window);
    window.move(10, 20);  // a slide or the learner's drag
    window.resize(320, 210);
    QCoreApplication::processEvents();
    EXPECT_EQ(window.pos(), QPoint(10, 20));
}
