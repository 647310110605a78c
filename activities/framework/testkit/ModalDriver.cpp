#include "activities/framework/testkit/ModalDriver.h"

#include "activities/framework/windows/ShapeButton.h"
#include "activities/framework/windows/frmInstructions.h"
#include "activities/framework/windows/frmMsg.h"
#include "activities/framework/windows/frmScores.h"
#include "platform/ui/PictureButton.h"
#include "platform/ui/Timer.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

namespace activitytest {

namespace {

// Enough ticks for any slide-out; a window still up after them is a fault the
// test sees.
constexpr int kMaxSlideTicks = 1000;

ShownScores readScores(const frmScores& window)
{
    ShownScores shown;
    shown.top10 = window.lblTop10()->text();
    const QTreeWidget* list = window.ListView1();
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        QStringList cells;
        for (int c = 0; c < list->columnCount(); ++c) cells << list->topLevelItem(i)->text(c);
        shown.rows.push_back(cells);
        if (list->topLevelItem(i)->isSelected()) shown.selected = i;
    }
    return shown;
}

}  // namespace

ModalDriver::ModalDriver() { qApp->installEventFilter(this); }

ModalDriver::~ModalDriver() { qApp->removeEventFilter(this); }

bool ModalDriver::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show &&
        (qobject_cast<frmInstructions*>(watched) || qobject_cast<frmMsg*>(watched) || qobject_cast<frmScores*>(watched))) {
        // Answered from inside the window's own modal loop, once it runs.
        QPointer<QWidget> window = static_cast<QWidget*>(watched);
        QTimer::singleShot(0, this, [this, window] {
            if (window && window->isVisible()) answer(window);
        });
    }
    return false;
}

void ModalDriver::answer(QWidget* modal)
{
    if (auto* window = qobject_cast<frmInstructions*>(modal)) {
        instructions = {window->lblTitle()->text(), window->lblbody()->text(), window->lblButton()->text()};
        if (onInstructions) onInstructions(*window);
        if (window->isVisible()) QTest::mouseClick(window->imgButton(), Qt::LeftButton);
    } else if (auto* window = qobject_cast<frmMsg*>(modal)) {
        messages.push_back({window->lblMsg()->text(), window->lblmsg2()->text(), window->lblAnswer()->text(),
                            window->lblOK()->text()});
        snapshot(window, QStringLiteral("message-%1").arg(messages.size()));
        if (onMessage) onMessage(*window);
        if (window->isVisible()) QTest::mouseClick(window->lblOK(), Qt::LeftButton);
    } else if (auto* window = qobject_cast<frmScores*>(modal)) {
        scores.push_back(readScores(*window));
        snapshot(window, QStringLiteral("scores"));
        if (onScores) onScores(*window);
        if (!window->isVisible()) return;
        QTest::mouseClick(window->lblBegin(), Qt::LeftButton);
        for (int tick = 0; tick < kMaxSlideTicks && window->isVisible(); ++tick) emit window->Timer1()->timeout();
    }
}

void snapshot(QWidget* window, const QString& name)
{
    const QString folder = qEnvironmentVariable("DVL_SNAPSHOT_DIR");
    if (!folder.isEmpty()) window->grab().save(folder + "/" + name + ".png");
}

}  // namespace activitytest
