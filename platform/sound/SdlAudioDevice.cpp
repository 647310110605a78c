#include "platform/sound/SdlAudioDevice.h"

namespace platform::sound {

SdlAudioDevice::~SdlAudioDevice() { close(); }

bool SdlAudioDevice::ensureOpen()
{
    if (state_ != State::Untried)
        return state_ == State::Open;
    state_ = State::Unavailable;

    // SDL would otherwise install its own SIGINT/SIGTERM handlers over the program's.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;

    SDL_AudioSpec wanted{};
    wanted.freq = 44100;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 2;
    wanted.samples = 1024;
    SDL_AudioSpec obtained{};
    device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained,
                                  SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE);
    if (device_ == 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    format_ = {obtained.freq, obtained.format, obtained.channels};
    state_ = State::Open;
    return true;
}

void SdlAudioDevice::play(const PcmClip& clip)
{
    if (state_ != State::Open)
        return;
    SDL_ClearQueuedAudio(device_);
    if (!clip.samples.isEmpty())
        SDL_QueueAudio(device_, clip.samples.constData(), static_cast<Uint32>(clip.samples.size()));
    SDL_PauseAudioDevice(device_, 0);
}

void SdlAudioDevice::stop()
{
    if (state_ == State::Open)
        SDL_ClearQueuedAudio(device_);
}

void SdlAudioDevice::close()
{
    if (state_ == State::Open) {
        SDL_CloseAudioDevice(device_);
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    device_ = 0;
    state_ = State::Untried;
}

std::chrono::milliseconds SdlAudioDevice::queued() const
{
    if (state_ != State::Open)
        return std::chrono::milliseconds{0};
    return format_.duration(SDL_GetQueuedAudioSize(device_) / format_.bytesPerFrame());
}

}  // namespace platform::sound
