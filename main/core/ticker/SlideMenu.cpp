#include "main/core/ticker/SlideMenu.h"

namespace ticker {

namespace {

// Open, the panel's left edge stops once it is this far left of the window or less.
constexpr int kShownLeftTwips = -100;

}  // namespace

SlideMenu::SlideMenu(int widthTwips) : width_(widthTwips) {}

void SlideMenu::park() { left_ = parkedLeftTwips(); }

void SlideMenu::startShowing()
{
    showing_ = true;
    hiding_ = false;
}

void SlideMenu::startHiding()
{
    hiding_ = true;
    showing_ = false;
}

void SlideMenu::showStep()
{
    if (left_ < kShownLeftTwips)
        left_ += kStepTwips;
    else
        showing_ = false;
}

void SlideMenu::hideStep()
{
    if (left_ > parkedLeftTwips())
        left_ -= kStepTwips;
    else
        hiding_ = false;
}

void SlideMenu::pointerOverPanel()
{
    underlinedEntry_ = kNoEntry;
    addressUnderlined_ = false;
    startShowing();
}

}  // namespace ticker
