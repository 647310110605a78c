#include "main/core/shared/ProgramStart.h"

#include "platform/settings/Settings.h"
#include "platform/sound/Sound.h"
#include "platform/ui/Application.h"
#include "platform/ui/EndProgram.h"

namespace shared {

void initProgram(QApplication& app)
{
    platform::ui::initApplication(app);
    platform::ui::addShutdownHook(platform::syncSettings);
    platform::ui::addShutdownHook(platform::sound::shutdown);
}

}  // namespace shared
