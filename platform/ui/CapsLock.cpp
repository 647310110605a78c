#include "platform/ui/CapsLock.h"

#include <QGuiApplication>

#if defined(DVL_HAVE_X11)
#include <QtGui/qguiapplication_platform.h>

#include <X11/XKBlib.h>
#endif

namespace platform::ui {

bool capsLockOn()
{
#if defined(DVL_HAVE_X11) && QT_CONFIG(xcb)
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    if (!display)
        return false;
    const Atom capsLock = XInternAtom(display, "Caps Lock", False);
    Bool on = False;
    if (!XkbGetNamedIndicator(display, capsLock, nullptr, &on, nullptr, nullptr))
        return false;
    return on == True;
#else
    return false;
#endif
}

}  // namespace platform::ui
