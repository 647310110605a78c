#include "WaveFile.h"

#include <QtEndian>

namespace contentbuilder {

namespace {

quint32 le32(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

quint16 le16(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

bool refuse(QString* problem, const QString& why)
{
    if (problem) *problem = why;
    return false;
}

}  // namespace

bool isWaveFile(const QByteArray& bytes, QString* problem)
{
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return refuse(problem, "no RIFF/WAVE header");
    if (le32(bytes, 4) + 8 != static_cast<quint64>(bytes.size()))
        return refuse(problem, "the RIFF size does not match the file length");

    bool formatSeen = false;
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const QByteArray id = bytes.mid(at, 4);
        const quint64 size = le32(bytes, at + 4);
        if (static_cast<quint64>(at) + 8 + size > static_cast<quint64>(bytes.size()))
            return refuse(problem, "chunk \"" + QString::fromLatin1(id) + "\" runs past the end");
        if (id == "fmt ") {
            if (size < 16) return refuse(problem, "the format chunk is too short");
            const quint16 format = le16(bytes, at + 8);
            if (format != 1 && format != 0xFFFE) return refuse(problem, "the samples are not PCM");
            if (le16(bytes, at + 10) == 0) return refuse(problem, "the format has no channel");
            formatSeen = true;
        } else if (id == "data") {
            if (!formatSeen) return refuse(problem, "the data chunk comes before the format chunk");
            if (size == 0) return refuse(problem, "the data chunk is empty");
            return true;
        }
        at += 8 + static_cast<qsizetype>(size + (size & 1));
    }
    return refuse(problem, "no data chunk");
}

}  // namespace contentbuilder
