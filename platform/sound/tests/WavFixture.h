#pragma once

#include <QByteArray>

namespace soundtest {

enum class Encoding { Unsigned8, Signed16, Float32 };

// A WAV image holding a sine tone of the given length.
QByteArray toneWav(int durationMs, int frequency = 22050, int channels = 1,
                   Encoding encoding = Encoding::Signed16);

}  // namespace soundtest
