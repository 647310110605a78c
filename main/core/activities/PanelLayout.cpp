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
    metrics.sideMargin = twipsToPixelsX(90);
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

namespace {

// The button size that lets `columns` buttons stand side by side within width,
// their gap kept and their proportions too.
QSize fittedButton(const QSize& button, int columns, int width, const PanelMetrics& metrics)
{
    const int gap = std::max(metrics.columnStep - button.width(), 0);
    const int room = width - 2 * metrics.sideMargin - (columns - 1) * gap;
    const int fitting = room / columns;
    if (fitting >= button.width() || fitting <= 0) return button;
    return QSize(fitting, button.height() * fitting / button.width());
}

}  // namespace

PanelLayout layoutPanel(int programs, const QSize& button, const QSize& holder, const PanelMetrics& metrics)
{
    PanelLayout layout;
    programs = std::max(programs, 0);
    layout.columns = programs <= 2 ? 1 : 2;
    const int rows = (programs + layout.columns - 1) / layout.columns;
    const int lastRowTop = metrics.topMargin + std::max(rows - 1, 0) * metrics.rowStep;
    // Without buttons the link lines up with where a full grid would start.
    const int columns = programs == 0 ? 2 : layout.columns;
    const QSize asked = button.isEmpty() ? metrics.maxButton : button;

    const int linkTop = rows > 0 ? lastRowTop + metrics.linkOffset : metrics.topMargin;
    int height = linkTop + metrics.linkHeight;
    if (rows > 0) height = std::max(height, lastRowTop + asked.height() + metrics.bottomMargin);
    layout.scrolls = height > holder.height();
    const int width = holder.width() - (layout.scrolls ? metrics.scrollBarWidth : 0);
    layout.page = QSize(width, std::max(height, holder.height()));

    layout.button = fittedButton(asked, columns, width, metrics);
    const int columnStep = metrics.columnStep - (asked.width() - layout.button.width());
    const int gridWidth = (columns - 1) * columnStep + layout.button.width();
    const int left = std::max(0, (width - gridWidth) / 2);
    for (int index = 0; index < programs; ++index) {
        const int column = index % layout.columns;
        const int row = index / layout.columns;
        layout.buttons.emplace_back(QPoint(left + column * columnStep, metrics.topMargin + row * metrics.rowStep),
                                    layout.button);
    }
    layout.link = QRect(left, linkTop, std::max(width - left, 0), metrics.linkHeight);
    return layout;
}

}  // namespace activitypanel
