#include "main/core/shared/AppFolder.h"

#include <QCoreApplication>

namespace shared {

QString App_Folder()
{
    const QString folder = QCoreApplication::applicationDirPath();
    return folder.endsWith('/') ? folder : folder + '/';
}

}  // namespace shared
