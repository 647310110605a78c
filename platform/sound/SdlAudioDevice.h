#pragma once

#include "platform/sound/WavClip.h"

#include <SDL.h>

#include <chrono>

namespace platform::sound {

// The process's one audio output: SDL audio started and the device opened on
// first use. When either fails the device stays unavailable (silent) until close().
class SdlAudioDevice {
public:
    SdlAudioDevice() = default;
    SdlAudioDevice(const SdlAudioDevice&) = delete;
    SdlAudioDevice& operator=(const SdlAudioDevice&) = delete;
    ~SdlAudioDevice();

    // Opens the device if that has not been tried yet; true when it is usable.
    bool ensureOpen();
    const PcmFormat& format() const { return format_; }

    // Replaces whatever is queued by clip and starts playing.
    void play(const PcmClip& clip);
    void stop();
    void close();

    std::chrono::milliseconds queued() const;

private:
    enum class State { Untried, Open, Unavailable };

    State state_ = State::Untried;
    SDL_AudioDeviceID device_ = 0;
    PcmFormat format_;
};

}  // namespace platform::sound
