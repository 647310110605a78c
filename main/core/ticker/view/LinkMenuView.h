#pragma once

#include "main/core/ticker/SlideMenu.h"
#include "platform/ui/Timer.h"

#include <QObject>

#include <functional>
#include <map>

class QLabel;
class QWidget;

namespace ticker {

// The slide-in link menu on the main window: the panel moved by its show and
// hide timers (TimShowMenu, TimHideMenu) as the rules say, its entries (label
// "Tag" = the page they open) and the web address label, with their hover and
// press effects.
class LinkMenuView : public QObject {
    Q_OBJECT

public:
    struct Actions {
        std::function<void(const QString& page)> openWebPage;  // an entry's page
        std::function<void(const QString& address)> openAddress;  // the web address, directly
        std::function<void()> playClick;
    };

    // panel holds address; both stay the window's. The panel is parked at once.
    LinkMenuView(QWidget* panel, QLabel* address, Actions actions, QObject* parent = nullptr);

    SlideMenu& rules() { return menu_; }
    const SlideMenu& rules() const { return menu_; }

    // Entry index of the menu, a label on the panel.
    void addEntry(int index, QLabel* label);
    // Back to the parked place at once (start-up).
    void park();
    // The pointer moved over the rest of the window.
    void startHiding();

    platform::ui::Timer* TimShowMenu() { return &showTimer_; }
    platform::ui::Timer* TimHideMenu() { return &hideTimer_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void draw();
    bool entryEvent(int index, QLabel* label, QEvent* event);
    bool addressEvent(QEvent* event);
    static bool isClick(QEvent* event, const QWidget* on);

    QWidget* panel_;
    QLabel* address_;
    Actions actions_;
    SlideMenu menu_;
    std::map<int, QLabel*> entries_;
    platform::ui::Timer showTimer_;
    platform::ui::Timer hideTimer_;
};

}  // namespace ticker
