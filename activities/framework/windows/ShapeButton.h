#pragma once

#include <QAbstractButton>

namespace activity {

// The OK button of the message and score windows: a text over a filled shape.
// Pressing fills the shape black and plays "CLICK"; releasing fills it with the
// active title bar colour and plays "CLICK" again; a release over the button
// clicks it. It takes focus with Tab, and Space or Enter press it too. Its
// text is drawn as plain text, centred on the face (a leading line break that
// callers put before a caption is dropped); screen readers find it by that
// caption without its line breaks.
class ShapeButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit ShapeButton(QWidget* parent = nullptr);

    // The fill the shape shows now.
    QColor fillColor() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool down_ = false;
};

}  // namespace activity
