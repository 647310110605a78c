#include "platform/sound/WavClip.h"

#include <cstring>
#include <memory>

namespace platform::sound {
namespace {

struct WavDeleter {
    void operator()(Uint8* buffer) const { SDL_FreeWAV(buffer); }
};

}  // namespace

std::optional<PcmClip> convertWav(const QByteArray& wav, const PcmFormat& target)
{
    if (wav.isEmpty())
        return std::nullopt;
    SDL_RWops* source = SDL_RWFromConstMem(wav.constData(), static_cast<int>(wav.size()));
    if (!source)
        return std::nullopt;
    SDL_AudioSpec sourceFormat{};
    Uint8* rawBuffer = nullptr;
    Uint32 length = 0;
    if (!SDL_LoadWAV_RW(source, 1, &sourceFormat, &rawBuffer, &length))
        return std::nullopt;
    const std::unique_ptr<Uint8, WavDeleter> decoded(rawBuffer);

    // The converter, not an audio stream: streams of this SDL drop the last
    // few hundred frames of a resampled sound when flushed.
    SDL_AudioCVT converter;
    if (SDL_BuildAudioCVT(&converter, sourceFormat.format, sourceFormat.channels, sourceFormat.freq,
                          target.format, static_cast<Uint8>(target.channels), target.frequency)
        < 0)
        return std::nullopt;
    QByteArray work(static_cast<qsizetype>(length) * converter.len_mult, Qt::Uninitialized);
    if (length > 0)
        std::memcpy(work.data(), decoded.get(), length);
    converter.buf = reinterpret_cast<Uint8*>(work.data());
    converter.len = static_cast<int>(length);
    if (converter.needed && length > 0 && SDL_ConvertAudio(&converter) != 0)
        return std::nullopt;
    const int converted = converter.needed ? converter.len_cvt : static_cast<int>(length);

    const int frameBytes = target.bytesPerFrame();
    PcmClip clip;
    clip.samples = work.left(converted - converted % frameBytes);
    clip.duration = target.duration(clip.samples.size() / frameBytes);
    return clip;
}

}  // namespace platform::sound
