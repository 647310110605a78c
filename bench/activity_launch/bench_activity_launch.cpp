// From an activity button's click to the started activity's instruction window
// on the screen, with ten phrases: writing the ten sounds and the study list,
// starting the process, and its start-up up to the instruction window. Runs
// several times and prints the median.
//
//   bench_activity_launch [runs]              the probe activity (default 11 runs;
//                                             QT_QPA_PLATFORM is passed on)
//   bench_activity_launch runs <program>      a built activity program, e.g.
//                                             build/Lessondesk/Activities/02studybook;
//                                             needs an X display and xdotool, which
//                                             finds its instruction window
#include "ProbeLaunch.h"

#include "main/core/shared/TempPath.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <vector>

namespace {

// One launch: the milliseconds until the instruction window was up (none when it
// never came); the process is ended afterwards, outside the time.
using LaunchOnce = std::function<std::optional<double>()>;

double millisecondsSince(const QElapsedTimer& clock) { return static_cast<double>(clock.nsecsElapsed()) / 1e6; }

bool instructionWindowOf(qint64 pid)
{
    QProcess search;
    search.start(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                             QStringLiteral("--pid"), QString::number(pid)});
    search.waitForFinished(2000);
    // The main window and the instruction window: two visible windows of the program.
    return search.readAllStandardOutput().trimmed().split('\n').size() >= 2;
}

LaunchOnce probeLaunch(ProbeLaunch& probe)
{
    return [&probe]() -> std::optional<double> {
        QElapsedTimer clock;
        clock.start();
        const activitytest::Launch launch = probe.writeLaunch(10);
        if (!probe.start(launch.studyListName)) return std::nullopt;
        const bool shown = !probe.waitForLine(QStringLiteral("INSTRUCTIONS ")).isEmpty();
        const double elapsed = millisecondsSince(clock);
        ::kill(static_cast<pid_t>(probe.process().processId()), SIGTERM);
        probe.process().waitForFinished(10000);
        return shown ? std::optional<double>(elapsed) : std::nullopt;
    };
}

LaunchOnce programLaunch(const QString& program, const QString& userStore)
{
    return [program, userStore]() -> std::optional<double> {
        QElapsedTimer clock;
        clock.start();
        const activitytest::Launch launch = activitytest::writeLaunch(shared::Get_Temp_Path(), 10, userStore);
        QProcess activity;
        activity.start(program, {launch.studyListName});
        if (!activity.waitForStarted(10000)) return std::nullopt;
        QElapsedTimer waited;
        waited.start();
        bool shown = false;
        while (!shown && waited.elapsed() < 20000 && activity.state() == QProcess::Running) {
            shown = instructionWindowOf(activity.processId());
            if (!shown) QThread::msleep(2);
        }
        const double elapsed = millisecondsSince(clock);
        if (!shown && activity.state() == QProcess::NotRunning)
            std::fprintf(stderr, "the program ended with %d: %s\n", activity.exitCode(),
                         activity.readAllStandardError().constData());
        ::kill(static_cast<pid_t>(activity.processId()), SIGTERM);
        activity.waitForFinished(10000);
        return shown ? std::optional<double>(elapsed) : std::nullopt;
    };
}

}  // namespace

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
    const bool realProgram = argc > 2;
    if (realProgram && !std::getenv("DISPLAY")) {
        std::fprintf(stderr, "timing a program's instruction window needs an X display (DISPLAY)\n");
        return 2;
    }
    if (!std::getenv("DISPLAY")) ::setenv("QT_QPA_PLATFORM", "offscreen", 0);

    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 11;
    ProbeLaunch probe(QStringLiteral(FRAMEWORK_PROBE), root.path() + QStringLiteral("/program"));
    const QString name = realProgram ? QFileInfo(QString::fromLocal8Bit(argv[2])).fileName()
                                     : QStringLiteral("probe");
    const LaunchOnce launchOnce = realProgram ? programLaunch(QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteFilePath(),
                                                              probe.userStore())
                                              : probeLaunch(probe);

    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        const std::optional<double> elapsed = launchOnce();
        if (!elapsed) {
            std::fprintf(stderr, "%s showed no instruction window\n", qPrintable(name));
            return 1;
        }
        times.push_back(*elapsed);
        std::printf("run %2d: %7.1f ms\n", run + 1, times.back());
    }
    std::vector<double> sorted = times;
    std::sort(sorted.begin(), sorted.end());
    const double median = sorted.size() % 2 ? sorted[sorted.size() / 2]
                                            : (sorted[sorted.size() / 2 - 1] + sorted[sorted.size() / 2]) / 2;
    std::printf("%s launch, 10 phrases, %d runs (%s): median %.1f ms, min %.1f ms, max %.1f ms\n", qPrintable(name),
                runs, qgetenv("QT_QPA_PLATFORM").isEmpty() ? "display" : qgetenv("QT_QPA_PLATFORM").constData(),
                median, sorted.front(), sorted.back());
    return 0;
}
