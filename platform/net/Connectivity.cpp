#include "platform/net/Connectivity.h"

#include <QNetworkInformation>
#include <QNetworkInterface>

namespace platform {

namespace {

bool someInterfaceIsUp()
{
    for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
        const auto flags = interface.flags();
        if (flags.testFlag(QNetworkInterface::IsUp) && flags.testFlag(QNetworkInterface::IsRunning) &&
            !flags.testFlag(QNetworkInterface::IsLoopBack))
            return true;
    }
    return false;
}

bool checkReally()
{
    if (QNetworkInformation::instance() || QNetworkInformation::loadDefaultBackend()) {
        const auto reachability = QNetworkInformation::instance()->reachability();
        if (reachability != QNetworkInformation::Reachability::Unknown)
            return reachability == QNetworkInformation::Reachability::Online ||
                   reachability == QNetworkInformation::Reachability::Site;
    }
    return someInterfaceIsUp();
}

std::function<bool()>& currentCheck()
{
    static std::function<bool()> check = checkReally;
    return check;
}

}  // namespace

bool isConnected() { return currentCheck()(); }

void setConnectivityCheck(std::function<bool()> check)
{
    currentCheck() = check ? std::move(check) : std::function<bool()>(checkReally);
}

}  // namespace platform
