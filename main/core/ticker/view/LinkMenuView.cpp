#include "main/core/ticker/view/LinkMenuView.h"

#include "platform/ui/LabelLook.h"
#include "platform/ui/Twips.h"

#include <QLabel>
#include <QMouseEvent>

namespace ticker {

using platform::ui::setTextColour;
using platform::ui::setUnderlined;

namespace {

const QColor kEntryColour = Qt::white;
const QColor kPressedEntryColour = Qt::black;

}  // namespace

LinkMenuView::LinkMenuView(QWidget* panel, QLabel* address, Actions actions, QObject* parent)
    : QObject(parent),
      panel_(panel),
      address_(address),
      actions_(std::move(actions)),
      menu_(platform::ui::pixelsToTwipsX(panel->width())),
      showTimer_(SlideMenu::kTimerMs, false),
      hideTimer_(SlideMenu::kTimerMs, false)
{
    showTimer_.setObjectName("TimShowMenu");
    hideTimer_.setObjectName("TimHideMenu");
    connect(&showTimer_, &platform::ui::Timer::timeout, this, [this] {
        menu_.showStep();
        draw();
    });
    connect(&hideTimer_, &platform::ui::Timer::timeout, this, [this] {
        menu_.hideStep();
        draw();
    });
    for (QWidget* watched : {panel_, static_cast<QWidget*>(address_)}) {
        watched->setMouseTracking(true);
        watched->installEventFilter(this);
    }
    setTextColour(address_, kEntryColour);
    address_->setCursor(Qt::PointingHandCursor);
    park();
}

void LinkMenuView::addEntry(int index, QLabel* label)
{
    entries_[index] = label;
    label->setMouseTracking(true);
    label->installEventFilter(this);
    setTextColour(label, kEntryColour);
}

void LinkMenuView::park()
{
    menu_.park();
    draw();
}

void LinkMenuView::startHiding()
{
    menu_.startHiding();
    draw();
}

void LinkMenuView::draw()
{
    panel_->move(platform::ui::twipsToPixelsX(menu_.leftTwips()), panel_->y());
    for (const auto& [index, label] : entries_) setUnderlined(label, index == menu_.underlinedEntry());
    setUnderlined(address_, menu_.addressUnderlined());
    showTimer_.setEnabled(menu_.showing());
    hideTimer_.setEnabled(menu_.hiding());
}

bool LinkMenuView::isClick(QEvent* event, const QWidget* on)
{
    const auto* mouse = static_cast<QMouseEvent*>(event);
    return mouse->button() == Qt::LeftButton && on->rect().contains(mouse->position().toPoint());
}

bool LinkMenuView::entryEvent(int index, QLabel* label, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseMove:
        menu_.pointerOverEntry(index);
        draw();
        return true;
    case QEvent::MouseButtonPress: setTextColour(label, kPressedEntryColour); return true;
    case QEvent::MouseButtonRelease:
        setTextColour(label, kEntryColour);
        if (isClick(event, label)) {
            if (actions_.playClick) actions_.playClick();
            if (actions_.openWebPage) actions_.openWebPage(label->property("Tag").toString());
        }
        return true;
    default: return false;
    }
}

bool LinkMenuView::addressEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseMove:
        menu_.pointerOverAddress();
        draw();
        return true;
    case QEvent::MouseButtonPress: return true;
    case QEvent::MouseButtonRelease:
        if (isClick(event, address_)) {
            if (actions_.playClick) actions_.playClick();
            if (actions_.openAddress) actions_.openAddress(address_->text());
        }
        return true;
    default: return false;
    }
}

bool LinkMenuView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == address_) return addressEvent(event) || QObject::eventFilter(watched, event);
    for (const auto& [index, label] : entries_)
        if (watched == label) return entryEvent(index, label, event) || QObject::eventFilter(watched, event);
    if (watched == panel_ && event->type() == QEvent::MouseMove) {
        menu_.pointerOverPanel();
        draw();
        return true;  // the window behind must not take it for a move over itself
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace ticker
