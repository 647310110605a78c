#pragma once

#include <QString>

namespace users {

// Passwords are kept as "pbkdf2-sha256$<iterations>$<salt, base64>$<key, base64>".
// The iteration count travels with each hash, so a later change of the count
// leaves every stored password working.
constexpr int kPasswordIterations = 100000;

// What is hashed and compared: the typed text trimmed and upper-cased one
// character at a time, so any letter case signs in and "ß" stays "ß".
QString normalizedPassword(const QString& typed);

// A new salted hash of the typed password; "" when nothing but blanks was typed
// (an empty tPassword means the user has no password). Each call draws a new salt.
QString hashPassword(const QString& typed, int iterations = kPasswordIterations);

// Whether the typed text opens a stored password. A user without a password
// (stored is empty) always passes; a stored text that is not a hash of ours never does.
bool passwordMatches(const QString& stored, const QString& typed);

}  // namespace users
