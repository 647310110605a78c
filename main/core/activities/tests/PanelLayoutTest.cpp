#include "main/core/activities/PanelLayout.h"

#include <gtest/gtest.h>

using namespace activitypanel;

namespace {

// The panel's steps at 96 dpi, rounded as the screen conversion rounds them.
PanelMetrics metrics96()
{
    PanelMetrics metrics;
    metrics.columnStep = 170;
    metrics.rowStep = 43;
    metrics.topMargin = 8;
    metrics.linkOffset = 53;
    metrics.linkHeight = 20;
    metrics.bottomMargin = 33;
    metrics.sideMargin = 6;
    metrics.scrollBarWidth = 17;
    metrics.maxButton = QSize(160, 40);
    return metrics;
}

const QSize kHolder(348, 345);
const QSize kButton(160, 40);

}  // namespace

TEST(PanelLayout, ButtonsGoInRowsOfTwoAndOneColumnForUpToTwoPrograms)
{
    struct Case {
        int programs;
        int columns;
        std::vector<QPoint> topLefts;
        int linkTop;
    };
    const std::vector<Case> cases{
        {0, 1, {}, 8},
        {1, 1, {{94, 8}}, 61},
        {2, 1, {{94, 8}, {94, 51}}, 104},
        {3, 2, {{9, 8}, {179, 8}, {9, 51}}, 104},
        {4, 2, {{9, 8}, {179, 8}, {9, 51}, {179, 51}}, 104},
    };
    for (const Case& c : cases) {
        const PanelLayout layout = layoutPanel(c.programs, kButton, kHolder, metrics96());
        EXPECT_EQ(layout.columns, c.columns) << c.programs;
        ASSERT_EQ(layout.buttons.size(), c.topLefts.size()) << c.programs;
        for (std::size_t i = 0; i < c.topLefts.size(); ++i) {
            EXPECT_EQ(layout.buttons[i].topLeft(), c.topLefts[i]) << c.programs << " button " << i;
            EXPECT_EQ(layout.buttons[i].size(), kButton);
        }
        EXPECT_EQ(layout.link.top(), c.linkTop) << c.programs;
        EXPECT_EQ(layout.link.left(), c.programs == 0 ? 9 : c.topLefts.front().x()) << c.programs;
        EXPECT_FALSE(layout.scrolls) << c.programs;
        EXPECT_EQ(layout.page, kHolder) << c.programs;
    }
}

TEST(PanelLayout, ScrollsOnlyWhenTheButtonsAreTallerThanTheirHolder)
{
    // Fourteen programs (seven rows) fit the holder; sixteen (eight rows) do not.
    const PanelLayout fits = layoutPanel(14, kButton, kHolder, metrics96());
    EXPECT_FALSE(fits.scrolls);
    EXPECT_LE(fits.link.bottom(), kHolder.height());

    const PanelLayout scrolls = layoutPanel(16, kButton, kHolder, metrics96());
    EXPECT_TRUE(scrolls.scrolls);
    // The scroll bar takes its width from the page; the buttons, a little
    // smaller, keep their gap and a margin on either side.
    EXPECT_EQ(scrolls.page.width(), kHolder.width() - 17);
    EXPECT_EQ(scrolls.button, QSize(154, 38));
    EXPECT_EQ(scrolls.buttons[0].left(), 6);
    EXPECT_EQ(scrolls.buttons[1].left(), 6 + 154 + 10);
    EXPECT_LE(scrolls.buttons[1].right(), scrolls.page.width() - 1 - 6);
    // The page reaches below the link, which sits under the last row.
    EXPECT_EQ(scrolls.buttons[15].top(), 8 + 7 * 43);
    EXPECT_EQ(scrolls.link.top(), scrolls.buttons[15].top() + 53);
    EXPECT_EQ(scrolls.page.height(), scrolls.link.top() + 20);

    // A taller holder takes the same programs without scrolling.
    EXPECT_FALSE(layoutPanel(16, kButton, QSize(348, 400), metrics96()).scrolls);
}

TEST(PanelLayout, LargePicturesAreDrawnSmallerWithTheirProportions)
{
    const QSize largest(160, 40);
    EXPECT_EQ(buttonSizeFor(QSize(320, 80), largest), QSize(160, 40));  // drawn for a dense screen
    EXPECT_EQ(buttonSizeFor(QSize(100, 30), largest), QSize(100, 30));
    EXPECT_EQ(buttonSizeFor(QSize(400, 50), largest), QSize(160, 20));
    EXPECT_EQ(buttonSizeFor(QSize(), largest), largest);
}
