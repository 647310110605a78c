#include "activities/framework/studylist/AtomicFile.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace studylist {

namespace {

QString systemError(int code) { return QString::fromLocal8Bit(std::strerror(code)); }

bool writeAll(int fd, const QByteArray& bytes)
{
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(left));
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

}  // namespace

WriteResult writeFileAtomically(const QString& path, const QByteArray& bytes)
{
    const QString folder = QFileInfo(path).absolutePath();
    QByteArray scratch = QFile::encodeName(folder + QStringLiteral("/.dvl-write-XXXXXX"));
    const int fd = ::mkstemp(scratch.data());
    if (fd < 0)
        return {QStringLiteral("Cannot create a file in %1: %2").arg(folder, systemError(errno))};

    const bool written = writeAll(fd, bytes);
    const int writeErrno = errno;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed) {
        const int code = written ? errno : writeErrno;
        ::unlink(scratch.constData());
        return {QStringLiteral("Cannot write %1: %2").arg(path, systemError(code))};
    }
    if (std::rename(scratch.constData(), QFile::encodeName(path).constData()) != 0) {
        const int code = errno;
        ::unlink(scratch.constData());
        return {QStringLiteral("Cannot write %1: %2").arg(path, systemError(code))};
    }
    return {};
}

}  // namespace studylist
