#include "platform/print/QtPrintSurface.h"

#include <QFontMetricsF>
#include <QPrinter>

namespace platform::print {

namespace {
constexpr double kTwipsPerInch = 1440.0;
}

QtPrintSurface::QtPrintSurface(std::unique_ptr<QPrinter> printer, const QString& documentName)
    : printer_(std::move(printer)), font_(QStringLiteral("Arial"), 12)
{
    printer_->setDocName(documentName);
}

QtPrintSurface::~QtPrintSurface()
{
    // A job left open is given up rather than delivered half-made.
    if (painter_.isActive()) {
        printer_->abort();
        painter_.end();
    }
}

void QtPrintSurface::setFont(const QString& family, double pointSize)
{
    font_ = QFont(family);
    font_.setPointSizeF(pointSize > 0 ? pointSize : 12);
    if (painter_.isActive())
        painter_.setFont(font_);
}

double QtPrintSurface::toTwipsX(double pixels) const
{
    return pixels * kTwipsPerInch / printer_->logicalDpiX();
}

double QtPrintSurface::toTwipsY(double pixels) const
{
    return pixels * kTwipsPerInch / printer_->logicalDpiY();
}

double QtPrintSurface::pageWidth() const
{
    return toTwipsX(printer_->width());
}

double QtPrintSurface::pageHeight() const
{
    return toTwipsY(printer_->height());
}

double QtPrintSurface::textWidth(const QString& text) const
{
    return toTwipsX(QFontMetricsF(font_, printer_.get()).horizontalAdvance(text));
}

double QtPrintSurface::textHeight() const
{
    return toTwipsY(QFontMetricsF(font_, printer_.get()).height());
}

QString QtPrintSurface::startJob()
{
    if (!painter_.begin(printer_.get()) || printer_->printerState() == QPrinter::Error) {
        if (painter_.isActive())
            painter_.end();
        const QString target = printer_->outputFileName().isEmpty() ? printer_->printerName()
                                                                     : printer_->outputFileName();
        return QStringLiteral("The print job could not be started on \"%1\".").arg(target);
    }
    painter_.setFont(font_);
    painter_.setPen(Qt::black);
    return {};
}

QString QtPrintSurface::finishJob()
{
    const bool delivered = painter_.end() && printer_->printerState() != QPrinter::Error;
    if (!delivered)
        return QStringLiteral("The print job could not be finished.");
    return {};
}

void QtPrintSurface::drawText(double x, double y, const QString& text)
{
    const QFontMetricsF metrics(font_, printer_.get());
    const QPointF baseline(x * printer_->logicalDpiX() / kTwipsPerInch,
                           y * printer_->logicalDpiY() / kTwipsPerInch + metrics.ascent());
    painter_.drawText(baseline, text);
}

void QtPrintSurface::startPage()
{
    printer_->newPage();
}

}  // namespace platform::print
