#pragma once

#include "platform/sound/SoundRequest.h"

#include <QString>

namespace platform::sound {

// The record line of a request, without its line end (format in Sound.h).
QString recordLine(const SoundRequest& request);

// Appends the request's line to file in one write, so several programs can
// record into the same file. Failures are ignored, as for any sound.
void appendRecord(const QString& file, const SoundRequest& request);

}  // namespace platform::sound
