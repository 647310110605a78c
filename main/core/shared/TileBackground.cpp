#include "main/core/shared/TileBackground.h"

#include "platform/ui/EndProgram.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/TiledBackground.h"

#include <QPainter>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace shared {

namespace {

constexpr char kProcedure[] = "TileBackground";
constexpr char kReportedProperty[] = "dvlTileFailureReported";

// Boxes are never shown from inside a paint: the report runs once the paint is
// over, and only for the first failure of a window, so a window that keeps
// failing to paint does not bury the learner under boxes.
void reportAfterPaint(QWidget& form, std::function<void(QWidget*)> report)
{
    if (form.property(kReportedProperty).toBool()) return;
    form.setProperty(kReportedProperty, true);
    QPointer<QWidget> guard(&form);
    QTimer::singleShot(0, [guard, report = std::move(report)] { report(guard.data()); });
}

}  // namespace

QString TileBackground(QWidget& form, const QPixmap& picture)
{
    QPainter painter(&form);
    if (!painter.isActive()) return QStringLiteral("The window cannot be painted now.");
    platform::ui::paintTiledBackground(painter, picture, form.size());
    return {};
}

void TileBackgroundMain(QWidget& form, const QPixmap& picture, const QString& errorHeading)
{
    const QString error = TileBackground(form, picture);
    if (error.isEmpty()) return;
    reportAfterPaint(form, [errorHeading, error](QWidget* window) {
        platform::ui::showErrorBox(errorHeading, kProcedure, error, QStringLiteral("ERROR"), window);
    });
}

void TileBackgroundSplash(QWidget& form, const QPixmap& picture, const QString& errorHeading)
{
    const QString error = TileBackground(form, picture);
    if (error.isEmpty()) return;
    const QString title = form.windowTitle();
    reportAfterPaint(form, [errorHeading, error, title](QWidget*) {
        platform::ui::showErrorBox(errorHeading, kProcedure, error, title);
        platform::ui::endProgram();
    });
}

}  // namespace shared
