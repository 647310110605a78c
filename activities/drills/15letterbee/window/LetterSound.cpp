#include "activities/drills/15letterbee/window/LetterSound.h"

#include "activities/drills/15letterbee/rules/LetterSounds.h"
#include "main/core/shared/Sound.h"
#include "platform/sound/Sound.h"
#include "platform/ui/Resources.h"

namespace letterbee {

namespace {

QByteArray letterRecording(const QString& letterName, const QString& language)
{
    return platform::ui::resource(letterSoundType(language), letterResourceName(letterName));
}

}  // namespace

void Play_Letter_Sound(const QString& letterName, const QString& language, int flags)
{
    const QByteArray wave = letterRecording(letterName, language);
    if (wave.isEmpty())
        return;
    // The player keeps its own reference to the bytes while they play.
    platform::sound::playMemory(wave, (flags & shared::kSoundAsync) != 0,
                                letterSoundType(language) + QLatin1Char('/') + letterName);
}

bool hasLetterSound(const QString& letterName, const QString& language)
{
    return !letterRecording(letterName, language).isEmpty();
}

}  // namespace letterbee
