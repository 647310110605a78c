#pragma once

#include <QString>

namespace platform::text {

// How much of a value a message quotes: enough to recognise it, never so much
// that a message grows with its input.
inline constexpr qsizetype kExcerptChars = 40;

// The value as a message quotes it: whole when it is at most maxChars
// characters long, else its first maxChars characters followed by "...". A
// character made of two UTF-16 units is never cut in half.
QString excerpt(const QString& value, qsizetype maxChars = kExcerptChars);

}  // namespace platform::text
