#pragma once

#include <QString>

namespace shared {

// True when the computer has a connection to a network beyond itself.
bool Is_Connected();

// Lets pending window events run once, then fetches url into file, blocking
// until the transfer ends. True only for a complete answer of the 2xx kind; on
// any failure no file is left behind.
bool Download_File(const QString& url, const QString& file);

}  // namespace shared
