#include "platform/settings/Settings.h"

#include "platform/settings/IniText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <map>
#include <memory>

namespace platform {

QString settingsFile(const QString& subKey)
{
    QStringList parts = QString(subKey).replace(QLatin1Char('\\'), QLatin1Char('/')).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (!parts.isEmpty() && parts.front().compare(QLatin1String("Software"), Qt::CaseInsensitive) == 0)
        parts.pop_front();
    if (parts.isEmpty()) return QString();
    for (const QString& part : parts)
        if (part == QLatin1String(".") || part == QLatin1String("..")) return QString();
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (config.isEmpty()) return QString();
    return config + QLatin1Char('/') + parts.join(QLatin1Char('/')) + QStringLiteral(".ini");
}

namespace {

// A "/" or a backslash in a value name would make a subgroup in the file, not a value.
bool isValueName(const QString& name)
{
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'));
}

}  // namespace

QString readSetting(const QString& subKey, const QString& name, const QString& defaultValue)
{
    const QString path = settingsFile(subKey);
    if (path.isEmpty() || !isValueName(name)) return defaultValue;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return defaultValue;
    const std::optional<QString> raw = ini::rawValue(file.readAll(), name);
    if (!raw) return defaultValue;
    return ini::stringValue(*raw).value_or(defaultValue);
}

namespace {

// Open writers, one per file, kept until syncSettings so repeated writes do not
// parse the file again.
std::map<QString, std::unique_ptr<QSettings>>& openWriters()
{
    static std::map<QString, std::unique_ptr<QSettings>> writers;
    return writers;
}

}  // namespace

void writeSetting(const QString& subKey, const QString& name, const QString& value)
{
    const QString path = settingsFile(subKey);
    if (path.isEmpty() || !isValueName(name)) return;
    QDir().mkpath(QFileInfo(path).absolutePath());
    auto& writer = openWriters()[path];
    if (!writer) writer = std::make_unique<QSettings>(path, QSettings::IniFormat);
    writer->setValue(name, value);
    writer->sync();
}

void syncSettings()
{
    for (auto& [path, writer] : openWriters()) writer->sync();
    openWriters().clear();
}

}  // namespace platform
