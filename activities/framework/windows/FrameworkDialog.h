#pragma once

#include <QDialog>

namespace activity {

// The base of the shared windows: the framework's tiled background and a
// layOut() run whenever the window's size changes.
class FrameworkDialog : public QDialog {
    Q_OBJECT

public:
    explicit FrameworkDialog(QWidget* parent, Qt::WindowFlags flags);

protected:
    // Places the controls for the present size.
    virtual void layOut() = 0;

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
};

}  // namespace activity
