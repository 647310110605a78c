#pragma once

#include <QByteArray>
#include <QMap>
#include <QObject>
#include <QTcpServer>

// A tiny HTTP server on 127.0.0.1 in the test's own thread: each path gives a
// canned raw response, at once or after a delay; a path with no response keeps
// the connection silent.
class LoopbackHttpServer : public QObject {
public:
    LoopbackHttpServer();
    void respond(const QByteArray& path, const QByteArray& rawResponse, int delayMs = 0);
    QString url(const QByteArray& path) const;
    // The paths asked for so far, in order.
    const QList<QByteArray>& requested() const { return requested_; }

    static QByteArray response(int status, const QByteArray& body);
    // An address on 127.0.0.1 where nothing listens.
    static QString refusedUrl();

private:
    struct Canned {
        QByteArray raw;
        int delayMs = 0;
    };
    void serve(class QTcpSocket* socket);

    QTcpServer server_;
    QMap<QByteArray, Canned> responses_;
    QList<QByteArray> requested_;
};
