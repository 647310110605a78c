#pragma once

namespace shared {

// Waits about `seconds` (from seconds - 0.5 to seconds + 0.5, counted from the
// time of day rounded to a whole second) while window events keep running, so
// timers fire and clicks are handled. Midnight makes no difference.
void Wait(int seconds);

}  // namespace shared
