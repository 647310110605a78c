#include "activities/puzzles/14gridhunt/rules/GridhuntLayout.h"

#include <gtest/gtest.h>

namespace gridhunt::layout {
namespace {

TEST(GridhuntLayout, CellsAndListEntriesStandWhereTheGridPutsThem)
{
    const struct {
        int cell;
        Box box;
    } cells[] = {
        {1, {195, 120, 330, 270}},
        {2, {525, 120, 330, 270}},
        {35, {195 + 34 * 330, 120, 330, 270}},
        {36, {195, 465, 330, 270}},
        {700, {195 + 34 * 330, 120 + 19 * 345, 330, 270}},
    };
    for (const auto& c : cells)
        EXPECT_EQ(cellBox(c.cell), c.box) << "cell " << c.cell;

    EXPECT_EQ(listBox(1), (Box{225, 6975 + 265, 4575, 255}));
    EXPECT_EQ(listBox(5).top, 6975 + 5 * 265);
    EXPECT_EQ(listBox(6), (Box{5000, listBox(1).top, 4575, 255})) << "entries 6..10 line up with 1..5";
    EXPECT_EQ(listBox(10).top, listBox(5).top);
    EXPECT_LE(listBox(5).top + listBox(5).height, kFormHeight);
    EXPECT_LE(cellBox(700).left + cellBox(700).width, kFormWidth);
    EXPECT_LT(cellBox(700).top + cellBox(700).height, kListHead.top) << "the list starts under the grid";
}

}  // namespace
}  // namespace gridhunt::layout
