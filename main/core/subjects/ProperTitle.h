#pragma once

#include <QString>

namespace subjects {

// The display title of a subject file: its "_"-separated words, each after one
// blank, without the "." and three-letter extension, in proper case (first letter
// of every word upper case, every other letter lower case, one character at a time,
// so "ß" stays "ß"). "food_and_DRINK.fre" gives " Food And Drink"; the title
// begins with a blank. A name too short to hold an extension gives "".
QString Proper_Title(const QString& fileName);

}  // namespace subjects
