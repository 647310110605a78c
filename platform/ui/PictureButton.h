#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace platform::ui {

// A button drawn as a picture, with separate pictures for the pointer over it and
// for the button held down (each falls back to the normal picture when missing).
// The picture fills the button. Screen readers find it by its accessible name.
class PictureButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit PictureButton(const QString& accessibleName = {}, QWidget* parent = nullptr);

    void setPictures(const QPixmap& normal, const QPixmap& hover = {}, const QPixmap& pressed = {});
    // The picture the button shows in its present state.
    const QPixmap& currentPicture() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QPixmap normal_;
    QPixmap hover_;
    QPixmap pressed_;
    bool hovered_ = false;
};

}  // namespace platform::ui
