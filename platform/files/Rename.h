#pragma once

#include <QString>

namespace platform {

// Renames a file or folder, refusing (FileError Exists) when `to` exists, even
// when it appears at the last moment. Both paths must be on one filesystem.
void renameNoReplace(const QString& from, const QString& to);

}  // namespace platform
