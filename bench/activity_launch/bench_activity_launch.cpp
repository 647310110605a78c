// From an activity button's click to the started activity's instruction window
// on the screen, with ten phrases: writing the ten sounds and the study list,
// starting the process, and its start-up up to the instruction window. Runs the
// probe activity several times and prints the median.
//
//   bench_activity_launch [runs]     (default 11; QT_QPA_PLATFORM is passed on)
#include "ProbeLaunch.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char** argv)
{
    QTemporaryDir root;
    if (!root.isValid()) return 2;
    // A private runtime folder, so the bench never touches a real user's files.
    const QString runtime = root.path() + QStringLiteral("/runtime");
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ::setenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit().constData(), 1);
    ::setenv("DVL_SOUND", "none", 1);
    if (!std::getenv("DISPLAY")) ::setenv("QT_QPA_PLATFORM", "offscreen", 0);

    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 11;
    ProbeLaunch probe(QStringLiteral(FRAMEWORK_PROBE), root.path() + QStringLiteral("/program"));

    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer clock;
        clock.start();
        const activitytest::Launch launch = probe.writeLaunch(10);
        if (!probe.start(launch.studyListName)) {
            std::fprintf(stderr, "the probe did not start\n");
            return 1;
        }
        if (probe.waitForLine(QStringLiteral("INSTRUCTIONS ")).isEmpty()) {
            std::fprintf(stderr, "the probe showed no instruction window\n");
            return 1;
        }
        times.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        ::kill(static_cast<pid_t>(probe.process().processId()), SIGTERM);
        probe.process().waitForFinished(10000);
        std::printf("run %2d: %7.1f ms\n", run + 1, times.back());
    }
    std::vector<double> sorted = times;
    std::sort(sorted.begin(), sorted.end());
    const double median = sorted.size() % 2 ? sorted[sorted.size() / 2]
                                            : (sorted[sorted.size() / 2 - 1] + sorted[sorted.size() / 2]) / 2;
    std::printf("activity launch, 10 phrases, %d runs (%s): median %.1f ms, min %.1f ms, max %.1f ms\n", runs,
                qgetenv("QT_QPA_PLATFORM").isEmpty() ? "display" : qgetenv("QT_QPA_PLATFORM").constData(), median,
                sorted.front(), sorted.back());
    return 0;
}
