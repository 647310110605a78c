#include "PdfText.h"

#include <QProcess>

#include <gtest/gtest.h>

namespace testsupport {

QString pdfText(const QString& pdfPath)
{
    QProcess reader;
    reader.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-enc"),
                                               QStringLiteral("UTF-8"), pdfPath, QStringLiteral("-")});
    const bool finished = reader.waitForFinished(30000);
    EXPECT_TRUE(finished && reader.exitStatus() == QProcess::NormalExit && reader.exitCode() == 0)
        << "pdftotext could not read " << pdfPath.toStdString() << ": "
        << reader.readAllStandardError().toStdString();
    return QString::fromUtf8(reader.readAllStandardOutput());
}

}  // namespace testsupport
