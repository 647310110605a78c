#include "main/core/shared/Sound.h"

#include "platform/sound/Sound.h"
#include "platform/ui/Resources.h"

namespace shared {

QByteArray gWaveBuffer;

void Play_Sound_File(const QString& file, int flags)
{
    platform::sound::playFile(file, (flags & kSoundAsync) != 0);
}

int waveResourceFlags(std::optional<int> flags)
{
    return flags.value_or(kSoundNoDefault | kSoundMemory) | kSoundMemory;
}

void Play_Wave_Resource(const QString& name, std::optional<int> flags)
{
    const QByteArray wave = platform::ui::resource(QStringLiteral("WAVE"), name);
    if (wave.isEmpty()) return;
    gWaveBuffer = wave;
    platform::sound::playMemory(gWaveBuffer, (waveResourceFlags(flags) & kSoundAsync) != 0, name);
}

}  // namespace shared
