#pragma once

#include <QRect>
#include <QSize>

#include <vector>

// Where the activity panel puts its buttons and its "more activities" link, in
// pixels of the scrolling page picActs. Buttons go in two columns (one column for
// one or two programs), row by row in program order, the grid centred across the
// page; the link sits below the last row. The page scrolls when it is taller
// than its holder; the scroll bar then takes its width from the page, and
// buttons that no longer fit side by side are drawn a little smaller.
namespace activitypanel {

struct PanelMetrics {
    int columnStep = 0;      // from one column's left edge to the next one's
    int rowStep = 0;         // from one row's top to the next one's
    int topMargin = 0;       // above the first row
    int linkOffset = 0;      // from the last row's top to the link's top
    int linkHeight = 0;
    int bottomMargin = 0;    // below the last row
    int sideMargin = 0;      // the least room left and right of the grid
    int scrollBarWidth = 0;
    QSize maxButton;         // a picture larger than this is drawn smaller

    // The panel's steps in twips converted to this screen's pixels.
    static PanelMetrics forScreen(int scrollBarWidth);
};

struct PanelLayout {
    int columns = 0;
    QSize button;                // the size every button is drawn at
    std::vector<QRect> buttons;  // one per program, in program order
    QRect link;
    QSize page;                  // size of picActs
    bool scrolls = false;
};

// The button size for a picture: the picture's size, made smaller to fit the
// largest button with its proportions kept.
QSize buttonSizeFor(const QSize& picture, const QSize& maxButton);

// button: the size the pictures ask for (buttonSizeFor); an empty size when
// there are no pictures.
PanelLayout layoutPanel(int programs, const QSize& button, const QSize& holder, const PanelMetrics& metrics);

}  // namespace activitypanel
