#pragma once

#include <QByteArray>

#include <SDL.h>

#include <chrono>
#include <optional>

namespace platform::sound {

// The sample layout of an audio device.
struct PcmFormat {
    int frequency = 44100;
    SDL_AudioFormat format = AUDIO_S16SYS;
    int channels = 2;

    int bytesPerFrame() const { return SDL_AUDIO_BITSIZE(format) / 8 * channels; }
    // How long that many frames play, rounded up to whole milliseconds.
    std::chrono::milliseconds duration(qint64 frames) const
    {
        return std::chrono::milliseconds((frames * 1000 + frequency - 1) / frequency);
    }
};

// A sound decoded and converted to one device format, ready to queue.
struct PcmClip {
    QByteArray samples;
    std::chrono::milliseconds duration{0};  // from the converted frame count, rounded up
};

// Decodes a WAV image (any encoding SDL reads) and converts it to target.
// Nothing when the bytes are not a WAV image SDL can read.
std::optional<PcmClip> convertWav(const QByteArray& wav, const PcmFormat& target);

}  // namespace platform::sound
