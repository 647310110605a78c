#pragma once

#include <QString>

namespace platform::ui {

// Where Qt's own translation files are installed.
QString qtTranslationsFolder();

// Puts Qt's own texts (standard buttons, the print dialog) in the interface
// language: "Spanish" loads Qt's Spanish translation from folder; "English" and
// any other value load none, so Qt's built-in English shows whatever the
// system's locale. One translation is installed at a time: asking again for the
// language in force changes nothing, another language replaces it. Returns false
// when the translation file cannot be loaded; Qt's texts are then English.
bool loadQtTranslations(const QString& interfaceLanguage, const QString& folder = qtTranslationsFolder());

}  // namespace platform::ui
