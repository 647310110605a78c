#include "platform/ui/TerminationSignals.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace platform::ui {
namespace {

// Written by the signal handler, read on the GUI thread.
int gSignalPipe[2] = {-1, -1};

void onSignalDelivered(int)
{
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(gSignalPipe[1], &byte, 1);
    errno = saved;
}

std::function<void()>& callback()
{
    static std::function<void()> function;
    return function;
}

bool openPipe()
{
    if (gSignalPipe[0] >= 0)
        return true;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, gSignalPipe) != 0)
        return false;
    auto* notifier = new QSocketNotifier(gSignalPipe[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] {
        char bytes[64];
        ssize_t count = 0;
        while ((count = ::read(gSignalPipe[0], bytes, sizeof bytes)) > 0) {
            for (ssize_t i = 0; i < count; ++i) {
                if (const std::function<void()> function = callback())
                    function();
            }
        }
    });
    return true;
}

}  // namespace

bool handleTerminationSignals(std::function<void()> onSignal)
{
    if (!QCoreApplication::instance() || !openPipe())
        return false;
    callback() = std::move(onSignal);
    struct sigaction action{};
    action.sa_handler = onSignalDelivered;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    return ::sigaction(SIGTERM, &action, nullptr) == 0 && ::sigaction(SIGINT, &action, nullptr) == 0;
}

}  // namespace platform::ui
