#include "platform/files/FileError.h"

#include <cerrno>
#include <cstring>

namespace platform {

FileError::FileError(FileErrorKind kind, const QString& message)
    : std::runtime_error(message.toStdString()), kind_(kind)
{
}

FileError FileError::fromErrno(int error, const QString& action)
{
    FileErrorKind kind = FileErrorKind::Other;
    switch (error) {
    case EEXIST:
    case ENOTEMPTY: kind = FileErrorKind::Exists; break;
    case ENOENT:
    case ENOTDIR: kind = FileErrorKind::NotFound; break;
    case EACCES:
    case EPERM:
    case EROFS: kind = FileErrorKind::Permission; break;
    case ELOOP: kind = FileErrorKind::NotSafe; break;
    default: break;
    }
    return FileError(kind, QStringLiteral("%1: %2").arg(action, QString::fromLocal8Bit(std::strerror(error))));
}

}  // namespace platform
