#include "platform/net/Download.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>
#include <QTimer>
#include <QUrl>

#include <memory>

namespace platform {

namespace {

bool isWebAddress(const QUrl& url)
{
    return url.isValid() && !url.host().isEmpty() &&
           (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"));
}

bool isCompleteSuccess(const QNetworkReply& reply, qint64 received)
{
    if (reply.error() != QNetworkReply::NoError) return false;
    const int status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status < 200 || status > 299) return false;
    const QVariant announced = reply.header(QNetworkRequest::ContentLengthHeader);
    return !announced.isValid() || announced.toLongLong() == received;
}

}  // namespace

bool downloadFile(const QString& url, const QString& file, int timeoutMs)
{
    const QUrl address(url, QUrl::StrictMode);
    if (!isWebAddress(address)) return false;

    QSaveFile target(file);
    if (!target.open(QIODevice::WriteOnly)) return false;

    QNetworkAccessManager manager;
    QNetworkRequest request(address);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    std::unique_ptr<QNetworkReply> reply(manager.get(request));

    qint64 received = 0;
    bool writeFailed = false;
    QObject::connect(reply.get(), &QIODevice::readyRead, [&] {
        const QByteArray chunk = reply->readAll();
        received += chunk.size();
        if (target.write(chunk) != chunk.size()) writeFailed = true;
    });

    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, reply.get(), &QNetworkReply::abort);
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    deadline.start(timeoutMs);
    if (!reply->isFinished()) loop.exec(QEventLoop::ExcludeUserInputEvents);
    deadline.stop();

    const QByteArray rest = reply->readAll();
    received += rest.size();
    if (target.write(rest) != rest.size()) writeFailed = true;

    if (writeFailed || !isCompleteSuccess(*reply, received)) {
        target.cancelWriting();
        return false;
    }
    return target.commit();
}

}  // namespace platform
