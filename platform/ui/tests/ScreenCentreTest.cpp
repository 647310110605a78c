#include "platform/ui/ScreenCentre.h"

#include <QCoreApplication>
#include <QScreen>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace {

// The window's frame lies on the screen's available area with equal room on
// each side, give or take the pixel an odd difference leaves.
void expectFrameCentred(const QWidget& window)
{
    const QRect area = window.screen()->availableGeometry();
    const QRect frame = window.frameGeometry();
    EXPECT_TRUE(area.contains(frame)) << "frame " << frame.x() << "," << frame.y() << " " << frame.width() << "x"
                                      << frame.height();
    EXPECT_LE(std::abs((frame.left() - area.left()) - (area.right() - frame.right())), 1) << "left and right";
    EXPECT_LE(std::abs((frame.top() - area.top()) - (area.bottom() - frame.bottom())), 1) << "top and bottom";
}

}  // namespace

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
    expectFrameCentred(window);
}

TEST(ScreenCentre, AWindowMovedOnceItIsOnTheScreenStaysWhereItWasMoved)
{
    QWidget window;
    window.resize(300, 200);
    platform::ui::centreOnScreen(window);
    window.show();
    QCoreApplication::processEvents();
    expectFrameCentred(window);
    window.move(10, 20);  // a slide or the learner's drag
    window.resize(320, 210);
    QCoreApplication::processEvents();
    EXPECT_EQ(window.pos(), QPoint(10, 20));
}
