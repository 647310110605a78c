#pragma once

#include <QString>

// Per-user string settings. A key such as "Software\Dravolin\dvlfre" (either
// slash) names the file <config>/Dravolin/dvlfre.ini (a leading "Software" is
// dropped), where <config> is $XDG_CONFIG_HOME or ~/.config. Values live in its
// general section.
namespace platform {

// The file that holds subKey's values; "" for a key that names no safe file
// (empty, or holding "." or ".." parts).
QString settingsFile(const QString& subKey);

// The stored text of the value, or defaultValue when the file or value is
// missing or the value is not a text (a typed value or a list of quoted items).
// A value edited by hand that holds commas reads back whole.
QString readSetting(const QString& subKey, const QString& name, const QString& defaultValue = {});

// Stores value as text and writes the file at once, so other programs see it.
// Failures (unwritable folder, bad key) are silent: settings are a convenience.
void writeSetting(const QString& subKey, const QString& name, const QString& value);

// Writes anything still pending and lets go of the open settings files; for the
// end of a program.
void syncSettings();

}  // namespace platform
