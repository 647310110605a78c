#include "activities/puzzles/05jumbler/rules/BoardLayout.h"

#include <gtest/gtest.h>

using namespace jumbler;

namespace {

std::vector<int> lefts(const std::vector<QRect>& rects)
{
    std::vector<int> xs;
    for (const QRect& r : rects)
        xs.push_back(r.left());
    return xs;
}

std::vector<int> tops(const std::vector<QRect>& rects)
{
    std::vector<int> ys;
    for (const QRect& r : rects)
        ys.push_back(r.top());
    return ys;
}

const QPoint kFirst = layout::kTile0.topLeft();

}  // namespace

TEST(BoardLayout, SlotsFollowTheWordsInReadingOrder)
{
    struct Case {
        std::vector<int> words;
        std::vector<int> lefts;
        std::vector<int> tops;
    };
    const std::vector<Case> cases = {
        {{1}, {510}, {255}},
        // One slot width between words.
        {{2, 2}, {510, 1210, 2610, 3310}, {255, 255, 255, 255}},
        // An empty word (two blanks) widens the gap to two slot widths.
        {{2, 0, 2}, {510, 1210, 3310, 4010}, {255, 255, 255, 255}},
        // 10 letters end at 6810; 6 more would pass 10699, so the word starts a new row.
        {{10, 6}, {510, 1210, 1910, 2610, 3310, 4010, 4710, 5410, 6110, 6810, 510, 1210, 1910, 2610, 3310, 4010},
         {255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 955, 955, 955, 955, 955, 955}},
        // (3 - 1) x 650 + 8910 = 10210 stays in the row; after 12 letters, 9610 does not.
        {{11, 3}, {510, 1210, 1910, 2610, 3310, 4010, 4710, 5410, 6110, 6810, 7510, 8910, 9610, 10310},
         std::vector<int>(14, 255)},
        {{12, 3}, {510, 1210, 1910, 2610, 3310, 4010, 4710, 5410, 6110, 6810, 7510, 8210, 510, 1210, 1910},
         {255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 955, 955, 955}},
    };
    for (const Case& c : cases) {
        const BoardLayout board = layoutBoard(c.words, kFirst);
        EXPECT_EQ(lefts(board.slotRects), c.lefts);
        EXPECT_EQ(tops(board.slotRects), c.tops);
        for (const QRect& r : board.slotRects)
            EXPECT_EQ(r.size(), layout::kSlot0.size());
    }
}

TEST(BoardLayout, OnlyAWordLongerThanARowIsCut)
{
    // 16 letters fit a row; the 17th and later go on in the next rows.
    const BoardLayout board = layoutBoard({2, 40}, kFirst);
    ASSERT_EQ(board.slotRects.size(), 42u);
    // The long word does not fit after "ab", so it starts a new row, and is then cut.
    EXPECT_EQ(board.slotRects[2].topLeft(), QPoint(510, 955));
    EXPECT_EQ(board.slotRects[17].topLeft(), QPoint(layout::kLastSlotLeft, 955));
    EXPECT_EQ(board.slotRects[18].topLeft(), QPoint(510, 1655));
    for (const QRect& r : board.slotRects)
        EXPECT_LE(r.left(), layout::kLastSlotLeft);
}

TEST(BoardLayout, TilesRunInRowsOfFourteen)
{
    const BoardLayout first = layoutBoard({15}, kFirst);
    ASSERT_EQ(first.tileRects.size(), 15u);
    EXPECT_EQ(first.tileRects[0], layout::kTile0);
    EXPECT_EQ(first.tileRects[13].topLeft(), QPoint(225 + 13 * 650, 3825));
    EXPECT_EQ(first.tileRects[14].topLeft(), QPoint(225, 4425));

    const BoardLayout later = layoutBoard({15}, layout::kLaterTile0);
    EXPECT_EQ(later.tileRects[0].topLeft(), QPoint(540, 2640));
    EXPECT_EQ(later.tileRects[13].topLeft(), QPoint(540 + 13 * 650, 2640));
    EXPECT_EQ(later.tileRects[14].topLeft(), QPoint(540, 3240));
    EXPECT_EQ(later.bottom(), 3840);
}

TEST(BoardLayout, TilesNeverCoverSlots)
{
    // Four rows of slots reach past the later tiles' first row at 2640.
    const BoardLayout board = layoutBoard({16, 16, 16, 3}, layout::kLaterTile0);
    const int slotsBottom = board.slotRects.back().bottom() + 1;
    EXPECT_EQ(slotsBottom, 2355 + 645);
    EXPECT_EQ(board.tileRects.front().top(), slotsBottom + layout::kSlotsToTilesGap);
    for (const QRect& tile : board.tileRects)
        for (const QRect& slot : board.slotRects)
            EXPECT_FALSE(tile.intersects(slot));
}

TEST(BoardLayout, NoLettersNoBoard)
{
    const BoardLayout board = layoutBoard({0}, kFirst);
    EXPECT_TRUE(board.slotRects.empty());
    EXPECT_TRUE(board.tileRects.empty());
    EXPECT_EQ(board.bottom(), 0);
}
