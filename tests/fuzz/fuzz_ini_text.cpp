// Any settings file text, and any value written through QSettings: the reader
// never crashes, and a written value reads back exactly.
#include "platform/settings/IniText.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void readAnyText(const QByteArray& text)
{
    for (const QString& name : {QStringLiteral("ProgramDir"), QStringLiteral("a b"), QString::fromUtf8(text.left(8))}) {
        if (const std::optional<QString> raw = platform::ini::rawValue(text, name)) platform::ini::stringValue(*raw);
    }
    platform::ini::stringValue(QString::fromUtf8(text));
}

void writtenValueReadsBack(const QString& value)
{
    static const QTemporaryDir folder;
    static const QString path = folder.filePath(QStringLiteral("settings.ini"));
    QFile::remove(path);
    {
        QSettings settings(path, QSettings::IniFormat);
        settings.setValue(QStringLiteral("Value"), value);
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) std::abort();
    const std::optional<QString> raw = platform::ini::rawValue(file.readAll(), QStringLiteral("Value"));
    if (!raw || platform::ini::stringValue(*raw) != value) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray text(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    readAnyText(text);
    writtenValueReadsBack(QString::fromUtf8(text));
    return 0;
}
