#pragma once

#include "platform/print/PrintSurface.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

namespace platform::print {

// The printer programs print on: the desktop's default printer, else the first
// one it has, unless tests put others in their place.

// The printer chosen among the desktop's: the default one when there is one,
// else the first available; empty only when there is none at all.
QString choosePrinter(const QStringList& available, const QString& defaultName);

// The chosen printer's name; empty when the desktop has no printer.
QString printerName();
// A surface on the chosen printer, or nullptr when there is none.
// documentName: how the job is called in the printer's queue.
std::unique_ptr<PrintSurface> openPrinter(const QString& documentName);

// A surface writing a PDF file at path (an existing file is replaced when the
// job starts).
std::unique_ptr<PrintSurface> openPdfFile(const QString& path, const QString& documentName);

// Puts other printers in place of the desktop's (tests): the names available,
// the default one (empty: no default), and what opens the chosen one.
// restorePrinters() undoes it.
using PrinterOpener = std::function<std::unique_ptr<PrintSurface>(const QString& printer, const QString& documentName)>;
void replacePrinters(const QStringList& available, const QString& defaultName, PrinterOpener open);
void restorePrinters();

}  // namespace platform::print
