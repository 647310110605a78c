#include "platform/sound/SoundRecorder.h"

#include <QCryptographicHash>
#include <QFile>

namespace platform::sound {
namespace {

QString escaped(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '\\': out += QLatin1String("\\\\"); break;
        case '\t': out += QLatin1String("\\t"); break;
        case '\n': out += QLatin1String("\\n"); break;
        case '\r': out += QLatin1String("\\r"); break;
        default: out += c;
        }
    }
    return out;
}

QString fingerprint(const QByteArray& data)
{
    const QByteArray hash = QCryptographicHash::hash(data, QCryptographicHash::Sha1).toHex();
    return QStringLiteral("sha1:") + QString::fromLatin1(hash.left(8));
}

}  // namespace

QString recordLine(const SoundRequest& request)
{
    const QString mode = request.async ? QStringLiteral("async") : QStringLiteral("sync");
    if (request.source == SoundRequest::Source::File)
        return QStringLiteral("file\t%1\t%2").arg(escaped(request.path), mode);
    const QString label = request.name.isEmpty() ? fingerprint(request.data) : escaped(request.name);
    return QStringLiteral("memory\t%1B\t%2\t%3").arg(request.data.size()).arg(label, mode);
}

void appendRecord(const QString& file, const SoundRequest& request)
{
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return;
    out.write((recordLine(request) + QLatin1Char('\n')).toUtf8());
}

}  // namespace platform::sound
