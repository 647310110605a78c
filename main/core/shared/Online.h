#pragma once

#include "platform/net/Download.h"

#include <QString>

namespace shared {

// True when the computer has a connection to a network beyond itself.
bool Is_Connected();

// Lets pending window events run once, then fetches url into file, blocking
// until the transfer ends or timeoutMs has passed. Meanwhile windows keep
// painting and timers fire, but the learner's clicks and keys are dropped. True
// only for a complete answer of the 2xx kind; on any failure no file is left behind.
bool Download_File(const QString& url, const QString& file, int timeoutMs = platform::kDownloadTimeoutMs);

}  // namespace shared
