#include "platform/print/RecordingPrintSurface.h"

#include <QStringList>

namespace platform::print {

RecordingPrintSurface::RecordingPrintSurface(double charWidth, double lineHeight, double pageWidth,
                                             double pageHeight)
    : charWidth_(charWidth), lineHeight_(lineHeight), pageWidth_(pageWidth), pageHeight_(pageHeight)
{
}

void RecordingPrintSurface::setFont(const QString& family, double pointSize)
{
    family_ = family;
    size_ = pointSize;
}

QList<RecordingPrintSurface::Placed> RecordingPrintSurface::visible() const
{
    QList<Placed> shown;
    for (const Placed& item : placed_) {
        if (!item.text.trimmed().isEmpty())
            shown.append(item);
    }
    return shown;
}

QStringList RecordingPrintSurface::textsOnPage(int page) const
{
    QStringList texts;
    for (const Placed& item : visible()) {
        if (item.page == page)
            texts.append(item.text);
    }
    return texts;
}

QString RecordingPrintSurface::startJob()
{
    if (!startError_.isEmpty())
        return startError_;
    ++jobsStarted_;
    return {};
}

QString RecordingPrintSurface::finishJob()
{
    if (!finishError_.isEmpty())
        return finishError_;
    ++jobsDelivered_;
    return {};
}

void RecordingPrintSurface::drawText(double x, double y, const QString& text)
{
    placed_.append({page(), x, y, text});
}

}  // namespace platform::print
