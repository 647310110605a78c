#include "main/core/shared/AppFolder.h"

#include "platform/files/Paths.h"

#include <QCoreApplication>

namespace shared {

QString App_Folder()
{
    return platform::withTrailingSlash(QCoreApplication::applicationDirPath());
}

}  // namespace shared
