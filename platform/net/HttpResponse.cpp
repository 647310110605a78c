#include "platform/net/HttpResponse.h"

#include <QList>

#include <limits>
#include <optional>

namespace platform::http {

namespace {

constexpr QByteArrayView kLineEnd("\r\n");
constexpr QByteArrayView kHeaderEnd("\r\n\r\n");

Response malformed()
{
    Response response;
    response.state = Response::State::Malformed;
    return response;
}

// The status code of a line "HTTP/1.x NNN reason"; nullopt when it is no such line.
std::optional<int> statusOf(const QByteArray& line)
{
    if (!line.startsWith("HTTP/1.")) return std::nullopt;
    const QList<QByteArray> parts = line.split(' ');
    if (parts.size() < 2 || parts[1].size() != 3) return std::nullopt;
    bool ok = false;
    const int status = parts[1].toInt(&ok);
    if (!ok || status < 100) return std::nullopt;
    return status;
}

// Decodes a chunked body from raw[from...]; Incomplete until the last chunk and
// the end of its trailer have arrived.
Response decodeChunked(const QByteArray& raw, qsizetype from, bool connectionClosed)
{
    Response response;
    qsizetype at = from;
    for (;;) {
        const qsizetype lineEnd = raw.indexOf(kLineEnd, at);
        if (lineEnd < 0) break;
        QByteArray sizeText = raw.mid(at, lineEnd - at);
        sizeText = sizeText.left(sizeText.indexOf(';') < 0 ? sizeText.size() : sizeText.indexOf(';')).trimmed();
        bool ok = false;
        const qint64 size = sizeText.toLongLong(&ok, 16);
        if (!ok || size < 0) return malformed();
        at = lineEnd + kLineEnd.size();
        if (size == 0) {
            // Trailer fields, then an empty line.
            for (;;) {
                const qsizetype trailerEnd = raw.indexOf(kLineEnd, at);
                if (trailerEnd < 0) return connectionClosed ? malformed() : response;
                if (trailerEnd == at) {
                    response.state = Response::State::Complete;
                    return response;
                }
                at = trailerEnd + kLineEnd.size();
            }
        }
        // A chunk that no buffer could ever hold is refused before any sum with its size.
        if (size > std::numeric_limits<qsizetype>::max() - at - kLineEnd.size()) return malformed();
        if (raw.size() - at < size + kLineEnd.size()) break;
        if (QByteArrayView(raw).sliced(at + size, kLineEnd.size()) != kLineEnd) return malformed();
        response.body += QByteArrayView(raw).sliced(at, size);
        at += size + kLineEnd.size();
    }
    // Cut short: the server closed before the last chunk.
    return connectionClosed ? malformed() : Response{};
}

}  // namespace

Response parseResponse(const QByteArray& raw, bool connectionClosed)
{
    qsizetype start = 0;
    for (;;) {
        const qsizetype headerEnd = raw.indexOf(kHeaderEnd, start);
        if (headerEnd < 0) return connectionClosed ? malformed() : Response{};
        const QList<QByteArray> lines = raw.mid(start, headerEnd - start).split('\n');
        const std::optional<int> status = statusOf(lines.front().trimmed());
        if (!status) return malformed();
        const qsizetype bodyStart = headerEnd + kHeaderEnd.size();
        if (*status < 200) {
            start = bodyStart;  // an interim answer; the real one follows
            continue;
        }

        Response response;
        response.status = *status;
        std::optional<qint64> length;
        bool chunked = false;
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const QByteArray line = lines[i].trimmed();
            const qsizetype colon = line.indexOf(':');
            if (colon <= 0) return malformed();
            const QByteArray name = line.left(colon).trimmed().toLower();
            const QByteArray value = line.mid(colon + 1).trimmed();
            if (name == "content-length") {
                bool ok = false;
                const qint64 announced = value.toLongLong(&ok);
                if (!ok || announced < 0 || (length && *length != announced)) return malformed();
                length = announced;
            } else if (name == "transfer-encoding") {
                // Only plain chunked framing is read; any other coding is refused.
                if (value.toLower() != "chunked") return malformed();
                chunked = true;
            } else if (name == "location") {
                response.location = value;
            }
        }

        if (response.status == 204 || response.status == 304) {
            response.state = Response::State::Complete;
            return response;
        }
        if (chunked) {
            Response decoded = decodeChunked(raw, bodyStart, connectionClosed);
            decoded.status = response.status;
            decoded.location = response.location;
            return decoded;
        }
        if (length) {
            if (raw.size() - bodyStart < *length) return connectionClosed ? malformed() : Response{};
            response.body = raw.mid(bodyStart, *length);
            response.state = Response::State::Complete;
            return response;
        }
        if (!connectionClosed) return Response{};
        response.body = raw.mid(bodyStart);
        response.state = Response::State::Complete;
        return response;
    }
}

}  // namespace platform::http
