#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace shared {

// Sound flags as the programs pass them: bit 1 plays asynchronously (the call
// returns at once), without it the call returns when the sound has ended; bit 4
// marks a WAV image in memory; bit 2 asks for no fallback sound.
inline constexpr int kSoundSync = 0;
inline constexpr int kSoundAsync = 1;
inline constexpr int kSoundNoDefault = 2;
inline constexpr int kSoundMemory = 4;

// The WAVE resource most recently loaded by Play_Wave_Resource. The player holds
// its own reference to the bytes while they play, so replacing this buffer never
// cuts a sound short or frees bytes that are still being played.
extern QByteArray gWaveBuffer;

// Plays a WAV file; a missing or unplayable file plays nothing and reports nothing.
void Play_Sound_File(const QString& file, int flags);

// The flags a resource is played with: 6 when none are given, and always with the
// memory bit (so 1 plays as 5 and 0 as 4).
int waveResourceFlags(std::optional<int> flags);

// Plays the program's own WAVE resource `name` (letter case ignored: "click" finds
// CLICK). An unknown name plays nothing.
void Play_Wave_Resource(const QString& name, std::optional<int> flags = std::nullopt);

}  // namespace shared
