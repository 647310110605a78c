#include "platform/files/TempFolder.h"

#include "platform/files/FileError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

QString privateFolderPath()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir::isAbsolutePath(runtime) && QFileInfo(runtime).isDir())
        return QDir::cleanPath(runtime) + QStringLiteral("/dravolin");
    return QDir::cleanPath(QDir::tempPath()) + QStringLiteral("/dravolin-%1").arg(::geteuid());
}

QString refusal(const QString& path, const QString& why)
{
    return QStringLiteral("The temporary folder \"%1\" is not safe to use: %2").arg(path, why);
}

// Checks the folder through a descriptor opened without following links, so
// what is checked is what is used.
void checkOwnFolder(const QString& path)
{
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        if (error == ELOOP || error == ENOTDIR)
            throw FileError(FileErrorKind::NotSafe, refusal(path, QStringLiteral("it is a link or not a folder")));
        throw FileError::fromErrno(error, QStringLiteral("Cannot open the temporary folder \"%1\"").arg(path));
    }
    struct stat info {};
    const bool statOk = ::fstat(fd, &info) == 0;
    const int statError = errno;
    if (statOk && info.st_uid == ::geteuid() && (info.st_mode & 07777) != 0700) ::fchmod(fd, 0700);
    ::close(fd);
    if (!statOk) throw FileError::fromErrno(statError, QStringLiteral("Cannot check the temporary folder \"%1\"").arg(path));
    if (info.st_uid != ::geteuid())
        throw FileError(FileErrorKind::NotSafe, refusal(path, QStringLiteral("it belongs to another user")));
}

}  // namespace

QString tempFolder()
{
    const QString path = privateFolderPath();
    const QByteArray native = QFile::encodeName(path);
    if (::mkdir(native.constData(), 0700) != 0) {
        const int error = errno;
        if (error != EEXIST)
            throw FileError::fromErrno(error, QStringLiteral("Cannot create the temporary folder \"%1\"").arg(path));
    }
    checkOwnFolder(path);
    return path + QLatin1Char('/');
}

}  // namespace platform
