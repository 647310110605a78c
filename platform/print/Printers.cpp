#include "platform/print/Printers.h"

#include "platform/print/QtPrintSurface.h"

#include <QPrinter>
#include <QPrinterInfo>

#include <optional>

namespace platform::print {

namespace {

struct Replacement {
    QString name;
    PrinterOpener open;
};

std::optional<Replacement>& replacement()
{
    static std::optional<Replacement> instance;
    return instance;
}

}  // namespace

QString defaultPrinterName()
{
    if (replacement())
        return replacement()->name;
    return QPrinterInfo::defaultPrinter().printerName();
}

std::unique_ptr<PrintSurface> openDefaultPrinter(const QString& documentName)
{
    if (replacement()) {
        if (replacement()->name.isEmpty() || !replacement()->open)
            return nullptr;
        return replacement()->open(documentName);
    }
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return nullptr;
    return std::make_unique<QtPrintSurface>(std::make_unique<QPrinter>(info, QPrinter::HighResolution),
                                            documentName);
}

std::unique_ptr<PrintSurface> openPdfFile(const QString& path, const QString& documentName)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    return std::make_unique<QtPrintSurface>(std::move(printer), documentName);
}

void replaceDefaultPrinter(const QString& name, PrinterOpener open)
{
    replacement() = Replacement{name, std::move(open)};
}

void restoreDefaultPrinter()
{
    replacement().reset();
}

}  // namespace platform::print
