#include "WavFixture.h"

#include <QDataStream>
#include <QIODevice>

#include <cmath>
#include <numbers>

namespace soundtest {

QByteArray toneWav(int durationMs, int frequency, int channels, Encoding encoding)
{
    const int bytesPerSample = encoding == Encoding::Unsigned8 ? 1 : encoding == Encoding::Signed16 ? 2 : 4;
    const quint16 formatTag = encoding == Encoding::Float32 ? 3 : 1;
    const qint64 frames = static_cast<qint64>(frequency) * durationMs / 1000;
    const quint32 dataBytes = static_cast<quint32>(frames * channels * bytesPerSample);

    QByteArray wav;
    QDataStream out(&wav, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.setFloatingPointPrecision(QDataStream::SinglePrecision);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + dataBytes);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << formatTag << quint16(channels) << quint32(frequency)
        << quint32(frequency * channels * bytesPerSample) << quint16(channels * bytesPerSample)
        << quint16(bytesPerSample * 8);
    out.writeRawData("data", 4);
    out << dataBytes;
    for (qint64 i = 0; i < frames; ++i) {
        const double value = 0.5 * std::sin(2 * std::numbers::pi * 440.0 * static_cast<double>(i) / frequency);
        for (int c = 0; c < channels; ++c) {
            switch (encoding) {
            case Encoding::Unsigned8: out << quint8(128 + std::lround(value * 127)); break;
            case Encoding::Signed16: out << qint16(std::lround(value * 32767)); break;
            case Encoding::Float32: out << float(value); break;
            }
        }
    }
    return wav;
}

}  // namespace soundtest
