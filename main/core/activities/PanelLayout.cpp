#include "main/core/activities/PanelLayout.h"

#include "platform/ui/Twips.h"

#include <algorithm>

namespace activitypanel {

using platform::ui::twipsToPixelsX;
using platform::ui::twipsToPixelsY;

PanelMetrics PanelMetrics::forScreen(int scrollBarWidth)
{
    PanelMetrics metrics;
    metrics.columnStep = twipsToPixelsX(2550);
    metrics.rowStep = twipsToPixelsY(640);
    metrics.topMargin = twipsToPixelsY(120);
    metrics.linkOffset = twipsToPixelsY(800);
    metrics.linkHeight = twipsToPixelsY(300);
    metrics.bottomMargin = twipsToPixelsY(500);
    metrics.scrollBarWidth = scrollBarWidth;
    metrics.maxButton = QSize(twipsToPixelsX(2400), twipsToPixelsY(600));
    return metrics;
}

QSize buttonSizeFor(const QSize& picture, const QSize& maxButton)
{
    if (picture.isEmpty()) return maxButton;
    if (picture.width() <= maxButton.width() && picture.height() <= maxButton.height()) return picture;
    return picture.scaled(maxButton, Qt::KeepAspectRatio);
}

PanelLayout layoutPanel(int programs, const QSize& button, const QSize& holder, const PanelMetrics& metrics)
{
    PanelLayout layout;
    programs = std::max(programs, 0);
    layout.columns = programs <= 2 ? 1 : 2;
    const int rows = (programs + layout.columns - 1) / layout.columns;
    const int lastRowTop = metrics.topMargin + std::max(rows - 1, 0) * metrics.rowStep;

    const int linkTop = rows > 0 ? lastRowTop + metrics.linkOffset : metrics.topMargin;
    int height = linkTop + metrics.linkHeight;
    if (rows > 0) height = std::max(height, lastRowTop + button.height() + metrics.bottomMargin);
    layout.scrolls = height > holder.height();
    const int width = holder.width() - (layout.scrolls ? metrics.scrollBarWidth : 0);
    layout.page = QSize(width, std::max(height, holder.height()));

    const int gridWidth = (layout.columns - 1) * metrics.columnStep + button.width();
    const int left = std::max(0, (width - gridWidth) / 2);
    for (int index = 0; index < programs; ++index) {
        const int column = index % layout.columns;
        const int row = index / layout.columns;
        layout.buttons.emplace_back(QPoint(left + column * metrics.columnStep, metrics.topMargin + row * metrics.rowStep),
                                    button);
    }
    layout.link = QRect(left, linkTop, std::max(width - left, 0), metrics.linkHeight);
    return layout;
}

}  // namespace activitypanel
