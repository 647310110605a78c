#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

enum class Overwrite { No, Yes };

// Copies one file. The copy is written to a hidden temporary file beside the
// target and renamed into place, so a half-written target never appears; it is
// owner-writable even when the source is read-only. Unless overwrite is Yes an
// existing target is never replaced (FileError Exists). Throws FileError.
void copyFile(const QString& from, const QString& to, Overwrite overwrite = Overwrite::No);

// Writes bytes to a new hidden file beside path and renames it over path, so a
// reader never meets a half-written file. The new file is created exclusively
// (never through a planted link) and only its owner may read or write it.
// Throws FileError, leaving no temporary file behind.
void writeFileAtomically(const QString& path, const QByteArray& bytes);

// Copies a folder and everything in it to `to`, which must not exist yet. The
// copy is built in a temporary sibling folder and renamed into place when
// complete; copied files and folders are owner-writable; links are copied as
// links. A leftover sibling of a copy killed earlier never blocks this one.
// Throws FileError, leaving nothing behind.
void copyFolder(const QString& from, const QString& to);

}  // namespace platform
