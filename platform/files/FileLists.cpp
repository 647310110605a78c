#include "platform/files/FileLists.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace platform {

namespace {

// Files only, hidden ones (names starting with ".", such as copies being
// written) left out; links count as what they point to.
QFileInfoList visibleFiles(const QString& folder)
{
    return QDir(folder).entryInfoList(QDir::Files | QDir::NoDotAndDotDot, QDir::NoSort);
}

QStringList sortedIgnoringCase(QStringList names)
{
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
    return names;
}

}  // namespace

QStringList filesWithExtension(const QString& folder, const QString& extension)
{
    const QString suffix = QLatin1Char('.') + extension;
    QStringList names;
    for (const QFileInfo& info : visibleFiles(folder))
        if (info.fileName().endsWith(suffix, Qt::CaseInsensitive)) names << info.fileName();
    return sortedIgnoringCase(names);
}

QStringList executablesIn(const QString& folder)
{
    constexpr auto anyExecute = QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther;
    QStringList names;
    for (const QFileInfo& info : visibleFiles(folder))
        if (!info.fileName().contains(QLatin1Char('.')) && (info.permissions() & anyExecute))
            names << info.fileName();
    return sortedIgnoringCase(names);
}

}  // namespace platform
