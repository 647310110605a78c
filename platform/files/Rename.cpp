#include "platform/files/Rename.h"

#include "platform/files/FileError.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// For filesystems without RENAME_NOREPLACE: a hard link fails on an existing
// name, so link + unlink never replaces a file. Folders cannot be linked; for
// them the check and the rename are two steps.
int renameByLink(const char* from, const char* to)
{
    struct stat info {};
    if (::lstat(from, &info) != 0) return errno;
    if (S_ISDIR(info.st_mode)) {
        if (::lstat(to, &info) == 0) return EEXIST;
        return ::rename(from, to) == 0 ? 0 : errno;
    }
    if (::link(from, to) != 0) return errno;
    ::unlink(from);
    return 0;
}

}  // namespace

void renameNoReplace(const QString& from, const QString& to)
{
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    int error = 0;
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) != 0) {
        error = errno;
        if (error == EINVAL || error == ENOSYS || error == EOPNOTSUPP)
            error = renameByLink(source.constData(), target.constData());
    }
    if (error != 0)
        throw FileError::fromErrno(error, QStringLiteral("Cannot rename \"%1\" to \"%2\"").arg(from, to));
}

}  // namespace platform
