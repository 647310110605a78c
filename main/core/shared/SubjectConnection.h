#pragma once

#include "platform/store/Store.h"

#include <QString>

namespace shared {

// How the main program connects to a subject store or a custom subject store:
// the file, and whether it is read or written. Installed subjects are read (the
// phrase dialog writes its corrections); custom stores are always opened
// read-write, so a transaction left by a killed program can be rolled back.
struct SubjectConnection {
    QString path;
    platform::OpenMode mode = platform::OpenMode::ReadOnly;

    // Throws platform::StoreException; never creates the file.
    platform::Store open() const { return platform::Store::open(path, mode); }
};

enum class SubjectStoreKind { Installed, InstalledForEditing, Custom };

SubjectConnection Subject_Connection_String(const QString& path,
                                            SubjectStoreKind kind = SubjectStoreKind::Installed);

}  // namespace shared
