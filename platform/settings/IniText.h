#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Reading string values from INI text as it may be edited by hand. A value with
// commas is one text here (a generic INI reader would split it into a list).
namespace platform::ini {

// The raw text of `name` in the general section (keys before any section count
// as general); the last occurrence wins; nullopt when the key is absent.
std::optional<QString> rawValue(const QByteArray& fileText, const QString& name);

// The text a raw value stands for: quotes and backslash escapes undone, commas
// kept. nullopt when the value is not a text: a typed value ("@ByteArray(...)",
// "@Variant(...)", "@Invalid()", ...) or a list of quoted items.
std::optional<QString> stringValue(const QString& raw);

}  // namespace platform::ini
