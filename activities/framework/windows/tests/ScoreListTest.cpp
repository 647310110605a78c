#include "activities/framework/windows/ScoreList.h"

#include <gtest/gtest.h>

using activity::ScoreVariant;

namespace {

scores::ScoreRow row(std::int64_t id, const QString& name, std::optional<std::int64_t> number,
                     std::optional<QString> time = std::nullopt)
{
    return scores::ScoreRow{id, name, number, time, "2024-03-04", "10:05:09", "Colours", "Jumbler"};
}

}  // namespace

TEST(ScoreList, ScoreCellsFollowTheVariant)
{
    EXPECT_EQ(activity::scoreCell(row(1, "A", 35), ScoreVariant::Number, " points"), "35 points");
    EXPECT_EQ(activity::scoreCell(row(1, "A", 80), ScoreVariant::Number, "%"), "80%");
    EXPECT_EQ(activity::scoreCell(row(1, "A", 40000), ScoreVariant::Number, ""), "40000");  // no 16-bit limit
    EXPECT_EQ(activity::scoreCell(row(1, "A", std::nullopt, "00:04:10"), ScoreVariant::Time, "ignored"), "00:04:10");
    EXPECT_EQ(activity::scoreCell(row(1, "A", std::nullopt), ScoreVariant::Number, "%"), "");
}

TEST(ScoreList, ItemsAreNumberedInOrderAndOnlyTheNewRowIsSelected)
{
    scores::SaveOutcome outcome;
    outcome.rows = {row(7, "Ana Diaz", 50), row(40000, "Bo, Lee", 35), row(3, "Cy", 20)};
    outcome.newRowId = 40000;  // keys past 16 bits still select the new row
    const QLocale c(QLocale::C);
    const auto items = activity::scoreListItems(outcome, ScoreVariant::Number, " pts", c);
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].position, "1");
    EXPECT_EQ(items[1], (activity::ScoreListItem{"2", "Bo, Lee", "35 pts", c.toString(QDate(2024, 3, 4), QLocale::ShortFormat),
                                                  "10:05:09", true}));
    EXPECT_FALSE(items[0].selected);
    EXPECT_FALSE(items[2].selected);

    outcome.newRowId.reset();  // not kept: nothing selected
    for (const auto& item : activity::scoreListItems(outcome, ScoreVariant::Number, "", c)) EXPECT_FALSE(item.selected);
}
