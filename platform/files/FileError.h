#pragma once

#include <QString>

#include <stdexcept>

namespace platform {

enum class FileErrorKind {
    Exists,      // the target is already there and is never replaced
    NotFound,    // the source or a folder on the way is missing
    Permission,  // this user may not read or write there (or the disk is read-only)
    NotSafe,     // a private folder that is a link, or another user's, or not a folder
    Other,
};

// A failed file operation; the message says what failed, on which paths, and why.
class FileError : public std::runtime_error {
public:
    FileError(FileErrorKind kind, const QString& message);
    FileErrorKind kind() const { return kind_; }
    QString text() const { return QString::fromUtf8(what()); }

    // The error for errno `error` while doing `action` (e.g. "Cannot copy "a" to "b"").
    static FileError fromErrno(int error, const QString& action);

private:
    FileErrorKind kind_;
};

}  // namespace platform
