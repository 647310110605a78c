#pragma once

#include <QString>

// Letter case changed one character at a time, so a text keeps its length:
// "straße" upper-cases to "STRAßE", never to "STRASSE".
namespace platform::ui {

QString ucase(const QString& text);
QString lcase(const QString& text);

// The first letter of every word upper case, every other letter lower case;
// words are separated by white space.
QString properCase(const QString& text);

}  // namespace platform::ui
