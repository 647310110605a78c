#include "main/core/shared/Wait.h"

#include "platform/ui/Wait.h"

namespace shared {

void Wait(int seconds) { platform::ui::waitSeconds(seconds); }

}  // namespace shared
