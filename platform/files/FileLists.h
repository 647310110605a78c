#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// Names (not paths) of the visible files in folder whose extension is
// `extension` (given without the dot), letter case ignored, sorted by name
// ignoring case. A missing folder gives an empty list.
QStringList filesWithExtension(const QString& folder, const QString& extension);

// Names of the programs in folder: visible files with an execute bit and no "."
// in the name, sorted by name ignoring case.
QStringList executablesIn(const QString& folder);

}  // namespace platform
