#include "platform/print/Printers.h"

#include "platform/print/QtPrintSurface.h"

#include <QPrinter>
#include <QPrinterInfo>

#include <optional>

namespace platform::print {

namespace {

struct Replacement {
    QStringList available;
    QString defaultName;
    PrinterOpener open;
};

std::optional<Replacement>& replacement()
{
    static std::optional<Replacement> instance;
    return instance;
}

}  // namespace

QString choosePrinter(const QStringList& available, const QString& defaultName)
{
    if (!defaultName.isEmpty())
        return defaultName;
    for (const QString& name : available) {
        if (!name.isEmpty())
            return name;
    }
    return {};
}

QString printerName()
{
    if (replacement())
        return choosePrinter(replacement()->available, replacement()->defaultName);
    return choosePrinter(QPrinterInfo::availablePrinterNames(), QPrinterInfo::defaultPrinterName());
}

std::unique_ptr<PrintSurface> openPrinter(const QString& documentName)
{
    const QString name = printerName();
    if (name.isEmpty())
        return nullptr;
    if (replacement())
        return replacement()->open ? replacement()->open(name, documentName) : nullptr;
    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
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

void replacePrinters(const QStringList& available, const QString& defaultName, PrinterOpener open)
{
    replacement() = Replacement{available, defaultName, std::move(open)};
}

void restorePrinters()
{
    replacement().reset();
}

}  // namespace platform::print
