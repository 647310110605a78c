#include "main/core/ticker/SlideMenu.h"

#include <gtest/gtest.h>

#include <vector>

using ticker::SlideMenu;

namespace {

constexpr int kWidth = 3885;

// The left edges the menu passes while its show (or hide) timer runs, until it stops.
std::vector<int> slide(SlideMenu& menu, bool show)
{
    std::vector<int> lefts;
    for (int tick = 0; tick < 100 && (show ? menu.showing() : menu.hiding()); ++tick) {
        show ? menu.showStep() : menu.hideStep();
        if (show ? menu.showing() : menu.hiding()) lefts.push_back(menu.leftTwips());
    }
    return lefts;
}

std::vector<int> steps(int from, int by, int count)
{
    std::vector<int> lefts;
    for (int i = 1; i <= count; ++i) lefts.push_back(from + by * i);
    return lefts;
}

}  // namespace

TEST(SlideMenu, SlidesOutAndBackInStepsOf250Twips)
{
    SlideMenu menu(kWidth);
    menu.park();
    EXPECT_EQ(menu.leftTwips(), 100 - kWidth);
    EXPECT_FALSE(menu.showing());
    EXPECT_FALSE(menu.hiding());

    menu.pointerOverPanel();
    EXPECT_TRUE(menu.showing());
    // From -3785 up while below -100: 15 steps to -35, then the timer stops.
    EXPECT_EQ(slide(menu, true), steps(-3785, 250, 15));
    EXPECT_FALSE(menu.showing());
    EXPECT_EQ(menu.leftTwips(), -35);

    menu.startHiding();
    EXPECT_TRUE(menu.hiding());
    EXPECT_EQ(slide(menu, false), steps(-35, -250, 15));
    EXPECT_FALSE(menu.hiding());
    EXPECT_EQ(menu.leftTwips(), 100 - kWidth);
}

TEST(SlideMenu, TurningBackHalfWayEndsOnTheSamePlaces)
{
    SlideMenu menu(kWidth);
    menu.park();
    menu.startShowing();
    for (int i = 0; i < 6; ++i) menu.showStep();
    EXPECT_EQ(menu.leftTwips(), -3785 + 6 * 250);
    menu.startHiding();
    EXPECT_FALSE(menu.showing());
    slide(menu, false);
    EXPECT_EQ(menu.leftTwips(), -3785);
    menu.startShowing();
    slide(menu, true);
    EXPECT_EQ(menu.leftTwips(), -35);
}

TEST(SlideMenu, OneEntryIsUnderlinedAtATimeAndThePanelClearsThem)
{
    SlideMenu menu(kWidth);
    EXPECT_EQ(menu.underlinedEntry(), SlideMenu::kNoEntry);
    menu.pointerOverEntry(2);
    EXPECT_EQ(menu.underlinedEntry(), 2);
    menu.pointerOverEntry(0);
    EXPECT_EQ(menu.underlinedEntry(), 0);
    menu.pointerOverAddress();
    EXPECT_TRUE(menu.addressUnderlined());
    menu.pointerOverPanel();
    EXPECT_EQ(menu.underlinedEntry(), SlideMenu::kNoEntry);
    EXPECT_FALSE(menu.addressUnderlined());
}
