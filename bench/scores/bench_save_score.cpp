// Times saving one result into a user store that already holds 100,000 results
// (10,000 full groups of ten), the way an activity does at the end of a game.
//   bench_save_score [folder] [runs]
// The store is made in folder (default: the temporary folder) and removed after.
#include "activities/framework/scores/SaveScore.h"
#include "common/schema/Schema.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

namespace {

constexpr int kRows = 100000;
constexpr int kGroups = kRows / scores::kKeptResults;

void fill(platform::Store& store)
{
    platform::Transaction transaction(store);
    store.execute(QStringLiteral(
                      "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i + 1 < ?) "
                      "INSERT INTO tblScores (tName, numberScore, nDate, nTime, tSubject, tActivity) "
                      "SELECT 'Learner ' || (i % 37), abs(random() % 1000), '2024-01-01', '12:00:00', "
                      "'Subject ' || (i / 10), 'Activity ' || ((i / 10) % 12) FROM n"),
                  {kRows});
    transaction.commit();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double percentile90(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() * 9 / 10];
}

void report(const char* what, const std::vector<double>& milliseconds)
{
    std::printf("%-34s median %.3f ms, 90%% %.3f ms, best %.3f ms (%zu runs)\n", what, median(milliseconds),
                percentile90(milliseconds), *std::min_element(milliseconds.begin(), milliseconds.end()),
                milliseconds.size());
}

scores::ScoreEntry groupEntry(int group)
{
    return {QStringLiteral("Bench Learner"), QStringLiteral("Subject %1").arg(group),
            QStringLiteral("Activity %1").arg(group % 12)};
}

}  // namespace

int main(int argc, char** argv)
{
    const QString base = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath();
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 51;
    QTemporaryDir folder(base + QStringLiteral("/bench-scores-XXXXXX"));
    if (!folder.isValid()) {
        std::fprintf(stderr, "cannot make a folder in %s\n", qPrintable(base));
        return 1;
    }
    const QString path = folder.filePath(QStringLiteral("Users.dat"));
    {
        platform::Store store = platform::Store::create(path);
        schema::createTemplateStore(store);
        fill(store);
    }

    std::mt19937 random(20240305);
    std::uniform_int_distribution<int> anyGroup(0, kGroups - 1);
    std::uniform_int_distribution<int> anyScore(0, 1200);
    std::vector<double> onOpenStore;
    std::vector<double> withOpenAndClose;
    QElapsedTimer timer;

    platform::Store store = platform::Store::open(path, platform::OpenMode::ReadWrite);
    std::printf("user store %s: %lld score rows\n", qPrintable(path),
                static_cast<long long>(store.query(QStringLiteral("SELECT count(*) FROM tblScores"))[0][0].toInt()));
    for (int run = 0; run < runs; ++run) {
        timer.start();
        scores::saveNumberScore(store, groupEntry(anyGroup(random)), anyScore(random));
        onOpenStore.push_back(timer.nsecsElapsed() / 1e6);
    }
    store.close();
    for (int run = 0; run < runs; ++run) {
        timer.start();
        platform::Store opened = platform::Store::open(path, platform::OpenMode::ReadWrite);
        scores::saveNumberScore(opened, groupEntry(anyGroup(random)), anyScore(random));
        opened.close();
        withOpenAndClose.push_back(timer.nsecsElapsed() / 1e6);
    }

    report("save on an open store:", onOpenStore);
    report("open, save and close the store:", withOpenAndClose);
    const bool met = median(onOpenStore) < 5.0;
    std::printf("target: a save under 5 ms (median): %s\n", met ? "met" : "NOT met");
    return met ? 0 : 2;
}
