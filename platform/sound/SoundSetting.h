#pragma once

#include <QString>

namespace platform::sound {

// Where requests go, as the environment variable DVL_SOUND says.
struct SoundSetting {
    enum class Output { Device, None, Record };

    Output output = Output::Device;
    QString recordFile;  // for Record
};

SoundSetting parseSoundSetting(const QString& value);
SoundSetting soundSettingFromEnvironment();

}  // namespace platform::sound
