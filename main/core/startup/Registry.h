#pragma once

#include <QString>

// The main program's per-user values, kept under the key
// "Software\Dravolin\<program code>" of the current user.
namespace startup {

// "Software\Dravolin\" followed by the program code.
QString programKey(const QString& programCode);

// The value's text, or defaultValue when it is missing or not a text.
QString Get_Reg_String(const QString& subKey, const QString& valueName, const QString& defaultValue = {});

// Stores data as text, creating the key when missing. Failures are silent.
void Save_Reg_String(const QString& subKey, const QString& valueName, const QString& data);

// Stores folder under valueName unless the stored value already names it, letter
// case ignored (upper-cased one character at a time). True when it was written.
bool Record_Folder(const QString& subKey, const QString& valueName, const QString& folder);

}  // namespace startup
