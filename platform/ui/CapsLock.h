#pragma once

namespace platform::ui {

// Whether Caps Lock is on: the keyboard's Caps Lock indicator when the program
// runs on X11 (xcb); false on any other window system.
bool capsLockOn();

}  // namespace platform::ui
