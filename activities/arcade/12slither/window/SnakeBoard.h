#pragma once

// The board of the snake game (picBoard): draws the snake, the character to
// eat and the decoy from the game's state. Points of the game lie a margin
// inside the board, so a snake or a character at the very edge shows whole.
#include "activities/arcade/12slither/rules/SnakeGame.h"

#include <QColor>
#include <QFont>
#include <QWidget>

namespace slither {

class SnakeBoard : public QWidget {
    Q_OBJECT

public:
    static constexpr int kMargin = 10;
    static constexpr int kPenWidth = 10;
    // Contrasts with the snake in each of its colours and with the characters.
    static const QColor kBackground;

    explicit SnakeBoard(QWidget* parent = nullptr);

    void setGame(const SnakeGame* game) { game_ = game; }
    // The font the characters are drawn in; the game passes over characters it has no glyph for.
    const QFont& characterFont() const { return font_; }
    bool canShow(QChar c) const;

signals:
    void keyPressed(QKeyEvent* event);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void drawCharacter(QPainter& painter, QChar c, Point at) const;

    const SnakeGame* game_ = nullptr;
    QFont font_;
};

}  // namespace slither
