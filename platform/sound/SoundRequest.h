#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

namespace platform::sound {

// One request to play a sound, as the caller made it.
struct SoundRequest {
    enum class Source { File, Memory };

    Source source = Source::File;
    QString path;      // File: the path as given
    QByteArray data;   // Memory: the WAV image (a shared copy of the caller's buffer)
    QString name;      // Memory: the resource name the caller gave, may be empty
    bool async = true;
};

// An in-process receiver of requests, in place of any output (for tests).
using SoundSink = std::function<void(const SoundRequest&)>;

}  // namespace platform::sound
