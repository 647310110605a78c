#include "platform/sound/Sound.h"

#include "platform/sound/SdlAudioDevice.h"
#include "platform/sound/SoundRecorder.h"
#include "platform/sound/SoundSetting.h"
#include "platform/sound/WavClip.h"

#include <QFile>

#include <algorithm>
#include <thread>

namespace platform::sound {
namespace {

SdlAudioDevice& device()
{
    static SdlAudioDevice instance;
    return instance;
}

SoundSink& installedSink()
{
    static SoundSink sink;
    return sink;
}

QByteArray wavBytes(const SoundRequest& request)
{
    if (request.source == SoundRequest::Source::Memory)
        return request.data;
    QFile file(request.path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void playOnDevice(const SoundRequest& request)
{
    const QByteArray wav = wavBytes(request);
    if (!device().ensureOpen())
        return;
    // A new request always ends the current sound, even when its own data is unusable.
    device().stop();
    const std::optional<PcmClip> clip = convertWav(wav, device().format());
    if (!clip)
        return;
    device().play(*clip);
    // The computed length, not the queue: a suspended device would never drain it.
    if (!request.async)
        std::this_thread::sleep_for(std::min(clip->duration, kSyncWaitCap));
}

void dispatch(const SoundRequest& request)
{
    if (const SoundSink& sink = installedSink()) {
        sink(request);
        return;
    }
    const SoundSetting setting = soundSettingFromEnvironment();
    switch (setting.output) {
    case SoundSetting::Output::None:
        return;
    case SoundSetting::Output::Record:
        appendRecord(setting.recordFile, request);
        return;
    case SoundSetting::Output::Device:
        playOnDevice(request);
        return;
    }
}

}  // namespace

void playFile(const QString& path, bool async)
{
    SoundRequest request;
    request.source = SoundRequest::Source::File;
    request.path = path;
    request.async = async;
    dispatch(request);
}

void playMemory(const QByteArray& wav, bool async, const QString& name)
{
    SoundRequest request;
    request.source = SoundRequest::Source::Memory;
    request.data = wav;
    request.name = name;
    request.async = async;
    dispatch(request);
}

void stop() { device().stop(); }

void shutdown() { device().close(); }

std::chrono::milliseconds remaining() { return device().queued(); }

void setSink(SoundSink sink) { installedSink() = std::move(sink); }

}  // namespace platform::sound
