#include "platform/net/Network.h"
namespace platform {
bool isConnected() { return false; }
bool downloadFile(const QString&, const QString&, int) { return false; }
bool openUrl(const QUrl&) { return false; }
}
