// Prints the Caps Lock state three times: as found, after locking the Lock
// modifier, and after unlocking it again ("0 1 0" when the indicator is read).
// Run by the Caps Lock test on a private X server.
#include "platform/ui/CapsLock.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>

#include <X11/XKBlib.h>

#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->display())
        return 2;
    Display* display = x11->display();
    std::printf("%d", platform::ui::capsLockOn() ? 1 : 0);
    for (const unsigned int locked : {static_cast<unsigned int>(LockMask), 0u}) {
        XkbLockModifiers(display, XkbUseCoreKbd, LockMask, locked);
        XSync(display, False);
        std::printf(" %d", platform::ui::capsLockOn() ? 1 : 0);
    }
    std::printf("\n");
    return 0;
}
