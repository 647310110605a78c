#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>

// The update file on the vendor's web server, named after the program's
// version; its last line holds a flag and a message.
namespace update {

struct Version {
    int major = 0;
    int minor = 0;
    int revision = 0;
};

// webBase (caption 94) + "/updates/Ver_<major>_<minor>_<revision>.txt", with
// one slash between the base and "updates" whether or not the base ends in one.
QString updateAddress(const QString& webBase, const Version& version);

// Where the file is fetched to: "~" + MMddyyyy + hhmmss + ".tmp" in tempFolder
// (which ends in "/").
QString localCopyPath(const QString& tempFolder, const QDateTime& now);

struct UpdateNotice {
    QString flag;     // trimmed and upper-cased
    QString message;  // trimmed; ends at a further comma
    // "YES": the running version must not go on.
    bool mustClose() const { return flag == QLatin1String("YES"); }
};

// The last line of content (lines end in CR LF or LF; a line break at the very
// end makes no empty line after it), split at its commas. Nothing for an empty
// file or a last line without a comma.
std::optional<UpdateNotice> readLastLine(const QByteArray& content);

}  // namespace update
