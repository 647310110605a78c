#include "platform/net/Browser.h"

#include <QDesktopServices>

namespace platform {

namespace {

bool openReally(const QUrl& url) { return QDesktopServices::openUrl(url); }

std::function<bool(const QUrl&)>& currentOpener()
{
    static std::function<bool(const QUrl&)> opener = openReally;
    return opener;
}

}  // namespace

bool openUrl(const QUrl& url) { return currentOpener()(url); }

void setUrlOpener(std::function<bool(const QUrl&)> opener)
{
    currentOpener() = opener ? std::move(opener) : std::function<bool(const QUrl&)>(openReally);
}

}  // namespace platform
