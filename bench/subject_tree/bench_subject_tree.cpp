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
#include "platform/store/Store.h"
#include "common/schema/Schema.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPointer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

void makeInstalled(const QString& path, int number)
{
    platform::Store store = platform::Store::create(path);
    schema::createSubjectStore(store, QStringLiteral("dvlfre"));
    platform::Transaction transaction(store);
    const QByteArray sound(8000, 'w');
    for (int key = 1; key <= 10; ++key)
        store.execute("INSERT INTO tblPhrases (pkPhraseNo, tPhrase, tTranslation, tTranslation2, bsound) "
                      "VALUES (?, ?, ?, ?, ?)",
                      {key, QString("phrase %1 of %2").arg(key).arg(number),
                       QString("translation %1").arg(key), QString(), sound});
    transaction.commit();
}

void makeCustom(const QString& path)
{
    platform::Store store = platform::Store::create(path);
    schema::createCustomStore(store);
    platform::Transaction transaction(store);
    for (int group = 1; group <= 10; ++group) {
        store.execute("INSERT INTO tblParents (tName) VALUES (?)", {QString("Group %1").arg(group)});
        const std::int64_t key = store.lastInsertId();
        for (int phrase = 1; phrase <= 10; ++phrase)
            store.execute("INSERT INTO tblPhrases (fkParent, tfilename, nPhraseNo, tPhrase, tTranslation, "
                          "tTranslation2) VALUES (?, ?, ?, ?, ?, ?)",
                          {key, QString("subject_%1.fre").arg(phrase), phrase, QString("p %1").arg(phrase),
                           QString("t %1").arg(phrase), QString()});
    }
    transaction.commit();
}

int make(const QString& folder, int installed, int custom)
{
    const QString subjects = folder + "/Subjects/";
    const QString customs = folder + "/Custom/";
    QDir(folder).removeRecursively();
    QDir().mkpath(subjects);
    QDir().mkpath(customs);
    for (int n = 1; n <= installed; ++n) makeInstalled(subjects + QString("subject_%1.fre").arg(n, 4, 10, QChar('0')), n);
    for (int n = 1; n <= custom; ++n) makeCustom(customs + QString("Folder %1.vfre").arg(n, 3, 10, QChar('0')));
    std::printf("made %d installed and %d custom stores in %s\n", installed, custom, qPrintable(folder));
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
    // The windows need no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
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
