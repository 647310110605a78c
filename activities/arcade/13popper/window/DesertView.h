#pragma once

// The play field: light yellow sand with the cacti, the gunslingers and the
// bullets drawn from the game, and the falling words as labels (green in play,
// red with their points once shot), so screen readers find them by their text.
#include "activities/arcade/13popper/rules/PopperGame.h"
#include "activities/arcade/13popper/window/PopperPictures.h"

#include <QList>
#include <QWidget>

class QLabel;

namespace popper {

// A piece's place in pixels, in the coordinates of the widget that holds it.
QRect pixelRect(const layout::Piece& piece);

class DesertView : public QWidget {
    Q_OBJECT

public:
    explicit DesertView(QWidget* parent = nullptr);

    // The game drawn from now on (not owned; nullptr draws the empty desert).
    void setGame(const PopperGame* game);
    // Places the word labels and repaints the pieces.
    void showState();

    // Word label i, or nullptr beyond the labels made so far.
    QLabel* lblword(int index) const { return index >= 0 && index < labels_.size() ? labels_[index] : nullptr; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* makeWordLabel();
    // Where a word's label goes: its box, widened evenly when its caption is wider.
    QRect labelRect(const FallingWord& word) const;
    void drawPiece(QPainter& painter, const QPixmap& picture, const layout::Piece& piece) const;

    const PopperGame* game_ = nullptr;
    PopperPictures pictures_;
    QList<QLabel*> labels_;
};

}  // namespace popper
