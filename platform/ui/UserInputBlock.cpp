#include "platform/ui/UserInputBlock.h"

#include <QCoreApplication>
#include <QEvent>

namespace platform::ui {

namespace {

bool isUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::TabletMove: return true;
    default: return false;
    }
}

}  // namespace

UserInputBlock::UserInputBlock()
{
    if (QCoreApplication::instance()) QCoreApplication::instance()->installEventFilter(this);
}

UserInputBlock::~UserInputBlock()
{
    // Event loops that exclude user input keep it queued; it comes out here.
    if (QCoreApplication::instance()) QCoreApplication::processEvents();
}

bool UserInputBlock::eventFilter(QObject* watched, QEvent* event)
{
    if (isUserInput(event->type())) return true;
    return QObject::eventFilter(watched, event);
}

}  // namespace platform::ui
