#include "platform/files/Paths.h"

#include "platform/files/FileError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

bool fileExists(const QString& path)
{
    struct stat info {};
    return !path.isEmpty() && ::stat(QFile::encodeName(path).constData(), &info) == 0 && S_ISREG(info.st_mode);
}

bool folderIsWritable(const QString& folder)
{
    QByteArray scratch = QFile::encodeName(QDir::cleanPath(folder) + QStringLiteral("/.dvl-write-test-XXXXXX"));
    const int fd = ::mkostemp(scratch.data(), O_CLOEXEC);
    if (fd < 0) return false;
    static const char kLine[] = "\"Test\"\r\n";
    const bool written = ::write(fd, kLine, sizeof kLine - 1) == static_cast<ssize_t>(sizeof kLine - 1);
    const bool closed = ::close(fd) == 0;
    const bool deleted = ::unlink(scratch.constData()) == 0;
    return written && closed && deleted;
}

bool createFolder(const QString& path)
{
    const QString action = QStringLiteral("Cannot create the folder \"%1\"").arg(path);
    const QByteArray native = QFile::encodeName(path);
    if (::mkdir(native.constData(), 0777) != 0) {
        const int error = errno;
        if (error == EEXIST && QFileInfo(path).isDir()) return false;
        if (error == EEXIST)
            throw FileError(FileErrorKind::Exists, action + QStringLiteral(": a file of that name is in the way"));
        throw FileError::fromErrno(error, action);
    }
    struct stat info {};
    if (::stat(native.constData(), &info) == 0 && (info.st_mode & S_IRWXU) != S_IRWXU)
        ::chmod(native.constData(), (info.st_mode & 07777) | S_IRWXU);
    return true;
}

bool isSafeFileName(const QString& name)
{
    if (name == QLatin1String(".") || name == QLatin1String("..")) return false;
    static const QString unsafe = QStringLiteral("/\\:*?\"<>|");
    for (const QChar c : name)
        if (unsafe.contains(c) || c.category() == QChar::Other_Control) return false;
    return true;
}

QString withTrailingSlash(const QString& folder)
{
    return folder.endsWith('/') ? folder : folder + '/';
}

}  // namespace platform
