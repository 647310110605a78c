#pragma once

#include "common/studylist/WriteResult.h"

#include <QByteArray>
#include <QString>

namespace studylist {

// platform::writeFileAtomically (a reader never meets a half-written file; only
// its owner may read it), with a failure given as the result's error text.
WriteResult writeFileAtomically(const QString& path, const QByteArray& bytes);

}  // namespace studylist
