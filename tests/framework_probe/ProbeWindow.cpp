#include "ProbeWindow.h"

#include "activities/framework/windows/frmInstructions.h"
#include "activities/framework/windows/frmScores.h"
#include "activities/framework/windows/ShapeButton.h"
#include "platform/ui/PictureButton.h"

#include <QApplication>
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
    QTimer::singleShot(0, this, [] {
        auto* scores = qobject_cast<frmScores*>(QApplication::activeModalWidget());
        if (!scores) return;
        QTreeWidget* list = scores->ListView1();
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* item = list->topLevelItem(i);
            writeLine(QStringLiteral("SCORE %1|%2|%3%4")
                          .arg(item->text(0), item->text(1), item->text(2),
                               item->isSelected() ? QStringLiteral("|*") : QString()));
        }
        scores->lblBegin()->click();
    });
    writeLine(QStringLiteral("SAVING"));
    saveNumberScore(*score, 8, 7, QStringLiteral(" ") + mCaptions(5));
}
