#pragma once

#include <QByteArray>

// Reading an HTTP/1.x response from the bytes a connection delivered, with the
// body's end checked by its framing: a Content-Length body must be whole, a
// chunked body must reach its last (empty) chunk, and a body without either ends
// only when the server closes the connection.
namespace platform::http {

struct Response {
    enum class State { Incomplete, Complete, Malformed };
    State state = State::Incomplete;
    int status = 0;
    QByteArray location;  // the Location header, for redirects
    QByteArray body;      // the decoded body once Complete
};

// Parses raw, the bytes received so far; connectionClosed tells whether the
// server has closed the connection (nothing more will come). Interim 1xx
// responses are skipped.
Response parseResponse(const QByteArray& raw, bool connectionClosed);

}  // namespace platform::http
