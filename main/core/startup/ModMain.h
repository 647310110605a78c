#pragma once

#include "main/core/startup/CaptionTable.h"
#include "main/core/startup/Edition.h"

#include <QString>

namespace startup {

// The main program's shared state: one instance per process (modMain below).
// Folder values end in "/".
struct MainState {
    QString gProgramCode;
    QString gProductTitle;
    QString gInterfaceLanguage;
    QString gTargetLanguage;
    QString gLanguageCode;
    QString gDataDir;
    QString gInstalledSubjectsDir;
    QString gVirtualSubjectsDir;
    bool gSubjectsChanged = false;
    CaptionTable gCaptions;
    QString gUserName;
    int gPhraseCount = 0;

    // Copies the edition's product title, languages and subject extension.
    void applyEdition(const Edition& edition);
};

extern MainState modMain;

}  // namespace startup
