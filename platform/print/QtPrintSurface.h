#pragma once

#include "platform/print/PrintSurface.h"

#include <QFont>
#include <QPainter>

#include <memory>

class QPrinter;

namespace platform::print {

// A surface on a Qt printer: a real printer through the desktop's print
// system, or a PDF file. Twips are turned into the printer's device pixels.
class QtPrintSurface : public PrintSurface {
public:
    // documentName: how the job is called in the printer's queue.
    QtPrintSurface(std::unique_ptr<QPrinter> printer, const QString& documentName);
    ~QtPrintSurface() override;

    void setFont(const QString& family, double pointSize) override;
    QString fontFamily() const override { return font_.family(); }
    double fontSize() const override { return font_.pointSizeF(); }
    double pageWidth() const override;
    double pageHeight() const override;
    double textWidth(const QString& text) const override;
    double textHeight() const override;

protected:
    QString startJob() override;
    QString finishJob() override;
    void drawText(double x, double y, const QString& text) override;
    void startPage() override;

private:
    double toTwipsX(double pixels) const;
    double toTwipsY(double pixels) const;

    std::unique_ptr<QPrinter> printer_;
    QPainter painter_;
    QFont font_;
};

}  // namespace platform::print
