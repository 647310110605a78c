#include "main/users/store/SetAside.h"

#include "platform/files/FileError.h"
#include "platform/files/Paths.h"
#include "platform/files/Rename.h"
#include "platform/store/Store.h"

#include <QFileInfo>

namespace users {
namespace {

constexpr int kMaxSetAsidesPerDay = 1000;

QString asideName(const QString& path, const QDate& day, int number)
{
    QString name = path + QStringLiteral(".bad-") + day.toString(Qt::ISODate);
    if (number > 1) name += QLatin1Char('-') + QString::number(number);
    return name;
}

bool taken(const QString& path) { return QFileInfo::exists(path) || QFileInfo(path).isSymLink(); }

}  // namespace

QString setAsideDamagedStore(const QString& path, const QDate& day)
{
    const QString journal = platform::Store::journalPath(path);
    for (int number = 1; number <= kMaxSetAsidesPerDay; ++number) {
        const QString aside = asideName(path, day, number);
        if (taken(aside) || taken(platform::Store::journalPath(aside))) continue;
        try {
            platform::renameNoReplace(path, aside);
        } catch (const platform::FileError& error) {
            if (error.kind() == platform::FileErrorKind::Exists) continue;  // taken meanwhile
            throw;
        }
        if (platform::fileExists(journal)) platform::renameNoReplace(journal, platform::Store::journalPath(aside));
        return aside;
    }
    throw platform::FileError(platform::FileErrorKind::Exists,
                              QStringLiteral("Cannot set \"%1\" aside: every name for %2 is taken")
                                  .arg(path, day.toString(Qt::ISODate)));
}

}  // namespace users
