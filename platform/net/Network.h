#pragma once
#include <QString>
#include <QUrl>
namespace platform {
bool isConnected();
bool downloadFile(const QString& url, const QString& file, int timeoutMs = 30000);
bool openUrl(const QUrl& url);
}
