#include "main/core/shared/Online.h"

#include "platform/net/Connectivity.h"
#include "platform/net/Download.h"

#include <QCoreApplication>

namespace shared {

bool Is_Connected() { return platform::isConnected(); }

bool Download_File(const QString& url, const QString& file)
{
    QCoreApplication::processEvents();
    return platform::downloadFile(url, file);
}

}  // namespace shared
