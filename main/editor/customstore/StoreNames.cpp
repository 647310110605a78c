#include "main/editor/customstore/StoreNames.h"

#include <QDir>

namespace customstore {

namespace {
QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}
}  // namespace

bool nameTaken(const QString& folder, const QString& fileName)
{
    for (const QString& entry : entries(folder))
        if (entry.compare(fileName, Qt::CaseInsensitive) == 0) return true;
    return false;
}

QString entryNamed(const QString& folder, const QString& fileName)
{
    if (QFileInfo::exists(folder + fileName)) return fileName;
    for (const QString& entry : entries(folder))
        if (entry.compare(fileName, Qt::CaseInsensitive) == 0) return entry;
    return fileName;
}

QString uniqueStoreName(const QString& base, const QStringList& folderNames,
                        const std::function<bool(const QString&)>& taken)
{
    qsizetype count = 0;
    for (const QString& name : folderNames)
        if (name.startsWith(base, Qt::CaseInsensitive)) ++count;
    if (count == 0 && !taken(base)) return base;
    for (qsizetype n = std::max<qsizetype>(count + 1, 2);; ++n) {
        const QString name = base + ' ' + QString::number(n);
        if (!taken(name)) return name;
    }
}

}  // namespace customstore
