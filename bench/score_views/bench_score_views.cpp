// Times the results window over a user store of 50 learners and 14,000 results
// of 14 activities and 100 subjects: building each of the three views in the
// window (tree filled), and showing the results of one pair per view. Each is run
// several times and the median printed.
//
//   bench_score_views [runs]      (default 5; QT_QPA_PLATFORM=offscreen works)
#include "common/schema/Schema.h"
#include "main/users/windows/frmAdmin.h"
#include "platform/store/Store.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <random>
#include <vector>

namespace {

constexpr int kLearners = 50;
constexpr int kActivities = 14;
constexpr int kSubjects = 100;
constexpr int kResults = 14000;

void fill(const QString& path)
{
    platform::Store store = platform::Store::create(path);
    schema::createUserTables(store);
    platform::Transaction transaction(store, platform::TransactionKind::Immediate);
    for (int i = 0; i < kLearners; ++i)
        store.execute(QStringLiteral("INSERT INTO tblUsers (tFirstname, tLastname, nIcon) VALUES (?, ?, ?)"),
                      {QStringLiteral("Learner"), QStringLiteral("O'Neil %1").arg(i), i % 40 + 1});
    std::mt19937 random(42);
    for (int i = 0; i < kResults; ++i)
        store.execute(QStringLiteral("INSERT INTO tblScores (tName, numberScore, nDate, nTime, tSubject, tActivity) "
                                     "VALUES (?, ?, '2026-03-14', '10:15:00', ?, ?)"),
                      {QStringLiteral("Learner O'Neil %1").arg(random() % kLearners), static_cast<int>(random() % 1000),
                       QStringLiteral("Subject l'été %1").arg(random() % kSubjects),
                       QStringLiteral("Activity %1").arg(random() % kActivities)});
    transaction.commit();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double timeOnce(const std::function<void()>& work)
{
    QElapsedTimer clock;
    clock.start();
    work();
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Users.dat"));
    fill(path);

    frmAdmin window({path, {}, QStringLiteral("Dravolin French"), {}});
    window.show();
    QComboBox& views = *window.cboView();
    QTreeWidget& tree = *window.treeView1();
    const char* names[] = {"learners", "activities", "subjects"};
    std::printf("%d learners, %d activities, %d subjects, %d results; median of %d runs\n", kLearners, kActivities,
                kSubjects, kResults, runs);
    for (int view = 0; view < 3; ++view) {
        std::vector<double> build;
        std::vector<double> pair;
        for (int run = 0; run < runs; ++run) {
            build.push_back(timeOnce([&] {
                views.setCurrentIndex(view);
                emit views.activated(view);
                QApplication::processEvents();
            }));
            QTreeWidgetItem* root = tree.topLevelItem(run % tree.topLevelItemCount());
            QTreeWidgetItem* child = root->child(run % root->childCount());
            pair.push_back(timeOnce([&] {
                emit tree.itemClicked(child, 0);
                QApplication::processEvents();
            }));
        }
        std::printf("view %-10s %5d nodes: build %7.2f ms, one pair %6.2f ms (%d rows)\n", names[view],
                    tree.topLevelItemCount() * (1 + tree.topLevelItem(0)->childCount()), median(build), median(pair),
                    window.listView1()->topLevelItemCount());
    }
    return 0;
}
