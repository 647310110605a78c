#pragma once

#include "platform/ui/PlainLabel.h"

#include <QColor>

namespace jumbler {

// A letter slot or tile: one letter centred on a filled box, with a border of
// its own colour (a tile's border stays black whatever colour its letter has).
// The palette holds the fill (Window) and the letter colour (WindowText).
class LetterBox : public platform::ui::PlainLabel {
    Q_OBJECT

public:
    explicit LetterBox(QWidget* parent = nullptr);

    // An invalid border colour or a width of 0 draws no border.
    void setLook(const QColor& fill, const QColor& letter, const QColor& border, int borderWidth);
    int borderWidth() const { return borderWidth_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor border_;
    int borderWidth_ = 0;
};

}  // namespace jumbler
