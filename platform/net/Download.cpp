#include "platform/net/Download.h"

#include "platform/net/HttpResponse.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QSaveFile>
#include <QSslSocket>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

#include <memory>
#include <optional>

// The transfer is read here rather than through QNetworkAccessManager, which
// reports a chunked body cut short by the server as a whole one.
namespace platform {

namespace {

constexpr int kMaxRedirects = 5;

bool isWebAddress(const QUrl& url)
{
    return url.isValid() && !url.host().isEmpty() &&
           (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"));
}

bool isRedirect(int status)
{
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

QByteArray requestFor(const QUrl& address)
{
    QByteArray target = address.path(QUrl::FullyEncoded).toLatin1();
    if (target.isEmpty()) target = "/";
    if (address.hasQuery()) target += '?' + address.query(QUrl::FullyEncoded).toLatin1();
    const QByteArray host = address.adjusted(QUrl::RemoveUserInfo).authority(QUrl::FullyEncoded).toLatin1();
    return "GET " + target + " HTTP/1.1\r\nHost: " + host +
           "\r\nUser-Agent: Lessondesk\r\nAccept-Encoding: identity\r\nConnection: close\r\n\r\n";
}

// One GET over a fresh connection; the response once it is complete, nullopt on
// any failure or when the deadline passes first.
std::optional<http::Response> fetch(const QUrl& address, const QDeadlineTimer& deadline)
{
    const bool secure = address.scheme() == QLatin1String("https");
    std::unique_ptr<QTcpSocket> socket = secure ? std::make_unique<QSslSocket>() : std::make_unique<QTcpSocket>();
    QByteArray raw;
    bool closed = false;
    bool done = false;
    QEventLoop loop;
    const auto finish = [&] {
        done = true;
        loop.quit();
    };
    const auto sendRequest = [&] { socket->write(requestFor(address)); };
    if (secure)
        QObject::connect(static_cast<QSslSocket*>(socket.get()), &QSslSocket::encrypted, &loop, sendRequest);
    else
        QObject::connect(socket.get(), &QTcpSocket::connected, &loop, sendRequest);
    QObject::connect(socket.get(), &QTcpSocket::readyRead, &loop, [&] {
        raw += socket->readAll();
        if (http::parseResponse(raw, false).state != http::Response::State::Incomplete) finish();
    });
    QObject::connect(socket.get(), &QTcpSocket::disconnected, &loop, [&] {
        closed = true;
        finish();
    });
    QObject::connect(socket.get(), &QTcpSocket::errorOccurred, &loop, [&](QAbstractSocket::SocketError error) {
        if (error == QAbstractSocket::RemoteHostClosedError) closed = true;
        finish();
    });
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, finish);
    timer.start(static_cast<int>(std::max<qint64>(deadline.remainingTime(), 0)));

    const quint16 port = static_cast<quint16>(address.port(secure ? 443 : 80));
    if (secure)
        static_cast<QSslSocket*>(socket.get())->connectToHostEncrypted(address.host(), port);
    else
        socket->connectToHost(address.host(), port);
    if (!done) loop.exec(QEventLoop::ExcludeUserInputEvents);

    raw += socket->readAll();
    closed = closed || socket->state() == QAbstractSocket::UnconnectedState;
    socket->abort();
    http::Response response = http::parseResponse(raw, closed);
    if (response.state != http::Response::State::Complete) return std::nullopt;
    return response;
}

bool saveWhole(const QString& file, const QByteArray& body)
{
    QSaveFile target(file);
    if (!target.open(QIODevice::WriteOnly)) return false;
    if (target.write(body) != body.size()) {
        target.cancelWriting();
        return false;
    }
    return target.commit();
}

}  // namespace

bool downloadFile(const QString& url, const QString& file, int timeoutMs)
{
    QUrl address(url, QUrl::StrictMode);
    if (!isWebAddress(address)) return false;
    const QDeadlineTimer deadline(timeoutMs);
    for (int hop = 0; hop <= kMaxRedirects; ++hop) {
        const std::optional<http::Response> response = fetch(address, deadline);
        if (!response) return false;
        if (isRedirect(response->status) && !response->location.isEmpty()) {
            const QUrl next = address.resolved(QUrl::fromEncoded(response->location, QUrl::StrictMode));
            // Never from a secure address to a plain one.
            if (!isWebAddress(next) || (address.scheme() == QLatin1String("https") &&
                                        next.scheme() != QLatin1String("https")))
                return false;
            address = next;
            continue;
        }
        if (response->status < 200 || response->status > 299) return false;
        return saveWhole(file, response->body);
    }
    return false;
}

}  // namespace platform
