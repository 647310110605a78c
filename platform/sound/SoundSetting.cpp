#include "platform/sound/SoundSetting.h"

#include <QtGlobal>

namespace platform::sound {

SoundSetting parseSoundSetting(const QString& value)
{
    static const QString recordPrefix = QStringLiteral("record:");
    if (value == QLatin1String("none"))
        return {SoundSetting::Output::None, {}};
    if (value.startsWith(recordPrefix)) {
        const QString file = value.mid(recordPrefix.size());
        // A record request without a file has nowhere to go: play nothing rather than sound out loud.
        if (file.isEmpty())
            return {SoundSetting::Output::None, {}};
        return {SoundSetting::Output::Record, file};
    }
    return {SoundSetting::Output::Device, {}};
}

SoundSetting soundSettingFromEnvironment()
{
    return parseSoundSetting(qEnvironmentVariable("DVL_SOUND"));
}

}  // namespace platform::sound
