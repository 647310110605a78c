// Times the start-up build of the subject tree model over a scratch folder.
//
//   bench_subject_tree make   <folder> <installed stores> <custom stores>
//   bench_subject_tree build  <folder> [runs]
//   bench_subject_tree window <folder> [runs]
//
// "make" fills <folder>/Subjects with installed subject stores of ten phrases and
// <folder>/Custom with custom stores of ten groups of ten phrases each; "build"
// builds the tree model from them `runs` times and prints each time and the
// median; "window" does the same as start-up does it: with the tree widget
// following the model, a progress line per subject and group in the splash
// window's log, and pending window events run after each.
#include "main/core/subjects/tree/SubjectTree.h"
#include "main/core/subjects/view/SubjectTreeView.h"
#include "main/core/subjects/view/SubjectTreeWidget.h"
#include "main/core/windows/frmSplash.h"
#include "bench/kit/BenchStores.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

int make(const QString& folder, int installed, int custom)
{
    benchkit::makeBenchFolders(folder, installed, custom);
    return 0;
}

enum class Mode { Model, Window };

// One start-up build of the tree: the model alone, or with the widget and splash.
std::size_t buildOnce(const subjects::SubjectSettings& settings, Mode mode)
{
    if (mode == Mode::Model) {
        subjects::SubjectTree tree{subjects::SubjectContext(settings, {})};
        tree.build();
        return tree.nodes().size();
    }
    QPointer<frmSplash> splash = new frmSplash(QPixmap());
    splash->show();
    subjects::SubjectHooks hooks;
    hooks.splashLine = splash->progressWriter();
    hooks.processEvents = [] { QCoreApplication::processEvents(); };
    subjects::SubjectTree tree{subjects::SubjectContext(settings, hooks)};
    subjects::SubjectTreeWidget widget;
    widget.show();
    subjects::SubjectTreeView view(tree, widget);
    tree.build();
    delete splash;
    return tree.nodes().size();
}

int build(const QString& folder, int runs, Mode mode)
{
    subjects::SubjectSettings settings;
    settings.programCode = QStringLiteral("dvlfre");
    settings.languageCode = QStringLiteral("fre");
    settings.installedSubjectsDir = folder + "/Subjects/";
    settings.virtualSubjectsDir = folder + "/Custom/";
    settings.caption = [](int row) { return QString::number(row); };
    std::vector<double> times;
    std::size_t nodes = 0;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        nodes = buildOnce(settings, mode);
        times.push_back(timer.nsecsElapsed() / 1e6);
        std::printf("run %d: %.1f ms\n", run + 1, times.back());
    }
    std::sort(times.begin(), times.end());
    std::printf("%zu nodes; median %.1f ms, min %.1f ms, max %.1f ms over %d runs\n", nodes,
                times[times.size() / 2], times.front(), times.back(), runs);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    benchkit::preferOffscreen();
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 5 && args[1] == "make") return make(args[2], args[3].toInt(), args[4].toInt());
    if ((args.size() == 3 || args.size() == 4) && (args[1] == "build" || args[1] == "window"))
        return build(args[2], args.size() == 4 ? std::max(1, args[3].toInt()) : 7,
                     args[1] == "build" ? Mode::Model : Mode::Window);
    std::fprintf(stderr, "usage: %s make <folder> <installed> <custom> | build|window <folder> [runs]\n",
                 argv[0]);
    return 2;
}
