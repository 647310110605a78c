#include "LoopbackHttpServer.h"

#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

LoopbackHttpServer::LoopbackHttpServer()
{
    server_.listen(QHostAddress::LocalHost, 0);
    connect(&server_, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            socket->setParent(this);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
        }
    });
}

void LoopbackHttpServer::respond(const QByteArray& path, const QByteArray& rawResponse, int delayMs)
{
    responses_[path] = {rawResponse, delayMs};
}

QString LoopbackHttpServer::url(const QByteArray& path) const
{
    return QStringLiteral("http://127.0.0.1:%1%2").arg(server_.serverPort()).arg(QString::fromLatin1(path));
}

QByteArray LoopbackHttpServer::response(int status, const QByteArray& body)
{
    return "HTTP/1.1 " + QByteArray::number(status) + " Status\r\nContent-Type: text/plain\r\nContent-Length: " +
           QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
}

void LoopbackHttpServer::serve(QTcpSocket* socket)
{
    // The request may come in pieces; it is whole once its header ends.
    const QByteArray request = socket->property("request").toByteArray() + socket->readAll();
    socket->setProperty("request", request);
    if (!request.contains("\r\n\r\n")) return;
    const QByteArray path = request.split(' ').value(1);
    requested_ << path;
    if (!responses_.contains(path)) return;
    const Canned canned = responses_.value(path);
    const QPointer<QTcpSocket> target(socket);
    QTimer::singleShot(canned.delayMs, this, [target, raw = canned.raw] {
        if (!target) return;
        target->write(raw);
        target->disconnectFromHost();
    });
}

QString LoopbackHttpServer::refusedUrl()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    // A path no test serves, in case another test's server takes the port meanwhile.
    return QStringLiteral("http://127.0.0.1:%1/refused-port").arg(port);
}
