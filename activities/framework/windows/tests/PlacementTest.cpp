// The score window's slide and deleting the sound copies: the rules
// under the shared windows, without windows.
#include "common/studylist/HandoffFiles.h"
#include "activities/framework/windows/ScoreSlide.h"
#include "activities/framework/windows/TempSounds.h"

#include "TestEnvironment.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

using activity::ScoreSlide;

TEST(ScoreSlide, TheFourDirectionsAreEquallyLikely)
{
    EXPECT_EQ(ScoreSlide::directionFor(0.0), ScoreSlide::Direction::Up);
    EXPECT_EQ(ScoreSlide::directionFor(0.2499), ScoreSlide::Direction::Up);
    EXPECT_EQ(ScoreSlide::directionFor(0.25), ScoreSlide::Direction::Down);
    EXPECT_EQ(ScoreSlide::directionFor(0.5), ScoreSlide::Direction::Left);
    EXPECT_EQ(ScoreSlide::directionFor(0.75), ScoreSlide::Direction::Right);
    EXPECT_EQ(ScoreSlide::directionFor(0.99999), ScoreSlide::Direction::Right);
}

TEST(ScoreSlide, MovesTwoHundredTwipsATickUntilTenThousandTwipsAndThenStops)
{
    struct Case {
        ScoreSlide::Direction direction;
        QPoint end;
        int steps;
    };
    const QPoint start(3000, 2000);
    const std::vector<Case> cases{
        {ScoreSlide::Direction::Up, {3000, -10000}, 60},
        {ScoreSlide::Direction::Down, {3000, 10000}, 40},
        {ScoreSlide::Direction::Left, {-10000, 2000}, 65},
        {ScoreSlide::Direction::Right, {10000, 2000}, 35},
    };
    for (const Case& c : cases) {
        ScoreSlide slide(c.direction, start);
        int steps = 0;
        while (!slide.step()) {
            ASSERT_LT(++steps, 1000);
        }
        EXPECT_EQ(steps + 1, c.steps) << int(c.direction);
        EXPECT_EQ(slide.positionTwips(), c.end);
        EXPECT_TRUE(slide.step());  // an ended slide stays where it is
        EXPECT_EQ(slide.positionTwips(), c.end);
    }
    // A start already beyond the limit ends on the first step.
    ScoreSlide far(ScoreSlide::Direction::Down, QPoint(0, 12000));
    EXPECT_TRUE(far.step());
}

TEST(DeleteTempSounds, DeletesOnlyThisProgramsCopiesAndPassesOverMissingOnes)
{
    const QString folder = testsupport::makeFolder("tmp");
    const std::int64_t mine = 4242;
    const std::int64_t other = 4343;
    for (int slot : {1, 3}) testsupport::writeFile(folder + studylist::soundFileName(mine, slot), "RIFF");
    const QStringList kept{studylist::soundFileName(other, 1), studylist::soundFileName(5150, 2),
                           studylist::studyListFileName(5150), studylist::soundFileName(mine, 11)};
    for (const QString& name : kept) testsupport::writeFile(folder + name, "keep");

    activity::Delete_Temp_Sounds(folder, mine, 10);  // slot 2 was never copied
    activity::Delete_Temp_Sounds(folder, mine, 10);  // a second time finds nothing

    QStringList left = QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    QStringList expected = kept;
    expected.sort();
    EXPECT_EQ(left, expected);
}
