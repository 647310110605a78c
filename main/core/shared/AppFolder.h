#pragma once

#include <QString>

namespace shared {

// The folder of the running program, ending in "/".
QString App_Folder();

}  // namespace shared
