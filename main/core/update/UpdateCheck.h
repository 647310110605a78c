#pragma once

#include "main/core/update/UpdateFile.h"
#include "platform/net/Download.h"

#include <QDateTime>
#include <QString>

namespace update {

// What the check needs from the program: its captions, version and folders.
struct UpdateCheckSetup {
    QString webBase;           // caption 94
    QString title;             // caption 98, the boxes' title
    QString openPageQuestion;  // caption 18
    QString downloadPageName;  // caption 67
    QString downloadLater;     // caption 68
    Version version;
    QString tempFolder;  // ends in "/"
    QDateTime now;
    int timeoutMs = platform::kDownloadTimeoutMs;
};

// Fetches the update file of this version. When its last line has a flag and a
// message, shows the message and offers the download page (Yes opens it in the
// browser; No tells where to find it later). True when the flag is "YES": the
// program must end. Any failure (no file, no answer in time, a last line
// without a comma) is silent and gives False. The local copy never stays behind.
bool Check_For_Update(const UpdateCheckSetup& setup);

}  // namespace update
