#pragma once

#include "platform/files/FileError.h"

#include <QFile>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace filetest {

// Permission bits of path itself (a link is not followed); 0 when missing.
inline mode_t modeOf(const QString& path)
{
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? (info.st_mode & 07777) : 0;
}

inline void setMode(const QString& path, mode_t mode) { ::chmod(QFile::encodeName(path).constData(), mode); }

// The FileError fn throws; fails the test when it throws none.
template <typename Fn>
platform::FileError thrownBy(Fn&& fn)
{
    try {
        fn();
    } catch (const platform::FileError& e) {
        return e;
    }
    ADD_FAILURE() << "no FileError was thrown";
    return platform::FileError(platform::FileErrorKind::Other, "none");
}

}  // namespace filetest
