#include "platform/ui/Resources.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace platform::ui {
namespace {

QString matchingEntry(const QString& folder, const QString& name, QDir::Filters filter)
{
    const QStringList entries = QDir(folder).entryList(filter, QDir::Name | QDir::IgnoreCase);
    QString byBaseName;
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
        if (byBaseName.isEmpty() && QFileInfo(entry).completeBaseName().compare(name, Qt::CaseInsensitive) == 0)
            byBaseName = entry;
    }
    return byBaseName;
}

}  // namespace

QString resourcePath(const QString& type, const QString& name)
{
    if (type.isEmpty() || name.isEmpty())
        return {};
    const QString typeFolder = matchingEntry(QStringLiteral(":/"), type, QDir::Dirs | QDir::NoDotAndDotDot);
    if (typeFolder.isEmpty() || typeFolder.compare(type, Qt::CaseInsensitive) != 0)
        return {};
    const QString folder = QStringLiteral(":/") + typeFolder;
    const QString file = matchingEntry(folder, name, QDir::Files);
    return file.isEmpty() ? QString() : folder + QLatin1Char('/') + file;
}

QByteArray resource(const QString& type, const QString& name)
{
    const QString path = resourcePath(type, name);
    if (path.isEmpty())
        return {};
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace platform::ui
