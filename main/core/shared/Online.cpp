#include "main/core/shared/Online.h"

#include "platform/net/Connectivity.h"
#include "platform/net/Download.h"
#include "platform/ui/UserInputBlock.h"

#include <QCoreApplication>

namespace shared {

bool Is_Connected() { return platform::isConnected(); }

bool Download_File(const QString& url, const QString& file, int timeoutMs)
{
    QCoreApplication::processEvents();
    const platform::ui::UserInputBlock block;
    return platform::downloadFile(url, file, timeoutMs);
}

}  // namespace shared
