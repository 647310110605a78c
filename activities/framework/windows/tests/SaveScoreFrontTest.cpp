// Save_Score: the result offered to the top ten, the list shown with the new
// row selected, the outcomes that end the activity without a list, and the wait
// for a store another program holds locked.
#include "activities/framework/windows/SaveScoreFront.h"

#include "activities/framework/windows/ShapeButton.h"
#include "activities/framework/windows/frmScores.h"
#include "activities/framework/testkit/ModalDriver.h"
#include "platform/store/Store.h"
#include "platform/ui/MessageBoxRecorder.h"
#include "platform/ui/TestClock.h"
#include "platform/ui/Timer.h"
#include "common/schema/Schema.h"

#include "TestEnvironment.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

using activity::SaveScoreResult;

namespace {

QString makeUserStore()
{
    const QString path = testsupport::makeFolder("data") + "Users.dat";
    platform::Store store = platform::Store::create(path);
    schema::createUserTables(store);
    return path;
}

activity::ScoreRequest request(const QString& store)
{
    activity::ScoreRequest r;
    r.userStorePath = store;
    r.userName = "Ana O'Neil";
    r.subject = "Colours 'n' shapes";  // apostrophes are values, never SQL
    r.activity = "Jumbler";
    r.top10Caption = "Top ten";
    r.beginCaption = "Continue";
    r.numberSuffix = " points";
    r.random01 = platform::RandomSource::scripted({});
    return r;
}

QStringList lines(const QTreeWidget& list)
{
    QStringList result;
    for (int i = 0; i < list.topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = list.topLevelItem(i);
        result << item->text(0) + "|" + item->text(1) + "|" + item->text(2) + (item->isSelected() ? "|*" : "");
    }
    return result;
}

}  // namespace

TEST(SaveScoreFront, AFirstResultIsKeptAndShownSelectedAtPositionOne)
{
    platform::ui::TestClock clock(QDateTime(QDate(2024, 5, 6), QTime(14, 30, 5)));
    const QString store = makeUserStore();
    QStringList shown;
    QString top10, subject, begin;
    activitytest::ModalDriver modals;
    modals.onScores = [&](frmScores& window) {
        shown = lines(*window.ListView1());
        top10 = window.lblTop10()->text();
        subject = window.lblSubject()->text();
        begin = window.lblBegin()->text();
    };
    EXPECT_EQ(activity::Save_Score(request(store), std::int64_t{35}), SaveScoreResult::Shown);
    EXPECT_EQ(shown, QStringList{"1|Ana O'Neil|35 points|*"});
    EXPECT_EQ(top10, "Top ten");
    EXPECT_EQ(subject, "Colours 'n' shapes");
    EXPECT_EQ(begin, "\r\nContinue");

    const auto rows = platform::Store::open(store, platform::OpenMode::ReadOnly)
                          .query("SELECT tName, numberScore, tSubject, tActivity, nDate, nTime FROM tblScores");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0]["tActivity"].toText(), "Jumbler");
    EXPECT_EQ(rows[0]["nDate"].toText(), "2024-05-06");  // the replaceable clock's date
    EXPECT_EQ(rows[0]["nTime"].toText(), "14:30:05");
}

TEST(SaveScoreFront, AWorseTimeThanTenKeptIsNotStoredAndNothingIsSelected)
{
    platform::ui::TestClock clock;
    const QString store = makeUserStore();
    activity::ScoreRequest r = request(store);
    r.activity = "Studybook";
    activitytest::ModalDriver modals;
    for (int i = 0; i < 10; ++i) {
        ASSERT_EQ(activity::Save_Score(r, QString("00:04:%1").arg(i, 2, 10, QChar('0'))), SaveScoreResult::Shown);
    }
    QStringList shown;
    modals.onScores = [&](frmScores& window) { shown = lines(*window.ListView1()); };
    EXPECT_EQ(activity::Save_Score(r, QString("00:04:11")), SaveScoreResult::Shown);
    ASSERT_EQ(shown.size(), 10);
    EXPECT_FALSE(shown.join(",").contains("*"));     // nothing selected
    EXPECT_EQ(shown[9], "10|Ana O'Neil|00:04:09");  // times show as they are, without the suffix
}

TEST(SaveScoreFront, AMissingUserStoreStoresNothingAndShowsNothing)
{
    const QString missing = testsupport::makeFolder("gone") + "Users.dat";
    platform::ui::MessageBoxRecorder boxes;
    EXPECT_EQ(activity::Save_Score(request(missing), std::int64_t{5}), SaveScoreResult::StoreMissing);
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_FALSE(QFileInfo::exists(missing));
}

TEST(SaveScoreFront, AStoreThatFailsIsReportedInPlainWordsAndLeftAlone)
{
    const QString folder = testsupport::makeFolder("bad");
    const QString notAStore = testsupport::writeFile(folder + "Users.dat", QByteArray(4096, 'x'));
    const QString noScoreTable = folder + "Empty.dat";
    platform::Store::create(noScoreTable).executeScript("CREATE TABLE other (x TEXT);");
    const QByteArray emptyBytes = testsupport::readFile(noScoreTable);
    struct Case {
        QString store;
        QString language;
        QString shown;
        QByteArray bytes;
    };
    const Case cases[] = {
        {notAStore, "Spanish", "Lo sentimos, no se pudo guardar tu resultado.", QByteArray(4096, 'x')},
        {noScoreTable, "English", "Sorry, your result could not be saved.", emptyBytes},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language.toStdString());
        platform::ui::MessageBoxRecorder boxes;
        activity::ScoreRequest r = request(c.store);
        r.interfaceLanguage = c.language;
        const QString errors = testsupport::captureStderr([&] {
            EXPECT_EQ(activity::Save_Score(r, std::int64_t{5}), SaveScoreResult::StoreFailed);
        });
        ASSERT_EQ(boxes.shown().size(), 1u);
        EXPECT_EQ(boxes.shown()[0].text, c.shown);
        EXPECT_EQ(boxes.shown()[0].title, "Jumbler");
        EXPECT_TRUE(errors.contains(c.store)) << errors.toStdString();  // the detail is for whoever looks into it
        EXPECT_EQ(testsupport::readFile(c.store), c.bytes);
    }
}

namespace {

// A second connection that holds the whole store locked, as another program
// writing to it does, until released.
class ExclusiveHolder {
public:
    explicit ExclusiveHolder(const QString& path) : store_(platform::Store::open(path, platform::OpenMode::ReadWrite))
    {
        store_.execute("BEGIN EXCLUSIVE");
    }
    void release()
    {
        if (store_.inTransaction()) store_.execute("COMMIT");
    }

private:
    platform::Store store_;
};

QStringList storedScores(const QString& store)
{
    QStringList scores;
    for (const auto& row : platform::Store::open(store, platform::OpenMode::ReadOnly)
                               .query("SELECT tName, numberScore FROM tblScores ORDER BY pkScoreID"))
        scores << row["tName"].toText() + " " + row["numberScore"].toText();
    return scores;
}

}  // namespace

// The one test here in real time: the lock is held for six seconds by the clock on the wall.
TEST(SaveScoreFront, AResultWaitsForAStoreLockedLongerThanAMomentAndIsStored)
{
    const QString store = makeUserStore();
    activitytest::ModalDriver modals;
    platform::ui::MessageBoxRecorder boxes;
    ExclusiveHolder holder(store);
    // A precise timer: a coarse one may fire up to 5 % early.
    QTimer::singleShot(6000, Qt::PreciseTimer, [&] { holder.release(); });
    QElapsedTimer waited;
    waited.start();
    EXPECT_EQ(activity::Save_Score(request(store), std::int64_t{35}), SaveScoreResult::Shown);
    EXPECT_GE(waited.elapsed(), 5900);
    EXPECT_EQ(storedScores(store), QStringList{"Ana O'Neil 35"});
    EXPECT_EQ(modals.scores.size(), 1u);
    EXPECT_TRUE(boxes.shown().empty());
}

TEST(SaveScoreFront, AStoreLockedPastTheLimitGivesTheSentenceAndKeepsItsRows)
{
    platform::ui::TestClock clock;
    clock.setAutoAdvance(true);  // waiting takes no real time
    const QString store = makeUserStore();
    activitytest::ModalDriver modals;
    for (std::int64_t score : {10, 20}) ASSERT_EQ(activity::Save_Score(request(store), score), SaveScoreResult::Shown);
    const QByteArray before = testsupport::readFile(store);

    platform::ui::MessageBoxRecorder boxes;
    ExclusiveHolder holder(store);
    const qint64 start = clock.monotonicMs();
    const QString errors = testsupport::captureStderr(
        [&] { EXPECT_EQ(activity::Save_Score(request(store), std::int64_t{35}), SaveScoreResult::StoreFailed); });
    const qint64 waited = clock.monotonicMs() - start;
    EXPECT_GE(waited, 30000);
    EXPECT_LE(waited, 31000);
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, "Sorry, your result could not be saved.");
    EXPECT_TRUE(errors.contains("another program")) << errors.toStdString();

    holder.release();
    EXPECT_EQ(testsupport::readFile(store), before);
    EXPECT_EQ(storedScores(store), QStringList({"Ana O'Neil 10", "Ana O'Neil 20"}));
}
