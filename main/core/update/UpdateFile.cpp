#include "main/core/update/UpdateFile.h"

#include "platform/ui/TextCase.h"

#include <QStringList>

namespace update {

QString updateAddress(const QString& webBase, const Version& version)
{
    QString base = webBase;
    while (base.endsWith('/')) base.chop(1);
    return QStringLiteral("%1/updates/Ver_%2_%3_%4.txt").arg(base).arg(version.major).arg(version.minor).arg(version.revision);
}

QString localCopyPath(const QString& tempFolder, const QDateTime& now)
{
    return tempFolder + '~' + now.toString(QStringLiteral("MMddyyyyhhmmss")) + QStringLiteral(".tmp");
}

std::optional<UpdateNotice> readLastLine(const QByteArray& content)
{
    QByteArray text = content;
    if (text.endsWith('\n')) text.chop(1);
    if (text.endsWith('\r')) text.chop(1);
    if (text.isEmpty()) return std::nullopt;
    QByteArray last = text.mid(text.lastIndexOf('\n') + 1);
    if (last.endsWith('\r')) last.chop(1);
    const QStringList parts = QString::fromUtf8(last).split(',');
    if (parts.size() < 2) return std::nullopt;
    return UpdateNotice{platform::ui::ucase(parts[0].trimmed()), parts[1].trimmed()};
}

}  // namespace update
