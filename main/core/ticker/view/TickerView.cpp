#include "main/core/ticker/view/TickerView.h"

#include "platform/ui/Colors.h"
#include "platform/ui/LabelLook.h"
#include "platform/ui/PlainLabel.h"
#include "platform/ui/Twips.h"

#include <QLabel>
#include <QMouseEvent>

namespace ticker {

using platform::ui::setTextColour;
using platform::ui::setUnderlined;

namespace {

const QColor kPressedColour = platform::ui::colorFromNumber(0x0000FF);   // red
const QColor kReleasedColour = platform::ui::colorFromNumber(0xFF0000);  // blue

}  // namespace

TickerView::TickerView(QWidget* panel, QLabel* label, platform::RandomSource random, Actions actions,
                       QObject* parent)
    : QObject(parent),
      panel_(panel),
      label_(label),
      ticker_(std::move(random), platform::ui::pixelsToTwipsY(panel->height())),
      actions_(std::move(actions)),
      timer1_(MessageTicker::kStepMs, false)
{
    timer1_.setObjectName("Timer1");
    timer2_.setObjectName("Timer2");
    connect(&timer1_, &platform::ui::Timer::timeout, this, [this] { Timer1_Timer(); });
    connect(&timer2_, &platform::ui::Timer::timeout, this, [this] { Timer2_Timer(); });
    label_->setMouseTracking(true);
    label_->installEventFilter(this);
}

void TickerView::showWelcome(const QString& line)
{
    ticker_.showWelcome(line);
    drawText();
}

void TickerView::start()
{
    ticker_.start();
    setTimers();
}

void TickerView::Timer1_Timer()
{
    const MessageTicker::Step step = ticker_.step();
    panel_->resize(panel_->width(), platform::ui::twipsToPixelsY(ticker_.heightTwips()));
    // The panel's tag tells its state: "GOUP" open or closing, "GODOWN" opening.
    panel_->setProperty("Tag", ticker_.phase() == MessageTicker::Phase::Closing ? QStringLiteral("GOUP")
                                                                                : QStringLiteral("GODOWN"));
    if (step == MessageTicker::Step::TextChanged) {
        // The hold timer is off while the panel opens; its new interval waits for it.
        timer2_.setEnabled(false);
        timer2_.setInterval(ticker_.holdMs());
        drawText();
        setTextColour(label_, platform::ui::qbColor(ticker_.colourIndex()));
    }
    setTimers();
}

void TickerView::Timer2_Timer()
{
    ticker_.holdEnded();
    setTimers();
}

void TickerView::setTimers()
{
    timer1_.setEnabled(ticker_.stepTimerOn());
    timer2_.setEnabled(ticker_.holdTimerOn());
}

void TickerView::drawText()
{
    const TickerText& shown = ticker_.shown();
    label_->setText(shown.text);
    label_->setAccessibleName(shown.text);
    label_->setProperty("Tag", shown.link);
    platform::ui::setFontPoints(label_, ticker_.fontPoints());
    // The pointer may rest on the label while its text changes.
    if (!linked()) {
        setUnderlined(label_, false);
        label_->unsetCursor();
    }
}

void TickerView::removeUnderline() { setUnderlined(label_, false); }

void TickerView::lblMsg_MouseMove()
{
    if (actions_.startHidingMenu) actions_.startHidingMenu();
    if (linked()) {
        setUnderlined(label_, true);
        label_->setCursor(Qt::PointingHandCursor);
    } else {
        label_->unsetCursor();
    }
}

bool TickerView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != label_) return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseMove:
        lblMsg_MouseMove();
        return true;
    case QEvent::MouseButtonPress:
        pressed_ = true;
        if (linked()) setTextColour(label_, kPressedColour);
        return true;
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const bool click = pressed_ && mouse->button() == Qt::LeftButton && label_->rect().contains(mouse->position().toPoint());
        pressed_ = false;
        if (!linked()) return true;
        setTextColour(label_, kReleasedColour);
        if (click) {
            if (actions_.playClick) actions_.playClick();
            if (actions_.openWebPage) actions_.openWebPage(ticker_.shown().link);
        }
        return true;
    }
    default: return QObject::eventFilter(watched, event);
    }
}

}  // namespace ticker
