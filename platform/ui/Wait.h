#pragma once

#include <QtGlobal>

namespace platform::ui {

// Waits about `seconds` while window events keep running: timers fire, clicks and
// paints are handled, and the thread sleeps while nothing happens.
//
// The start is the time of day rounded to the nearest whole second (halves to
// even), so a wait lasts from seconds - 0.5 to seconds + 0.5. The rounding is taken
// from the time of day once; the time itself is measured on the monotonic clock,
// so midnight or a change of the system time makes no difference. Ends early when
// the program's event loops are being left.
void waitSeconds(int seconds);

// How long waitSeconds(seconds) lasts when started at msOfDay milliseconds after
// midnight; never negative.
qint64 waitDurationMs(int seconds, int msOfDay);

}  // namespace platform::ui
