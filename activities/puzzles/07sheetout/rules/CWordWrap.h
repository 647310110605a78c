#pragma once

// Prints a text as word-wrapped pages with margins, tab stops, a centred header
// and a footer with the date and the page number. One instance serves one print
// request: set the header (and margins), then PrintText once.
#include "platform/print/PrintSurface.h"

#include <QString>

namespace sheetout {

struct PrintOutcome {
    bool printed = false;
    QString error;  // why nothing was printed, when printed is false
};

class CWordWrap {
public:
    // printer: the surface whose font the caller has set; dateText: the date
    // printed in every footer.
    CWordWrap(platform::print::PrintSurface& printer, QString dateText);

    QString HeaderText() const { return header_; }
    void setHeaderText(const QString& sText) { header_ = sText; }
    double MarginLeft() const { return left_; }
    void setMarginLeft(double nMargin) { left_ = nMargin; }
    double MarginTop() const { return top_; }
    void setMarginTop(double nMargin) { top_ = nMargin; }
    double MarginRight() const { return right_; }
    void setMarginRight(double nMargin) { right_ = nMargin; }
    double MarginBottom() const { return bottom_; }
    void setMarginBottom(double nMargin) { bottom_ = nMargin; }

    // Prints the whole text as one print job and ends the job. A job that
    // cannot start or cannot be delivered is reported, never taken as printed.
    PrintOutcome PrintText(const QString& sText);

private:
    void Print_Page_Frame(bool newPage);
    void endLine();
    void printWord(const QString& word);
    void printTab();
    double lineEnd() const;

    platform::print::PrintSurface& printer_;
    QString date_;
    QString header_ = QStringLiteral("CWordWrap Class");
    double left_ = 720;
    double top_ = 1440;
    double right_ = 720;
    double bottom_ = 1440;
};

}  // namespace sheetout
