#pragma once

#include <QString>

namespace platform {

inline constexpr int kDownloadTimeoutMs = 30000;

// Fetches an http or https address into file, blocking until done or until
// timeoutMs has passed. Window timers and network events keep running
// meanwhile; keyboard and mouse input waits. True only for a complete body with
// a 2xx status (and as many bytes as the server announced). The body is written
// beside file and renamed into place, so on any failure no new file is left.
bool downloadFile(const QString& url, const QString& file, int timeoutMs = kDownloadTimeoutMs);

}  // namespace platform
