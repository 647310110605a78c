// Runs the snake game's real window at level 5 (a tick every 20 ms) for ten
// seconds of real time, steering the snake round a square so that it never
// crashes, and reports how many ticks ran (500 is the pace) and how much of one
// core the process used meanwhile. Run it on a display (Xvfb will do):
//   bench_snake_pace [seconds]
#include "activities/arcade/12slither/window/frmSnake.h"
#include "activities/framework/testkit/ActivityTestKit.h"
#include "activities/framework/testkit/ModalDriver.h"
#include "platform/ui/Timer.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>

namespace {

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
           + static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The key that keeps the snake on a square inside the board.
Qt::Key steering(const slither::SnakeGame& game)
{
    const slither::Point head = game.head();
    switch (game.direction()) {
    case slither::Direction::Down: return head.y >= 380 ? Qt::Key_Right : Qt::Key_unknown;
    case slither::Direction::Right: return head.x >= 600 ? Qt::Key_Up : Qt::Key_unknown;
    case slither::Direction::Up: return head.y <= 30 ? Qt::Key_Left : Qt::Key_unknown;
    case slither::Direction::Left: return head.x <= 20 ? Qt::Key_Down : Qt::Key_unknown;
    }
    return Qt::Key_unknown;
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("DVL_PROGRAM_DIR", DVL_PROGRAM_DIR);
    qputenv("DVL_SOUND", QByteArray("record:") + QDir::tempPath().toUtf8() + "/bench_snake_pace.sounds");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;

    QTemporaryDir folder;
    activity::ActivityEnvironment environment{folder.path() + "/", QStringLiteral(DVL_PROGRAM_DIR "/Activities/"),
                                              4747};
    const QString userStore = activitytest::makeUserStore(folder.path() + "/");
    const activitytest::Launch launch =
        activitytest::writeLaunch(environment.tempFolder, {QStringLiteral("la souris")}, userStore);

    // Characters and decoys all come at (0, 0), off the snake's square.
    slither::frmSnake window(platform::RandomSource::scripted({}));
    activitytest::ModalDriver modals;
    modals.onInstructions = [&window](frmInstructions&) { window.cboLevel()->setCurrentIndex(4); };
    if (!window.Start_Activity({launch.studyListName}, environment))
        return 1;

    int ticks = 0;
    QObject::connect(window.Timer1(), &platform::ui::Timer::timeout, &window, [&] {
        ++ticks;
        const Qt::Key key = steering(*window.game());
        if (key != Qt::Key_unknown) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            window.Form_KeyDown(&press);
        }
    });
    const double cpuStart = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    // A loop of our own: quitting the application would close the window, which ends the program.
    QEventLoop loop;
    QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    loop.exec();
    const double wallSeconds = static_cast<double>(wall.elapsed()) / 1000.0;
    const double cpu = cpuSeconds() - cpuStart;
    const int expected = static_cast<int>(wallSeconds * 1000.0 / window.Timer1()->interval());
    std::printf("level 5 (%d ms): %d ticks in %.2f s (pace %d, %.1f%% of it), %s; CPU %.2f s = %.1f%% of one core\n",
                window.Timer1()->interval(), ticks, wallSeconds, expected, 100.0 * ticks / expected,
                window.game()->running() ? "still running" : "stopped", cpu, 100.0 * cpu / wallSeconds);
    std::fflush(stdout);
    std::_Exit(0);
}
