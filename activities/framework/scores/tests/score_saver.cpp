// Helper program of the concurrency tests: saves results into a user store.
//   score_saver <store> burst <seed> <count>   prints "ready" once the store is open,
//                                              waits for a line on stdin, then saves
//                                              <count> results into random groups and
//                                              prints "<group> <score>" for each
//   score_saver <store> once <group> <score>   saves one result at once
// Exits 0 when every save succeeded, 1 on a failure, 3 when a group showed more
// than ten rows.
#include "SaverGroups.h"

#include <QString>

#include <cstdio>
#include <exception>
#include <iostream>
#include <random>
#include <string>

namespace {

using scorestest::kSaverGroups;

int saveOne(platform::Store& store, int group, const QString& score)
{
    const scorestest::SaverGroup& target = kSaverGroups.at(group);
    const scores::SaveOutcome outcome = target.byTime
                                            ? scores::saveTimeScore(store, target.entry, score)
                                            : scores::saveNumberScore(store, target.entry, score.toLongLong());
    std::printf("%d %s\n", group, qPrintable(score));
    std::fflush(stdout);
    return outcome.rows.size() > static_cast<size_t>(scores::kKeptResults) ? 3 : 0;
}

QString randomScore(std::mt19937& random, bool byTime)
{
    if (!byTime) return QString::number(static_cast<int>(random() % 40) - 5);
    return QString("00:%1:%2")
        .arg(random() % 4, 2, 10, QChar('0'))
        .arg(random() % 60, 2, 10, QChar('0'));
}

int run(int argc, char** argv)
{
    if (argc != 5) return 2;
    platform::Store store = platform::Store::open(QString::fromLocal8Bit(argv[1]), platform::OpenMode::ReadWrite);
    const std::string mode = argv[2];
    if (mode == "once") return saveOne(store, std::stoi(argv[3]), QString::fromLocal8Bit(argv[4]));
    if (mode != "burst") return 2;

    std::mt19937 random(static_cast<unsigned>(std::stoul(argv[3])));
    const int count = std::stoi(argv[4]);
    std::printf("ready\n");
    std::fflush(stdout);
    std::string go;
    std::getline(std::cin, go);
    for (int i = 0; i < count; ++i) {
        const int group = static_cast<int>(random() % kSaverGroups.size());
        if (const int status = saveOne(store, group, randomScore(random, kSaverGroups[group].byTime))) return status;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    try {
        return run(argc, argv);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "score_saver: %s\n", error.what());
        return 1;
    }
}
