#include "LoopbackHttpServer.h"

#include <QTcpSocket>

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

void LoopbackHttpServer::respond(const QByteArray& path, const QByteArray& rawResponse)
{
    responses_[path] = rawResponse;
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
    if (!responses_.contains(path)) return;
    socket->write(responses_.value(path));
    socket->disconnectFromHost();
}
