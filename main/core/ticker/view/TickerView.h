#pragma once

#include "main/core/ticker/MessageTicker.h"
#include "platform/ui/Timer.h"

#include <QObject>

#include <functional>

class QLabel;
class QWidget;

namespace ticker {

// The message ticker on the main window: the panel and its label drawn from the
// rules, the step timer Timer1 and the hold timer Timer2, and the label's
// pointer effects. A linked text is underlined under the pointer and shows a
// hand; a click plays the click sound and opens its page.
class TickerView : public QObject {
    Q_OBJECT

public:
    struct Actions {
        std::function<void()> startHidingMenu;
        std::function<void(const QString& page)> openWebPage;
        std::function<void()> playClick;
    };

    // panel holds label; both stay the window's.
    TickerView(QWidget* panel, QLabel* label, platform::RandomSource random, Actions actions,
               QObject* parent = nullptr);

    MessageTicker& rules() { return ticker_; }
    const MessageTicker& rules() const { return ticker_; }

    // The welcome line of a sign-in, at its font size, without a link.
    void showWelcome(const QString& line);
    // Sets the ticker going; a running ticker goes on where it is.
    void start();
    // The pointer left the label for the window around it.
    void removeUnderline();

    platform::ui::Timer* Timer1() { return &timer1_; }
    platform::ui::Timer* Timer2() { return &timer2_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Timer1_Timer();
    void Timer2_Timer();
    void lblMsg_MouseMove();
    void drawText();
    void setTimers();
    bool linked() const { return !ticker_.shown().link.isEmpty(); }

    QWidget* panel_;
    QLabel* label_;
    MessageTicker ticker_;
    Actions actions_;
    platform::ui::Timer timer1_;
    platform::ui::Timer timer2_;
    bool pressed_ = false;
};

}  // namespace ticker
