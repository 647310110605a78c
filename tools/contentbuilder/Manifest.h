#pragma once

#include <QString>

#include <map>

namespace contentbuilder {

// What the builder made in one program folder on its last run, kept in the cache
// folder (never in the program folder, which ships as it is): for each file, by its
// path relative to the program folder, a fingerprint of what it was made from and
// the SHA-256 of the bytes it held when it was made.
struct ManifestEntry {
    QString inputs;
    QString written;
};

struct Manifest {
    std::map<QString, ManifestEntry> files;

    // A missing or unreadable manifest is an empty one: everything is made afresh and
    // nothing is removed.
    static Manifest load(const QString& path);
    void save(const QString& path) const;  // written atomically
};

// The SHA-256 of a file's bytes in hex, or "" when it cannot be read.
QString fileDigest(const QString& path);

}  // namespace contentbuilder
