#pragma once

#include <QByteArray>
#include <QMap>
#include <QObject>
#include <QTcpServer>

// A tiny HTTP server on 127.0.0.1 in the test's own thread: each path gives a
// canned raw response; a path with no response keeps the connection silent.
class LoopbackHttpServer : public QObject {
public:
    LoopbackHttpServer();
    void respond(const QByteArray& path, const QByteArray& rawResponse);
    QString url(const QByteArray& path) const;

    static QByteArray response(int status, const QByteArray& body);

private:
    void serve(class QTcpSocket* socket);

    QTcpServer server_;
    QMap<QByteArray, QByteArray> responses_;
};
