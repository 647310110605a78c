#pragma once

#include "CaptionTable.h"

#include <QString>
#include <QStringList>

namespace contentbuilder {

struct BuildOptions {
    QString contentFolder;  // the content/ sources
    QString programFolder;  // the program folder the stores go into
    Language language = Language::English;  // the edition's interface language: names the folders
    QString cacheFolder;    // recordings and the record of what was made
    QStringList toolPaths;  // where to look for espeak-ng and sox; the PATH when empty
};

struct BuildReport {
    int filesMade = 0;
    int filesUpToDate = 0;
    int filesRemoved = 0;
    int recordingsMade = 0;
    int recordingsReused = 0;
};

// Reads and checks every content source first, then makes the recordings, then
// writes the program folder:
//   Dravolin.tpl, custom.tpl, the offline page (caption 95),
//   <caption 10>/<subject>.<ext> for every subject,
//   <caption 11>/<name>.v<ext> for every shipped custom store, only when missing,
//   Activities/<program>.cfg for every folder of content/activities/.
// Throws ContentError (or a store error) when anything is wrong; a problem in the
// sources stops the build before any file is touched, and every file is whole.
BuildReport buildContent(const BuildOptions& options);

}  // namespace contentbuilder
