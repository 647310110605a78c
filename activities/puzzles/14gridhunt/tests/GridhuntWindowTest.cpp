// The word-search window played in-process: the instruction window, tracing
// phrases on the cells, the clock, the finish and the time stored in a user
// store made from the built template; and a list where nothing fits.
#include "activities/framework/testkit/ActivityWindowTest.h"
#include "activities/puzzles/14gridhunt/window/frmGridhunt.h"
#include "platform/store/Store.h"
#include "platform/ui/Timer.h"

#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

using namespace gridhunt;

namespace {

class GridhuntWindow : public activitytest::ActivityWindowTest {
protected:
    // Starts the window on the phrases given; the clock's timer is left to the test.
    void start(const QStringList& phrases)
    {
        window = std::make_unique<frmGridhunt>(platform::RandomSource(9));
        window->Timer1()->setInterval(0);
        ASSERT_TRUE(ActivityWindowTest::start(*window, phrases));
    }

    std::vector<int> cellsOf(int phrase) const
    {
        const GridhuntGame& game = *window->game();
        std::vector<int> cells;
        for (int k = 0; k < game.phrase(phrase).text.size(); ++k)
            cells.push_back(LetterGrid::cellOf(game.placement(phrase).start, game.placement(phrase).direction, k));
        return cells;
    }

    // Clicks the first cell, moves over the others and clicks the last.
    void trace(std::vector<int> cells)
    {
        emit window->lblLetter(cells.front())->entered();
        QTest::mouseClick(window->lblLetter(cells.front()), Qt::LeftButton);
        for (std::size_t i = 1; i < cells.size(); ++i)
            emit window->lblLetter(cells[i])->entered();
        QTest::mouseClick(window->lblLetter(cells.back()), Qt::LeftButton);
    }

    std::unique_ptr<frmGridhunt> window;
};

}  // namespace

TEST_F(GridhuntWindow, PlayedFromTheInstructionWindowToTheStoredTime)
{
    start({QStringLiteral("le chat"), QStringLiteral("l'œuf"), QString(60, QLatin1Char('x'))});
    EXPECT_EQ(window->windowTitle(), "Lessondesk French - Gridhunt 1.0.0");
    EXPECT_EQ(modals.instructions, QStringList({"Gridhunt", window->mCaptions(3), "PLAY"}));
    EXPECT_FALSE(window->PicLoading()->isVisible());
    EXPECT_EQ(window->lblPhrase(1)->text(), "1. LE CHAT");
    EXPECT_EQ(window->lblPhrase(2)->text(), "2. L'ŒUF");
    EXPECT_EQ(window->lblPhrase(3)->text(), "3. XXXXXXXXXXXXXXX... <too long>");
    EXPECT_EQ(window->lblPhrase(3)->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_TRUE(window->lblPhrase(4)->text().isEmpty());
    ASSERT_TRUE(window->Timer1()->isEnabled());
    for (int cell = 1; cell <= kCells; ++cell)
        ASSERT_EQ(window->lblLetter(cell)->text(), QString(window->game()->grid().symbol(cell))) << cell;

    // Holding the mouse on an entry shows its translation; releasing shows the entry again.
    QTest::mousePress(window->lblPhrase(3), Qt::LeftButton);
    EXPECT_EQ(window->lblPhrase(3)->text(), "3. TRANSLATION 3");
    QTest::mouseRelease(window->lblPhrase(3), Qt::LeftButton);
    EXPECT_EQ(window->lblPhrase(3)->text(), "3. XXXXXXXXXXXXXXX... <too long>");

    // The clock counts from start-up, the instruction window's time included.
    clock.advance(83000);
    emit window->Timer1()->timeout();
    EXPECT_EQ(window->lbltimer()->text(), "00:01:23");

    // A trace that is one cell short finds nothing.
    std::vector<int> first = cellsOf(1);
    trace({first.begin(), first.end() - 1});
    EXPECT_TRUE(soundLines().last().endsWith("\tflashcardstop\tsync")) << soundLines().join('\n').toStdString();
    EXPECT_EQ(window->lblLetter(first.front())->palette().color(QPalette::Window), QColor(Qt::white));

    // Traced backwards it is found.
    std::reverse(first.begin(), first.end());
    trace(first);
    EXPECT_TRUE(window->lblPhrase(1)->font().strikeOut());
    EXPECT_EQ(window->lblLetter(first.front())->palette().color(QPalette::Window), QColor(0, 0, 255));
    const QStringList found = soundLines().mid(soundLines().size() - 2);
    EXPECT_TRUE(found[0].endsWith("\tcorrectbeep\tsync")) << found[0].toStdString();
    EXPECT_EQ(found[1], "file\t" + copyPath(1) + "\tsync");

    // The last placed phrase ends the game: the unplaced one is not waited for.
    trace(cellsOf(2));
    EXPECT_FALSE(window->Timer1()->isEnabled());
    ASSERT_EQ(modals.scores.size(), 1u);
    EXPECT_EQ(modals.scores[0].top10, "Top 10 times");
    ASSERT_EQ(modals.scores[0].rows.size(), 1u);
    EXPECT_EQ(modals.scores[0].rows[0][2], "00:01:23");
    EXPECT_EQ(modals.scores[0].selected, 0);
    EXPECT_EQ(endCodes, std::vector<int>{0});

    const auto stored = platform::Store::open(userStore, platform::OpenMode::ReadOnly)
                            .query("SELECT tName, textScore, tSubject, tActivity FROM tblScores");
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0]["textScore"].toText(), "00:01:23");
    EXPECT_EQ(stored[0]["tActivity"].toText(), "Gridhunt");
    EXPECT_EQ(stored[0]["tSubject"].toText(), "Colours");
    EXPECT_FALSE(QFile::exists(copyPath(1)));
}

TEST_F(GridhuntWindow, WhenNothingFitsTheGridIsDisabledAndNoClockRuns)
{
    start({QString(40, QLatin1Char('e'))});
    EXPECT_TRUE(modals.instructions.isEmpty()) << "there is nothing to play";
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, "None of these phrases fits in the grid, so there is nothing to find. "
                                     "Please choose shorter phrases.");
    EXPECT_EQ(boxes.shown()[0].icon, platform::ui::MessageIcon::Exclamation);
    EXPECT_FALSE(window->Timer1()->isEnabled());
    EXPECT_FALSE(window->lblLetter(1)->isEnabled());
    EXPECT_FALSE(window->lblLetter(700)->isEnabled());
    EXPECT_TRUE(endCodes.empty()) << "the window stays until it is closed";

    window->close();
    EXPECT_EQ(endCodes, std::vector<int>{0});
    EXPECT_FALSE(QFile::exists(copyPath(1)));
}
