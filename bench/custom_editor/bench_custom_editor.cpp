// Times the custom-subject editor window over a scratch folder.
//
//   bench_custom_editor make <folder> <installed stores> <custom stores>
//   bench_custom_editor open <folder>
//   bench_custom_editor drop <folder>
//
// "make" fills <folder> with installed subject stores of ten phrases, custom
// stores of ten groups and the custom-store template; "open" opens the editor
// window (both trees filled and shown) once; "drop" opens it, then drops the
// first installed subject (ten phrases) on the first folder, stored and shown,
// and deletes the copy again. Each prints the time of its own step, so
// farm-bench can time the whole command and the step can be read apart.
#include "bench/kit/BenchStores.h"
#include "common/schema/Schema.h"
#include "main/editor/window/EditorTreeWidgets.h"
#include "main/editor/window/frmCustomSubject.h"
#include "platform/store/Store.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTreeWidget>

#include <cstdio>

namespace {

CustomSubjectSetup setupFor(const QString& folder, bool& changed)
{
    CustomSubjectSetup setup;
    setup.settings.programCode = QStringLiteral("dvlfre");
    setup.settings.productTitle = QStringLiteral("Dravolin French");
    setup.settings.languageCode = QStringLiteral("fre");
    setup.settings.installedSubjectsDir = folder + "/Subjects/";
    setup.settings.virtualSubjectsDir = folder + "/Custom/";
    setup.settings.caption = [](caption::Row row) { return QString::number(row); };
    setup.programDir = folder + "/";
    setup.subjectsChanged = &changed;
    return setup;
}

double msSince(const QElapsedTimer& timer)
{
    return timer.nsecsElapsed() / 1e6;
}

int make(const QString& folder, int installed, int custom)
{
    benchkit::makeBenchFolders(folder, installed, custom);
    platform::Store store = platform::Store::create(folder + "/custom.tpl");
    schema::createCustomStore(store);
    return 0;
}

frmCustomSubject* openEditor(const QString& folder, bool& changed)
{
    auto* window = new frmCustomSubject(setupFor(folder, changed));
    window->Form_Load();
    window->show();
    QCoreApplication::processEvents();
    return window;
}

int open(const QString& folder)
{
    bool changed = false;
    QElapsedTimer timer;
    timer.start();
    frmCustomSubject* window = openEditor(folder, changed);
    const double ms = msSince(timer);
    std::printf("open: %.1f ms, %d installed subjects, %d folders\n", ms,
                window->TreeSubjects()->topLevelItem(0)->childCount(), window->TreeVirtual()->topLevelItemCount());
    delete window;
    return 0;
}

int drop(const QString& folder)
{
    bool changed = false;
    frmCustomSubject* window = openEditor(folder, changed);
    editor::EditorController& controller = window->controller();
    const editor::NodeId subject = controller.installedTree().nodes().children(controller.installedTree().nodes().roots()[0])[0];
    const editor::NodeId target = controller.customTree().nodes().roots()[0];
    controller.installedPressed(subject);

    QElapsedTimer timer;
    timer.start();
    controller.drop(target);
    QCoreApplication::processEvents();
    const double ms = msSince(timer);

    const auto& copies = controller.customTree().nodes().children(target);
    const editor::NodeId copy = copies.back();
    std::printf("drop: %.1f ms, %zu phrases shown\n", ms, controller.customTree().nodes().children(copy).size());
    controller.customClicked(copy);
    controller.Delete();
    delete window;
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    benchkit::preferOffscreen();
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 5 && args[1] == "make") return make(args[2], args[3].toInt(), args[4].toInt());
    if (args.size() == 3 && args[1] == "open") return open(args[2]);
    if (args.size() == 3 && args[1] == "drop") return drop(args[2]);
    std::fprintf(stderr, "usage: %s make <folder> <installed> <custom> | open <folder> | drop <folder>\n", argv[0]);
    return 2;
}
