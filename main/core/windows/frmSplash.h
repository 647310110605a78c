#pragma once

#include <QPixmap>
#include <QWidget>

#include <array>
#include <functional>

class QLabel;
class QPlainTextEdit;

// The window shown while start-up reads the stores, with a running log of what
// has been loaded (newest line at the top). Any key closes it; it deletes itself
// when closed.
class frmSplash : public QWidget {
    Q_OBJECT

public:
    // Adds one line at the top of the log; does nothing once the splash is gone.
    using ProgressWriter = std::function<void(const QString& line)>;

    // Fills the texts from the main program's state (product title, captions)
    // and shows `logo`, the main window's edition logo.
    explicit frmSplash(const QPixmap& logo, QWidget* parent = nullptr);

    // "v." and the three version numbers, without leading zeros.
    static QString versionText(int major, int minor, int revision);
    // Caption 25, a blank, the product title from its 10th character on, and "!".
    static QString sloganText(const QString& caption25, const QString& productTitle);

    void setStatus(const QString& text);
    void addProgressLine(const QString& line);
    ProgressWriter progressWriter();

    QLabel* lblVersion() const { return lblVersion_; }
    QLabel* lblCopyRight() const { return lblCopyRight_; }
    QLabel* imgLogo() const { return imgLogo_; }
    QLabel* lblCatchyWord(int index) const { return lblCatchyWord_.at(static_cast<std::size_t>(index)); }
    QLabel* lblLoading() const { return lblLoading_; }
    QPlainTextEdit* txtStatus() const { return txtStatus_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* lblVersion_;
    QLabel* lblCopyRight_;
    QLabel* imgLogo_;
    std::array<QLabel*, 2> lblCatchyWord_;
    QLabel* lblLoading_;
    QPlainTextEdit* txtStatus_;
    QPixmap picture_;
};
