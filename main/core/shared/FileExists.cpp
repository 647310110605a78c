#include "main/core/shared/FileExists.h"

#include "platform/files/Paths.h"

namespace shared {

bool File_Exists(const QString& path) { return platform::fileExists(path); }

}  // namespace shared
