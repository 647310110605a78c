#pragma once

// The letters the spelling game offers: the alphabet of each edition, where its
// on-screen keys stand, and which letter a key of the keyboard enters.
#include <QPoint>
#include <QString>
#include <Qt>

#include <optional>

namespace letterbee {

// The alphabet of the edition with this program code, one on-screen key per
// character in this order. A code of no known edition gets the English one.
QString alphabetFor(const QString& programCode);

// The top left corner of on-screen key k (1 to the alphabet's length).
QPoint keyPosition(int key);

// The letter a key of the keyboard enters (key is a Qt::Key): a letter upper
// case, a digit, and ",", ".", "'"; the key of the digit one, and Shift with it,
// enter "!", the key of "/" and "?" enter "?". Modifiers alone and every other
// key enter nothing.
std::optional<QString> letterForKey(int key);

// The text upper-cased one character at a time (so "ß" stays "ß").
QString upperCase(const QString& text);

}  // namespace letterbee
