#include "activities/puzzles/05jumbler/window/JumblerResources.h"

#include "platform/ui/Resources.h"

#include <QPainter>
#include <QSvgRenderer>

namespace jumbler {

QPixmap scrambleBackground()
{
    QSvgRenderer renderer(platform::ui::resourcePath(QStringLiteral("PICTURE"), QStringLiteral("jumbler-background")));
    if (!renderer.isValid())
        return {};
    QPixmap picture(renderer.defaultSize());
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    renderer.render(&painter);
    return picture;
}

}  // namespace jumbler
