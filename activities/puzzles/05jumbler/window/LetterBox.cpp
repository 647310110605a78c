#include "activities/puzzles/05jumbler/window/LetterBox.h"

#include <QPainter>

namespace jumbler {

LetterBox::LetterBox(QWidget* parent) : PlainLabel(parent) {}

void LetterBox::setLook(const QColor& fill, const QColor& letter, const QColor& border, int borderWidth)
{
    QPalette colours = palette();
    const bool changed = colours.color(QPalette::Window) != fill || colours.color(QPalette::WindowText) != letter ||
                         border_ != border || borderWidth_ != borderWidth;
    if (!changed)
        return;
    colours.setColor(QPalette::Window, fill);
    colours.setColor(QPalette::WindowText, letter);
    setPalette(colours);
    border_ = border;
    borderWidth_ = borderWidth;
    update();
}

void LetterBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    if (border_.isValid() && borderWidth_ > 0) {
        const int w = borderWidth_;
        painter.fillRect(QRect(0, 0, width(), w), border_);
        painter.fillRect(QRect(0, height() - w, width(), w), border_);
        painter.fillRect(QRect(0, 0, w, height()), border_);
        painter.fillRect(QRect(width() - w, 0, w, height()), border_);
    }
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setFont(font());
    painter.drawText(rect(), Qt::AlignCenter, text());
}

}  // namespace jumbler
