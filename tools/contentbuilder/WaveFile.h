#pragma once

#include <QByteArray>
#include <QString>

namespace contentbuilder {

// True when the bytes are a whole RIFF/WAVE file of PCM samples: the RIFF size matches
// the length, a "fmt " chunk comes before a non-empty "data" chunk that fits the file.
// On false, *problem (when given) says what is wrong.
bool isWaveFile(const QByteArray& bytes, QString* problem = nullptr);

}  // namespace contentbuilder
