#include "activities/puzzles/05jumbler/rules/BoardLayout.h"

#include <algorithm>

namespace jumbler {

int BoardLayout::bottom() const
{
    int lowest = 0;
    for (const QRect& r : slotRects)
        lowest = std::max(lowest, r.top() + r.height());
    for (const QRect& r : tileRects)
        lowest = std::max(lowest, r.top() + r.height());
    return lowest;
}

namespace {

std::vector<QRect> layoutSlots(const std::vector<int>& wordLengths)
{
    using namespace layout;
    std::vector<QRect> rects;
    int x = kSlot0.left();
    int y = kSlot0.top();
    const auto newRow = [&] {
        x = kSlot0.left();
        y += kRowStep;
    };
    for (const int length : wordLengths) {
        // A word that does not fit what is left of the row starts the next one;
        // at the start of a row there is nothing to gain by moving on.
        if (x > kSlot0.left() && (length - 1) * kWordWidthStep + x > kRowEnd)
            newRow();
        for (int i = 0; i < length; ++i) {
            // Only a word longer than a whole row is ever cut.
            if (x > kLastSlotLeft)
                newRow();
            rects.emplace_back(x, y, kSlot0.width(), kSlot0.height());
            x += kSlotStep;
        }
        x += kSlotStep;
    }
    return rects;
}

}  // namespace

BoardLayout layoutBoard(const std::vector<int>& wordLengths, QPoint tileOrigin)
{
    using namespace layout;
    BoardLayout board;
    board.slotRects = layoutSlots(wordLengths);
    const int count = static_cast<int>(board.slotRects.size());
    if (count == 0)
        return board;

    int y = tileOrigin.y();
    const QRect& lastSlot = board.slotRects.back();
    y = std::max(y, lastSlot.top() + lastSlot.height() + kSlotsToTilesGap);
    int x = tileOrigin.x();
    board.tileRects.emplace_back(x, y, kTile0.width(), kTile0.height());
    for (int k = 1; k < count; ++k) {
        x += kTileStep;
        board.tileRects.emplace_back(x, y, kTile0.width(), kTile0.height());
        if (x > kTileRowEnd) {
            x = tileOrigin.x() - kTileStep;
            y += kTileRowStep;
        }
    }
    return board;
}

}  // namespace jumbler
