#pragma once

#include <QString>

namespace shared {

// True when path names an existing file (not a folder); "*" and "?" are plain
// characters of the name.
bool File_Exists(const QString& path);

}  // namespace shared
