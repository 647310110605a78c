#pragma once

#include <QAbstractButton>

namespace spotter {

// One card of the table as a button: a red face with the translation in white
// bold type, a light frame around it and a dark shadow down and to the right.
// The widget covers the frame and the shadow; only the face takes clicks. The
// face turns black while a mouse button is held on it.
//
// A double-click is one click: the press that Qt turns into a double-click
// event is dropped, so no card is judged twice for it.
class SpotterCard : public QAbstractButton {
    Q_OBJECT

public:
    explicit SpotterCard(QWidget* parent = nullptr);

    // The card's caption: an empty first line, then the translation. Kept apart
    // from the button's text, so that an "&" in a phrase makes no shortcut; screen
    // readers get the translation alone.
    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);

    // The face, in the widget's own pixels.
    QRect faceRect() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QString caption_;
};

}  // namespace spotter
