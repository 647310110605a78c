#include "platform/files/FileCopy.h"

#include "platform/files/FileError.h"
#include "platform/files/Rename.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace platform {

namespace {

// Closes its descriptor on every way out.
class Fd {
public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    ~Fd() { reset(); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    // Closes now; false when close reports a late write error.
    bool reset()
    {
        const bool ok = fd_ < 0 || ::close(fd_) == 0;
        fd_ = -1;
        return ok;
    }

private:
    int fd_;
};

QString quoted(const QString& path) { return QLatin1Char('"') + path + QLatin1Char('"'); }

// Opens a regular file to copy from; gives its mode bits.
int openSource(const QByteArray& from, const QString& action, mode_t& mode)
{
    const int fd = ::open(from.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) throw FileError::fromErrno(errno, action);
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        throw FileError(FileErrorKind::Other, action + QStringLiteral(": the source is not a file"));
    }
    mode = info.st_mode & 0777;
    return fd;
}

// Writes every byte, retrying writes cut short.
void writeAll(const Fd& target, const char* data, qsizetype size, const QString& action)
{
    for (qsizetype done = 0; done < size;) {
        const ssize_t put = ::write(target.get(), data + done, static_cast<size_t>(size - done));
        if (put < 0) {
            if (errno == EINTR) continue;
            throw FileError::fromErrno(errno, action);
        }
        done += put;
    }
}

// A new, empty, owner-only hidden file beside `target`, for writing before the rename.
Fd temporarySibling(const QString& target, QByteArray& temporary, const QString& action)
{
    const QFileInfo info(target);
    temporary = QFile::encodeName(info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".XXXXXX"));
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) throw FileError::fromErrno(errno, action);
    return Fd(fd);
}

// Copies every byte, then gives the copy the source's mode plus owner read and
// write, and makes it durable before it gets its real name.
void copyInto(int source, Fd& target, mode_t mode, const QString& action)
{
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t got = ::read(source, buffer, sizeof buffer);
        if (got == 0) break;
        if (got < 0) {
            if (errno == EINTR) continue;
            throw FileError::fromErrno(errno, action);
        }
        writeAll(target, buffer, got, action);
    }
    if (::fchmod(target.get(), mode | S_IRUSR | S_IWUSR) != 0 || ::fsync(target.get()) != 0)
        throw FileError::fromErrno(errno, action);
    if (!target.reset()) throw FileError::fromErrno(errno, action);
}

// Copies `from` into the new file `to`, which must not exist.
void copyToNewFile(const QByteArray& from, const QByteArray& to, const QString& action)
{
    mode_t mode = 0;
    Fd source(openSource(from, action, mode));
    Fd target(::open(to.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
    if (target.get() < 0) throw FileError::fromErrno(errno, action);
    copyInto(source.get(), target, mode, action);
}

void copyTree(const fs::path& from, const fs::path& to, const QString& action)
{
    for (const fs::directory_entry& entry : fs::directory_iterator(from)) {
        const fs::path target = to / entry.path().filename();
        const fs::file_status status = entry.symlink_status();
        if (fs::is_symlink(status)) {
            fs::copy_symlink(entry.path(), target);
        } else if (fs::is_directory(status)) {
            fs::create_directory(target);
            copyTree(entry.path(), target, action);
            fs::permissions(target, fs::status(entry.path()).permissions() | fs::perms::owner_all);
        } else if (fs::is_regular_file(status)) {
            copyToNewFile(QByteArray(entry.path().c_str()), QByteArray(target.c_str()), action);
        }
        // Sockets, pipes and devices are not content; they are left out.
    }
}

}  // namespace

void copyFile(const QString& from, const QString& to, Overwrite overwrite)
{
    const QString action = QStringLiteral("Cannot copy %1 to %2").arg(quoted(from), quoted(to));
    const QFileInfo target(to);
    if (target.isDir()) throw FileError(FileErrorKind::Exists, action + QStringLiteral(": the target is a folder"));
    if (overwrite == Overwrite::No && (target.exists() || target.isSymLink()))
        throw FileError(FileErrorKind::Exists, action + QStringLiteral(": the target already exists"));

    mode_t mode = 0;
    Fd source(openSource(QFile::encodeName(from), action, mode));
    QByteArray temporary;
    Fd copy = temporarySibling(to, temporary, action);
    try {
        copyInto(source.get(), copy, mode, action);
        if (overwrite == Overwrite::Yes) {
            if (::rename(temporary.constData(), QFile::encodeName(to).constData()) != 0)
                throw FileError::fromErrno(errno, action);
        } else {
            renameNoReplace(QFile::decodeName(temporary), to);
        }
    } catch (const FileError& e) {
        ::unlink(temporary.constData());
        if (e.kind() == FileErrorKind::Exists)
            throw FileError(FileErrorKind::Exists, action + QStringLiteral(": the target already exists"));
        throw;
    }
}

void writeFileAtomically(const QString& path, const QByteArray& bytes)
{
    const QString action = QStringLiteral("Cannot write %1").arg(quoted(path));
    QByteArray temporary;
    Fd file = temporarySibling(path, temporary, action);
    try {
        writeAll(file, bytes.constData(), bytes.size(), action);
        if (!file.reset()) throw FileError::fromErrno(errno, action);
        if (::rename(temporary.constData(), QFile::encodeName(path).constData()) != 0)
            throw FileError::fromErrno(errno, action);
    } catch (const FileError&) {
        ::unlink(temporary.constData());
        throw;
    }
}

void copyFolder(const QString& from, const QString& to)
{
    const QString action = QStringLiteral("Cannot copy the folder %1 to %2").arg(quoted(from), quoted(to));
    const QFileInfo source(from);
    if (!source.isDir()) throw FileError(FileErrorKind::NotFound, action + QStringLiteral(": no such folder"));
    const QFileInfo target(QDir::cleanPath(QFileInfo(to).absoluteFilePath()));
    if (target.exists() || target.isSymLink())
        throw FileError(FileErrorKind::Exists, action + QStringLiteral(": the target already exists"));

    // A unique sibling per copy: one left by a copy that was killed is never reused.
    QByteArray building = QFile::encodeName(target.absolutePath() + QStringLiteral("/.") + target.fileName() +
                                            QStringLiteral(".copy-XXXXXX"));
    if (!::mkdtemp(building.data())) throw FileError::fromErrno(errno, action);
    const fs::path buildingPath(building.constData());
    const auto removeBuilding = [&] {
        std::error_code ignored;
        fs::remove_all(buildingPath, ignored);
    };
    try {
        copyTree(fs::path(QFile::encodeName(source.absoluteFilePath()).constData()), buildingPath, action);
        fs::permissions(buildingPath, fs::status(QFile::encodeName(source.absoluteFilePath()).constData()).permissions() |
                                          fs::perms::owner_all);
        renameNoReplace(QFile::decodeName(building), target.absoluteFilePath());
    } catch (const fs::filesystem_error& e) {
        removeBuilding();
        throw FileError::fromErrno(e.code().value(), action);
    } catch (const FileError& e) {
        removeBuilding();
        if (e.kind() == FileErrorKind::Exists)
            throw FileError(FileErrorKind::Exists, action + QStringLiteral(": the target already exists"));
        throw;
    }
}

}  // namespace platform
