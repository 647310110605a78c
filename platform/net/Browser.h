#pragma once

#include <QUrl>

#include <functional>

namespace platform {

// Opens a web page or a local file in the user's browser or file viewer.
// False when no program could be started for it.
bool openUrl(const QUrl& url);

// Replaces how addresses are opened (so no test starts a browser); an empty
// function restores the real one.
void setUrlOpener(std::function<bool(const QUrl&)> opener);

}  // namespace platform
