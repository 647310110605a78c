#pragma once

#include <QString>

namespace shared {

// The suite's private temporary folder of this user, ending in "/" (made when
// missing). Throws platform::FileError when the folder is not safe to use.
QString Get_Temp_Path();

}  // namespace shared
