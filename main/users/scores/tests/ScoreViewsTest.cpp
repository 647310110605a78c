#include "main/users/scores/ScoreViews.h"

#include "ScoreViewsFixture.h"
#include "UserStoreFixture.h"
#include "platform/store/Store.h"

#include <gtest/gtest.h>

namespace scoreviews {

// Readable nodes in failure messages; gtest finds these by argument-dependent
// lookup, so they live in the types' own namespace, not an unnamed one.
void PrintTo(const ViewNode& node, std::ostream* out)
{
    *out << '{' << node.text.toStdString() << ", " << node.image << '/' << node.selectedImage
         << (node.administrator ? ", administrator" : "") << '}';
}
void PrintTo(const ResultRow& row, std::ostream* out)
{
    *out << '{' << row.text.toStdString() << ", " << row.score.toStdString() << ", " << row.date.toStdString()
         << ", " << row.time.toStdString() << '}';
}

namespace {

using testing::addLearners;
using testing::addScores;

class ScoreViewsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        addLearners(store, {{"Zoë", "O'Brien", 7}, {"Ana", "Ruiz", 12}});
    }

    void addResults()
    {
        addScores(store, {
                             {"Ana Ruiz", "Pairs", "L'école", 40, {}, "2026-03-01", "09:00:00"},
                             {"Zoë O'Brien", "Letter Scramble", "L'école", std::nullopt, "00:01:30", "2026-03-02", "10:00:00"},
                             {"Zoë O'Brien", "Letter Scramble", "L'école", 7, "", "2026-03-03", "11:00:00"},
                             {"Ana Ruiz", "Pairs", "Animals", -3, {}, "2026-03-04", "12:00:00"},
                             {"Zoë O'Brien", "Letter Scramble", "L'école", 9, {}, "2026-03-05", "13:00:00"},
                         });
    }

    const QString store = users::testing::makeDataFolderWithStore() + "Users.dat";
};

const ViewNode zoe{"Zoë O'Brien", 7, 7, true};
const ViewNode ana{"Ana Ruiz", 12, 12, false};
const ViewNode scramble{"Letter Scramble", images::ActivityClosed, images::ActivityOpen, false};
const ViewNode pairs{"Pairs", images::ActivityClosed, images::ActivityOpen, false};
const ViewNode animals{"Animals", images::Subject, images::Subject, false};
const ViewNode ecole{"L'école", images::Subject, images::Subject, false};

TEST_F(ScoreViewsTest, EveryRootGetsEveryValueOfTheSecondDimension)
{
    addResults();
    struct Case {
        View view;
        std::vector<ViewNode> roots;
        std::vector<ViewNode> children;
    };
    const ViewNode zoeAsChild{"Zoë O'Brien", 7, 7, false};
    const std::vector<Case> cases{
        {View::Learners, {zoe, ana}, {scramble, pairs}},
        {View::Activities, {scramble, pairs}, {animals, ecole}},
        {View::Subjects, {animals, ecole}, {zoeAsChild, ana}},
    };
    for (const Case& c : cases) {
        const ScoreView built = buildView(store, c.view);
        EXPECT_EQ(built.roots, c.roots) << static_cast<int>(c.view);
        EXPECT_EQ(built.children, c.children) << static_cast<int>(c.view);
        EXPECT_FALSE(built.noResults);
    }
}

TEST_F(ScoreViewsTest, WithoutResultsOnlyTheLearnersRemain)
{
    const ScoreView learners = buildView(store, View::Learners);
    EXPECT_EQ(learners.roots, (std::vector<ViewNode>{zoe, ana}));
    EXPECT_TRUE(learners.children.empty());
    EXPECT_TRUE(learners.noResults);
    for (View view : {View::Activities, View::Subjects}) {
        const ScoreView built = buildView(store, view);
        EXPECT_TRUE(built.roots.empty());
        EXPECT_TRUE(built.children.empty());
        EXPECT_TRUE(built.noResults);
    }
}

TEST_F(ScoreViewsTest, APairShowsItsRowsInStoredOrderWithApostrophesAndAccents)
{
    addResults();
    const std::vector<ResultRow> scrambleRows{{"L'école", "00:01:30", "2026-03-02", "10:00:00"},
                                              {"L'école", "7", "2026-03-03", "11:00:00"},
                                              {"L'école", "9", "2026-03-05", "13:00:00"}};
    EXPECT_EQ(pairResults(store, View::Learners, "Zoë O'Brien", "Letter Scramble"), scrambleRows);
    EXPECT_EQ(pairResults(store, View::Activities, "Pairs", "L'école"),
              (std::vector<ResultRow>{{"Ana Ruiz", "40", "2026-03-01", "09:00:00"}}));
    EXPECT_EQ(pairResults(store, View::Subjects, "Animals", "Ana Ruiz"),
              (std::vector<ResultRow>{{"Pairs", "-3", "2026-03-04", "12:00:00"}}));
    // A pair without results, and a name that only looks like SQL.
    EXPECT_TRUE(pairResults(store, View::Learners, "Ana Ruiz", "Letter Scramble").empty());
    EXPECT_TRUE(pairResults(store, View::Learners, "x' OR '1'='1", "Pairs").empty());
}

TEST_F(ScoreViewsTest, AMissingOrDamagedStoreThrows)
{
    EXPECT_THROW(buildView(store + ".gone", View::Learners), platform::StoreException);
    EXPECT_THROW(pairResults(store + ".gone", View::Learners, "a", "b"), platform::StoreException);
    platform::Store::open(store, platform::OpenMode::ReadWrite).execute("DROP VIEW qrySubjects");
    EXPECT_THROW(buildView(store, View::Subjects), platform::StoreException);
}

}  // namespace
}  // namespace scoreviews
