#include "activities/puzzles/07sheetout/rules/CWordWrap.h"

#include <QList>
#include <QTextBoundaryFinder>

#include <cmath>

namespace sheetout {

namespace {

// Tab stops stand every ten widths of "0" from this x, whatever the left margin.
constexpr double kTabOrigin = 720;
constexpr int kTabColumns = 10;

bool isWordChar(QChar c) { return c.unicode() > 32; }

}  // namespace

CWordWrap::CWordWrap(platform::print::PrintSurface& printer, QString dateText)
    : printer_(printer), date_(std::move(dateText))
{
}

double CWordWrap::lineEnd() const
{
    return printer_.pageWidth() - right_;
}

void CWordWrap::Print_Page_Frame(bool newPage)
{
    if (newPage)
        printer_.newPage();
    printer_.setCurrentY((top_ - printer_.textHeight()) / 2);
    printer_.setCurrentX((printer_.pageWidth() - printer_.textWidth(header_)) / 2);
    printer_.print(header_);

    const double footerY = printer_.pageHeight() - bottom_ / 2;
    printer_.setCurrentX(left_);
    printer_.setCurrentY(footerY);
    printer_.print(date_);

    const QString pageText = QStringLiteral("Page ") + QString::number(printer_.page());
    printer_.setCurrentX(printer_.pageWidth() - (printer_.textWidth(pageText) + right_));
    printer_.setCurrentY(footerY);
    printer_.print(pageText);

    printer_.setCurrentX(left_);
    printer_.setCurrentY(top_);
}

void CWordWrap::endLine()
{
    printer_.newLine();
    // The last line of a page may reach into the bottom margin by one line.
    if (printer_.pageHeight() - bottom_ >= printer_.currentY())
        printer_.setCurrentX(left_);
    else
        Print_Page_Frame(true);
}

void CWordWrap::printWord(const QString& word)
{
    const double width = printer_.textWidth(word);
    const bool fitsALine = width <= lineEnd() - left_;
    // A word wider than the line starts a line of its own (unless the pen is at
    // a line's start already) and runs past the right margin.
    if (printer_.currentX() + width > lineEnd() && (fitsALine || printer_.currentX() > left_))
        endLine();
    const double pageEdge = printer_.pageWidth();
    if (printer_.currentX() + width <= pageEdge) {
        printer_.print(word);
        return;
    }
    // Wider than the page: broken between characters (never inside one), as many
    // on each line as fit before the page's edge and at least one, so nothing is
    // lost off the paper.
    QList<qsizetype> cuts;
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, word);
    for (qsizetype b = graphemes.toNextBoundary(); b != -1; b = graphemes.toNextBoundary())
        cuts.append(b);
    qsizetype start = 0;
    qsizetype next = 0;
    while (start < word.size()) {
        qsizetype end = cuts[next++];
        while (next < cuts.size()
               && printer_.currentX() + printer_.textWidth(word.mid(start, cuts[next] - start)) <= pageEdge)
            end = cuts[next++];
        printer_.print(word.mid(start, end - start));
        start = end;
        if (start < word.size())
            endLine();
    }
}

void CWordWrap::printTab()
{
    const double zeroWidth = printer_.textWidth(QStringLiteral("0"));
    if (zeroWidth <= 0)
        return;
    // std::nearbyint rounds halves to even in the default rounding mode.
    auto column = static_cast<long long>(std::nearbyint((printer_.currentX() - kTabOrigin) / zeroWidth));
    column = column + kTabColumns - (column % kTabColumns);
    printer_.setCurrentX(zeroWidth * static_cast<double>(column) + kTabOrigin);
}

PrintOutcome CWordWrap::PrintText(const QString& sText)
{
    if (!printer_.beginJob())
        return {false, printer_.errorText()};
    Print_Page_Frame(false);

    qsizetype p = 0;
    const qsizetype length = sText.size();
    while (p < length) {
        const qsizetype wordStart = p;
        while (p < length && isWordChar(sText[p]))
            ++p;
        if (p > wordStart)
            printWord(sText.mid(wordStart, p - wordStart));

        while (p < length && !isWordChar(sText[p])) {
            const char16_t c = sText[p].unicode();
            if (c == u' ')
                printer_.print(QStringLiteral(" "));
            else if (c == u'\n')
                endLine();
            else if (c == u'\t')
                printTab();
            ++p;
        }
    }

    if (!printer_.endJob())
        return {false, printer_.errorText()};
    return {true, {}};
}

}  // namespace sheetout
