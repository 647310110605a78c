#include "platform/ui/ScreenCentre.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace platform::ui {

namespace {

const QString kKeeperName = QStringLiteral("dvl-centring");

// Keeps a window centred until its frame is known. The window manager frames
// a window only after it is mapped, so the first placement can only go by the
// client size; the frame's arrival shows as a move whose frame size changed.
class CentreKeeper : public QObject {
public:
    explicit CentreKeeper(QWidget& form) : QObject(&form), form_(form)
    {
        setObjectName(kKeeperName);
        form.installEventFilter(this);
    }

    void place()
    {
        QScreen* screen = form_.screen() ? form_.screen() : QGuiApplication::primaryScreen();
        if (!screen) return;
        const QRect area = screen->availableGeometry();
        size_ = currentSize();
        placing_ = true;
        form_.move(area.topLeft() + centredTopLeft(area.size(), size_));
        placing_ = false;
        if (form_.isVisible() && form_.frameGeometry() != form_.geometry()) deleteLater();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != &form_ || placing_) return false;
        const QEvent::Type type = event->type();
        // A show places it on its final size; a new size, or the frame arriving, places it again.
        if (type == QEvent::Show || ((type == QEvent::Resize || type == QEvent::Move) && currentSize() != size_))
            place();
        return false;
    }

private:
    // A window never shown has no frame yet; its client size stands for it.
    QSize currentSize() const { return form_.isVisible() ? form_.frameGeometry().size() : form_.size(); }

    QWidget& form_;
    QSize size_;  // the size it was last centred on
    bool placing_ = false;
};

}  // namespace

QPoint centredTopLeft(const QSize& screen, const QSize& form)
{
    // Integer division rounds towards zero, also for a window larger than the screen.
    return QPoint((screen.width() - form.width()) / 2, (screen.height() - form.height()) / 2);
}

void centreOnScreen(QWidget& form)
{
    delete form.findChild<QObject*>(kKeeperName, Qt::FindDirectChildrenOnly);
    auto* keeper = new CentreKeeper(form);
    keeper->place();
}

}  // namespace platform::ui
