#include "main/core/startup/ModMain.h"

namespace startup {

MainState modMain;

void MainState::applyEdition(const Edition& edition)
{
    gProductTitle = edition.productTitle;
    gInterfaceLanguage = edition.interfaceLanguage;
    gTargetLanguage = edition.targetLanguage;
    gLanguageCode = edition.languageCode;
}

}  // namespace startup
