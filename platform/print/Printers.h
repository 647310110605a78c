#pragma once

#include "platform/print/PrintSurface.h"

#include <QString>

#include <functional>
#include <memory>

namespace platform::print {

// The printer programs print on: the desktop's default printer, unless tests
// put another in its place.

// The default printer's name; empty when the desktop has none.
QString defaultPrinterName();
// A surface on the default printer, or nullptr when there is none.
// documentName: how the job is called in the printer's queue.
std::unique_ptr<PrintSurface> openDefaultPrinter(const QString& documentName);

// A surface writing a PDF file at path (an existing file is replaced when the
// job starts).
std::unique_ptr<PrintSurface> openPdfFile(const QString& path, const QString& documentName);

// Puts another printer in place of the desktop's default (tests): an empty name
// stands for no printer. restoreDefaultPrinter() undoes it.
using PrinterOpener = std::function<std::unique_ptr<PrintSurface>(const QString& documentName)>;
void replaceDefaultPrinter(const QString& name, PrinterOpener open);
void restoreDefaultPrinter();

}  // namespace platform::print
