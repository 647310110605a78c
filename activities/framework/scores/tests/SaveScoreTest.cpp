#include "activities/framework/scores/SaveScore.h"

#include "ScoreFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

using namespace scores;
using platform::OpenMode;
using platform::Store;
using scorestest::addNumberRows;
using scorestest::addTimeRows;
using scorestest::makeUserStore;

namespace {

using Scores = std::vector<std::optional<std::int64_t>>;
using Times = std::vector<std::optional<QString>>;

const ScoreEntry kKeytap{"Zoë Martin", "Les couleurs", "Keytap"};
const ScoreEntry kStudybook{"Zoë Martin", "Les couleurs", "Studybook"};

QDateTime fixedNow() { return QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9)); }

Scores numberScores(const SaveOutcome& outcome)
{
    Scores result;
    for (const ScoreRow& row : outcome.rows) result.push_back(row.numberScore);
    return result;
}

Times timeScores(const SaveOutcome& outcome)
{
    Times result;
    for (const ScoreRow& row : outcome.rows) result.push_back(row.textScore);
    return result;
}

Scores descending(std::int64_t from, int count)
{
    Scores result;
    for (int i = 0; i < count; ++i) result.push_back(from - 10 * i);
    return result;
}

class SaveScoreTest : public ::testing::Test {
protected:
    SaveScoreTest() : store(Store::open(makeUserStore(), OpenMode::ReadWrite)) {}
    Store store;
};

}  // namespace

TEST_F(SaveScoreTest, FirstResultOfAGroupIsAddedWithTheClocksDateAndTime)
{
    const SaveOutcome outcome = saveNumberScore(store, kKeytap, 42, fixedNow);
    ASSERT_TRUE(outcome.newRowId);
    ASSERT_EQ(outcome.rows.size(), 1u);
    const ScoreRow& row = outcome.rows[0];
    EXPECT_EQ(row.id, *outcome.newRowId);
    EXPECT_EQ(row.name, "Zoë Martin");
    EXPECT_EQ(row.numberScore, 42);
    EXPECT_EQ(row.textScore, std::nullopt);
    EXPECT_EQ(row.date, "2024-03-05");
    EXPECT_EQ(row.time, "14:07:09");
    EXPECT_EQ(row.subject, "Les couleurs");
    EXPECT_EQ(row.activity, "Keytap");
}

TEST_F(SaveScoreTest, NumberScoresKeepTheBestTen)
{
    const struct {
        const char* what;
        Scores before;
        std::int64_t fresh;
        int replaced;  // index in `before` of the row overwritten; -1 added; -2 not kept
        Scores after;
    } cases[] = {
        {"nine rows: any result is added", descending(90, 9), 1, -1,
         {90, 80, 70, 60, 50, 40, 30, 20, 10, 1}},
        {"better than the worst: overwrites it", descending(100, 10), 55, 9,
         {100, 90, 80, 70, 60, 55, 50, 40, 30, 20}},
        {"equal to the worst: overwrites it", descending(100, 10), 10, 9, descending(100, 10)},
        {"worse than all ten: not kept", descending(100, 10), 9, -2, descending(100, 10)},
        {"all equal: the row with the highest key is the worst", Scores(10, 50), 50, 9, Scores(10, 50)},
        {"ties at the bottom: the later of them goes", {90, 80, 70, 60, 50, 40, 30, 20, 20, 20}, 25, 9,
         {90, 80, 70, 60, 50, 40, 30, 25, 20, 20}},
        {"a row without a score is the worst", {std::nullopt, 90, 80, 70, 60, 50, 40, 30, 20, 10}, -5, 0,
         {90, 80, 70, 60, 50, 40, 30, 20, 10, -5}},
        {"a group already past ten never grows", descending(110, 11), 200, 10,
         {200, 110, 100, 90, 80, 70, 60, 50, 40, 30, 20}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Store caseStore = Store::open(makeUserStore(QString("case-%1.dat").arg(&c - cases)), OpenMode::ReadWrite);
        const std::vector<std::int64_t> keys = addNumberRows(caseStore, kKeytap, c.before);

        const SaveOutcome outcome = saveNumberScore(caseStore, kKeytap, c.fresh, fixedNow);
        EXPECT_EQ(numberScores(outcome), c.after);
        if (c.replaced == -2) {
            EXPECT_EQ(outcome.newRowId, std::nullopt);
            for (const ScoreRow& row : outcome.rows) EXPECT_EQ(row.name, "earlier learner");
            continue;
        }
        ASSERT_TRUE(outcome.newRowId);
        if (c.replaced >= 0) {
            EXPECT_EQ(*outcome.newRowId, keys[c.replaced]);
        } else {
            EXPECT_GT(*outcome.newRowId, keys.back());
        }
        int mine = 0;
        for (const ScoreRow& row : outcome.rows) {
            if (row.id != *outcome.newRowId) continue;
            ++mine;
            EXPECT_EQ(row.name, "Zoë Martin");
            EXPECT_EQ(row.numberScore, c.fresh);
            EXPECT_EQ(row.date, "2024-03-05");
        }
        EXPECT_EQ(mine, 1);
    }
}

TEST_F(SaveScoreTest, TimeScoresKeepTheTenShortest)
{
    const Times ten{"00:01:00", "00:01:30", "00:02:00", "00:02:05", "00:02:50",
                    "00:03:00", "00:03:10", "00:03:40", "00:03:59", "00:04:10"};
    const struct {
        const char* what;
        Times before;
        const char* fresh;
        int replaced;  // as above
    } cases[] = {
        {"shorter than the longest: overwrites it", ten, "00:03:59", 9},
        {"equal to the longest: overwrites it", ten, "00:04:10", 9},
        {"longer than all ten: not kept", ten, "00:04:11", -2},
        {"a row without a time is the worst", {std::nullopt, "00:00:10", "00:00:20", "00:00:30", "00:00:40",
                                               "00:00:50", "00:01:00", "00:01:10", "00:01:20", "00:01:30"},
         "12:00:00", 0},
        {"nine rows: any time is added", Times(ten.begin(), ten.begin() + 9), "23:59:59", -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Store caseStore = Store::open(makeUserStore(QString("case-%1.dat").arg(&c - cases)), OpenMode::ReadWrite);
        const std::vector<std::int64_t> keys = addTimeRows(caseStore, kStudybook, c.before);

        const SaveOutcome outcome = saveTimeScore(caseStore, kStudybook, c.fresh, fixedNow);
        Times expected = c.before;
        if (c.replaced >= 0) expected.erase(expected.begin() + c.replaced);
        if (c.replaced != -2) expected.push_back(QString(c.fresh));
        std::stable_sort(expected.begin(), expected.end(), [](const auto& a, const auto& b) {
            return a && (!b || *a < *b);  // rows without a time last
        });
        EXPECT_EQ(timeScores(outcome), expected);
        if (c.replaced == -1) {
            EXPECT_GT(outcome.newRowId.value_or(0), keys.back());
        } else {
            EXPECT_EQ(outcome.newRowId, c.replaced >= 0 ? std::optional(keys[c.replaced]) : std::nullopt);
        }
    }
}

TEST_F(SaveScoreTest, ScoresAreWhole64BitNumbers)
{
    const std::int64_t big = std::numeric_limits<std::int64_t>::max();
    const std::int64_t small = std::numeric_limits<std::int64_t>::min();
    for (std::int64_t score : {std::int64_t{40000}, small, big, std::int64_t{5'000'000'000}, std::int64_t{-70000}})
        saveNumberScore(store, kKeytap, score, fixedNow);
    EXPECT_EQ(numberScores(saveNumberScore(store, kKeytap, 32767, fixedNow)),
              (Scores{big, 5'000'000'000, 40000, 32767, -70000, small}));
}

TEST_F(SaveScoreTest, GroupsAreAnActivityAndSubjectExactlyAndNamesAreNotPastedIntoSql)
{
    const ScoreEntry quoted{"Seán O'Brien", "L'été \"chaud\"; DROP TABLE tblScores", "Keytap"};
    const ScoreEntry otherCase{"Seán O'Brien", "l'été \"chaud\"; DROP TABLE tblScores", "Keytap"};
    const ScoreEntry otherActivity{"Seán O'Brien", quoted.subject, "Jumbler"};
    addNumberRows(store, quoted, descending(100, 10));
    addNumberRows(store, otherCase, {5});
    addNumberRows(store, otherActivity, {1, 2});

    const SaveOutcome outcome = saveNumberScore(store, quoted, 95, fixedNow);
    EXPECT_EQ(numberScores(outcome), (Scores{100, 95, 90, 80, 70, 60, 50, 40, 30, 20}));
    for (const ScoreRow& row : outcome.rows) EXPECT_EQ(row.subject, quoted.subject);
    EXPECT_EQ(numberScores(saveNumberScore(store, otherCase, 1, fixedNow)), (Scores{5, 1}));
    EXPECT_EQ(numberScores(saveNumberScore(store, otherActivity, 3, fixedNow)), (Scores{3, 2, 1}));
}

TEST_F(SaveScoreTest, TimeThatIsNotAnElapsedTimeTextIsRefused)
{
    for (const char* text : {"", "4:10", "00:04:10 ", "0:04:10", "aa:bb:cc", "00-04-10"}) {
        EXPECT_THROW(saveTimeScore(store, kStudybook, text, fixedNow), std::invalid_argument) << text;
    }
    EXPECT_TRUE(store.query("SELECT * FROM tblScores").empty());
}

TEST_F(SaveScoreTest, StoreFailureIsReportedAndLeavesNoTransactionOpen)
{
    store.executeScript("DROP VIEW qryActivities; DROP VIEW qrySubjects; DROP TABLE tblScores;");
    EXPECT_THROW(saveNumberScore(store, kKeytap, 1, fixedNow), platform::StoreException);
    EXPECT_FALSE(store.inTransaction());
}
