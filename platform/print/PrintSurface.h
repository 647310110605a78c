#pragma once

#include <QString>

namespace platform::print {

// A page device measured in twips (1/1440 inch), with a pen: x grows to the
// right from the left edge of the drawing area, y downwards from its top. The
// surface keeps the pen and the page number; each kind of device draws and
// measures. A job is begun, filled and ended; ending it is what delivers it.
class PrintSurface {
public:
    virtual ~PrintSurface() = default;

    // Starts the print job on page 1 with the pen at (0, 0). False, with
    // errorText(), when the job cannot start; nothing may be drawn then.
    bool beginJob();
    // Ends the job and delivers it; false, with errorText(), when that fails.
    bool endJob();
    // Why the last beginJob or endJob failed.
    const QString& errorText() const { return errorText_; }
    bool inJob() const { return inJob_; }

    // The font of everything printed from now on (before or during a job).
    virtual void setFont(const QString& family, double pointSize) = 0;
    virtual QString fontFamily() const = 0;
    virtual double fontSize() const = 0;

    // The drawing area of a page and the size of a text in the current font.
    virtual double pageWidth() const = 0;
    virtual double pageHeight() const = 0;
    virtual double textWidth(const QString& text) const = 0;
    virtual double textHeight() const = 0;

    double currentX() const { return x_; }
    double currentY() const { return y_; }
    void setCurrentX(double x) { x_ = x; }
    void setCurrentY(double y) { y_ = y; }
    int page() const { return page_; }

    // Prints text with its top-left corner at the pen and leaves the pen after it
    // on the same line.
    void print(const QString& text);
    // Moves the pen to the start of the next line.
    void newLine();
    // Ends the page; the next one starts with the pen at (0, 0).
    void newPage();

protected:
    // What each device does; the base keeps the pen, the page and the errors.
    virtual QString startJob() = 0;   // an error text, or empty once started
    virtual QString finishJob() = 0;  // an error text, or empty once delivered
    virtual void drawText(double x, double y, const QString& text) = 0;
    virtual void startPage() = 0;

private:
    double x_ = 0;
    double y_ = 0;
    int page_ = 1;
    bool inJob_ = false;
    QString errorText_;
};

}  // namespace platform::print
