#pragma once

namespace ticker {

// The slide-in link menu's rules: a panel parked off the window's left edge
// with a strip showing, that slides out in steps while the pointer is over it
// and back when the pointer moves to the rest of the window; its entries and
// the web address underline under the pointer. Positions are in twips. The
// window's show and hide timers call showStep() and hideStep() while
// showing() or hiding() say they run.
class SlideMenu {
public:
    static constexpr int kStepTwips = 250;
    static constexpr int kVisibleTwips = 100;  // what stays in the window when parked
    static constexpr int kTimerMs = 2;
    static constexpr int kNoEntry = -1;

    explicit SlideMenu(int widthTwips);

    // Start-up: parked with kVisibleTwips showing.
    void park();
    int leftTwips() const { return left_; }
    int parkedLeftTwips() const { return kVisibleTwips - width_; }

    void startShowing();
    void startHiding();
    bool showing() const { return showing_; }
    bool hiding() const { return hiding_; }
    void showStep();
    void hideStep();

    // The pointer over the panel itself: no entry underlined, and it slides out.
    void pointerOverPanel();
    // The pointer over entry i: it alone is underlined.
    void pointerOverEntry(int index) { underlinedEntry_ = index; }
    // The pointer over the web address: it is underlined.
    void pointerOverAddress() { addressUnderlined_ = true; }

    int underlinedEntry() const { return underlinedEntry_; }
    bool addressUnderlined() const { return addressUnderlined_; }

private:
    int width_;
    int left_ = 0;
    bool showing_ = false;
    bool hiding_ = false;
    int underlinedEntry_ = kNoEntry;
    bool addressUnderlined_ = false;
};

}  // namespace ticker
