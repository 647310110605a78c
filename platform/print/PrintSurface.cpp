#include "platform/print/PrintSurface.h"

namespace platform::print {

bool PrintSurface::beginJob()
{
    errorText_ = startJob();
    inJob_ = errorText_.isEmpty();
    x_ = 0;
    y_ = 0;
    page_ = 1;
    return inJob_;
}

bool PrintSurface::endJob()
{
    if (!inJob_) {
        errorText_ = QStringLiteral("No print job was started.");
        return false;
    }
    inJob_ = false;
    errorText_ = finishJob();
    return errorText_.isEmpty();
}

void PrintSurface::print(const QString& text)
{
    if (!inJob_)
        return;
    drawText(x_, y_, text);
    x_ += textWidth(text);
}

void PrintSurface::newLine()
{
    x_ = 0;
    y_ += textHeight();
}

void PrintSurface::newPage()
{
    if (!inJob_)
        return;
    startPage();
    ++page_;
    x_ = 0;
    y_ = 0;
}

}  // namespace platform::print
