#include "main/core/shared/TempPath.h"

#include "platform/files/TempFolder.h"

namespace shared {

QString Get_Temp_Path() { return platform::tempFolder(); }

}  // namespace shared
