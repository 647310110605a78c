#include "ProbeWindow.h"

#include "activities/framework/windows/frmInstructions.h"
#include "activities/framework/windows/frmScores.h"
#include "activities/framework/windows/ShapeButton.h"
#include "platform/ui/PictureButton.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QTreeWidget>

#include <cstdio>

namespace {

void writeLine(const QString& line)
{
    std::fputs((line + QLatin1Char('\n')).toUtf8().constData(), stdout);
    std::fflush(stdout);
}

std::optional<std::int64_t> scoreToSave()
{
    bool ok = false;
    const std::int64_t score = qEnvironmentVariable("DVL_PROBE_SCORE").toLongLong(&ok);
    return ok ? std::optional(score) : std::nullopt;
}

}  // namespace

ProbeWindow::ProbeWindow(QWidget* parent) : ActivityWindow(probeSetup(), parent)
{
    resize(640, 480);
    connect(this, &ActivityWindow::instructionsShown, this, &ProbeWindow::onInstructionsShown);
}

activity::ActivitySetup ProbeWindow::probeSetup()
{
    activity::ActivitySetup setup;
    setup.program = QStringLiteral("framework_probe");
    setup.instructions = {13, 14, 2, 3};
    return setup;
}

void ProbeWindow::onInstructionsShown()
{
    writeLine(QStringLiteral("INSTRUCTIONS ") + windowTitle());
    if (!scoreToSave()) return;
    if (auto* instructions = qobject_cast<frmInstructions*>(QApplication::activeModalWidget())) {
        instructions->imgButton()->click();
    }
}

void ProbeWindow::startGame()
{
    const std::optional<std::int64_t> score = scoreToSave();
    if (!score) return;
    // The score window may come up at once or only after a wait for a locked
    // store, so it is answered whenever it shows.
    QApplication::instance()->installEventFilter(this);
    writeLine(QStringLiteral("SAVING"));
    saveNumberScore(*score, 8, 7, QStringLiteral(" ") + mCaptions(5));
}

bool ProbeWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show) {
        if (auto* scores = qobject_cast<frmScores*>(watched)) {
            QApplication::instance()->removeEventFilter(this);
            QTimer::singleShot(0, scores, [scores] { reportAndClose(*scores); });
        }
    }
    return ActivityWindow::eventFilter(watched, event);
}

void ProbeWindow::reportAndClose(frmScores& scores)
{
    QTreeWidget* list = scores.ListView1();
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = list->topLevelItem(i);
        writeLine(QStringLiteral("SCORE %1|%2|%3%4")
                      .arg(item->text(0), item->text(1), item->text(2),
                           item->isSelected() ? QStringLiteral("|*") : QString()));
    }
    scores.lblBegin()->click();
}
