#pragma once

#include <QByteArray>
#include <QString>

namespace contentbuilder {

// Every file the builder makes is first written under a hidden temporary name in its
// target folder and then renamed into place, so a killed build never leaves a half
// file under a real name. Temporary names start with this prefix.
inline constexpr char kTemporaryPrefix[] = ".contentbuilder-";

// The temporary sibling of a target path: same folder, hidden, unique to this process.
QString temporarySibling(const QString& target);

// Renames a finished temporary file into place. Replace swaps it in atomically over
// an older file; KeepExisting places it only when no file of that name exists (and
// then removes the temporary file). Returns whether the file was placed; throws
// ContentError when the rename fails.
enum class Placement { Replace, KeepExisting };
bool placeFile(const QString& temporary, const QString& target, Placement placement);

// Writes the bytes to a temporary sibling, flushes them to disk and renames the file
// over the target.
void writeFileAtomically(const QString& target, const QByteArray& bytes);

// Removes what a killed earlier build left behind in the folder: files whose names
// start with the temporary prefix (and their store journals).
void removeLeftoverTemporaries(const QString& folder);

}  // namespace contentbuilder
