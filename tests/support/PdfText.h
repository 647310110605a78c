#pragma once

#include <QString>

namespace testsupport {

// The text of a PDF file as pdftotext (poppler-utils) reads it in layout order,
// pages separated by form feeds. Fails the calling test when it cannot be read.
QString pdfText(const QString& pdfPath);

}  // namespace testsupport
