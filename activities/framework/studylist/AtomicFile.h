#pragma once

#include "activities/framework/studylist/WriteResult.h"

#include <QByteArray>
#include <QString>

namespace studylist {

// Writes bytes to a new file beside path and renames it over path, so a reader
// never meets a half-written file. The new file is created exclusively (never
// through a planted link) and only its owner may read or write it.
WriteResult writeFileAtomically(const QString& path, const QByteArray& bytes);

}  // namespace studylist
