#pragma once

#include "platform/sound/SoundRequest.h"

#include <QByteArray>
#include <QString>

#include <chrono>

// One voice per process: every play request stops the sound that is playing.
//
// Output is chosen by the environment variable DVL_SOUND, read at each request:
//   unset, empty or "sdl"  the audio device through SDL2
//   "none"                 nothing is played
//   "record:<file>"        one line per request is appended to <file>, nothing is played
// An installed sink (setSink) takes every request instead of any of these.
//
// Record line format (UTF-8, fields separated by one TAB, line ends with LF):
//   file<TAB><path><TAB>async|sync
//   memory<TAB><size>B<TAB><name><TAB>async|sync
// <size> is the WAV image's length in bytes; <name> is the resource name given
// to playMemory, or "sha1:" and the first 8 hex digits of the image's SHA-1 when
// no name was given. In <path> and <name> a backslash is written "\\", a TAB "\t",
// a line feed "\n" and a carriage return "\r".
//
// Playing never reports a failure: a missing file, data that is not a WAV image,
// audio that cannot start or no audio device all play nothing and return at once.
namespace platform::sound {

// A synchronous sound blocks at most this long.
inline constexpr std::chrono::milliseconds kSyncWaitCap{30000};

// Plays a WAV file. async returns at once; otherwise the call blocks the thread
// (no window events are handled) until the sound has ended. When recording, a
// synchronous request returns at once.
void playFile(const QString& path, bool async);

// Plays a WAV image held in memory. The player keeps its own reference to the
// bytes while they play, so the caller may drop or replace its buffer at once.
// name is only written to the record (for example the resource name).
void playMemory(const QByteArray& wav, bool async, const QString& name = {});

// Stops the sound that is playing, if any.
void stop();

// Stops sound and closes the audio device; the end-of-program path calls it.
// A later request opens the device again.
void shutdown();

// Sound still waiting in the audio device's queue, in milliseconds (0 when
// nothing plays or no device is open).
std::chrono::milliseconds remaining();

// Routes every request to sink instead of the output (an empty sink restores it).
void setSink(SoundSink sink);

}  // namespace platform::sound
