#include "activities/framework/windows/EarlyKeyGuard.h"

#include "platform/ui/Clock.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace activity {

EarlyKeyGuard::EarlyKeyGuard(QWidget& window) : QObject(&window), window_(window)
{
    // Keys go to the control that has the focus, so the guard watches them on
    // their way to any widget of the window.
    qApp->installEventFilter(this);
}

EarlyKeyGuard::~EarlyKeyGuard() { qApp->removeEventFilter(this); }

bool EarlyKeyGuard::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::Show && type != QEvent::KeyPress && type != QEvent::KeyRelease) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != &window_) return false;
    const qint64 now = platform::ui::activeClock().monotonicMs();
    if (type == QEvent::Show) {
        if (widget == &window_) {
            shownAtMs_ = now;
            heldBack_.clear();
            releasedAt_.clear();
        }
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    const int code = key->key();
    if (type == QEvent::KeyRelease) {
        if (key->isAutoRepeat()) return true;
        releasedAt_.insert(code, now);
        return heldBack_.remove(code);
    }
    // The window system marks most repeats of a held key, but now and then it
    // passes one on as a release and a press; no finger is that quick.
    const auto released = releasedAt_.constFind(code);
    const bool repeat = key->isAutoRepeat() || (released != releasedAt_.cend() && now - *released < kRepeatGapMs);
    if (repeat || now - shownAtMs_ < kSettleMs) {
        heldBack_.insert(code);
        return true;
    }
    return false;
}

}  // namespace activity
